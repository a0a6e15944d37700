// The driver's transcript, with a small command registered in this process:
// what is reported after each action, and how picks are aimed.
#include "runner/driver.h"

#include <gtest/gtest.h>

#include <sstream>

#include "emuhost/emu_api.h"
#include "runner/session.h"

namespace runner {
namespace {

// A command that answers typed words: "end" ends it, "box" shows a two-line
// message box, "picks" switches to element picks only, "bad" answers the host
// with a code it does not know; anything else is echoed. Picks are named on
// the error line.
int g_admit = 1;

void Put(const std::string& utf8) { ZedMsgPutMessage(emu::FromUtf8(utf8).c_str()); }

int Execute(int type, ZedEvent* event) {
    double x = 0.0, y = 0.0;
    if (ZedEvtGetPoint(type, event, &x, &y) == 0) {
        const ZedString text = emu::FromUtf8("picked " + std::to_string(ZedEvtGetElementId(type, event)));
        ZedMsgPutErrorMessage(text.c_str());
        return ZED_EXEC_WAIT;
    }
    if (type != ZED_EVT_KEYIN) {
        return type == ZED_EVT_END ? ZED_EXEC_END : ZED_EXEC_WAIT;
    }
    const std::string typed = emu::ToUtf8(ZedEvtGetKeyinString(type, event));
    if (typed == "end") {
        return ZED_EXEC_END;
    }
    if (typed == "box") {
        ZedDlgMessageBox(emu::FromUtf8("first line\nsecond line").c_str());
    } else if (typed == "picks") {
        ZedEvtSetEventMask(ZED_MASK_ELEMENT_PICK);
        Put("pick something :");
    } else if (typed == "bad") {
        return 9;
    } else {
        Put("echo " + typed);
    }
    return ZED_EXEC_WAIT;
}

int Start() {
    ZedEvtSetEventMask(ZED_MASK_KEYIN);
    Put("word :");
    ZedCtlSetExecuteFunc(Execute, ZED_TEXT(""));
    return 0;
}

int Admit() { return g_admit; }

void End() { Put("bye"); }

class ZedrunnerDriverTest : public testing::Test {
protected:
    void SetUp() override {
        emu::Reset();
        g_admit = 1;
        emu::AddLayer(0);
        emu::SetCurrentLayer(0);
        const ZedId plate = emu::AddOutline(
            0, {emu::Line(0, 0, 100, 0), emu::Line(100, 0, 100, 50), emu::Line(100, 50, 0, 50), emu::Line(0, 50, 0, 0)},
            true);
        drawing_.shapeSegments = {plate};
    }
    void TearDown() override { emu::Reset(); }

    void Register() { ASSERT_GT(ZedCtlRegisterZedLib2(Start, Admit, End), 0); }

    // The transcript of the actions, as a script would give it.
    std::string Run(const std::string& script) {
        SourceError error;
        const std::optional<std::vector<Action>> actions = ParseScript(script, "test.script", error);
        EXPECT_TRUE(actions.has_value()) << error.ToString();
        std::ostringstream out;
        Driver driver(out, drawing_);
        RunScript(actions.value_or(std::vector<Action>{}), driver);
        return out.str();
    }

    // A dimension segment with one length dimension of the line (x1, y1)-(x2, y2).
    static ZedId MakeDimension(double x1, double y1, double x2, double y2) {
        const ZedId segment = ZedSgmCreateSegment(ZED_SGM_DIMENSION, 0);
        ZedLengthDim dimension{};
        dimension.first = ZedPoint{x1, y1};
        dimension.second = ZedPoint{x2, y2};
        dimension.firstElement = dimension.secondElement = -1;  // measures no element
        dimension.offset = 5.0;
        dimension.flag80 = 1;
        return ZedDimCreateLineLength(segment, &dimension);
    }

