#include <QPainter>

#include "gui/ArtworkDrawings.h"
#include "gui/ArtworkPainting.h"

namespace vostrel::gui::artwork {

// Program icon: a navigation device seen from the front, its screen showing the button field
// as a grid of tiles in the page inks, the first with the navigation arrow. Drawn on a 64 x 64
// design grid.

QPixmap programPixmap(int size) {
    return renderPicture(QSize(size, size), 1.0, [&](QPainter& painter, const QRectF&) {
        painter.scale(size / 64.0, size / 64.0);
        // The device.
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0x26, 0x32, 0x38));
        painter.drawRoundedRect(QRectF(2, 9, 60, 46), 8, 8);
        // Its mount foot, so it reads as a car navigation device.
        painter.drawRoundedRect(QRectF(26, 52, 12, 8), 2, 2);
        // The screen.
        const QRectF screen(7, 14, 50, 36);
        painter.setBrush(QColor(0xec, 0xef, 0xf1));
        painter.drawRoundedRect(screen, 3, 3);
        // The button field on it: 3 columns by 2 rows.
        const qreal gap = size >= 32 ? 3.0 : 4.0;
        const qreal tileW = (screen.width() - 4 * gap) / 3.0;
        const qreal tileH = (screen.height() - 3 * gap) / 2.0;
        for (int row = 0; row < 2; ++row) {
            for (int column = 0; column < 3; ++column) {
                const QRectF tile(screen.left() + gap + column * (tileW + gap),
                                  screen.top() + gap + row * (tileH + gap), tileW, tileH);
                painter.setBrush(QColor(kPageInk[std::size_t(row * 3 + column)]));
                painter.drawRoundedRect(tile, 2, 2);
            }
        }
        if (size >= 32) {
            const QRectF first(screen.left() + gap, screen.top() + gap, tileW, tileH);
            drawGlyph(painter, glyphCode("navigation"), first.center(), tileH * 0.95, Qt::white);
        }
    });
}

}  // namespace vostrel::gui::artwork
