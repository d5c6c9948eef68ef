#pragma once

#include <QPointer>
#include <QWidget>

namespace vostrel::gui {

// A ring in the highlight colour round whichever widget of its window has the
// keyboard focus. The style's own focus marks are a dotted line or a faint
// tint that get lost on the green frames; this one is seen at a glance on
// every control. The command pictures draw their own frame and are left out,
// as are the menus, which highlight their item.
class FocusRing : public QWidget {
    Q_OBJECT
public:
    // A ring for the top-level `window`, which owns it.
    explicit FocusRing(QWidget* window);

    // The widget the ring is drawn round; null while it is hidden.
    QWidget* target() const { return target_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow(QWidget* widget);
    void place();

    QPointer<QWidget> target_;
};

}  // namespace vostrel::gui
