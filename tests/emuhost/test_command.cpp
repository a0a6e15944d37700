// The emulated host's command machinery: registration and admission, the
// ready/execute loop with its answers, event screening by the mask, the end of
// the command, and the callback protocol the host enforces.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "emuhost/emu_api.h"

namespace {

// What the callbacks below saw, in order, and what they are told to do.
std::vector<std::string> g_seen;
int g_admission = 1;
int g_endCalls = 0;
int g_readyAnswer = 0;
bool g_readyInstallsExecute = true;
bool g_startSetsMask = true;
bool g_secondSetsMask = true;
int g_answerToEnd = ZED_EXEC_END;
ZedEvent* g_keptEvent = nullptr;
int g_keptType = 0;

int ExecuteSecond(int type, ZedEvent* event);

// The second state: waits on "again", ends on "stop", answers a typed number
// literally, and checks an event kept from an earlier call.
int ReadySecond() {
    g_seen.push_back("ready second");
    if (g_secondSetsMask) {
        ZedEvtSetEventMask(ZED_MASK_KEYIN);
    }
    if (g_readyInstallsExecute) {
        ZedCtlSetExecuteFunc(ExecuteSecond, ZED_TEXT(""));
    }
    return g_readyAnswer;
}

int ExecuteSecond(int type, ZedEvent* event) {
    if (type == ZED_EVT_END) {
        g_seen.push_back("second: end");
        return g_answerToEnd;
    }
    const std::string text = emu::ToUtf8(ZedEvtGetKeyinString(type, event));
    g_seen.push_back("second: " + text);
    if (text == "old event") {
        double x = 0;
        double y = 0;
        g_seen.push_back("old event point " + std::to_string(ZedEvtGetPoint(g_keptType, g_keptEvent, &x, &y)) +
                         " element " + std::to_string(ZedEvtGetElementId(g_keptType, g_keptEvent)));
        return ZED_EXEC_WAIT;
    }
    if (text == "stop") {
        return ZED_EXEC_END;
    }
    if (text == "again") {
        return ZED_EXEC_WAIT;
    }
    if (text == "back") {
        ZedCtlSetReadyFunc(ReadySecond, ZED_TEXT(""));
        return ZED_EXEC_READY;
    }
    return std::stoi(text);
}

// The first state: any typed text or pick moves to the second state; picks are
// kept so that a later state can try to read them.
int ExecuteFirst(int type, ZedEvent* event) {
    if (type == ZED_EVT_END) {
        g_seen.push_back("first: end");
        return g_answerToEnd;
    }
    double x = 0;
    double y = 0;
    if (ZedEvtGetPoint(type, event, &x, &y) == 0) {
        g_seen.push_back("first: pick " + std::to_string(ZedEvtGetElementId(type, event)));
        g_keptEvent = event;
        g_keptType = type;
        return ZED_EXEC_WAIT;
    }
    g_seen.push_back("first: " + emu::ToUtf8(ZedEvtGetKeyinString(type, event)));
    ZedCtlSetReadyFunc(ReadySecond, ZED_TEXT(""));
    return ZED_EXEC_READY;
}

uint32_t g_startMask = ZED_MASK_KEYIN;

int Start() {
    g_seen.push_back("start");
    if (g_startSetsMask) {
        ZedEvtSetEventMask(g_startMask);
    }
    if (g_readyInstallsExecute) {
        ZedCtlSetExecuteFunc(ExecuteFirst, ZED_TEXT(""));
    }
    return g_readyAnswer;
}

int Admit() {
    g_seen.push_back("admission");
    return g_admission;
}

void End() {
    ++g_endCalls;
    g_seen.push_back("end function");
}

class CommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        emu::Reset();
        g_seen.clear();
        g_admission = 1;
        g_endCalls = 0;
        g_readyAnswer = 0;
        g_readyInstallsExecute = true;
        g_startSetsMask = true;
        g_secondSetsMask = true;
        g_answerToEnd = ZED_EXEC_END;
        g_startMask = ZED_MASK_KEYIN;
        g_keptEvent = nullptr;
    }
    void TearDown() override { emu::Reset(); }

    static void RegisterAndStart() {
        ASSERT_EQ(ZedCtlRegisterZedLib2(Start, Admit, End), 1);
        ASSERT_TRUE(emu::StartCommand());
        g_seen.clear();
    }
};

