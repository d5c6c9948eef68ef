#include "gui/CommandButton.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "gui/Artwork.h"

namespace vostrel::gui {

namespace {

// A QLabel announces itself as static text; a command picture is a button a
// screen reader user should be able to find and press.
class CommandButtonAccessible : public QAccessibleWidget {
public:
    explicit CommandButtonAccessible(CommandButton* button)
        : QAccessibleWidget(button, QAccessible::Button) {}

    QStringList actionNames() const override { return QAccessibleWidget::actionNames() << pressAction(); }

    void doAction(const QString& actionName) override {
        if (actionName == pressAction())
            static_cast<CommandButton*>(widget())->press();
        else
            QAccessibleWidget::doAction(actionName);
    }
};

QAccessibleInterface* commandButtonAccessible(const QString&, QObject* object) {
    if (auto* button = qobject_cast<CommandButton*>(object)) return new CommandButtonAccessible(button);
    return nullptr;
}

// A broad ring in the highlight colour with a thin dark line inside it: the
// highlight alone is too close to the blue ink of the first page, the dark
// line alone too close to the tiles' glyphs. Together they read at a glance
// on every page colour.
constexpr qreal kFocusFrameWidth = 3.0;
constexpr qreal kFocusLineWidth = 1.0;
constexpr qreal kTileCornerRadius = 6.0;

}  // namespace

CommandButton::CommandButton(QWidget* parent) : ClickableLabel(parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(commandButtonAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setAlignment(Qt::AlignCenter);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void CommandButton::setPictureIndex(int buttonIndex) {
    if (buttonIndex == pictureIndex_ && (buttonIndex == 0 || pictureDrawn())) return;
    pictureIndex_ = buttonIndex;
    if (buttonIndex == 0) {
        // Nothing to show: let the old picture go at once.
        clear();
        drawnIndex_ = 0;
        return;
    }
    drawPictureIfShown();
}

void CommandButton::drawPictureIfShown() {
    if (pictureIndex_ == 0 || drawnIndex_ == pictureIndex_ || !isVisible()) return;
    const qreal ratio = devicePixelRatioF();
    // A zoomed window draws the tile larger, in half steps so that resizing
    // by hand does not fill the picture cache with every size on the way.
    const qreal grow = std::min(width() / static_cast<qreal>(kCommandPictureWidth),
                                height() / static_cast<qreal>(kCommandPictureHeight));
    const qreal drawnAt = grow > 1.0 ? std::ceil(grow * 2.0) / 2.0 : 1.0;
    QPixmap picture = commandPicture(pictureIndex_, ratio * drawnAt);
    picture.setDevicePixelRatio(ratio);
    if (picture.isNull()) {
        clear();
        drawnIndex_ = 0;
        return;
    }
    // A place smaller than the tile shows it scaled down.
    const QSize logical = picture.deviceIndependentSize().toSize();
    if (logical.width() > width() || logical.height() > height()) {
        picture = picture.scaled(size() * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        picture.setDevicePixelRatio(ratio);
    }
    setPixmap(picture);
    drawnIndex_ = pictureIndex_;
}

void CommandButton::press() {
    if (isEnabled()) emit clicked();
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain) {
        switch (event->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
            case Qt::Key_Space:
                // A held key would add the command once per repeat.
                if (!event->isAutoRepeat()) press();
                return;
            default: break;
        }
    }
    if (plain && gridKeys_) {
        switch (event->key()) {
            case Qt::Key_Left: emit gridStep(GridStep::Left); return;
            case Qt::Key_Right: emit gridStep(GridStep::Right); return;
            case Qt::Key_Up: emit gridStep(GridStep::Up); return;
            case Qt::Key_Down: emit gridStep(GridStep::Down); return;
            case Qt::Key_PageUp: emit pageStep(-1); return;
            case Qt::Key_PageDown: emit pageStep(1); return;
            default: break;
        }
    }
    ClickableLabel::keyPressEvent(event);
}

void CommandButton::focusInEvent(QFocusEvent* event) {
    ClickableLabel::focusInEvent(event);
    update();
}

void CommandButton::focusOutEvent(QFocusEvent* event) {
    ClickableLabel::focusOutEvent(event);
    update();
}

void CommandButton::paintEvent(QPaintEvent* event) {
    ClickableLabel::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    const qreal inset = kFocusFrameWidth / 2.0;
    painter.setPen(QPen(palette().color(QPalette::Highlight), kFocusFrameWidth));
    painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), kTileCornerRadius,
                            kTileCornerRadius);
    const qreal lineInset = kFocusFrameWidth + kFocusLineWidth / 2.0;
    painter.setPen(QPen(palette().color(QPalette::WindowText), kFocusLineWidth));
    painter.drawRoundedRect(QRectF(rect()).adjusted(lineInset, lineInset, -lineInset, -lineInset),
                            kTileCornerRadius - inset, kTileCornerRadius - inset);
}

void CommandButton::showEvent(QShowEvent* event) {
    ClickableLabel::showEvent(event);
    drawPictureIfShown();
}

void CommandButton::resizeEvent(QResizeEvent* event) {
    ClickableLabel::resizeEvent(event);
    // The picture was fitted to the old size.
    if (drawnIndex_ != 0) {
        drawnIndex_ = 0;
        drawPictureIfShown();
    }
}

}  // namespace vostrel::gui
