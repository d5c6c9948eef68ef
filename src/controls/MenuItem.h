#pragma once

#include <string>

#include "controls/Control.h"

namespace vostrel::controls {

// An entry of the menu bar. A hidden or disabled item takes no clicks and its
// shortcut does nothing; the front end and the replay tool both respect that.
class MenuItem : public Control {
public:
    // An option that carries a check mark; every other item is a plain command.
    static constexpr bool kCheckable = true;

    MenuItem(std::string name, std::string caption, std::string shortcut = {}, bool checkable = false)
        : Control(std::move(name)), shortcut_(std::move(shortcut)), checkable_(checkable) {
        setCaption(std::move(caption));
    }

    // Key sequence in Qt's portable text form ("F2", "Shift+Del"), empty for none.
    const std::string& shortcut() const { return shortcut_; }
    bool checkable() const { return checkable_; }
    bool checked() const { return checked_; }
    void setChecked(bool value) { assign(checked_, value); }
    bool separator() const { return separator_; }
    void setSeparator(bool value) { assign(separator_, value); }
    bool takesClicks() const { return enabled() && visible(); }

private:
    std::string shortcut_;
    bool checkable_ = false;
    bool checked_ = false;
    bool separator_ = false;
};

}  // namespace vostrel::controls
