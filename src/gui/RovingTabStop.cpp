#include "gui/RovingTabStop.h"

#include <algorithm>

namespace vostrel::gui {

RovingTabStop::RovingTabStop(std::vector<QWidget*> members, Fallback fallback)
    : fallback_(std::move(fallback)) {
    add(members);
}

void RovingTabStop::add(const std::vector<QWidget*>& members) {
    for (QWidget* member : members) member->setFocusPolicy(Qt::ClickFocus);
    members_.insert(members_.end(), members.begin(), members.end());
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