TEST_F(CommandTest, RegistrationNeedsAllThreeFunctions) {
    EXPECT_FALSE(emu::StartCommand());
    EXPECT_EQ(ZedCtlRegisterZedLib2(nullptr, Admit, End), -1);
    EXPECT_EQ(ZedCtlRegisterZedLib2(Start, nullptr, End), -1);
    EXPECT_EQ(ZedCtlRegisterZedLib2(Start, Admit, nullptr), -1);
    EXPECT_FALSE(emu::Registered());
    EXPECT_EQ(ZedCtlRegisterZedLib2(Start, Admit, End), 1);
    EXPECT_TRUE(emu::Registered());
    // Installing callbacks outside a command is refused.
    EXPECT_EQ(ZedCtlSetReadyFunc(ReadySecond, ZED_TEXT("")), -1);
    EXPECT_EQ(ZedCtlSetExecuteFunc(ExecuteFirst, ZED_TEXT("")), -1);
}

TEST_F(CommandTest, AdmissionDecidesWhetherTheCommandStarts) {
    ASSERT_EQ(ZedCtlRegisterZedLib2(Start, Admit, End), 1);
    g_admission = 0;
    EXPECT_FALSE(emu::StartCommand());
    EXPECT_FALSE(emu::CommandActive());
    EXPECT_EQ(g_seen, (std::vector<std::string>{"admission"}));

    g_admission = 1;
    EXPECT_TRUE(emu::StartCommand());
    EXPECT_TRUE(emu::CommandActive());
    EXPECT_EQ(emu::EventMask(), static_cast<uint32_t>(ZED_MASK_KEYIN));
    // A second start while the command runs is refused without asking again.
    g_seen.clear();
    EXPECT_FALSE(emu::StartCommand());
    EXPECT_TRUE(g_seen.empty());
    EXPECT_EQ(ZedCtlRegisterZedLib2(Start, Admit, End), -1);  // not while it runs
    EXPECT_TRUE(emu::ProtocolErrors().empty());
}

TEST_F(CommandTest, AnswersTwoThreeAndZeroDriveTheLoop) {
    RegisterAndStart();
    EXPECT_TRUE(emu::Type("go"));        // first state answers 2: the second ready function runs
    EXPECT_TRUE(emu::Type("again"));     // 3: the same state waits
    EXPECT_TRUE(emu::Type("back"));      // 2 again, same ready function
    EXPECT_TRUE(emu::Type("stop"));      // 0: the command ends and the end function runs
    EXPECT_EQ(g_seen, (std::vector<std::string>{"first: go", "ready second", "second: again", "second: back",
                                                "ready second", "second: stop", "end function"}));
    EXPECT_FALSE(emu::CommandActive());
    // Nothing reaches an ended command, and ending it again does not call the end function twice.
    EXPECT_FALSE(emu::Type("more"));
    emu::EndCommand();
    EXPECT_EQ(g_endCalls, 1);
    EXPECT_TRUE(emu::ProtocolErrors().empty());
    // The command can run again.
    EXPECT_TRUE(emu::StartCommand());
    EXPECT_TRUE(emu::CommandActive());
}

TEST_F(CommandTest, EndingTheCommandAlwaysDeliversTheEndEventThenCallsTheEndFunctionOnce) {
    g_startMask = 0;  // not even typed text is wanted
    RegisterAndStart();
    EXPECT_FALSE(emu::Type("ignored"));
    emu::EndCommand();
    EXPECT_EQ(g_seen, (std::vector<std::string>{"first: end", "end function"}));
    EXPECT_FALSE(emu::CommandActive());
    EXPECT_TRUE(emu::ProtocolErrors().empty());
}

TEST_F(CommandTest, AnAnswerOtherThanZeroToTheEndIsAProtocolErrorAndStillEnds) {
    RegisterAndStart();
    g_answerToEnd = ZED_EXEC_WAIT;
    emu::EndCommand();
    EXPECT_FALSE(emu::CommandActive());
    EXPECT_EQ(g_endCalls, 1);
    EXPECT_EQ(emu::ProtocolErrors().size(), 1u);
}

TEST_F(CommandTest, UnknownAnswersEndTheCommandWithAProtocolError) {
    RegisterAndStart();
    ASSERT_TRUE(emu::Type("go"));
    EXPECT_TRUE(emu::Type("1"));
    EXPECT_FALSE(emu::CommandActive());
    EXPECT_EQ(g_endCalls, 1);
    ASSERT_EQ(emu::ProtocolErrors().size(), 1u);
    EXPECT_NE(emu::ProtocolErrors()[0].find("answered 1"), std::string::npos);
}

