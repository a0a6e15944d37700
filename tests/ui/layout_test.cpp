// The layout descriptions, checked once against what the dialogs must show;
// everything else trusts them.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "base/build_profile.h"
#include "emuhost/emu_api.h"
#include "ui/chooser_layout.h"
#include "ui/panel_layouts.h"
#include "ui/picker_layouts.h"

namespace {

const DialogLayout* const kAllLayouts[] = {&kChooserLayout, &kPlaneALayout, &kPlaneBLayout,       &kPlaneCLayout,
                                           &kPlaneDLayout,  &kSideALayout,  &kSideBLayout,        &kColorPickerLayout,
                                           &kLineTypePickerLayout};

std::string U(const ZedChar* text) { return emu::ToUtf8(text); }

struct Fixed {
    const DialogLayout* layout;
    int x;
    int y;
    int cx;  // -1: not fixed
    int cy;
    std::string caption;  // "*": not a caption of its own
};

TEST(Layouts, TheFixedControlsStandWhereTheyMustWithTheirCaptions) {
    // The legacy chooser's upper group stands 7 dialog units lower, without
    // the Delete button; its plan A to C panels have no hole-kind list, and
    // their hole check box names the MC hole.
    const bool legacy = build_profile::kLegacy;
    const int16_t lower = legacy ? 7 : 0;
    std::vector<Fixed> fixed = {
        {&kChooserLayout, 3, 0, 189, 100, ""},
        {&kChooserLayout, 15, 9 + lower, -1, -1, "●. 턱걸이 돌출량 :"},
        {&kChooserLayout, 91, 5 + lower, 79, 14, "*"},
        {&kChooserLayout, 15, 25 + lower, -1, -1, "●. 턱걸이 폭 : "},
        {&kChooserLayout, 91, 20 + lower, 79, 14, "*"},
        {&kChooserLayout, 15, 39 + lower, -1, -1, "●. 턱걸이 높이 :"},
        {&kChooserLayout, 91, 35 + lower, 79, 14, "*"},
        {&kChooserLayout, 15, 56 + lower, 167, 10, "레이어검출기능사용(구분자 \"|\"사용)"},
        {&kChooserLayout, 25, 66 + lower, -1, -1, "●. 레이어번호 : "},
        {&kChooserLayout, 91, 67 + lower, 78, 14, "*"},
        {&kChooserLayout, 195, 4, -1, -1, "*"},
        {&kChooserLayout, 3, 102, 290, 102, "*"},
        {&kPlaneALayout, 20, 23, -1, -1, "펀치폭이"},
        {&kPlaneALayout, 67, 21, 40, -1, "*"},
        {&kPlaneALayout, 110, 23, -1, -1, "이하일경우"},
        {&kPlaneALayout, 20, 123, -1, -1, "턱걸이 라인작성여부"},
        {&kPlaneALayout, 30, 138, -1, -1, "동일선색ㆍ실선"},
        {&kPlaneALayout, 30, 151, -1, -1, "개별선색ㆍ선종"},
        {&kPlaneALayout, 31, 37, -1, -1, "양쪽 이격폭을"},
        {&kPlaneALayout, 132, 37, -1, -1, "만큼 적용해서 턱걸이작성."},
        {&kPlaneALayout, 20, 51, -1, -1, legacy ? "MC 구멍작성" : "구멍작성"},
        {&kPlaneALayout, 78, 62, 170, -1, "*"},
        {&kPlaneALayout, 45, 79, -1, -1, "ex) 3 or 30:3|50:5|60:6|80:8[턱걸이레이어:구멍레이어]"},
        {&kPlaneALayout, 105, 153, 20, 18, "*"},
        {&kPlaneALayout, 127, 154, 16, 14, "*"},
        {&kPlaneALayout, 3, 0, 276, 185, ""},
        {&kPlaneBLayout, 83, 63, -1, -1, "*"},
        {&kPlaneBLayout, 34, 131, -1, -1, "개별선색ㆍ선종"},
        {&kPlaneCLayout, 26, 105, -1, -1, "●. 돌출형상 선색ㆍ선종"},
        {&kPlaneCLayout, 34, 118, -1, -1, "동일선색ㆍ선종"},
        {&kPlaneDLayout, 24, 21, -1, -1, "장공배치"},
        {&kPlaneDLayout, 118, 90, 20, 18, "*"},
        {&kPlaneDLayout, 141, 156, 16, 14, "*"},
        {&kSideALayout, 3, 0, 276, 87, ""},
        {&kSideBLayout, 99, 88, 65, -1, "*"},
        {&kSideBLayout, 134, 140, 16, 14, "*"},
        {&kSideBLayout, 4, 0, 275, 175, ""},
        {&kColorPickerLayout, 179, 33, 20, 18, "*"},
        {&kColorPickerLayout, 108, 62, 50, 14, "CANCEL"},
        {&kLineTypePickerLayout, 155, 49, -1, -1, "*"},
        {&kLineTypePickerLayout, 57, 71, -1, -1, "OK"},
    };
    if (!legacy) {
        fixed.push_back({&kChooserLayout, 104, 85, 65, 14, "턱걸이형상 삭제"});
        fixed.push_back({&kPlaneALayout, 78, 49, 81, -1, "*"});  // the hole-kind list
    }
    for (const Fixed& f : fixed) {
        int found = 0;
        for (const ControlLayout& c : f.layout->controls) {
            if (c.x == f.x && c.y == f.y) {
                ++found;
                EXPECT_TRUE(f.cx < 0 || (c.cx == f.cx && (f.cy < 0 || c.cy == f.cy))) << f.x << "," << f.y;
                EXPECT_TRUE(f.caption == "*" || U(c.caption) == f.caption) << f.x << "," << f.y;
            }
        }
        EXPECT_EQ(found, 1) << U(f.layout->caption) << " " << f.x << "," << f.y;
    }
    const std::vector<std::pair<const DialogLayout*, std::vector<int>>> sizes = {
        {&kChooserLayout, {296, 445}}, {&kPlaneALayout, {279, 207}},        {&kPlaneBLayout, {279, 217}},
        {&kSideALayout, {279, 136}},   {&kSideBLayout, {279, 230}},         {&kColorPickerLayout, {212, 88}},
        {&kLineTypePickerLayout, {212, 99}}};
    for (const auto& [layout, size] : sizes) {
        EXPECT_EQ((std::vector<int>{layout->cx, layout->cy}), size);
    }
    EXPECT_EQ(U(kChooserLayout.caption), "턱걸이작성");
    EXPECT_EQ(U(kColorPickerLayout.caption), "Color Property");
    EXPECT_EQ(U(kLineTypePickerLayout.caption), "Line Type Property");
}

TEST(Layouts, IdsAreUniqueAndNoTwoControlsOverlap) {
    for (const DialogLayout* layout : kAllLayouts) {
        EXPECT_EQ(U(layout->font), "MS Shell Dlg");
        EXPECT_EQ(layout->pointSize, 8);
        std::set<int> ids;
        const auto& controls = layout->controls;
        for (size_t i = 0; i < controls.size(); ++i) {
            const ControlLayout& a = controls[i];
            if (a.id != 0) {
                EXPECT_TRUE(ids.insert(a.id).second) << a.id;
            }
            EXPECT_LE(a.x + a.cx, layout->cx) << a.id << " leaves its dialog";
            for (size_t j = i + 1; j < controls.size(); ++j) {
                const ControlLayout& b = controls[j];
                if (a.kind == ControlKind::GroupBox || b.kind == ControlKind::GroupBox) {
                    continue;
                }
                // A drop-down's height is that of its open list; closed it is one line.
                const int ah = a.kind == ControlKind::DropDown ? 12 : a.cy;
                const int bh = b.kind == ControlKind::DropDown ? 12 : b.cy;
                const bool apart = a.x + a.cx <= b.x || b.x + b.cx <= a.x || a.y + ah <= b.y || b.y + bh <= a.y;
                EXPECT_TRUE(apart) << U(layout->caption) << ": " << a.x << "," << a.y << " and " << b.x << ","
                                   << b.y;
            }
        }
    }
}

}  // namespace
