#include "command/keyword_table.h"

#include "command/pick_dialogue.h"
#include "settings/loaders.h"
#include "tagging/delete_mode.h"

namespace {

// Rows whose state is not built yet carry no ready function: typing their
// keyword loads the settings and ends the command.
constexpr KeywordRow kRows[] = {
    {ZED_TEXT("PlaneA"), true, LoadPlaneASettings, PlaneALinePickReady},
    {ZED_TEXT("PlaneB"), true, LoadPlaneBSettings, nullptr},
    {ZED_TEXT("PlaneC"), true, LoadPlaneCSettings, nullptr},
    {ZED_TEXT("PlaneD"), true, LoadPlaneDSettings, nullptr},
    {ZED_TEXT("SideA"), true, LoadSideASettings, nullptr},
    {ZED_TEXT("SideB"), true, LoadSideBSettings, nullptr},
    {ZED_TEXT("SideC"), true, nullptr, nullptr},
    {ZED_TEXT("SideD"), true, nullptr, nullptr},
#if !ZED_LEGACY
    // The older host keeps no shoulder attributes, so its build has no Delete mode.
    {ZED_TEXT("Delete"), false, nullptr, DeleteModeReady},
#endif
};

}  // namespace

std::span<const KeywordRow> KeywordTable() { return kRows; }
