#include "gui/RovingTabStop.h"

#include <algorithm>

namespace vostrel::gui {

RovingTabStop::RovingTabStop(std::vector<QWidget*> members, Fallback fallback)
    : members_(std::move(members)), fallback_(std::move(fallback)) {
    for (QWidget* member : members_) member->setFocusPolicy(Qt::ClickFocus);
}

bool RovingTabStop::canTakeFocus(const QWidget* widget) {
    return widget && widget->isEnabled() && !widget->isHidden() && widget->isVisibleTo(widget->window());
}

void RovingTabStop::update(const QWidget* focused) {
    QWidget* next = stop_;
    if (const auto it = std::find(members_.begin(), members_.end(), focused); it != members_.end())
        next = *it;
    else if (!canTakeFocus(next))
        next = fallback_();
    if (next == stop_) return;
    if (stop_) stop_->setFocusPolicy(Qt::ClickFocus);
    stop_ = next;
    if (stop_) stop_->setFocusPolicy(Qt::StrongFocus);
}

}  // namespace vostrel::gui
