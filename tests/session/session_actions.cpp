#include "tests/session/session_actions.h"

#include <cctype>

namespace session {
namespace {

const char* const kKeywords[] = {"PlaneA", "PlaneB", "PlaneC", "PlaneD", "SideA", "SideB", "SideC", "SideD", "Delete"};
const char* const kBuilt[] = {"PlaneA", "PlaneB", "PlaneC", "PlaneD", "SideA", "SideB", "SideC"};
// Values a user types: plain, negative, huge, empty, malformed.
const char* const kValues[] = {"8",   "2.5", "12",  "0.75", "4",  "30", "-3",   "0",     "1e308", "1e400", "",
                               "abc", " 6",  "1,5", "nan",  "inf", "3x", "+2", "1e-9", "99999", "-0",    "５"};
const char* const kGoodValues[] = {"8", "2.5", "12", "0.75", "4", "6", "1.5", "20"};
const char* const kLayers[] = {"50", "3", "0", "1", "-5", "999", "050"};
const char* const kGarbage[] = {"hello", "PlaneE", "Plane", "Delet", "SideAA", "A", "#", "상면", "  ", "\t"};

std::string AnyCase(const std::string& keyword, Choices& choices) {
    const int style = choices.Int(0, 3);  // as written, upper, lower, mixed
    std::string out = keyword;
    for (char& c : out) {
        const bool upper = style == 1 || (style == 3 && choices.Int(0, 1) == 1);
        c = style == 0 ? c : static_cast<char>(upper ? std::toupper(c) : std::tolower(c));
    }
    return out;
}

template <size_t N>
const char* Any(const char* const (&table)[N], Choices& choices) {
    return table[choices.Int(0, static_cast<int>(N) - 1)];
}

Action Of(ActionKind kind, Choices& choices, int shape = 0) {
    Action a;
    a.kind = kind;
    a.shape = shape;
    a.index = choices.Int(0, 999);
    return a;
}

Action Typed(std::string text) {
    Action a;
    a.kind = ActionKind::Type;
    a.text = std::move(text);
    return a;
}

}  // namespace

Action RandomAction(Choices& choices, const ActionWeights& weights) {
    struct Weighted {
        int weight;
        ActionKind kind;
        int variant;
    };
    static const Weighted kTable[] = {
        {22, ActionKind::PickElement, 0}, {22, ActionKind::Type, 0},       {14, ActionKind::Type, 2},
        {9, ActionKind::PickDimension, 0}, {6, ActionKind::Start, 0},      {5, ActionKind::PickMarked, 0},
        {5, ActionKind::PickNote, 0},     {4, ActionKind::Type, 1},        {3, ActionKind::Type, 3},
        {3, ActionKind::PickPoint, 0},    {2, ActionKind::Type, 4},        {2, ActionKind::End, 0},
        {2, ActionKind::ChooserRow, 0},   {2, ActionKind::ChooserSize, 0}, {1, ActionKind::ChooserDelete, 0},
    };
    int total = 0;
    for (const Weighted& w : kTable) {
        total += w.weight;
    }
    int k = choices.Int(0, total - 1);
    const Weighted* chosen = &kTable[0];
    for (const Weighted& w : kTable) {
        if (k < w.weight) {
            chosen = &w;
            break;
        }
        k -= w.weight;
    }
    Action a = Of(chosen->kind, choices, choices.Int(0, 3) == 3 ? choices.Int(1, 4) : 0);
    switch (a.kind) {
        case ActionKind::End:
            if (!weights.endings) {
                a.kind = ActionKind::PickNote;
            }
            break;
        case ActionKind::Type:
            a.text = chosen->variant == 0   ? AnyCase(Any(kKeywords, choices), choices)
                     : chosen->variant == 1 ? AnyCase("Delete", choices)
                     : chosen->variant == 2 ? Any(kValues, choices)
                     : chosen->variant == 3 ? Any(kLayers, choices)
                     : weights.endings      ? Any(kGarbage, choices)
                                            : "50";
            break;
        case ActionKind::PickPoint:
            a.x = choices.Int(-200, 2000) / 10.0;
            a.y = choices.Int(-200, 900) / 10.0;
            break;
        case ActionKind::ChooserRow:
            a.index = choices.Int(0, 8);
            break;
        case ActionKind::ChooserSize:
            a.index = choices.Int(0, 2);
            a.text = choices.Int(0, 3) < 3 ? Any(kGoodValues, choices) : Any(kValues, choices);
            break;
        default:
            break;
    }
    return a;
}

std::vector<Action> RandomChunk(Choices& choices, const ActionWeights& weights) {
    const int k = choices.Int(0, 99);
    if (k >= 45) {
        return {RandomAction(choices, weights)};
    }
    std::vector<Action> chunk;
    if (choices.Int(0, 3) == 3) {
        chunk.push_back(Of(ActionKind::Start, choices));
    }
    if (k < 27) {
        // A shoulder: the keyword, a line, then a few changes of its sizes or
        // of its hole's notes.
        chunk.push_back(Typed(AnyCase(choices.Int(0, 19) < 19 ? Any(kBuilt, choices) : "SideD", choices)));
        chunk.push_back(Of(ActionKind::PickElement, choices, choices.Int(0, 9) < 9 ? 0 : 1));
        const int changes = choices.Int(0, 3);
        for (int i = 0; i < changes; ++i) {
            chunk.push_back(Of(choices.Int(0, 3) < 3 ? ActionKind::PickDimension : ActionKind::PickNote, choices));
            if (choices.Int(0, 6) < 6) {
                chunk.push_back(Typed(choices.Int(0, 3) < 3 ? Any(kGoodValues, choices) : Any(kValues, choices)));
            }
        }
    } else if (k >= 40 && weights.endings) {
        // Shoulders on one outline, each in a command of its own, then
        // Delete mode and picks on what the marks name, earlier shoulders'
        // elements too.
        for (int n = choices.Int(2, 3); n > 0; --n) {
            chunk.push_back(Of(ActionKind::Start, choices));
            chunk.push_back(Typed(AnyCase(Any(kBuilt, choices), choices)));
            chunk.push_back(Of(ActionKind::PickElement, choices));
            chunk.push_back(Of(ActionKind::End, choices));
        }
        chunk.push_back(Of(ActionKind::Start, choices));
        chunk.push_back(Typed("Delete"));
        for (int picks = choices.Int(1, 3); picks > 0; --picks) {
            chunk.push_back(Of(ActionKind::PickMarked, choices));
        }
    } else {
        // Delete mode and a pick or two on what the marks name.
        chunk.push_back(Typed(AnyCase("Delete", choices)));
        const int picks = choices.Int(1, 2);
        for (int i = 0; i < picks; ++i) {
            chunk.push_back(Of(choices.Int(0, 4) < 4 ? ActionKind::PickMarked : ActionKind::PickElement, choices));
        }
    }
    return chunk;
}

std::vector<Action> RandomActions(Choices& choices, int count, const ActionWeights& weights) {
    std::vector<Action> actions{Action{}};  // sessions open with the command's start
    while (static_cast<int>(actions.size()) < count) {
        for (const Action& a : RandomChunk(choices, weights)) {
            actions.push_back(a);
        }
    }
    actions.resize(static_cast<size_t>(count));
    return actions;
}

std::string Describe(const Action& a) {
    switch (a.kind) {
        case ActionKind::Start: return "start";
        case ActionKind::End: return "end";
        case ActionKind::Type: return "type \"" + a.text + "\"";
        case ActionKind::PickElement:
            return "pick element " + std::to_string(a.index) + " of shape " + std::to_string(a.shape);
        case ActionKind::PickMarked: return "pick marked element " + std::to_string(a.index);
        case ActionKind::PickDimension: return "pick dimension " + std::to_string(a.index);
        case ActionKind::PickNote: return "pick note " + std::to_string(a.index);
        case ActionKind::PickPoint: return "pick " + std::to_string(a.x) + " " + std::to_string(a.y);
        case ActionKind::ChooserRow: return "chooser row " + std::to_string(a.index);
        case ActionKind::ChooserDelete: return "chooser Delete button";
        case ActionKind::ChooserSize: return "chooser size " + std::to_string(a.index) + " \"" + a.text + "\"";
    }
    return "?";
}

}  // namespace session
