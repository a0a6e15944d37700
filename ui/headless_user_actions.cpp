// The headless backend's user actions, as the UserActions interface gives them
// to the dialog driver.
#include "ui/headless.h"
#include "ui/user_actions.h"

namespace headless {
namespace {

class HeadlessUserActions final : public UserActions {
public:
    void Click(DialogWindow& window, int id) override { headless::Click(window, id); }
    void DoubleClick(DialogWindow& window, int id) override { headless::DoubleClick(window, id); }
    void TypeAndLeave(DialogWindow& window, int id, const ZedString& text) override {
        TypeInto(window, id, text);
        Leave(window);
    }
    void ChooseItem(DialogWindow& window, int id, int index) override { headless::ChooseItem(window, id, index); }
    void ClickRow(DialogWindow& window, int id, int row) override { headless::ClickRow(window, id, row); }
    void DoubleClickRow(DialogWindow& window, int id, int row) override {
        headless::DoubleClickRow(window, id, row);
    }
    void PressKey(DialogWindow& window, int virtualKey) override { headless::PressKey(window, virtualKey); }
    void SetModalDriver(std::function<void(DialogWindow&)> driver) override {
        headless::SetModalDriver(std::move(driver));
    }
};

}  // namespace

UserActions& TheUserActions() {
    static HeadlessUserActions actions;
    return actions;
}

}  // namespace headless
