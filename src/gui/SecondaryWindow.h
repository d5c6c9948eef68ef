#pragma once

#include <QWidget>
#include <functional>

namespace vostrel::gui {

// What the manual, information and check windows have in common: a top-level
// window with the program's icon that does not end the program when it
// closes, asks the core before the user closes it, and can be closed for
// good when its model goes away.
class SecondaryWindow : public QWidget {
    Q_OBJECT
public:
    explicit SecondaryWindow(const QString& objectName);

    // The user asks to close the window; returns false when the program
    // cannot take that now, and the window stays.
    std::function<bool()> onUserClose;

    // Closes the window for good because its model is gone; it deletes itself
    // once control is back in the event loop.
    void discard();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool discarding() const { return discarding_; }

private:
    bool discarding_ = false;
};

}  // namespace vostrel::gui
