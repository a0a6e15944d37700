// Windows and controls as plain objects (see ui/headless.h).
#include <algorithm>
#include <map>

#include "ui/bitmaps.h"
#include "ui/emulated_host_link.h"
#include "ui/headless.h"
#include "ui/user_actions.h"

namespace headless {
namespace {

constexpr int kVkReturn = 0x0D;
constexpr int kVkEscape = 0x1B;
constexpr int kVkUp = 0x26;
constexpr int kVkDown = 0x28;
constexpr int kIdOk = 1;

int PixelsAcross(int units) { return units * 6 / 4; }
int PixelsDown(int units) { return units * 13 / 8; }

Rect PixelsOf(int x, int y, int cx, int cy) {
    return {PixelsAcross(x), PixelsDown(y), PixelsAcross(x + cx), PixelsDown(y + cy)};
}

class HeadlessControl final : public Control {
public:
    explicit HeadlessControl(const ControlLayout& layout)
        : layout_(layout), text_(layout.caption), rect_(PixelsOf(layout.x, layout.y, layout.cx, layout.cy)) {}

    const ControlLayout& Layout() const { return layout_; }
    Rect ClientRect() const { return rect_; }

    int Id() const override { return layout_.id; }
    ZedString Text() const override { return text_; }
    void SetText(const ZedString& text) override { text_ = text; }
    bool Checked() const override { return checked_; }
    void SetChecked(bool checked) override { checked_ = checked; }
    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool enabled) override { enabled_ = enabled; }
    bool Visible() const override { return visible_; }
    void SetVisible(bool visible) override { visible_ = visible; }

    void AddColumn(const ZedString&, int, bool) override { ++columns_; }
    void AddRow(const std::vector<ZedString>& cells) override { rows_.push_back(cells); }
    void DisableHeader() override {}
    int RowCount() const override { return static_cast<int>(rows_.size()); }
    ZedString Cell(int row, int column) const override {
        if (row < 0 || row >= RowCount() || column < 0 || column >= static_cast<int>(rows_[row].size())) {
            return {};
        }
        return rows_[row][column];
    }
    void SelectRow(int row) override {
        if (row >= 0 && row < RowCount()) {
            selectedRow_ = row;
        }
    }
    int SelectedRow() const override { return selectedRow_; }

    void AddItem(const ZedString& text) override { items_.push_back(text); }
    int ItemCount() const override { return static_cast<int>(items_.size()); }
    void SetSelection(int index) override { selection_ = (index >= 0 && index < ItemCount()) ? index : -1; }
    int Selection() const override { return selection_; }

    void ShowBitmap(int bitmapId) override {
        bitmap_ = bitmapId;
        if (layout_.cx == 0 && layout_.cy == 0) {
            const BitmapSize size = SizeOfBitmap(bitmapId);
            rect_.right = rect_.left + size.width;
            rect_.bottom = rect_.top + size.height;
        }
    }
    int BitmapShown() const override { return bitmap_; }
    void Invalidate() override {}

private:
    const ControlLayout& layout_;
    ZedString text_;
    Rect rect_;
    bool checked_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    int columns_ = 0;
    std::vector<std::vector<ZedString>> rows_;
    int selectedRow_ = -1;
    std::vector<ZedString> items_;
    int selection_ = -1;
    int bitmap_ = kNoBitmap;
};

class HeadlessWindow;
// Never destroyed: the chooser, a process-wide record too, may be destroyed
// after it when the process ends.
std::vector<HeadlessWindow*>& LiveWindows() {
    static auto* windows = new std::vector<HeadlessWindow*>;
    return *windows;
}

class HeadlessWindow final : public DialogWindow {
public:
    HeadlessWindow(const DialogLayout& layout, DialogWindow* parent, DialogHandler& handler)
        : layout_(layout), parent_(parent), handler_(handler) {
        const Rect client = PixelsOf(0, 0, layout.cx, layout.cy);
        rect_ = layout.kind == DialogKind::Child
                    ? client
                    : Rect{0, 0, client.right + 2 * kFrame, client.bottom + kTitle + kFrame};
        for (const ControlLayout& control : layout.controls) {
            controls_.push_back(std::make_unique<HeadlessControl>(control));
        }
        LiveWindows().push_back(this);
    }
    ~HeadlessWindow() override { std::erase(LiveWindows(), this); }

