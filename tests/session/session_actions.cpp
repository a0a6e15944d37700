#include "tests/session/session_actions.h"

#include <cctype>

namespace session {
namespace {

const char* const kKeywords[] = {"PlaneA", "PlaneB", "PlaneC", "PlaneD", "SideA", "SideB", "SideC", "SideD", "Delete"};
const char* const kValues[] = {"8",   "2.5", "12",   "0.75", "4",    "30",   "-3", "0",   "1e308", "1e400", "",
                               "abc", " 6",  "1,5",  "nan",  "inf",  "3x",   "+2", "1e-9", "99999", "-0", "５"};
const char* const kGoodValues[] = {"8", "2.5", "12", "0.75", "4", "6", "1.5", "20"};
const char* const kLayers[] = {"50", "3", "0", "1", "-5", "999", "050"};
const char* const kGarbage[] = {"hello", "PlaneE", "Plane", "Delet", "SideAA", "A", "#", "상면", "  ", "\t"};

std::string AnyCase(const std::string& keyword, std::mt19937& rng) {
    const int style = std::uniform_int_distribution<int>(0, 3)(rng);
    std::string out = keyword;
    for (char& c : out) {
        const bool upper = style == 1 || (style == 3 && std::uniform_int_distribution<int>(0, 1)(rng) == 1);
        c = style == 0 ? c : static_cast<char>(upper ? std::toupper(c) : std::tolower(c));
    }
    return out;
}

template <size_t N>
const char* Any(const char* const (&table)[N], std::mt19937& rng) {
    return table[std::uniform_int_distribution<size_t>(0, N - 1)(rng)];
}

}  // namespace

std::string RandomTypedText(std::mt19937& rng) {
    const int k = std::uniform_int_distribution<int>(0, 99)(rng);
    if (k < 35) {
        return AnyCase(Any(kKeywords, rng), rng);
    }
    if (k < 45) {
        return Any(kLayers, rng);
    }
    if (k < 92) {
        return Any(kValues, rng);
    }
    return Any(kGarbage, rng);
}

Action RandomAction(std::mt19937& rng, const ActionWeights& weights) {
    // Weights out of 100, so that sessions build, change and delete
    // shoulders often between the odd ends, garbage and chooser actions.
    struct Weighted {
        int weight;
        ActionKind kind;
        int variant;
    };
    static const Weighted kTable[] = {
        {6, ActionKind::Start, 0},        {2, ActionKind::End, 0},          {22, ActionKind::Type, 0},
        {4, ActionKind::Type, 1},         {14, ActionKind::Type, 2},        {3, ActionKind::Type, 3},
        {2, ActionKind::Type, 4},         {22, ActionKind::PickElement, 0}, {5, ActionKind::PickMarked, 0},
        {9, ActionKind::PickDimension, 0}, {5, ActionKind::PickNote, 0},    {3, ActionKind::PickPoint, 0},
        {2, ActionKind::ChooserRow, 0},   {1, ActionKind::ChooserDelete, 0}, {2, ActionKind::ChooserSize, 0},
    };
    int total = 0;
    for (const Weighted& w : kTable) {
        total += w.weight;
    }
    int k = std::uniform_int_distribution<int>(0, total - 1)(rng);
    const Weighted* chosen = &kTable[0];
    for (const Weighted& w : kTable) {
        if (k < w.weight) {
            chosen = &w;
            break;
        }
        k -= w.weight;
    }
    Action a;
    a.kind = chosen->kind;
    a.index = std::uniform_int_distribution<int>(0, 999)(rng);
    a.shape = std::uniform_int_distribution<int>(0, 3)(rng) == 0 ? std::uniform_int_distribution<int>(1, 4)(rng) : 0;
    switch (a.kind) {
        case ActionKind::End:
            if (!weights.endings) {
                a.kind = ActionKind::PickNote;
            }
            break;
        case ActionKind::Type:
            a.text = chosen->variant == 0   ? AnyCase(Any(kKeywords, rng), rng)
                     : chosen->variant == 1 ? AnyCase("Delete", rng)
                     : chosen->variant == 2 ? Any(kValues, rng)
                     : chosen->variant == 3 ? Any(kLayers, rng)
                     : weights.endings      ? Any(kGarbage, rng)
                                            : "50";
            break;
        case ActionKind::PickPoint:
            a.x = std::uniform_int_distribution<int>(-200, 2000)(rng) / 10.0;
            a.y = std::uniform_int_distribution<int>(-200, 900)(rng) / 10.0;
            break;
        case ActionKind::ChooserRow:
            a.index = std::uniform_int_distribution<int>(0, 8)(rng);
            break;
        case ActionKind::ChooserSize:
            a.index = std::uniform_int_distribution<int>(0, 2)(rng);
            a.text = Any(kValues, rng);
            break;
        default:
            break;
    }
    return a;
}

std::vector<Action> RandomChunk(std::mt19937& rng, const ActionWeights& weights) {
    std::uniform_int_distribution<int> percent(0, 99);
    auto typed = [](std::string text) {
        Action a;
        a.kind = ActionKind::Type;
        a.text = std::move(text);
        return a;
    };
    auto of = [&rng](ActionKind kind, int shape = 0) {
        Action a;
        a.kind = kind;
        a.shape = shape;
        a.index = std::uniform_int_distribution<int>(0, 999)(rng);
        return a;
    };
    std::vector<Action> chunk;
    const int k = percent(rng);
    if (k < 55) {
        return {RandomAction(rng, weights)};
    }
    if (percent(rng) < 25) {
        chunk.push_back(of(ActionKind::Start));
    }
    if (k < 85) {
        // A shoulder: the keyword, a line, then a few changes of its sizes or
        // of its hole's notes.
        static const char* const kBuilt[] = {"PlaneA", "PlaneB", "PlaneC", "PlaneD", "SideA", "SideB", "SideC"};
        chunk.push_back(typed(AnyCase(percent(rng) < 95 ? Any(kBuilt, rng) : "SideD", rng)));
        chunk.push_back(of(ActionKind::PickElement, percent(rng) < 90 ? 0 : 1));
        const int changes = std::uniform_int_distribution<int>(0, 3)(rng);
        for (int i = 0; i < changes; ++i) {
            chunk.push_back(of(percent(rng) < 75 ? ActionKind::PickDimension : ActionKind::PickNote));
            if (percent(rng) < 85) {
                chunk.push_back(typed(percent(rng) < 75 ? Any(kGoodValues, rng) : Any(kValues, rng)));
            }
        }
    } else {
        // Delete mode and a pick or two on what the marks name.
        chunk.push_back(typed(AnyCase("Delete", rng)));
        const int picks = std::uniform_int_distribution<int>(1, 2)(rng);
        for (int i = 0; i < picks; ++i) {
            chunk.push_back(of(percent(rng) < 80 ? ActionKind::PickMarked : ActionKind::PickElement));
        }
    }
    return chunk;
}

std::vector<Action> RandomActions(std::mt19937& rng, int count, const ActionWeights& weights) {
    std::vector<Action> actions;
    actions.push_back(Action{});  // sessions open with the command's start
    while (static_cast<int>(actions.size()) < count) {
        for (const Action& a : RandomChunk(rng, weights)) {
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
        case ActionKind::PickElement: return "pick element " + std::to_string(a.index) + " of shape " + std::to_string(a.shape);
        case ActionKind::PickDimension: return "pick dimension " + std::to_string(a.index);
        case ActionKind::PickNote: return "pick note " + std::to_string(a.index);
        case ActionKind::PickMarked: return "pick marked element " + std::to_string(a.index);
        case ActionKind::PickPoint: return "pick " + std::to_string(a.x) + " " + std::to_string(a.y);
        case ActionKind::ChooserRow: return "chooser row " + std::to_string(a.index);
        case ActionKind::ChooserDelete: return "chooser Delete button";
        case ActionKind::ChooserSize: return "chooser size " + std::to_string(a.index) + " \"" + a.text + "\"";
    }
    return "?";
}

}  // namespace session
