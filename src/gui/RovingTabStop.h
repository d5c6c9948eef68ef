#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

namespace vostrel::gui {

// A group of buttons that is one stop of the Tab key, as a toolbar or an item
// view is: only one member at a time takes the focus by Tab, the others by
// click or by the arrow keys inside the group. The stop is the member that
// last had the focus, while it can still take it; otherwise the group's first
// member that can (`fallback`).
class RovingTabStop {
public:
    using Fallback = std::function<QWidget*()>;
    RovingTabStop(std::vector<QWidget*> members, Fallback fallback);

    // Members built later join the group as they come.
    void add(const std::vector<QWidget*>& members);

    // Brings the stop up to date: `focused` is the window's focus widget.
    void update(const QWidget* focused);
    QWidget* stop() const { return stop_; }

private:
    static bool canTakeFocus(const QWidget* widget);

    std::vector<QWidget*> members_;
    Fallback fallback_;
    QPointer<QWidget> stop_;
};

}  // namespace vostrel::gui