    const DialogLayout& Layout() const { return layout_; }
    DialogHandler& Handler() { return handler_; }
    HeadlessControl* Find(int id) {
        for (auto& control : controls_) {
            if (control->Id() == id) {
                return control.get();
            }
        }
        return nullptr;
    }
    const std::vector<std::unique_ptr<HeadlessControl>>& Controls() const { return controls_; }
    bool Ended() const { return ended_; }
    int Result() const { return result_; }

    // Moves the focus, telling an edit that loses it.
    void MoveFocus(int id) {
        const int old = focus_;
        focus_ = id;
        HeadlessControl* lost = Find(old);
        if (old != id && lost != nullptr && lost->Layout().kind == ControlKind::Edit) {
            handler_.OnEvent(old, DialogHandler::Event::FocusLost, 0);
        }
    }

    Control& Item(int id) override { return *Find(id); }
    bool HasItem(int id) const override {
        return std::any_of(controls_.begin(), controls_.end(), [id](const auto& c) { return c->Id() == id; });
    }
    void Show(bool visible) override {
        if (visible && !visible_) {
            Invalidate(true);  // a window that comes up is painted whole
        }
        visible_ = visible;
    }
    bool Visible() const override { return visible_; }
    Rect ScreenRect() const override {
        if (parent_ == nullptr) {
            return rect_;
        }
        const Rect origin = parent_->ScreenRect();
        const int dx = origin.left + (IsPopup(*parent_) ? kFrame : 0);
        const int dy = origin.top + (IsPopup(*parent_) ? kTitle : 0);
        return {rect_.left + dx, rect_.top + dy, rect_.right + dx, rect_.bottom + dy};
    }
    Rect ClientRect() const override {
        const int frame = layout_.kind == DialogKind::Child ? 0 : 2 * kFrame;
        const int title = layout_.kind == DialogKind::Child ? 0 : kTitle + kFrame;
        return {0, 0, rect_.right - rect_.left - frame, rect_.bottom - rect_.top - title};
    }
    void Move(const Rect& rect) override { rect_ = rect; }
    Rect ItemRect(int id) const override {
        for (const auto& control : controls_) {
            if (control->Id() == id) {
                return control->ClientRect();
            }
        }
        return {};
    }
    Rect MapDialogRect(const Rect& units) const override {
        return PixelsOf(units.left, units.top, units.right - units.left, units.bottom - units.top);
    }
    void SetFocus(int controlId) override { MoveFocus(controlId); }
    int Focus() const override { return focus_; }
    void Invalidate(bool erase) override {
        invalid_ = true;
        eraseBackground_ = eraseBackground_ || erase;
    }
    // Paints the window if it is shown and invalid: over what it showed, or
    // over its erased background.
    void PaintIfInvalid(const std::vector<PaintOp>& ops) {
        if (!visible_ || !invalid_) {
            return;
        }
        if (eraseBackground_) {
            screen_.clear();
        }
        screen_.insert(screen_.end(), ops.begin(), ops.end());
        invalid_ = false;
        eraseBackground_ = false;
    }
    bool NeedsPaint() const { return visible_ && invalid_; }
    const std::vector<PaintOp>& Screen() const { return screen_; }
    void End(int result) override {
        ended_ = true;
        result_ = result;
        visible_ = false;
    }

private:
    static constexpr int kFrame = 3;
    static constexpr int kTitle = 26;
    static bool IsPopup(const DialogWindow& window) {
        const auto* headless = dynamic_cast<const HeadlessWindow*>(&window);
        return headless != nullptr && headless->layout_.kind != DialogKind::Child;
    }