TEST_F(CommandTest, ReadyFunctionsMustInstallAnExecuteFunctionAndAnswerZero) {
    ASSERT_EQ(ZedCtlRegisterZedLib2(Start, Admit, End), 1);
    g_readyInstallsExecute = false;
    EXPECT_TRUE(emu::StartCommand());
    EXPECT_FALSE(emu::CommandActive());
    EXPECT_EQ(g_endCalls, 1);
    EXPECT_EQ(emu::ProtocolErrors().size(), 1u);

    g_readyInstallsExecute = true;
    g_readyAnswer = 2;
    EXPECT_TRUE(emu::StartCommand());
    EXPECT_FALSE(emu::CommandActive());
    EXPECT_EQ(g_endCalls, 2);
    EXPECT_EQ(emu::ProtocolErrors().size(), 2u);
}

TEST_F(CommandTest, EveryReadyFunctionMustSetItsOwnEventMask) {
    ASSERT_EQ(ZedCtlRegisterZedLib2(Start, Admit, End), 1);
    g_startSetsMask = false;
    EXPECT_TRUE(emu::StartCommand());
    EXPECT_FALSE(emu::CommandActive());
    EXPECT_EQ(g_endCalls, 1);
    ASSERT_EQ(emu::ProtocolErrors().size(), 1u);
    EXPECT_EQ(emu::ProtocolErrors()[0], "ready function set no event mask");

    // The first state's mask does not carry over into a state that sets none.
    g_startSetsMask = true;
    g_secondSetsMask = false;
    ASSERT_TRUE(emu::StartCommand());
    ASSERT_TRUE(emu::Type("next"));
    EXPECT_FALSE(emu::CommandActive());
    EXPECT_EQ(emu::EventMask(), 0u);
    EXPECT_EQ(g_endCalls, 2);
    EXPECT_EQ(emu::ProtocolErrors().size(), 2u);
}

TEST_F(CommandTest, TypedTextArrivesOnlyWithTheKeyinBit) {
    g_startMask = ZED_MASK_ELEMENT_PICK;
    RegisterAndStart();
    EXPECT_FALSE(emu::Type("PlaneA"));
    EXPECT_TRUE(g_seen.empty());
    EXPECT_TRUE(emu::CommandActive());
}

TEST_F(CommandTest, ClicksArriveOnlyWithAPickBit) {
    emu::AddLayer(0);
    g_startMask = ZED_MASK_KEYIN;
    RegisterAndStart();
    EXPECT_FALSE(emu::PickAt(1, 1));
    EXPECT_TRUE(g_seen.empty());
    emu::EndCommand();

    // Bit 17 alone: a plain point carrying no element, even on top of one.
    const ZedId segment = emu::AddOutline(0, {emu::Line(0, 0, 10, 0)}, false);
    ASSERT_GT(segment, 0);
    g_startMask = ZED_MASK_POINT;
    ASSERT_TRUE(emu::StartCommand());
    g_seen.clear();
    EXPECT_TRUE(emu::PickAt(5, 0));
    EXPECT_EQ(g_seen, (std::vector<std::string>{"first: pick -1"}));
}

TEST_F(CommandTest, TypedTextIsHandedOverConvertedAndOnlyForItsOwnEvent) {
    RegisterAndStart();
    ASSERT_TRUE(emu::Type("턱걸이 30"));
    EXPECT_EQ(g_seen.front(), "first: 턱걸이 30");
    // An event kept past its call is no longer the host's: every read refuses it.
    g_seen.clear();
    g_startMask = ZED_MASK_KEYIN | ZED_MASK_POINT;
    emu::EndCommand();
    ASSERT_TRUE(emu::StartCommand());
    ASSERT_TRUE(emu::PickAt(3, 4));
    ASSERT_NE(g_keptEvent, nullptr);
    ASSERT_TRUE(emu::Type("go"));
    ASSERT_TRUE(emu::Type("old event"));
    EXPECT_EQ(g_seen.back(), "old event point -1 element -1");
}

