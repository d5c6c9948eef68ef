#pragma once

#include "gui/SecondaryWindow.h"
#include <functional>
#include <string>
#include <vector>

#include "app/MenuCheckWindow.h"

class QListWidget;
class QListWidgetItem;

namespace vostrel::gui {

// The findings of the menu check: a top-level window over the core's
// app::MenuCheckWindow, one row per finding. Choosing a row asks the core to
// select the line it names; the window itself changes nothing.
class CheckWindow : public SecondaryWindow {
    Q_OBJECT
public:
    CheckWindow();

    // A row was clicked or activated with the keyboard.
    std::function<void(int row)> onChoose;

    // Shows caption and rows of `model`, each with the mark of its severity. Unchanged rows
    // are left alone, so the user keeps the selected finding and the scroll position.
    void mirror(const app::MenuCheckWindow& model);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void choose(QListWidgetItem* item);
    // Sizes the window, when it first shows, so that whole messages show.
    void fitToRows();

    QListWidget* findings_ = nullptr;  // lstFindings
    std::vector<std::string> shownRows_;
    bool sized_ = false;
};

}  // namespace vostrel::gui
