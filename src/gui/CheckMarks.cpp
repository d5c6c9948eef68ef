#include "gui/CheckMarks.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <array>

namespace vostrel::gui {

namespace {

QColor colourOf(CheckMark mark) {
    switch (mark) {
        case CheckMark::Error: return QColor(0xD3, 0x2F, 0x2F);
        case CheckMark::Warning: return QColor(0xE6, 0x9A, 0x00);
        case CheckMark::Fine: return QColor(0x2E, 0x7D, 0x32);
        case CheckMark::Open: return QColor(0x15, 0x65, 0xC0);
        case CheckMark::None: break;
    }
    return Qt::transparent;
}

// A filled circle with a white sign: "!" for findings, a tick for a fine menu, an ellipsis for
// a block in progress. Drawn as paths, so that no font decides how it looks.
QPixmap drawMark(CheckMark mark, int size, qreal ratio) {
    QPixmap pixmap(QSize(size, size) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    if (mark == CheckMark::None) return pixmap;
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colourOf(mark));
    const qreal s = size;
    painter.drawEllipse(QRectF(0.5, 0.5, s - 1, s - 1));
    painter.setBrush(Qt::white);
    QPen pen(Qt::white, s * 0.14, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    switch (mark) {
        case CheckMark::Error:
        case CheckMark::Warning:
            painter.setPen(pen);
            painter.drawLine(QPointF(s / 2, s * 0.24), QPointF(s / 2, s * 0.56));
            painter.drawPoint(QPointF(s / 2, s * 0.76));
            break;
        case CheckMark::Fine: {
            painter.setPen(pen);
            painter.setBrush(Qt::NoBrush);
            QPainterPath tick;
            tick.moveTo(s * 0.28, s * 0.52);
            tick.lineTo(s * 0.44, s * 0.68);
            tick.lineTo(s * 0.72, s * 0.34);
            painter.drawPath(tick);
            break;
        }
        case CheckMark::Open:
            for (const qreal x : {0.3, 0.5, 0.7})
                painter.drawEllipse(QPointF(s * x, s / 2), s * 0.07, s * 0.07);
            break;
        case CheckMark::None: break;
    }
    return pixmap;
}

}  // namespace

QIcon checkMarkIcon(CheckMark mark, int size) {
    // Each mark is drawn once per size, for the plain and the doubled pixel ratio.
    static std::array<QIcon, 5> cache;
    static std::array<int, 5> cachedSize{};
    const auto slot = static_cast<std::size_t>(mark);
    if (cachedSize[slot] != size) {
        QIcon icon;
        for (const qreal ratio : {1.0, 2.0}) icon.addPixmap(drawMark(mark, size, ratio));
        cache[slot] = icon;
        cachedSize[slot] = size;
    }
    return cache[slot];
}

CheckStatus::CheckStatus(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("lblCheckStatus"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->setSpacing(4);
    icon_ = new QLabel(this);
    text_ = new QLabel(this);
    layout->addWidget(icon_);
    layout->addWidget(text_);
}

void CheckStatus::setResult(CheckMark mark, const QString& text) {
    if (mark != mark_) {
        const int size = text_->fontMetrics().height() - 2;
        icon_->setPixmap(checkMarkIcon(mark, size).pixmap(size, size, QIcon::Normal, QIcon::On));
        mark_ = mark;
    }
    if (text_->text() != text) {
        text_->setText(text);
        setAccessibleName(text);
    }
}

QString CheckStatus::text() const { return text_->text(); }

}  // namespace vostrel::gui
