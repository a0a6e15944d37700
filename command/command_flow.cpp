#include "command/command_flow.h"

#include "base/build_profile.h"
#include "base/messages.h"
#include "base/report.h"
#include "base/temporary_elements.h"
#include "command/command_state.h"
#include "command/dispatcher.h"
#include "command/layer_states.h"
#include "platform/path.h"
#include "ui/chooser.h"

int RegisterLedgewright() {
    if (ZedCtlRegisterZedLib2(CommandStart, CommandAdmission, CommandEnd) <= 0) {
        return -1;
    }
    InstallationFolder() = FindInstallationFolder();
    return 0;
}

int CommandStart() {
    ShowChooser();
    ZedEvtSetEventMask(build_profile::kPatternPromptMask);
    ShowPrompt(kPromptPattern);
    ZedCtlSetExecuteFunc(PatternPromptExecute, ZED_TEXT(""));
    return 0;
}

int CommandAdmission() { return 1; }

void CommandEnd() {
    DeleteTemporaryElements();
    PutLayersBack();
    HideChooser();
}

int PatternPromptExecute(int type, ZedEvent* event) {
    double x = 0.0;
    double y = 0.0;
    if (ZedEvtGetPoint(type, event, &x, &y) == 0) {
        return ZED_EXEC_END;
    }
    return AnswerTextOrEnd(type, event);
}
