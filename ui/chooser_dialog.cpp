#include "ui/chooser_dialog.h"

#include "base/build_profile.h"
#include "base/messages.h"
#include "settings/conversions.h"
#include "settings/loaders.h"
#include "settings/registry_store.h"
#include "ui/bitmaps.h"
#include "ui/chooser_layout.h"
#include "ui/dialog_settings.h"
#include "ui/type_keyword.h"

namespace {

// The items in order: the listed patterns of the plan view, the separator row,
// those of the side view, then the patterns the list shows no row for.
std::array<ChooserItem, kPatternCount + 1> ChooserItems() {
    std::array<ChooserItem, kPatternCount + 1> items{};
    size_t count = 0;
    int row = 0;
    for (PatternView view : {PatternView::Plan, PatternView::Side}) {
        if (view == PatternView::Side) {
            items[count++] = {row++, std::nullopt};
        }
        for (const PatternDescription& pattern : kPatternDescriptions) {
            if (pattern.view == view && pattern.chooserCaption != nullptr) {
                items[count++] = {row++, pattern.pattern};
            }
        }
    }
    for (const PatternDescription& pattern : kPatternDescriptions) {
        if (pattern.chooserCaption == nullptr) {
            items[count++] = {-1, pattern.pattern};
        }
    }
    return items;
}
const std::array<ChooserItem, kPatternCount + 1> kItems = ChooserItems();

}  // namespace

ChooserItem ChooserItemOf(int itemNo) {
    if (itemNo < 1 || itemNo > static_cast<int>(std::size(kItems))) {
        return {-1, std::nullopt};
    }
    return kItems[itemNo - 1];
}

LedgewrightDlg::LedgewrightDlg() : settingsKeyName(kSettingsKeyName) {}

bool LedgewrightDlg::Create() {
    window_ = Backend().Create(kChooserLayout, nullptr, *this);
    return window_ != nullptr && panelsMade_;
}

void LedgewrightDlg::OnInit(DialogWindow& window) {
    initWindow_ = &window;
    for (Pattern pattern : kAllPatterns) {
        panels_[static_cast<size_t>(pattern)] = MakePatternPanel(pattern);
    }
    // Each panel sits at x = 1 below the list, as wide and high as the
    // chooser's client area less one, clipped by the chooser.
    const Rect client = window.ClientRect();
    const int top = window.ItemRect(kIdcPatternList).bottom;
    const int width = client.right - 1;
    const int height = client.bottom - 1;
    // The first pattern's panel shows until a row is chosen.
    bool first = true;
    for (auto& panel : panels_) {
        if (panel == nullptr) {
            continue;
        }
        if (!panel->Create(window)) {
            return;  // a chooser without its panels is no chooser
        }
        panel->Window().Move({1, top, 1 + width, top + height});
        panel->Window().Show(first);
        first = false;
    }
    panelsMade_ = true;
    SetUpList();
    LoadValues();
    EnableLayerControls();
    ShowPicture();
    ShowPanel();
    window.SetFocus(kIdcPatternList);
}

void LedgewrightDlg::SetUpList() {
    Control& list = initWindow_->Item(kIdcPatternList);
    list.AddColumn(kCapColumnView, 50, true);
    list.AddColumn(kCapColumnPattern, 220, false);
    for (const ChooserItem& item : kItems) {
        if (item.row < 0) {
            continue;
        }
        if (!item.pattern) {
            list.AddRow({ZED_TEXT("====="), ZED_TEXT("======================")});
            continue;
        }
        const PatternDescription& pattern = DescriptionOf(*item.pattern);
        list.AddRow({pattern.view == PatternView::Plan ? kCapPlanView : kCapSideView, pattern.chooserCaption});
    }
    list.DisableHeader();
}

void LedgewrightDlg::LoadValues() {
    DialogWindow& window = *initWindow_;
    protrudeText = LoadDialogSetting(kMainProtrude);
    widthText = LoadDialogSetting(kMainWidth);
    heightText = LoadDialogSetting(kMainHeight);
    isLayer = LoadDialogSetting(kMainIsLayer) == ZED_TEXT("1") ? 1 : 0;
    layers = LoadDialogSetting(kMainLayer);
    itemNo = SettingInteger(LoadDialogSetting(kMainItemNo, ZED_TEXT("1")));
    window.Item(kIdcProtrude).SetText(AsSettingNumber(protrudeText));
    window.Item(kIdcWidth).SetText(AsSettingNumber(widthText));
    window.Item(kIdcHeight).SetText(AsSettingNumber(heightText));
    window.Item(kIdcIsLayer).SetChecked(isLayer == 1);
    window.Item(kIdcLayers).SetText(layers);
    window.Item(kIdcPatternList).SelectRow(ChooserItemOf(itemNo).row);
}