    const DialogLayout& layout_;
    DialogWindow* parent_;
    DialogHandler& handler_;
    Rect rect_;
    std::vector<std::unique_ptr<HeadlessControl>> controls_;
    bool visible_ = false;
    int focus_ = 0;
    bool ended_ = false;
    int result_ = kDialogCancel;
    bool invalid_ = false;
    bool eraseBackground_ = false;
    std::vector<PaintOp> screen_;
};

struct BackendState {
    Rect hostRect{0, 0, 1600, 1000};
    std::vector<KeyInput> queuedKeys;
    int actionDepth = 0;
    std::function<void(DialogWindow&)> modalDriver;
    int modalRuns = 0;
};

BackendState& State() {
    static BackendState state;
    return state;
}

// Paints every shown window that is waiting for a paint, as the system does
// whenever the input queue is idle.
void PaintWaitingWindows();

// One user action; the key events it queued reach the host once the
// outermost action has been handled. Waiting windows are painted before the
// action and after it.
class UserAction {
public:
    UserAction() {
        PaintWaitingWindows();
        ++State().actionDepth;
    }
    ~UserAction() {
        PaintWaitingWindows();
        if (--State().actionDepth == 0) {
            std::vector<KeyInput> keys;
            keys.swap(State().queuedKeys);
            for (const KeyInput& key : keys) {
                SendKeyToEmulatedHost(key);
            }
        }
    }
    UserAction(const UserAction&) = delete;
    UserAction& operator=(const UserAction&) = delete;
};

HeadlessWindow& Headless(DialogWindow& window) { return dynamic_cast<HeadlessWindow&>(window); }

bool Usable(const HeadlessControl* control) { return control != nullptr && control->Enabled() && control->Visible(); }

bool TakesFocus(ControlKind kind) {
    return kind == ControlKind::PushButton || kind == ControlKind::CheckBox || kind == ControlKind::Radio ||
           kind == ControlKind::ListView || kind == ControlKind::Edit || kind == ControlKind::DropDown;
}

// The radios of the group that holds the radio at index.
void ClearRadioGroup(HeadlessWindow& window, const HeadlessControl& chosen) {
    const auto& controls = window.Controls();
    size_t at = 0;
    while (controls[at].get() != &chosen) {
        ++at;
    }
    size_t first = at;
    while (first > 0 && (controls[first]->Layout().style & kGroupStart) == 0 &&
           controls[first - 1]->Layout().kind == ControlKind::Radio) {
        --first;
    }
    for (size_t i = first; i < controls.size() && controls[i]->Layout().kind == ControlKind::Radio; ++i) {
        if (i != first && (controls[i]->Layout().style & kGroupStart) != 0) {
            break;
        }
        controls[i]->SetChecked(controls[i].get() == &chosen);
    }
}

class HeadlessDialogs final : public WindowBackend {
public:
    std::unique_ptr<DialogWindow> Create(const DialogLayout& layout, DialogWindow* parent,
                                         DialogHandler& handler) override {
        auto window = std::make_unique<HeadlessWindow>(layout, parent, handler);
        handler.OnInit(*window);
        return window;
    }

    int RunModal(const DialogLayout& layout, DialogWindow& owner, DialogHandler& handler) override {
        HeadlessWindow window(layout, &owner, handler);
        handler.OnInit(window);
        window.Show(true);
        PaintWaitingWindows();  // the modal loop paints the dialog before the user acts
        ++State().modalRuns;
        if (State().modalDriver) {
            State().modalDriver(window);
        }
        if (!window.Ended()) {
            Close(window);
        }
        return window.Ended() ? window.Result() : kDialogCancel;
    }

    Rect HostWindowRect() override { return State().hostRect; }
    void ActivateHostWindow() override { ActivateEmulatedHostWindow(); }

    // The host machine's keyboard layout is US English: a letter is the key of
    // its capital, a digit and the space their own keys.
    int KeyOfCharacter(ZedChar c) override {
        if (c >= ZED_TEXT('a') && c <= ZED_TEXT('z')) {
            return static_cast<int>(c - ZED_TEXT('a') + 'A');
        }
        if ((c >= ZED_TEXT('A') && c <= ZED_TEXT('Z'))) {
            return 0x100 | static_cast<int>(c);  // with Shift
        }
        if ((c >= ZED_TEXT('0') && c <= ZED_TEXT('9')) || c == ZED_TEXT(' ')) {
            return static_cast<int>(c);
        }
        return -1;
    }

