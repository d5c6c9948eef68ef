#include "controls/ScrollBar.h"

#include <algorithm>

namespace vostrel::controls {

int ScrollBar::clamp(int value) const {
    return std::clamp(value, std::min(min_, max_), std::max(min_, max_));
}

void ScrollBar::initialise(int min, int max, int value, int smallChange, int largeChange) {
    min_ = min;
    max_ = max;
    smallChange_ = smallChange;
    largeChange_ = largeChange;
    value_ = clamp(value);
    notifyChanged();
}

void ScrollBar::setMin(int value) {
    if (min_ == value) return;
    min_ = value;
    notifyChanged();
    moveValueTo(clamp(value_));
}

void ScrollBar::setMax(int value) {
    if (max_ == value) return;
    max_ = value;
    notifyChanged();
    moveValueTo(clamp(value_));
}

void ScrollBar::setValue(int value) { moveValueTo(clamp(value)); }

void ScrollBar::moveValueTo(int value) {
    if (value_ == value) return;
    value_ = value;
    notifyChanged();
    if (onChange) onChange();
}

}  // namespace vostrel::controls