void LedgewrightDlg::EnableLayerControls() {
    initWindow_->Item(kIdcLayerLabel).SetEnabled(isLayer == 1);
    initWindow_->Item(kIdcLayers).SetEnabled(isLayer == 1);
}

void LedgewrightDlg::RefreshControls() {
    DialogWindow& window = *initWindow_;
    window.Item(kIdcProtrude).SetText(protrudeText);
    window.Item(kIdcWidth).SetText(widthText);
    window.Item(kIdcHeight).SetText(heightText);
    window.Item(kIdcIsLayer).SetChecked(isLayer == 1);
    window.Item(kIdcLayers).SetText(layers);
}

void LedgewrightDlg::StoreAllValues() {
    StoreDialogSetting(kMainProtrude, AsSettingNumber(protrudeText));
    StoreDialogSetting(kMainWidth, AsSettingNumber(widthText));
    StoreDialogSetting(kMainHeight, AsSettingNumber(heightText));
    StoreDialogSetting(kMainIsLayer, FlagText(isLayer == 1));
    StoreDialogSetting(kMainLayer, layers);
    StoreDialogSetting(kMainItemNo, DecimalText(itemNo));
}

void LedgewrightDlg::ShowPicture() {
    const std::optional<Pattern> pattern = ChooserItemOf(itemNo).pattern;
    if (pattern) {
        initWindow_->Item(kIdcPicture).ShowBitmap(PatternBitmap(*pattern));
    }
}

void LedgewrightDlg::ShowPanel() {
    for (auto& panel : panels_) {
        if (panel != nullptr) {
            panel->Window().Show(false);
        }
    }
    const std::optional<Pattern> pattern = ChooserItemOf(itemNo).pattern;
    if (PatternPanel* panel = pattern ? Panel(*pattern) : nullptr) {
        panel->Window().Show(true);
    }
}

void LedgewrightDlg::TypeCurrentKeyword() {
    Backend().ActivateHostWindow();
    const ChooserItem item = ChooserItemOf(itemNo);
    if (item.pattern) {
        TypeKeyword(PatternKeyword(*item.pattern));
    }
}

void LedgewrightDlg::ChooseRow(int row, bool typeKeyword) {
    itemNo = row + 1;
    RefreshControls();
    StoreAllValues();
    initWindow_->Item(kIdcPatternList).SelectRow(row);
    ShowPicture();
    if (typeKeyword) {
        TypeCurrentKeyword();
    } else {
        ShowPanel();
    }
}

void LedgewrightDlg::OnEvent(int controlId, Event event, int detail) {
    DialogWindow& window = *initWindow_;
    switch (controlId) {
        case kIdcProtrude:
        case kIdcWidth:
        case kIdcHeight:
            if (event == Event::FocusLost) {
                ZedString& member =
                    controlId == kIdcProtrude ? protrudeText : (controlId == kIdcWidth ? widthText : heightText);
                member = window.Item(controlId).Text();
                const ZedChar* name = controlId == kIdcProtrude ? kMainProtrude
                                            : controlId == kIdcWidth  ? kMainWidth
                                                                      : kMainHeight;
                StoreDialogSetting(name, AsSettingNumber(member));
            }
            break;
        case kIdcLayers:
            if (event == Event::FocusLost) {
                layers = window.Item(kIdcLayers).Text();
                StoreDialogSetting(kMainLayer, layers);
            }
            break;
        case kIdcIsLayer:
            if (event == Event::Clicked) {
                isLayer = isLayer == 1 ? 0 : 1;
                window.Item(kIdcIsLayer).SetChecked(isLayer == 1);
                EnableLayerControls();
                StoreDialogSetting(kMainIsLayer, FlagText(isLayer == 1));
            }
            break;
        case kIdcPatternList:
            if (detail >= 0 && (event == Event::RowClicked || event == Event::RowDoubleClicked)) {
                ChooseRow(detail, event == Event::RowDoubleClicked);
            }
            break;
        case kIdcPicture:
            if (event == Event::Clicked) {
                TypeCurrentKeyword();
            }
            break;
        case kIdcDelete:
            // The legacy chooser has no Delete button, and its build no Delete keyword.
            if constexpr (build_profile::kTagging) {
                if (event == Event::Clicked) {
                    Backend().ActivateHostWindow();
                    TypeKeyword(ZED_TEXT("Delete"));
                }
            }
            break;
        default:
            break;
    }
}