    void SendKeys(const std::vector<KeyInput>& keys) override {
        UserAction action;  // a call outside any user action goes at once
        State().queuedKeys.insert(State().queuedKeys.end(), keys.begin(), keys.end());
    }

    UserActions* UserInput() override { return &TheUserActions(); }
};

}  // namespace

WindowBackend& TheBackend() {
    static HeadlessDialogs backend;
    return backend;
}

DialogWindow* NewestWindowOf(const DialogLayout& layout) {
    for (auto it = LiveWindows().rbegin(); it != LiveWindows().rend(); ++it) {
        if (&(*it)->Layout() == &layout) {
            return *it;
        }
    }
    return nullptr;
}

void Click(DialogWindow& dialog, int id) {
    UserAction action;
    HeadlessWindow& window = Headless(dialog);
    HeadlessControl* control = window.Find(id);
    if (!Usable(control)) {
        return;
    }
    const ControlKind kind = control->Layout().kind;
    if (TakesFocus(kind)) {
        window.MoveFocus(id);
    }
    if (kind == ControlKind::CheckBox) {
        control->SetChecked(!control->Checked());
    } else if (kind == ControlKind::Radio) {
        ClearRadioGroup(window, *control);
    } else if ((kind == ControlKind::Picture || kind == ControlKind::ColorSwatch ||
                kind == ControlKind::ColorCell) &&
               (control->Layout().style & kNotify) == 0) {
        return;
    } else if (kind != ControlKind::PushButton && kind != ControlKind::Picture && kind != ControlKind::ColorSwatch &&
               kind != ControlKind::ColorCell) {
        return;
    }
    window.Handler().OnEvent(id, DialogHandler::Event::Clicked, 0);
}

void DoubleClick(DialogWindow& dialog, int id) {
    UserAction action;
    Click(dialog, id);
    HeadlessWindow& window = Headless(dialog);
    if (!window.Ended() && Usable(window.Find(id))) {
        window.Handler().OnEvent(id, DialogHandler::Event::DoubleClicked, 0);
    }
}

void TypeInto(DialogWindow& dialog, int id, const ZedString& text) {
    UserAction action;
    HeadlessWindow& window = Headless(dialog);
    HeadlessControl* control = window.Find(id);
    if (!Usable(control) || control->Layout().kind != ControlKind::Edit) {
        return;
    }
    window.MoveFocus(id);
    control->SetText(text);
}

void Leave(DialogWindow& dialog) {
    UserAction action;
    Headless(dialog).MoveFocus(0);
}

void ChooseItem(DialogWindow& dialog, int id, int index) {
    UserAction action;
    HeadlessWindow& window = Headless(dialog);
    HeadlessControl* control = window.Find(id);
    if (!Usable(control) || control->Layout().kind != ControlKind::DropDown || index < 0 ||
        index >= control->ItemCount()) {
        return;
    }
    window.MoveFocus(id);
    const int old = control->Selection();
    control->SetSelection(index);
    if (old != index) {
        window.Handler().OnEvent(id, DialogHandler::Event::SelectionChanged, index);
    }
}

namespace {

void RowAction(DialogWindow& dialog, int id, int row, bool twice) {
    UserAction action;
    HeadlessWindow& window = Headless(dialog);
    HeadlessControl* control = window.Find(id);
    if (!Usable(control) || control->Layout().kind != ControlKind::ListView) {
        return;
    }
    window.MoveFocus(id);
    const int hit = (row >= 0 && row < control->RowCount()) ? row : -1;
    if (hit >= 0) {
        control->SelectRow(hit);
    }
    window.Handler().OnEvent(id, DialogHandler::Event::RowClicked, hit);
    if (twice) {
        window.Handler().OnEvent(id, DialogHandler::Event::RowDoubleClicked, hit);
    }
}

}  // namespace

