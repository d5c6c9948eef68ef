#include "gui/Zoom.h"

#include <QAbstractButton>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "gui/ControlWidgets.h"

namespace vostrel::gui {

namespace {

int scaled(int twips, qreal factor) { return static_cast<int>(std::lround(twips * factor / kTwipsPerPixel)); }

}  // namespace

qreal Zoom::fitting(const QSize& available, const QSize& design) {
    if (design.isEmpty()) return 1.0;
    const qreal across = static_cast<qreal>(available.width()) / design.width();
    const qreal down = static_cast<qreal>(available.height()) / design.height();
    return std::max(1.0, std::min(across, down));
}

QRect Zoom::rect(const controls::Geometry& g) const {
    if (factor_ == 1.0) return twipsToRect(g);
    const int left = scaled(g.left, factor_);
    const int top = scaled(g.top, factor_);
    return {left, top, scaled(g.left + g.width, factor_) - left, scaled(g.top + g.height, factor_) - top};
}

QSize Zoom::size(const QSize& designPixels) const {
    return {static_cast<int>(std::lround(designPixels.width() * factor_)),
            static_cast<int>(std::lround(designPixels.height() * factor_))};
}

void Zoom::place(QWidget* widget, const controls::Geometry& geometry) {
    Entry& entry = entries_[widget];
    entry.geometry = geometry;
    entry.placed = true;
    widget->setGeometry(rect(geometry));
}

void Zoom::trackFont(QWidget* widget) {
    Entry& entry = entries_[widget];
    entry.pointSize = widget->font().pointSizeF() / factor_;
}

void Zoom::trackIconSize(QAbstractButton* button) {
    Entry& entry = entries_[button];
    entry.iconSize = button->iconSize() / factor_;
}

void Zoom::apply(QWidget* widget, const Entry& entry) const {
    if (entry.pointSize > 0) {
        QFont font = widget->font();
        font.setPointSizeF(entry.pointSize * factor_);
        widget->setFont(font);
    }
    if (entry.iconSize.isValid())
        static_cast<QAbstractButton*>(widget)->setIconSize(entry.iconSize * factor_);
    if (entry.placed) widget->setGeometry(rect(entry.geometry));
}

bool Zoom::setFactor(qreal factor) {
    // Sizes are whole pixels: a change below a thousandth moves nothing.
    if (std::abs(factor - factor_) < 0.001) return false;
    factor_ = factor;
    for (const auto& [widget, entry] : entries_) apply(widget, entry);
    for (const auto& action : actions_) action(factor_);
    return true;
}

}  // namespace vostrel::gui
