#pragma once

#include <functional>
#include <string>

#include "controls/Control.h"

namespace vostrel::controls {

// A scroll bar as the window's handlers expect it: the value always lies
// between min and max (either may be the larger), and the change callback runs,
// nested inside the setter, whenever the value actually changes, whether the
// user or the program moved it.
class ScrollBar : public Control {
public:
    using Control::Control;

    int min() const { return min_; }
    int max() const { return max_; }
    int value() const { return value_; }
    int smallChange() const { return smallChange_; }
    int largeChange() const { return largeChange_; }

    void setMin(int value);
    void setMax(int value);
    void setValue(int value);
    void setSmallChange(int value) { assign(smallChange_, value); }
    void setLargeChange(int value) { assign(largeChange_, value); }
    // Sets the whole range at once without raising the change callback; used
    // only to give a bar its design values before any handler is wired.
    void initialise(int min, int max, int value, int smallChange, int largeChange);

    // The value clamped into the bar's range, as a user's move would land.
    int clamp(int value) const;

    std::function<void()> onChange;

private:
    void moveValueTo(int value);

    int min_ = 0;
    int max_ = 32767;
    int value_ = 0;
    int smallChange_ = 1;
    int largeChange_ = 1;
};

}  // namespace vostrel::controls
