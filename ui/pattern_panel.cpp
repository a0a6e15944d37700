#include "ui/pattern_panel.h"

#include "base/messages.h"
#include "settings/conversions.h"
#include "settings/loaders.h"
#include "ui/bitmaps.h"
#include "ui/dialog_settings.h"
#include "ui/panel_layouts.h"
#include "ui/pickers.h"

PatternPanel::PatternPanel(Pattern pattern)
    : layout_(*PanelOf(pattern)->layout), lineGroupRule_(PanelOf(pattern)->lineGroupRule) {
    const std::span<const PanelValue> rows = PanelOf(pattern)->values;
    const std::span<const SettingValue> settings = PatternSettingValues(pattern);
    // The rows and the settings table run side by side (a test holds them to
    // the same length and kinds).
    for (size_t i = 0; i < rows.size() && i < settings.size(); ++i) {
        if (settings[i].InThisBuild()) {
            values_.push_back(rows[i]);
            names_.push_back(settings[i].name);
        }
    }
    members_.resize(values_.size());
}

bool PatternPanel::Create(DialogWindow& chooser) {
    window_ = Backend().Create(layout_, &chooser, *this);
    return window_ != nullptr;
}

int PatternPanel::IndexOfControl(int controlId) const {
    for (size_t i = 0; i < values_.size(); ++i) {
        if (values_[i].controlId == controlId) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void PatternPanel::OnInit(DialogWindow& window) {
    initWindow_ = &window;
    if (window.HasItem(kIdcHoleKind)) {
        window.Item(kIdcHoleKind).AddItem(kCapMcHoleKind);
        window.Item(kIdcHoleKind).AddItem(kCapShapedHoleKind);
    }
    if (window.HasItem(kIdcHoleDir)) {
        window.Item(kIdcHoleDir).AddItem(kNoteTopFace);
        window.Item(kIdcHoleDir).AddItem(kNoteBottomFace);
    }
    Load();
    ApplyLineGroupRule();
    for (size_t i = 0; i < values_.size(); ++i) {
        if (values_[i].kind == PanelValue::Kind::LineType) {
            window.Item(values_[i].controlId).ShowBitmap(LineTypeBitmap(members_[i].text));
        }
    }
}

void PatternPanel::Load() {
    DialogWindow& window = *initWindow_;
    for (size_t i = 0; i < values_.size(); ++i) {
        const PanelValue& value = values_[i];
        const ZedString text = LoadDialogSetting(names_[i]);
        Member& member = members_[i];
        Control& control = window.Item(value.controlId);
        switch (value.kind) {
            case PanelValue::Kind::Flag:
                member.number = SettingFlag(text);
                control.SetChecked(member.number == 1);
                break;
            case PanelValue::Kind::Radio:
                member.number = SettingInteger(text);
                control.SetChecked(member.number == 0);
                window.Item(value.controlId + 1).SetChecked(member.number != 0);
                break;
            case PanelValue::Kind::List:
                member.number = SettingInteger(text);
                control.SetSelection(member.number == 0 || member.number == 1 ? member.number : -1);
                break;
            case PanelValue::Kind::Text:
                member.text = text;
                control.SetText(value.showAsNumber ? AsSettingNumber(text) : text);
                break;
            case PanelValue::Kind::Colour:
                member.swatch.colorName = text;
                break;
            case PanelValue::Kind::LineType:
                member.text = text;
                break;
        }
    }
}

void PatternPanel::ApplyLineGroupRule() {
    if (!lineGroupRule_) {
        return;
    }
    DialogWindow& window = *initWindow_;
    const bool drawLine = window.Item(kIdcIsLineDraw).Checked();
    const bool ownLine = window.Item(kIdcLineOwn).Checked();
    window.Item(kIdcLineSame).SetEnabled(drawLine);
    window.Item(kIdcLineOwn).SetEnabled(drawLine);
    window.Item(kIdcColor).SetVisible(drawLine && ownLine);
    window.Item(kIdcLineType).SetVisible(drawLine && ownLine);
}

void PatternPanel::Store(size_t index, const ZedString& text) const { StoreDialogSetting(names_[index], text); }

void PatternPanel::OnEvent(int controlId, Event event, int /*detail*/) {
    DialogWindow& window = *initWindow_;
    // The second radio of a pair belongs to the pair's value.
    const bool secondRadio = controlId == kIdcLineOwn;
    const int found = IndexOfControl(secondRadio ? kIdcLineSame : controlId);
    if (found < 0) {
        return;
    }
    const size_t index = static_cast<size_t>(found);
    const PanelValue& value = values_[index];
    Member& member = members_[index];
    switch (value.kind) {
        case PanelValue::Kind::Flag:
            if (event == Event::Clicked) {
                member.number = member.number == 1 ? 0 : 1;
                window.Item(controlId).SetChecked(member.number == 1);
                Store(index, FlagText(member.number == 1));
            }
            break;
        case PanelValue::Kind::Radio:
            if (event == Event::Clicked) {
                member.number = secondRadio ? 1 : 0;
                Store(index, FlagText(secondRadio));
            }
            break;
        case PanelValue::Kind::List:
            if (event == Event::SelectionChanged) {
                member.number = window.Item(controlId).Selection();
                Store(index, FlagText(member.number != 0));
            }
            break;
        case PanelValue::Kind::Text:
            if (event == Event::FocusLost) {
                member.text = window.Item(controlId).Text();
                Store(index, value.storeAsNumber ? AsSettingNumber(member.text) : member.text);
            }
            break;
        case PanelValue::Kind::Colour:
            if (event == Event::Clicked) {
                ChooseColour(index);
            }
            break;
        case PanelValue::Kind::LineType:
            if (event == Event::Clicked) {
                ChooseLineType(index);
            }
            break;
    }
    if (event == Event::Clicked && (value.kind == PanelValue::Kind::Flag || value.kind == PanelValue::Kind::Radio)) {
        ApplyLineGroupRule();
    }
}

void PatternPanel::ChooseColour(size_t index) {
    StaticMainColor& swatch = members_[index].swatch;
    ZdStColorDlg picker;
    picker.Preset(swatch.colorName);
    if (picker.DoModal(*initWindow_)) {
        swatch.colorName = picker.currentName;
        initWindow_->Invalidate(true);
        Store(index, swatch.colorName);
    }
}

void PatternPanel::ChooseLineType(size_t index) {
    Member& member = members_[index];
    ZdStLTypeDlg picker;
    picker.Preset(member.text);
    if (picker.DoModal(*initWindow_)) {
        member.text = picker.currentName;
        initWindow_->Item(values_[index].controlId).ShowBitmap(LineTypeBitmap(member.text));
        Store(index, member.text);
    }
}

void PatternPanel::PaintControl(int controlId, Canvas& canvas, const Rect& client) {
    const int index = IndexOfControl(controlId);
    if (index >= 0 && values_[static_cast<size_t>(index)].kind == PanelValue::Kind::Colour) {
        members_[static_cast<size_t>(index)].swatch.Paint(canvas, client);
    }
}
