#include <QPainter>
#include <QPainterPath>

#include "gui/ArtworkDrawings.h"
#include "gui/ArtworkPainting.h"

namespace vostrel::gui::artwork {

namespace {

// Flags, drawn on a 32 x 32 design grid and scaled to the size asked for. All three share the
// 3:2 box so that they line up in a menu.

constexpr QRectF kFlagBox(1.0, 6.0, 30.0, 20.0);

void paintGermanFlag(QPainter& painter, const QRectF& box) {
    const qreal stripe = box.height() / 3.0;
    painter.fillRect(QRectF(box.left(), box.top(), box.width(), stripe), QColor(0x00, 0x00, 0x00));
    painter.fillRect(QRectF(box.left(), box.top() + stripe, box.width(), stripe), QColor(0xdd, 0x00, 0x00));
    painter.fillRect(QRectF(box.left(), box.top() + 2 * stripe, box.width(), stripe),
                     QColor(0xff, 0xce, 0x00));
}

void paintFrenchFlag(QPainter& painter, const QRectF& box) {
    const qreal stripe = box.width() / 3.0;
    painter.fillRect(QRectF(box.left(), box.top(), stripe, box.height()), QColor(0x00, 0x55, 0xa4));
    painter.fillRect(QRectF(box.left() + stripe, box.top(), stripe, box.height()), Qt::white);
    painter.fillRect(QRectF(box.left() + 2 * stripe, box.top(), stripe, box.height()),
                     QColor(0xef, 0x41, 0x35));
}

// The Union Jack with the proportions of the real one (white saltire 1/5 of the height, St
// George's cross 1/5 on a white cross of 1/3), but with the red saltire centred rather than
// counterchanged: at icon sizes nobody sees the offset.
void paintUnionFlag(QPainter& painter, const QRectF& box) {
    const QColor blue(0x01, 0x21, 0x69);
    const QColor red(0xc8, 0x10, 0x2e);
    const qreal h = box.height();
    painter.save();
    painter.setClipRect(box);
    painter.fillRect(box, blue);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, h / 5.0, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(box.topLeft(), box.bottomRight());
    painter.drawLine(box.bottomLeft(), box.topRight());
    painter.setPen(QPen(red, h / 15.0, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(box.topLeft(), box.bottomRight());
    painter.drawLine(box.bottomLeft(), box.topRight());
    const QPointF c = box.center();
    painter.fillRect(QRectF(c.x() - h / 6.0, box.top(), h / 3.0, h), Qt::white);
    painter.fillRect(QRectF(box.left(), c.y() - h / 6.0, box.width(), h / 3.0), Qt::white);
    painter.fillRect(QRectF(c.x() - h / 10.0, box.top(), h / 5.0, h), red);
    painter.fillRect(QRectF(box.left(), c.y() - h / 10.0, box.width(), h / 5.0), red);
    painter.restore();
}

}  // namespace

QPixmap flagPixmap(FlagLanguage language, int size) {
    return renderPicture(QSize(size, size), 1.0, [&](QPainter& painter, const QRectF&) {
        painter.scale(size / 32.0, size / 32.0);
        switch (language) {
            case FlagLanguage::German: paintGermanFlag(painter, kFlagBox); break;
            case FlagLanguage::English: paintUnionFlag(painter, kFlagBox); break;
            case FlagLanguage::French: paintFrenchFlag(painter, kFlagBox); break;
        }
        // A hairline frame keeps the white parts apart from a white menu.
        painter.setPen(QPen(QColor(0, 0, 0, 90), 0.8));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(kFlagBox.adjusted(0.4, 0.4, -0.4, -0.4));
    });
}

}  // namespace vostrel::gui::artwork
