// The headless backend: windows and controls as plain objects, driven the way
// a user would drive the real ones. The plug-in uses it outside Windows; tests
// and the runner drive it through the functions here.
//
// Pixels: a dialog unit is 6/4 pixel across and 13/8 pixel down (the base
// units of "MS Shell Dlg" 8 pt at 96 dpi). A pop-up's window rectangle is its
// client rectangle grown by 3 pixels at the sides and bottom and 26 at the top
// (title bar). Pop-ups are created at the screen origin.
//
// Key events that a dialog sends are held, as the system's input queue holds
// them, until the user's action that caused them has been handled; then they
// go to the emulated host in order.
#ifndef LEDGEWRIGHT_UI_HEADLESS_H
#define LEDGEWRIGHT_UI_HEADLESS_H

#include <functional>
#include <vector>

#include "ui/window.h"

class UserActions;

namespace headless {

WindowBackend& TheBackend();
// The functions below as the backend's UserActions (ui/user_actions.h).
UserActions& TheUserActions();

// The newest live window made from the layout, or nullptr.
DialogWindow* NewestWindowOf(const DialogLayout& layout);

// A click on a button, check box (an auto check box flips), radio button (it
// is checked, the others of its group cleared) or notifying static. Buttons,
// check boxes and radios take the focus. Disabled or hidden controls take no click.
void Click(DialogWindow& window, int id);
// Two clicks, the second reported as a double click (notifying statics).
void DoubleClick(DialogWindow& window, int id);
// Gives the edit the focus and replaces its text; the edit hears of it when
// the focus moves on (Leave, or a click elsewhere).
void TypeInto(DialogWindow& window, int id, const ZedString& text);
// Takes the focus away from whatever holds it.
void Leave(DialogWindow& window);
// Chooses an item of a drop-down list.
void ChooseItem(DialogWindow& window, int id, int index);
// A click or double click on a list row; a row that does not exist is a click
// on no row.
void ClickRow(DialogWindow& window, int id, int row);
void DoubleClickRow(DialogWindow& window, int id, int row);
// A key pressed in the window: the dialog is asked first; otherwise the
// focused list moves its selection with the arrow keys (telling the dialog
// nothing), Escape cancels and Enter clicks the OK button if there is one.
void PressKey(DialogWindow& window, int virtualKey);
// The close box.
void Close(DialogWindow& window);

struct PaintOp {
    enum class Kind { Fill, Frame } kind;
    int controlId;  // 0 for the dialog's own drawing
    Rect rect;      // in the dialog's client coordinates
    int penWidth;
    Rgb colour;
};
// Paints the window as the system would: its self-painted controls, then the
// dialog's own drawing.
std::vector<PaintOp> Paint(DialogWindow& window);
inline constexpr Rgb kBackground = {240, 240, 240};
// What the window shows on the screen: the drawing of every paint since the
// last one that erased the background, in order. The backend paints a window
// when it comes up and after it is invalidated, before and after each user
// action (as the system paints when the input queue is idle); a paint that
// does not erase draws over what was there.
std::vector<PaintOp> Screen(DialogWindow& window);

// What runs while a modal dialog is open (the user's actions in it); with
// none, the dialog is closed with its close box.
void SetModalDriver(std::function<void(DialogWindow&)> driver);
// How many modal dialogs have run.
int ModalRuns();

void SetHostWindowRect(const Rect& rect);  // default 0, 0, 1600, 1000

}  // namespace headless

#endif  // LEDGEWRIGHT_UI_HEADLESS_H
