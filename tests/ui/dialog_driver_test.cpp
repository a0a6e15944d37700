// The dialog driver table that the plug-in offers the runner: what it refuses,
// and the picker cells it finds by row and column.
#include <string>

#include "settings/registry_store.h"
#include "tests/ui/ui_test.h"
#include "ui/dialog_driver.h"

namespace {

class DialogDriverTest : public UiTest {
protected:
    const ZedEmuDialogDriver& d = DialogDriverTable();
};

TEST_F(DialogDriverTest, RefusesWhatAUserCouldNotDo) {
    EXPECT_EQ(d.clickRow(d.chooser(), 1), ZED_EMU_NO_DIALOG);  // no chooser before the first start
    StartWithChooser();
    ZedEmuDialog* chooser = d.chooser();
    ZedEmuDialog* panel = d.shownPanel();
    ASSERT_NE(panel, nullptr);
    EXPECT_STREQ(d.dialogName(panel), "PlaneA panel");
    EXPECT_EQ(d.click(panel, "colour"), ZED_EMU_INVISIBLE);  // the line group is off
    EXPECT_EQ(d.click(panel, "is-slot-draw"), ZED_EMU_NO_CONTROL);
    EXPECT_EQ(d.click(panel, "no-such-control"), ZED_EMU_NO_CONTROL);
    EXPECT_EQ(d.typeAndLeave(chooser, "delete", "x"), ZED_EMU_WRONG_KIND);
    EXPECT_EQ(d.chooseItem(panel, "hole-width", 1), ZED_EMU_WRONG_KIND);
    EXPECT_EQ(d.typeAndLeave(chooser, "layers", "1"), ZED_EMU_DISABLED);  // layer detection is off
    EXPECT_EQ(d.ok(d.openPicker()), ZED_EMU_NO_DIALOG);
    EXPECT_EQ(d.clickCell(panel, 1, 1), ZED_EMU_NO_CONTROL);
    EXPECT_EQ(d.clickRow(panel, 1), ZED_EMU_NO_CONTROL);  // rows belong to the chooser's list

    EXPECT_EQ(d.clickRow(chooser, 3), ZED_EMU_DONE);
    EXPECT_EQ(d.selectedRow(), 3);
    EXPECT_STREQ(d.dialogName(d.shownPanel()), "PlaneD panel");
    EXPECT_EQ(d.click(panel, "is-line-draw"), ZED_EMU_DIALOG_HIDDEN);  // the PlaneA panel is hidden now
    ChooserWindow().Show(false);
    EXPECT_EQ(d.clickRow(chooser, 0), ZED_EMU_DIALOG_HIDDEN);
}

struct CellCase {
    const char* swatch;
    int row;
    int column;
    int answer;
    const char* value;
    const char* stored;  // after a double click on the cell
};

TEST_F(DialogDriverTest, FindsPickerCellsByRowAndColumn) {
    const CellCase cases[] = {
        {"colour", 2, 8, ZED_EMU_DONE, "PA_Color", "MAINCOLOR16"},
        {"colour", 1, 3, ZED_EMU_DONE, "PA_Color", "MAINCOLOR03"},
        {"colour", 3, 1, ZED_EMU_NO_CONTROL, "PA_Color", "MAINCOLOR06"},
        {"line-type", 3, 4, ZED_EMU_DONE, "PA_LType", "LINETYPE10"},
        {"line-type", 2, 2, ZED_EMU_DONE, "PA_LType", "LINETYPE05"},
        {"line-type", 2, 1, ZED_EMU_NO_CONTROL, "PA_LType", "LINETYPE01"},  // rows 2 and 3 start in column 2
    };
    StartWithChooser();
    ZedEmuDialog* panel = d.shownPanel();
    ASSERT_EQ(d.click(panel, "is-line-draw"), ZED_EMU_DONE);
    ASSERT_EQ(d.click(panel, "line-own"), ZED_EMU_DONE);
    for (const CellCase& c : cases) {
        SCOPED_TRACE(std::string(c.swatch) + " " + std::to_string(c.row) + "," + std::to_string(c.column));
        struct Run {
            const ZedEmuDialogDriver* d;
            const CellCase* c;
            int answer = -1;
        } run{&d, &c};
        d.onModal([](void* context) {
            auto& r = *static_cast<Run*>(context);
            r.answer = r.d->doubleClickCell(r.d->openPicker(), r.c->row, r.c->column);
        }, &run);
        ASSERT_EQ(d.click(panel, c.swatch), ZED_EMU_DONE);
        EXPECT_EQ(run.answer, c.answer);
        EXPECT_EQ(Stored(c.value), c.stored);
        EXPECT_EQ(d.openPicker(), nullptr);
        // Back to the defaults for the next case.
        WriteSetting(ZED_TEXT("SOFTWARE\\Quorvane\\ZED\\Ledgewright"), Z(c.value),
                     Z(std::string(c.value) == "PA_Color" ? "MAINCOLOR06" : "LINETYPE01"));
    }
    d.onModal(nullptr, nullptr);
}

}  // namespace
