#include "gui/FocusRing.h"

#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>

#include "gui/CommandButton.h"

namespace vostrel::gui {

namespace {

constexpr int kRingWidth = 2;
constexpr int kOutset = kRingWidth + 1;  // the ring and its light outer line

bool wantsRing(const QWidget* widget) {
    return widget && !widget->isWindow() && !qobject_cast<const CommandButton*>(widget) &&
           !qobject_cast<const QMenuBar*>(widget) && !qobject_cast<const QMenu*>(widget);
}

}  // namespace

FocusRing::FocusRing(QWidget* window) : QWidget(window) {
    setObjectName(QStringLiteral("focusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    window->installEventFilter(this);  // a resized window may move the target without moving it
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { follow(now); });
}

void FocusRing::follow(QWidget* widget) {
    if (target_) target_->removeEventFilter(this);
    target_ = wantsRing(widget) && widget->window() == window() ? widget : nullptr;
    if (target_) target_->installEventFilter(this);
    place();
}

void FocusRing::place() {
    if (!target_ || !target_->isVisible()) {
        hide();
        return;
    }
    const QRect area(target_->mapTo(window(), QPoint(0, 0)), target_->size());
    setGeometry(area.adjusted(-kOutset, -kOutset, kOutset, kOutset));
    show();
    raise();
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((watched == target_ || watched == window()) &&
        (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show || type == QEvent::Hide))
        place();
    return QWidget::eventFilter(watched, event);
}

void FocusRing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    const qreal inset = kRingWidth / 2.0;
    // The highlight with a thin light line outside it, so that the ring
    // stands out on light buttons and on the dark green frames alike.
    painter.setPen(QPen(QColor(Qt::white), 1.0));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 4.0, 4.0);
    painter.setPen(QPen(QApplication::palette().color(QPalette::Highlight), kRingWidth));
    painter.drawRoundedRect(QRectF(rect()).adjusted(inset + 1, inset + 1, -inset - 1, -inset - 1), 3.0, 3.0);
}

}  // namespace vostrel::gui
