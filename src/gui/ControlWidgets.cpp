#include "gui/ControlWidgets.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPalette>
#include <QScrollBar>

namespace vostrel::gui {

int twipsToPixels(int twips) {
    // Round half away from zero so that a negative position mirrors a positive one.
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

QRect twipsToRect(const controls::Geometry& geometry) {
    return {twipsToPixels(geometry.left), twipsToPixels(geometry.top), twipsToPixels(geometry.width),
            twipsToPixels(geometry.height)};
}

QString widgetName(const controls::Control& control) {
    QString name = QString::fromStdString(control.name());
    if (control.index() >= 0) name += QLatin1Char('_') + QString::number(control.index());
    return name;
}

QString spokenCaption(const QString& caption) {
    QString spoken;
    spoken.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        QChar c = caption.at(i);
        if (c == QLatin1Char('&')) {
            if (i + 1 >= caption.size()) break;  // a trailing mark marks nothing
            c = caption.at(++i);
        }
        spoken += c == QLatin1Char('\n') || c == QLatin1Char('\r') ? QLatin1Char(' ') : c;
    }
    return spoken.simplified();
}

void applyBackColour(QWidget* widget, const controls::Colour& colour) {
    const QPalette system = QApplication::palette();
    QPalette palette = widget->palette();
    if (colour.systemWindow) {
        palette.setColor(QPalette::Window, system.color(QPalette::Window));
        palette.setColor(QPalette::WindowText, system.color(QPalette::WindowText));
    } else {
        const QColor back(colour.red, colour.green, colour.blue);
        palette.setColor(QPalette::Window, back);
        // Dark green frames carry black captions badly; white reads on any dark colour.
        palette.setColor(QPalette::WindowText,
                         back.lightness() < 100 ? QColor(Qt::white) : QColor(Qt::black));
    }
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void useSystemColours(QWidget* widget) {
    QPalette palette = QApplication::palette();
    for (int group = 0; group < QPalette::NColorGroups; ++group)
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = static_cast<QPalette::ColorGroup>(group);
            const auto r = static_cast<QPalette::ColorRole>(role);
            palette.setBrush(g, r, palette.brush(g, r));
        }
    widget->setPalette(palette);
}

namespace {
int scrollSign(const controls::ScrollBar& model) { return model.min() <= model.max() ? 1 : -1; }
}  // namespace

void applyScrollBar(QScrollBar* widget, const controls::ScrollBar& model) {
    const int sign = scrollSign(model);
    widget->setRange(sign * model.min(), sign * model.max());
    widget->setSingleStep(model.smallChange());
    widget->setPageStep(model.largeChange());
    widget->setValue(sign * model.value());
}

int scrollValueFromWidget(const controls::ScrollBar& model, int widgetValue) {
    return scrollSign(model) * widgetValue;
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click) emit clicked();
}

}  // namespace vostrel::gui
