// The session page: text made safe for HTML, the page's parts from a record,
// and the recorder's steps over a small command registered in this process.
#include "runner/html_session.h"

#include <gtest/gtest.h>

#include <sstream>

#include "emuhost/emu_api.h"
#include "runner/markup_text.h"
#include "runner/session.h"
#include "runner/session_record.h"
#include "runner/svg_writer.h"

namespace runner {
namespace {

size_t Count(const std::string& text, const std::string& what) {
    size_t count = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size())) {
        ++count;
    }
    return count;
}

const std::string kFffd = "\xEF\xBF\xBD";

struct EscapeRow {
    const char* name;
    std::string text;
    std::string escaped;
};

const EscapeRow kEscapeRows[] = {
    {"markup", "a<b>&\"'c", "a&lt;b&gt;&amp;&quot;&#39;c"},
    {"korean kept", "<평면도-타입A>", "&lt;평면도-타입A&gt;"},
    {"four bytes kept", "\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
    {"tab and line end kept", "a\tb\nc", "a\tb\nc"},
    // The ends of each length's range are text: U+0080, U+07FF, U+0800, U+D7FF,
    // U+E000, U+FFFF, U+10000, U+10FFFF.
    {"range ends kept",
     "\xC2\x80\xDF\xBF\xE0\xA0\x80\xED\x9F\xBF\xEE\x80\x80\xEF\xBF\xBF\xF0\x90\x80\x80\xF4\x8F\xBF\xBF",
     "\xC2\x80\xDF\xBF\xE0\xA0\x80\xED\x9F\xBF\xEE\x80\x80\xEF\xBF\xBF\xF0\x90\x80\x80\xF4\x8F\xBF\xBF"},
    {"lead bytes that start nothing", "\xC1\xBF\xF5\x80", kFffd + kFffd + kFffd + kFffd},
    {"stray continuation byte", "a\x80z", "a" + kFffd + "z"},
    {"lead byte cut short", "\xED\x95", kFffd + kFffd},
    {"overlong slash", "\xC0\xAF", kFffd + kFffd},
    {"overlong three bytes", "\xE0\x80\xAF", kFffd + kFffd + kFffd},
    {"surrogate", "\xED\xA0\x80", kFffd + kFffd + kFffd},
    {"above U+10FFFF", "\xF4\x90\x80\x80", kFffd + kFffd + kFffd + kFffd},
    {"control characters", std::string("a\x01\x1b\x7f", 4) + std::string(1, '\0'),
     "a" + kFffd + kFffd + kFffd + kFffd},
};

TEST(HtmlEscaped, EscapesMarkupAndReplacesWhatIsNoText) {
    for (const EscapeRow& row : kEscapeRows) {
        EXPECT_EQ(HtmlEscaped(row.text), row.escaped) << row.name;
    }
}

TEST(ScriptDescription, IsTheOpeningCommentJoined) {
    const struct {
        const char* script;
        const char* description;
    } rows[] = {
        {"# Plan pattern A\n# on the edge.\nstart\n# later\n", "Plan pattern A on the edge."},
        {"#tight\n#\n#  two blanks\n", "tight  two blanks"},
        {"start\n# after an action\n", ""},
        {"", ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ScriptDescription(row.script), row.description) << row.script;
    }
}

SessionRecord SampleRecord() {
    SessionRecord record;
    record.title = "t<1>";
    record.description = "d & e";
    record.about = {"drawing a.drw", "script a.script"};
    record.before = {"prompt: hello"};
    SessionStep asked;
    asked.number = 1;
    asked.action = "type <b>";
    asked.lines = {"prompt: 수치 :", "message box: first", "    second", "registry: A = \"1\"", "(blinking: none)"};
    asked.svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\"><rect/></svg>\n";
    SessionStep quiet;
    quiet.number = 2;
    quiet.action = "chooser-row 1";
    record.steps = {asked, quiet};
    record.after = {"(the command is still running after the last action)"};
    return record;
}

TEST(RenderSessionHtml, ShowsEachStepWithItsPictureAndTexts) {
    const std::string page = RenderSessionHtml(SampleRecord());
    EXPECT_EQ(page.rfind("<!DOCTYPE html>\n", 0), 0u);
    EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_NE(page.find("<title>Ledgewright session: t&lt;1&gt;</title>"), std::string::npos);
    EXPECT_NE(page.find("<p class=\"description\">d &amp; e</p>"), std::string::npos);
    EXPECT_NE(page.find("drawing a.drw · script a.script"), std::string::npos);
    // One figure for the step with a picture; both steps numbered with their action.
    EXPECT_EQ(Count(page, "<figure>"), 1u);
    EXPECT_EQ(Count(page, "<li class=\"step"), 2u);
    EXPECT_NE(page.find("<li class=\"step\" id=\"step-1\">\n<h2><span class=\"number\">1</span> "
                        "<code>type &lt;b&gt;</code></h2>\n<figure>\n<svg role=\"img\" "
                        "aria-label=\"the drawing after step 1\" xmlns="),
              std::string::npos);
    EXPECT_NE(page.find("<li class=\"step quiet\" id=\"step-2\">\n<h2><span class=\"number\">2</span> "
                        "<code>chooser-row 1</code></h2>\n<p class=\"nothing\">(nothing shown)</p>"),
              std::string::npos);
    EXPECT_EQ(page.find("<?xml"), std::string::npos);
    // Each line in the class of its channel; a message's continuation stays with it.
    EXPECT_NE(page.find("<li class=\"prompt\">prompt: 수치 :</li>\n"
                        "<li class=\"message-box\">message box: first\nsecond</li>\n"
                        "<li class=\"registry\">registry: A = &quot;1&quot;</li>\n"
                        "<li class=\"note\">(blinking: none)</li>\n"),
              std::string::npos);
    EXPECT_NE(page.find("<h2>Before the first action</h2>\n<ul class=\"shown\">\n<li class=\"prompt\">prompt: hello"),
              std::string::npos);
    EXPECT_NE(page.find("<h2>After the last action</h2>\n<ul class=\"shown\">\n<li class=\"note\">(the command"),
              std::string::npos);
    // Self-contained: nothing loaded, nothing run.
    for (const char* outside : {"<script", "<link", "src=", "href=", "url(", "@import"}) {
        EXPECT_EQ(page.find(outside), std::string::npos) << outside;
    }
}

// A command that answers typed words: "line" draws a line and says nothing,
// "quiet" does nothing, "end" ends it; a pick blinks the picked element and
// names it on the error line.
ZedId g_picked = -1;

void SayWords(const std::string& utf8) { ZedMsgPutMessage(emu::FromUtf8(utf8).c_str()); }

int AnswerWord(int type, ZedEvent* event) {
    double x = 0.0, y = 0.0;
    if (ZedEvtGetPoint(type, event, &x, &y) == 0) {
        g_picked = ZedEvtGetElementId(type, event);
        const ZedFigRef picked{0, g_picked};
        ZedIdSetBlinkElementId(&picked);
        ZedMsgPutErrorMessage(emu::FromUtf8("picked " + std::to_string(g_picked)).c_str());
        return ZED_EXEC_WAIT;
    }
    if (type != ZED_EVT_KEYIN) {
        return type == ZED_EVT_END ? ZED_EXEC_END : ZED_EXEC_WAIT;
    }
    const std::string typed = emu::ToUtf8(ZedEvtGetKeyinString(type, event));
    if (typed == "end") {
        return ZED_EXEC_END;
    }
    if (typed == "line") {
        const ZedFigure line = emu::Line(10, 10, 90, 40);
        ZedFigCreateFigure(ZedSgmCreateSegment(ZED_SGM_FIGURE, 0), &line);
    }
    return ZED_EXEC_WAIT;
}

int StartWordCommand() {
    ZedEvtSetEventMask(ZED_MASK_KEYIN | ZED_MASK_ELEMENT_PICK);
    SayWords("word :");
    ZedCtlSetExecuteFunc(AnswerWord, ZED_TEXT(""));
    return 0;
}

int AdmitEvery() { return 1; }

void SayBye() { SayWords("bye"); }

class SessionRecorderTest : public testing::Test {
protected:
    void SetUp() override {
        emu::Reset();
        g_picked = -1;
        emu::AddLayer(0);
        emu::SetCurrentLayer(0);
        drawing_.shapeSegments = {emu::AddOutline(0,
                                                  {emu::Line(0, 0, 100, 0), emu::Line(100, 0, 100, 50),
                                                   emu::Line(100, 50, 0, 50), emu::Line(0, 50, 0, 0)},
                                                  true)};
        ASSERT_GT(ZedCtlRegisterZedLib2(StartWordCommand, AdmitEvery, SayBye), 0);
    }
    void TearDown() override { emu::Reset(); }

    // The record of the script's actions; what the driver wrote goes to `out_`.
    SessionRecord Record(const std::string& script) {
        SourceError error;
        const std::optional<std::vector<Action>> actions = ParseScript(script, "test.script", error);
        EXPECT_TRUE(actions.has_value()) << error.ToString();
        SessionRecorder recorder(out_);
        Driver driver(recorder.Transcript(), drawing_);
        driver.Observe(&recorder);
        RunScript(actions.value_or(std::vector<Action>{}), driver);
        return recorder.Finish();
    }

    std::ostringstream out_;
    LoadedDrawing drawing_;
};

using ShownLines = std::vector<std::string>;

TEST_F(SessionRecorderTest, PicturesTheStepsThatChangedTheDrawingOrAskedSomething) {
    const SessionRecord record = Record("start\ntype quiet\ntype line\npick 50 0\ntype quiet\nend\n");
    // The transcript still reaches the driver's stream whole.
    EXPECT_EQ(out_.str(), "> start\nprompt: word :\n> type quiet\n> type line\n> pick 50 0\nerror: picked " +
                              std::to_string(g_picked) + "\n(blinking: element " + std::to_string(g_picked) +
                              ")\n> type quiet\n> end\nprompt: bye\n(command ended)\n");
    ASSERT_EQ(record.steps.size(), 6u);
    const struct {
        const char* action;
        ShownLines lines;
        bool pictured;
    } expected[] = {
        {"start", {"prompt: word :"}, true},
        {"type quiet", {}, false},
        {"type line", {}, true},  // a new line and no message
        {"pick 50 0",
         {"error: picked " + std::to_string(g_picked), "(blinking: element " + std::to_string(g_picked) + ")"},
         true},
        {"type quiet", {}, false},  // the element still blinks: nothing changed
        {"end", {"prompt: bye", "(command ended)"}, true},
    };
    for (size_t k = 0; k < record.steps.size(); ++k) {
        const SessionStep& step = record.steps[k];
        EXPECT_EQ(step.number, static_cast<int>(k) + 1);
        EXPECT_EQ(step.action, expected[k].action);
        EXPECT_EQ(step.lines, expected[k].lines) << step.action;
        EXPECT_EQ(step.svg.has_value(), expected[k].pictured) << step.action;
    }
    EXPECT_TRUE(record.before.empty());
    EXPECT_TRUE(record.after.empty());

    // The new line from (10, 10) to (90, 40), y flipped; the pick clicked at
    // (50, 0) on the bottom edge, which blinks after it and not before.
    const std::string drawn = record.steps[2].svg.value_or("");
    EXPECT_NE(drawn.find("x1=\"10\" y1=\"-10\" x2=\"90\" y2=\"-40\""), std::string::npos) << drawn;
    EXPECT_EQ(drawn.find("click-mark"), std::string::npos);
    EXPECT_EQ(drawn.find("blink-halo"), std::string::npos);
    const std::string picked = record.steps[3].svg.value_or("");
    EXPECT_NE(picked.find("<g class=\"click-mark\""), std::string::npos);
    EXPECT_NE(picked.find("<circle cx=\"50\" cy=\"0\""), std::string::npos) << picked;
    const size_t halo = picked.find("<g class=\"blink-halo\"");
    ASSERT_NE(halo, std::string::npos) << picked;
    EXPECT_EQ(picked.find("data-element=\"" + std::to_string(g_picked) + "\"", halo),
              picked.find("data-element=", halo));
    EXPECT_EQ(picked.find("x1=\"0\" y1=\"0\" x2=\"100\" y2=\"0\" stroke=\"" + std::string(kBlinkHaloColour), halo),
              picked.find("x1=", halo));
}

TEST_F(SessionRecorderTest, KeepsWhatCameAfterTheLastAction) {
    const SessionRecord record = Record("start\n");
    ASSERT_EQ(record.steps.size(), 1u);
    EXPECT_EQ(record.after, ShownLines{"(the command is still running after the last action)"});
}

}  // namespace
}  // namespace runner
