#pragma once

// Painting the tiles of the command and control buttons, and the glyphs on them.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <utility>

#include "gui/ArtworkCommands.h"

namespace vostrel::gui::artwork {

QColor blend(QColor ink, QColor paper, qreal inkShare);

// Draws one glyph with its em box centred on `centre`; the icons are designed centred in it.
void drawGlyph(QPainter& painter, char16_t code, QPointF centre, qreal pixelSize, QColor ink);

// Renders `paint` onto a transparent picture of `size` logical pixels at `devicePixelRatio`.
template <typename Paint>
QPixmap renderPicture(QSize size, qreal devicePixelRatio, Paint paint) {
    QImage image(qRound(size.width() * devicePixelRatio), qRound(size.height() * devicePixelRatio),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                               QPainter::SmoothPixmapTransform);
        paint(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    // Handed over, not copied: the picture's pixels exist once.
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

void paintCommand(QPainter& painter, const QRectF& area, const CommandArt& art, QColor ink);

// Items of the picture cache besides the command buttons 1..114.
constexpr int kNextPageItem = 1001;
constexpr int kMenuEndItem = 1002;

// Paints the control picture `item` (kNextPageItem or kMenuEndItem).
void paintControl(QPainter& painter, const QRectF& area, int item);

}  // namespace vostrel::gui::artwork