void ClickRow(DialogWindow& dialog, int id, int row) { RowAction(dialog, id, row, false); }
void DoubleClickRow(DialogWindow& dialog, int id, int row) { RowAction(dialog, id, row, true); }

void PressKey(DialogWindow& dialog, int virtualKey) {
    UserAction action;
    HeadlessWindow& window = Headless(dialog);
    if (window.Handler().OnKey(virtualKey)) {
        return;
    }
    HeadlessControl* focused = window.Find(window.Focus());
    if ((virtualKey == kVkUp || virtualKey == kVkDown) && focused != nullptr &&
        focused->Layout().kind == ControlKind::ListView) {
        const int step = virtualKey == kVkDown ? 1 : -1;
        focused->SelectRow(focused->SelectedRow() < 0 ? 0 : focused->SelectedRow() + step);
    } else if (virtualKey == kVkEscape) {
        Close(dialog);
    } else if (virtualKey == kVkReturn && window.HasItem(kIdOk)) {
        Click(dialog, kIdOk);
    }
}

void Close(DialogWindow& dialog) {
    UserAction action;
    HeadlessWindow& window = Headless(dialog);
    if (window.Handler().OnCancel()) {
        return;
    }
    // The platform's default cancel: a modal dialog ends, a modeless one hides.
    if (window.Layout().kind == DialogKind::Modal) {
        window.End(kDialogCancel);
    } else {
        window.Show(false);
    }
}

namespace {

class RecordingCanvas final : public Canvas {
public:
    RecordingCanvas(std::vector<PaintOp>& ops, int controlId, int dx, int dy)
        : ops_(ops), controlId_(controlId), dx_(dx), dy_(dy) {}
    void Fill(const Rect& rect, Rgb colour) override { Add(PaintOp::Kind::Fill, rect, 0, colour); }
    void Frame(const Rect& rect, int penWidth, Rgb colour) override {
        Add(PaintOp::Kind::Frame, rect, penWidth, colour);
    }
    Rgb Background() const override { return kBackground; }

private:
    void Add(PaintOp::Kind kind, const Rect& rect, int pen, Rgb colour) {
        ops_.push_back(
            {kind, controlId_, {rect.left + dx_, rect.top + dy_, rect.right + dx_, rect.bottom + dy_}, pen, colour});
    }
    std::vector<PaintOp>& ops_;
    int controlId_;
    int dx_;
    int dy_;
};

}  // namespace

std::vector<PaintOp> Paint(DialogWindow& dialog) {
    HeadlessWindow& window = Headless(dialog);
    std::vector<PaintOp> ops;
    for (const auto& control : window.Controls()) {
        const ControlKind kind = control->Layout().kind;
        if (control->Visible() && (kind == ControlKind::ColorSwatch || kind == ControlKind::ColorCell)) {
            const Rect rect = control->ClientRect();
            RecordingCanvas canvas(ops, control->Id(), rect.left, rect.top);
            window.Handler().PaintControl(control->Id(), canvas,
                                          {0, 0, rect.right - rect.left, rect.bottom - rect.top});
        }
    }
    RecordingCanvas canvas(ops, 0, 0, 0);
    window.Handler().OnPaint(canvas);
    return ops;
}

std::vector<PaintOp> Screen(DialogWindow& window) { return Headless(window).Screen(); }

namespace {

void PaintWaitingWindows() {
    // A copy: painting runs the dialogs' code, which makes no windows but may in principle.
    const std::vector<HeadlessWindow*> windows = LiveWindows();
    for (HeadlessWindow* window : windows) {
        if (window->NeedsPaint()) {
            window->PaintIfInvalid(Paint(*window));
        }
    }
}

}  // namespace

void SetModalDriver(std::function<void(DialogWindow&)> driver) { State().modalDriver = std::move(driver); }
int ModalRuns() { return State().modalRuns; }
void SetHostWindowRect(const Rect& rect) { State().hostRect = rect; }

}  // namespace headless
