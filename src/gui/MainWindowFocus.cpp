// The keyboard focus in the button field and the preview's places: moving it by arrow keys,
// the roving tab stops, and keeping it in the field when a page turns.
#include <algorithm>

#include "gui/CommandButton.h"
#include "gui/MainWindow.h"

namespace vostrel::gui {

bool MainWindow::canFocusButton(int button) const {
    const CommandButton* widget = commandButtons_.at(static_cast<std::size_t>(button));
    return widget && !widget->isHidden() && widget->isEnabled();
}

void MainWindow::moveGridFocus(int from, GridStep step) {
    const int to = gridNeighbour(from, step, [this](int button) { return canFocusButton(button); });
    if (to != 0 && to != from) commandButtons_[static_cast<std::size_t>(to)]->setFocus(Qt::TabFocusReason);
}

void MainWindow::movePlaceFocus(const std::array<CommandButton*, preview::kPlaceCount>& places, int columns,
                                int from, GridStep step) {
    const auto canFocus = [&places](int place) {
        const CommandButton* widget = places.at(static_cast<std::size_t>(place));
        return !widget->isHidden() && widget->isEnabled();
    };
    const int to = placeNeighbour(from, columns, preview::kPlaceCount, step, canFocus);
    if (to != from) places.at(static_cast<std::size_t>(to))->setFocus(Qt::TabFocusReason);
}

void MainWindow::updateTabStops() {
    const QWidget* focused = focusWidget();
    for (const auto& stop : tabStops_) stop->update(focused);
}

int MainWindow::focusedCommandButton() const {
    const QWidget* focused = focusWidget();
    if (!focused) return 0;
    const auto it = std::find(commandButtons_.begin(), commandButtons_.end(), focused);
    return it == commandButtons_.end() ? 0 : static_cast<int>(it - commandButtons_.begin());
}

void MainWindow::keepFocusInField(int focusedBefore) {
    if (focusedBefore == 0) return;
    if (commandButtons_[static_cast<std::size_t>(focusedBefore)]->isVisibleTo(this)) return;
    const int first =
        firstFocusableButton(form_->field.shownPage(), [this](int button) { return canFocusButton(button); });
    if (first != 0) commandButtons_[static_cast<std::size_t>(first)]->setFocus(Qt::OtherFocusReason);
}

}  // namespace vostrel::gui