// Reads every field of an event with the type given, so that a wrong type can be tried.
std::vector<std::string> g_reads;
int g_readType = -1;
int ExecuteReadAll(int type, ZedEvent* event) {
    const int asType = g_readType < 0 ? type : g_readType;
    double x = -99;
    double y = -99;
    const int point = ZedEvtGetPoint(asType, event, &x, &y);
    // Host text lives only until the next call: converted at once.
    const ZedChar* keyin = ZedEvtGetKeyinString(asType, event);
    const std::string text = keyin == nullptr ? "null" : emu::ToUtf8(keyin);
    g_reads.push_back(std::to_string(type) + ": point " + std::to_string(point) + " (" + std::to_string(x) + ", " +
                      std::to_string(y) + ") text " + text + " ids " +
                      std::to_string(ZedEvtGetElementId(asType, event)) + " " +
                      std::to_string(ZedEvtGetSegmentId(asType, event)) + " " +
                      std::to_string(ZedEvtGetInstanceId(asType, event)) + " " +
                      std::to_string(ZedEvtGetDetailId(asType, event)) + " null " +
                      std::to_string(ZedEvtGetPoint(type, nullptr, &x, &y)));
    return type == ZED_EVT_END ? ZED_EXEC_END : ZED_EXEC_WAIT;
}
int ReadyReadAll() {
    ZedEvtSetEventMask(ZED_MASK_KEYIN | ZED_MASK_ELEMENT_PICK);
    ZedCtlSetExecuteFunc(ExecuteReadAll, ZED_TEXT(""));
    return 0;
}

TEST_F(CommandTest, EachEventAnswersOnlyWhatItCarries) {
    emu::AddLayer(0);
    const ZedId segment = emu::AddOutline(0, {emu::Line(0, 0, 10, 0), emu::Line(10, 0, 10, 10)}, false);
    const std::vector<ZedId> chain = emu::Chain(segment);
    ASSERT_EQ(chain.size(), 2u);
    g_reads.clear();
    g_readType = -1;
    ASSERT_EQ(ZedCtlRegisterZedLib2(ReadyReadAll, Admit, End), 1);
    ASSERT_TRUE(emu::StartCommand());
    ASSERT_TRUE(emu::Type("abc"));
    ASSERT_TRUE(emu::PickAt(10.25, 1.5));
    g_readType = ZED_EVT_KEYIN;  // a pick read as typed text
    ASSERT_TRUE(emu::PickAt(10.25, 1.5));
    g_readType = -1;
    emu::EndCommand();
    const std::string second = std::to_string(chain[1]) + " " + std::to_string(segment);
    EXPECT_EQ(g_reads, (std::vector<std::string>{
                           "5: point -1 (-99.000000, -99.000000) text abc ids -1 -1 -1 -1 null -1",
                           "1: point 0 (10.250000, 1.500000) text null ids " + second + " 0 2 null -1",
                           "1: point -1 (-99.000000, -99.000000) text null ids -1 -1 -1 -1 null -1",
                           "7: point -1 (-99.000000, -99.000000) text null ids -1 -1 -1 -1 null -1",
                       }));
}

TEST_F(CommandTest, AnyOtherEventTypeIsDeliveredOnlyUnderItsMaskBit) {
    emu::AddLayer(0);
    g_reads.clear();
    g_readType = -1;
    ASSERT_EQ(ZedCtlRegisterZedLib2(ReadyReadAll, Admit, End), 1);
    EXPECT_FALSE(emu::DeliverEvent(9, 3));  // no command
    ASSERT_TRUE(emu::StartCommand());
    EXPECT_FALSE(emu::DeliverEvent(9, 3));  // screened: bit 3 is not in the mask
    EXPECT_FALSE(emu::DeliverEvent(ZED_EVT_KEYIN, 24));
    EXPECT_FALSE(emu::DeliverEvent(ZED_EVT_PICK, 12));
    EXPECT_FALSE(emu::DeliverEvent(ZED_EVT_END, 24));
    EXPECT_FALSE(emu::DeliverEvent(9, 32));
    EXPECT_TRUE(g_reads.empty());
    EXPECT_TRUE(emu::DeliverEvent(9, 24));
    EXPECT_TRUE(emu::DeliverEvent(2, 12));
    EXPECT_TRUE(emu::CommandActive());
    EXPECT_EQ(g_reads, (std::vector<std::string>{
                           "9: point -1 (-99.000000, -99.000000) text null ids -1 -1 -1 -1 null -1",
                           "2: point -1 (-99.000000, -99.000000) text null ids -1 -1 -1 -1 null -1",
                       }));
    emu::EndCommand();
    EXPECT_TRUE(emu::ProtocolErrors().empty());
}

TEST_F(CommandTest, AnInjectedFailureOfACallbackInstallLeavesTheCommandUnstarted) {
    ASSERT_EQ(ZedCtlRegisterZedLib2(Start, Admit, End), 1);
    emu::FailCall("ZedCtlSetExecuteFunc", 1);
    EXPECT_TRUE(emu::StartCommand());
    // The start function's install failed, so the host had nothing to wait with.
    EXPECT_FALSE(emu::CommandActive());
    EXPECT_EQ(g_endCalls, 1);
    EXPECT_EQ(emu::InjectedFailures(), 1);
}

}  // namespace
