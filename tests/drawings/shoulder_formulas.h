// The drawing every pattern should leave, worked out from the picked line
// and the settings with the patterns' own formulas, step by step as the user
// builds a shoulder and types new values for its dimensions. Nothing here
// asks the plug-in: the expectations stand on the formulas alone.
#ifndef LEDGEWRIGHT_TESTS_DRAWINGS_SHOULDER_FORMULAS_H
#define LEDGEWRIGHT_TESTS_DRAWINGS_SHOULDER_FORMULAS_H

#include <string>
#include <vector>

#include "base/pattern.h"
#include "tests/support/expected_drawing.h"

// The settings a case sets; the fixture writes them into the fields of the
// pattern it builds (PA_, PB_, PC_, PD_, SA_ or SB_).
struct Sizes {
    double width = 20.0;     // mMainWidth
    double protrude = 5.0;   // mMainProtrude
    double height = 10.0;    // mMainHeight (also the depth of new holes)
    bool widthValueOn = true;  // plan A's short-line threshold
    double widthValue = 10.0;
    double distance = 0.5;  // kept from the ends of a short line
    bool hole = true;
    bool shapedHole = false;
    int holeDir = 0;
    double clearance = 0.5;
    bool lineDraw = true;  // cut line (plan A, B, side A, B)
    int lineValue = 0;     // 0: the picked line's colour (and for C and D its attributes)
    int colour = 4;
    int lineType = 2;
    bool slot = true;
    double slotR = 3.0;
    int slotColour = 6;
    int slotLineType = 1;
    double displayWidth = 1.5;
    double displayProtrude = 0.3;
    int displayColour = 6;
    int displayLineType = 1;
};

// The picked line as the plate holds it before the change.
struct PlateLine {
    std::vector<XElement> chain;  // the outline's elements, the chain's way
    size_t picked = 0;            // the picked line's place in it
    ZedPoint pick{};              // where the user picked it
    bool leftOut = false;         // the point just left of the line's middle lies outside the plate
    int layer = 0;
    int holeLayer = 0;
};

class ExpectedShoulder {
public:
    ExpectedShoulder(Pattern pattern, const PlateLine& line, const Sizes& sizes);

    // The message with which the build or the last change is refused, ""
    // when it goes through; a refused change leaves the shoulder as it was.
    const std::string& refusal() const { return refusal_; }
    // The value typed for the dimension of the edit mode (1, 2, 3).
    void Change(int editMode, double value);
    // Whether the last change amends the MC hole in place (the same hole),
    // rather than making it again.
    bool holeKept() const { return holeKept_; }
    XDrawing Drawing() const;

private:
    void Build();
    void BuildPlan();
    void BuildRaised();
    void BuildStep();
    void BuildRecess();
    void SetHole();
    void SlotPoints();
    void Refuse(const char* message) { refusal_ = message; }

    Pattern pattern_;
    PlateLine line_;
    Sizes sizes_;
    std::string refusal_;
    bool holeKept_ = false;
    ZedPoint s_{}, e_{}, u_{};
    ZedPoint n_{};  // the side the shoulder stands out to (or cuts into)
    bool flipped_ = false;
    bool nearStart_ = true;  // plan B, side patterns: the end the pick is nearer
    // The three sides p1→q1, q1→q2, q2→p2 in chain order; the outline keeps
    // the pieces S→p1 and p2→E where they have length.
    ZedPoint p1_{}, q1_{}, q2_{}, p2_{};
    bool fullLine_ = false;  // plan A: no tail or head piece
    // Hole and notes.
    ZedPoint holeCentre_{}, noteCentre_{};
    double holeDiameter_ = 0.0, shapedHalfWidth_ = 0.0, noteRadius0_ = 0.0, noteRadius1_ = 0.0;
    // Plan D's slot.
    double slotR_ = 0.0;
    ZedPoint a1_{}, a2_{}, b1_{}, b2_{};
    // Side B's display part and the normal it was built with.
    ZedPoint d1_{}, d2_{}, displayNormal_{};
    ZedPoint rootStart_{}, rootEnd_{};  // where the step's root lay when built
    double displayWidth_ = 0.0;
};

#endif  // LEDGEWRIGHT_TESTS_DRAWINGS_SHOULDER_FORMULAS_H
