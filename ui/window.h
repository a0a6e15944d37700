// The small window interface that the dialog classes are written against. A
// backend makes the windows and controls from a DialogLayout: real windows on
// Windows, plain objects in the headless backend.
#ifndef LEDGEWRIGHT_UI_WINDOW_H
#define LEDGEWRIGHT_UI_WINDOW_H

#include <memory>
#include <vector>

#include "host/zedtext.h"
#include "ui/layout.h"

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const Rect&) const = default;
};

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb&) const = default;
};

// Drawing into a window or control, in its client coordinates.
class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void Fill(const Rect& rect, Rgb colour) = 0;
    // The outline of the rectangle, hollow, with a solid pen of the width.
    virtual void Frame(const Rect& rect, int penWidth, Rgb colour) = 0;
    // The background colour of the drawing context.
    virtual Rgb Background() const = 0;
};

class Control {
public:
    virtual ~Control() = default;
    virtual int Id() const = 0;

    virtual ZedString Text() const = 0;
    virtual void SetText(const ZedString& text) = 0;
    virtual bool Checked() const = 0;
    virtual void SetChecked(bool checked) = 0;
    virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual bool Visible() const = 0;
    virtual void SetVisible(bool visible) = 0;

    // List view (report view).
    virtual void AddColumn(const ZedString& title, int widthPixels, bool centred) = 0;
    virtual void AddRow(const std::vector<ZedString>& cells) = 0;
    // Rows can be neither clicked nor resized at their column header.
    virtual void DisableHeader() = 0;
    virtual int RowCount() const = 0;
    virtual ZedString Cell(int row, int column) const = 0;
    // Makes the row the selection mark, selected and focused; a row that does
    // not exist leaves the list as it is.
    virtual void SelectRow(int row) = 0;
    virtual int SelectedRow() const = 0;  // -1 for none

    // Drop-down list.
    virtual void AddItem(const ZedString& text) = 0;
    virtual int ItemCount() const = 0;
    // -1 or an index that does not exist: no selection.
    virtual void SetSelection(int index) = 0;
    virtual int Selection() const = 0;

    // Bitmap static: shows a module bitmap, releasing the one it held.
    virtual void ShowBitmap(int bitmapId) = 0;
    virtual int BitmapShown() const = 0;  // kNoBitmap for none

    // Repaints the control (self-painted statics).
    virtual void Invalidate() = 0;
};

class DialogWindow;
class UserActions;

// What a dialog class answers; the backend calls it on the user-interface thread.
class DialogHandler {
public:
    virtual ~DialogHandler() = default;
    // The window and its controls exist; set them up.
    virtual void OnInit(DialogWindow& window) = 0;
    // A click or double click on a button, check box, radio or notifying
    // static; an edit that lost the focus; a drop-down whose selection the user
    // changed; a click or double click on a list row (row in detail, -1 for none).
    enum class Event { Clicked, DoubleClicked, FocusLost, SelectionChanged, RowClicked, RowDoubleClicked };
    virtual void OnEvent(int controlId, Event event, int detail) = 0;
    // A key pressed while the dialog has the input; true when consumed.
    virtual bool OnKey(int /*virtualKey*/) { return false; }
    // Paints the dialog's own drawing, after its controls.
    virtual void OnPaint(Canvas& /*canvas*/) {}
    // Paints a self-painted static (colour swatch, colour cell) over its client rectangle.
    virtual void PaintControl(int /*controlId*/, Canvas& /*canvas*/, const Rect& /*client*/) {}
    // The close box, or Escape where nothing took it: true when the handler
    // did it all, false for the platform's default cancel.
    virtual bool OnCancel() { return false; }
};

enum DialogResult : int { kDialogCancel = 0, kDialogOk = 1 };

class DialogWindow {
public:
    virtual ~DialogWindow() = default;
    virtual Control& Item(int id) = 0;
    virtual bool HasItem(int id) const = 0;
    virtual void Show(bool visible) = 0;
    virtual bool Visible() const = 0;
    // Screen rectangle of the whole window.
    virtual Rect ScreenRect() const = 0;
    virtual Rect ClientRect() const = 0;
    // Moves within the parent's client area (child) or on the screen (pop-up).
    virtual void Move(const Rect& rect) = 0;
    // Rectangle of a control in this window's client coordinates.
    virtual Rect ItemRect(int id) const = 0;
    // A rectangle in this window's dialog units, in pixels.
    virtual Rect MapDialogRect(const Rect& units) const = 0;
    virtual void SetFocus(int controlId) = 0;
    virtual int Focus() const = 0;  // id of the control with the focus, 0 for none
    virtual void Invalidate(bool erase) = 0;
    // Ends a modal dialog with the result.
    virtual void End(int result) = 0;
};

// One synthesised key event.
struct KeyInput {
    int virtualKey = 0;
    int scanCode = 0;
    unsigned extraInfo = 0;
    bool keyUp = false;
};

// The backend of the process: makes windows from layouts.
class WindowBackend {
public:
    virtual ~WindowBackend() = default;
    // A modeless window with no parent, or a child of parent; created hidden,
    // with OnInit run before this returns. nullptr when the platform could
    // not make it.
    virtual std::unique_ptr<DialogWindow> Create(const DialogLayout& layout, DialogWindow* parent,
                                                 DialogHandler& handler) = 0;
    // Runs a modal dialog owned by the window; the result given to End, or
    // kDialogCancel for the close box.
    virtual int RunModal(const DialogLayout& layout, DialogWindow& owner, DialogHandler& handler) = 0;
    // The host application's main window.
    virtual Rect HostWindowRect() = 0;
    virtual void ActivateHostWindow() = 0;
    // The key of a character in the current keyboard layout (virtual-key code
    // in the low byte, shift state above), -1 for none.
    virtual int KeyOfCharacter(ZedChar character) = 0;
    // Queues key events into the system's input stream.
    virtual void SendKeys(const std::vector<KeyInput>& keys) = 0;
    // The user's actions played on this backend's windows (ui/user_actions.h),
    // or null where the backend cannot play them.
    virtual UserActions* UserInput() { return nullptr; }
};

// The backend in use: the one last given to UseWindowBackend, else the
// platform's own: the Windows backend (ui/win32_backend.h) on Windows, the
// headless one elsewhere. nullptr goes back to the platform's.
WindowBackend& Backend();
void UseWindowBackend(WindowBackend* backend);

#endif  // LEDGEWRIGHT_UI_WINDOW_H