    LoadedDrawing drawing_;
};

TEST_F(ZedrunnerDriverTest, ReportsEachActionsMessagesByChannelAndTheEnd) {
    Register();
    EXPECT_EQ(Run("start\ntype 안녕\ntype box\ntype end\n"),
              "> start\n"
              "prompt: word :\n"
              "> type 안녕\n"
              "prompt: echo 안녕\n"
              "> type box\n"
              "message box: first line\n"
              "    second line\n"
              "> type end\n"
              "prompt: bye\n"
              "(command ended)\n");
}

TEST_F(ZedrunnerDriverTest, SaysWhyAnActionDidNothing) {
    EXPECT_EQ(Run("start\n"), "> start\n(cannot start: no command is registered)\n");
    Register();
    g_admit = 0;
    EXPECT_EQ(Run("start\npick 1 1\nend\n"),
              "> start\n(cannot start: the admission function refused)\n"
              "> pick 1 1\n(ignored: no command running)\n"
              "> end\n(no command running)\n");
    g_admit = 1;
    EXPECT_EQ(Run("start\nstart\npick 50 0\ntype picks\ntype more\n"),
              "> start\nprompt: word :\n"
              "> start\n(cannot start: a command is already running)\n"
              "> pick 50 0\n(ignored: the command does not take picks now)\n"
              "> type picks\nprompt: pick something :\n"
              "> type more\n(ignored: the command does not take typed text now)\n"
              "(the command is still running after the last action)\n");
}

TEST_F(ZedrunnerDriverTest, ReportsProtocolErrorsOfTheCommand) {
    Register();
    const std::string transcript = Run("start\ntype bad\n");
    // Messages come first, then the host's protocol complaints, then the end.
    EXPECT_NE(
        transcript.find("> type bad\nprompt: bye\nprotocol error: execute function answered 9\n(command ended)\n"),
        std::string::npos)
        << transcript;
}

TEST_F(ZedrunnerDriverTest, StopsAtQuit) {
    Register();
    EXPECT_EQ(Run("start\nquit\ntype never\n"),
              "> start\nprompt: word :\n(the command is still running after the last action)\n");
}

TEST_F(ZedrunnerDriverTest, AimsPicksAtShapesDimensionsAndNotesByNumber) {
    const ZedId older = MakeDimension(0, 0, 100, 0);
    const ZedId newer = MakeDimension(0, 0, 0, 50);
    ASSERT_GT(newer, older);
    Register();
    const std::vector<ZedId> chain = emu::Chain(drawing_.shapeSegments[0]);
    const std::string transcript =
        Run("start\ntype picks\npick-element 1:2\npick-dimension 1\npick-dimension -1\npick-dimension 3\n"
            "pick-element 1:5\npick-element 2:1\npick-note 1\n");
    const std::string expected =
        "> start\nprompt: word :\n> type picks\nprompt: pick something :\n"
        "> pick-element 1:2\n(click on element " +
        std::to_string(chain[1]) + ")\nerror: picked " + std::to_string(chain[1]) + "\n" +
        "> pick-dimension 1\n(click on element " + std::to_string(older) + ")\nerror: picked " + std::to_string(older) +
        "\n" + "> pick-dimension -1\n(click on element " + std::to_string(newer) + ")\nerror: picked " +
        std::to_string(newer) + "\n" +
        "> pick-dimension 3\n(nothing to pick: the drawing has 2 dimensions, so no dimension 3)\n"
        "> pick-element 1:5\n(nothing to pick: shape 1 (segment " +
        std::to_string(drawing_.shapeSegments[0]) +
        ") has 4 elements, not 5)\n"
        "> pick-element 2:1\n(nothing to pick: the drawing file has 1 shapes, not 2)\n"
        "> pick-note 1\n(nothing to pick: the drawing has 0 notes, so no note 1)\n"
        "(the command is still running after the last action)\n";
    EXPECT_EQ(transcript, expected);
}

TEST_F(ZedrunnerDriverTest, AShapeWhoseSegmentIsGoneCannotBePicked) {
    ASSERT_EQ(ZedSgmDeleteSegment(drawing_.shapeSegments[0]), 0);
    const std::string transcript = Run("pick-element 1:1\n");
    EXPECT_EQ(transcript, "> pick-element 1:1\n(nothing to pick: the segment " +
                              std::to_string(drawing_.shapeSegments[0]) + " of shape 1 no longer exists)\n");
}

TEST_F(ZedrunnerDriverTest, ReportsMessagesPutBeforeTheFirstAction) {
    ZedMsgPutErrorMessage(ZED_TEXT("at start-up"));
    std::ostringstream out;
    Driver driver(out, drawing_);
    driver.ReportChanges();
    driver.ReportChanges();
    EXPECT_EQ(out.str(), "error: at start-up\n");
}

TEST_F(ZedrunnerDriverTest, InteractiveModePromptsAndReportsBadLines) {
    Register();
    std::istringstream in("help\nclick\n\nstart\ntype hi\nquit\ntype never\n");
    std::ostringstream out;
    Driver driver(out, drawing_);
    RunInteractive(in, out, driver);
    const std::string transcript = out.str();
    EXPECT_EQ(transcript.rfind("> actions:\n", 0), 0u) << transcript;
    EXPECT_NE(transcript.find("> (input error: unknown action 'click'"), std::string::npos) << transcript;
    // Typed lines are not echoed: the user sees them already.
    EXPECT_NE(transcript.find("> > prompt: word :\n> prompt: echo hi\n> (the command is still running"),
              std::string::npos)
        << transcript;
    EXPECT_EQ(transcript.find("never"), std::string::npos);
}

TEST_F(ZedrunnerDriverTest, InteractiveModeEndsAtTheEndOfInput) {
    Register();
    std::istringstream in("start\ntype end");
    std::ostringstream out;
    Driver driver(out, drawing_);
    RunInteractive(in, out, driver);
    EXPECT_EQ(out.str(), "> prompt: word :\n> prompt: bye\n(command ended)\n> \n");
}

}  // namespace
}  // namespace runner
