#include "ui/pickers.h"

#include "settings/name_tables.h"
#include "ui/bitmaps.h"
#include "ui/picker_layouts.h"

namespace {

constexpr int kVkReturn = 0x0D;
constexpr int kVkEscape = 0x1B;
constexpr int kVkSpace = 0x20;
constexpr Rgb kSelectionRed = {255, 0, 0};
constexpr int kFrameGap = 3;
constexpr int kFramePen = 2;

constexpr const ZedChar* kColorNames[] = {
    ZED_TEXT("MAINCOLOR01"), ZED_TEXT("MAINCOLOR02"), ZED_TEXT("MAINCOLOR03"), ZED_TEXT("MAINCOLOR04"),
    ZED_TEXT("MAINCOLOR05"), ZED_TEXT("MAINCOLOR06"), ZED_TEXT("MAINCOLOR07"), ZED_TEXT("MAINCOLOR08"),
    ZED_TEXT("MAINCOLOR09"), ZED_TEXT("MAINCOLOR10"), ZED_TEXT("MAINCOLOR11"), ZED_TEXT("MAINCOLOR12"),
    ZED_TEXT("MAINCOLOR13"), ZED_TEXT("MAINCOLOR14"), ZED_TEXT("MAINCOLOR15"), ZED_TEXT("MAINCOLOR16"),
};

constexpr const ZedChar* kLineTypeNames[] = {
    ZED_TEXT("LINETYPE01"), ZED_TEXT("LINETYPE02"), ZED_TEXT("LINETYPE03"), ZED_TEXT("LINETYPE04"),
    ZED_TEXT("LINETYPE05"), ZED_TEXT("LINETYPE06"), ZED_TEXT("LINETYPE07"), ZED_TEXT("LINETYPE08"),
    ZED_TEXT("LINETYPE09"), ZED_TEXT("LINETYPE10"),
};

Rect Grown(const Rect& rect, int by) { return {rect.left - by, rect.top - by, rect.right + by, rect.bottom + by}; }

}  // namespace

NamePicker::NamePicker(const DialogLayout& layout, std::span<const ZedChar* const> names, int firstCellId,
                       const ZedChar* initialName)
    : currentName(initialName), names_(names), firstCellId_(firstCellId), layout_(layout) {}

void NamePicker::Preset(const ZedString& swatchName) {
    if (!EqualsIgnoringCase(currentName, swatchName)) {
        previousName = currentName;
        currentName = swatchName;
    }
}

bool NamePicker::DoModal(DialogWindow& owner) {
    const int result = Backend().RunModal(layout_, owner, *this);
    window_ = nullptr;
    return result == kDialogOk;
}

void NamePicker::OnInit(DialogWindow& window) { window_ = &window; }

int NamePicker::CellOf(const ZedString& name) const {
    for (size_t i = 0; i < names_.size(); ++i) {
        if (EqualsIgnoringCase(name, names_[i])) {
            return firstCellId_ + static_cast<int>(i);
        }
    }
    return firstCellId_;
}

void NamePicker::Select(const ZedString& name) {
    if (EqualsIgnoringCase(name, currentName)) {
        return;
    }
    previousName = currentName;
    currentName = name;
    window_->Invalidate(false);
}

void NamePicker::OnEvent(int controlId, Event event, int /*detail*/) {
    if (controlId == kIdcPickerOk || controlId == kIdcPickerCancel) {
        if (event == Event::Clicked) {
            window_->End(controlId == kIdcPickerOk ? kDialogOk : kDialogCancel);
        }
        return;
    }
    const int index = controlId - firstCellId_;
    if (index < 0 || index >= static_cast<int>(names_.size())) {
        return;
    }
    if (event == Event::Clicked) {
        Select(names_[index]);
    } else if (event == Event::DoubleClicked) {
        Select(names_[index]);
        window_->End(kDialogOk);
    }
}

bool NamePicker::OnKey(int virtualKey) {
    if (virtualKey == kVkReturn || virtualKey == kVkSpace) {
        window_->End(kDialogOk);
        return true;
    }
    if (virtualKey == kVkEscape) {
        window_->End(kDialogCancel);
        return true;
    }
    return false;
}

void NamePicker::OnPaint(Canvas& canvas) {
    // Paint over the frame of the selection before, then frame the current
    // one. A name in no cell, the empty one included, is the first cell's, as
    // the swatch and the settings take it; so is the empty previous name of a
    // new picker, whose current name is the first cell's. A frame about to be
    // drawn red again needs no painting over.
    const int current = CellOf(currentName);
    const int previous = CellOf(previousName);
    if (previous != current) {
        canvas.Frame(Grown(window_->ItemRect(previous), kFrameGap), kFramePen, canvas.Background());
    }
    canvas.Frame(Grown(window_->ItemRect(current), kFrameGap), kFramePen, kSelectionRed);
}

ZdStColorDlg::ZdStColorDlg() : NamePicker(kColorPickerLayout, kColorNames, kIdcColorCell01, ZED_TEXT("MAINCOLOR01")) {}

void ZdStColorDlg::PaintControl(int controlId, Canvas& canvas, const Rect& client) {
    const int index = controlId - kIdcColorCell01;
    if (index >= 0 && index < static_cast<int>(cells_.size())) {
        cells_[index].Paint(canvas, client, *window_, window_->ItemRect(controlId));
    }
}

ZdStLTypeDlg::ZdStLTypeDlg()
    : NamePicker(kLineTypePickerLayout, kLineTypeNames, kIdcLineTypeCell01, ZED_TEXT("LINETYPE01")) {}

void ZdStLTypeDlg::OnInit(DialogWindow& window) {
    NamePicker::OnInit(window);
    for (int i = 0; i < kLineTypeCount; ++i) {
        window.Item(kIdcLineTypeCell01 + i).ShowBitmap(kBitmapLineType01 + i);
    }
}
