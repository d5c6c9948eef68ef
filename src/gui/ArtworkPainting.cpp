#include "gui/ArtworkPainting.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QRawFont>

#include "gui/ArtworkStore.h"

namespace vostrel::gui::artwork {

QColor blend(QColor ink, QColor paper, qreal inkShare) {
    const qreal paperShare = 1.0 - inkShare;
    return QColor::fromRgbF(float(ink.redF() * inkShare + paper.redF() * paperShare),
                            float(ink.greenF() * inkShare + paper.greenF() * paperShare),
                            float(ink.blueF() * inkShare + paper.blueF() * paperShare));
}

void drawGlyph(QPainter& painter, char16_t code, QPointF centre, qreal pixelSize, QColor ink) {
    const QRawFont font = iconFont(pixelSize);
    // A glyph the font lacks shows as a gap, never as some other font's character.
    const QList<quint32> glyphs =
        font.isValid() ? font.glyphIndexesForString(QString(QChar{code})) : QList<quint32>{};
    if (glyphs.isEmpty() || glyphs.first() == 0) return;
    const qreal width = font.advancesForGlyphIndexes(glyphs).value(0).x();
    const qreal baseline = centre.y() + (font.ascent() - font.descent()) / 2.0;
    QGlyphRun run;
    run.setRawFont(font);
    run.setGlyphIndexes(glyphs);
    run.setPositions({QPointF(0, 0)});
    painter.setPen(ink);
    painter.drawGlyphRun(QPointF(centre.x() - width / 2.0, baseline), run);
}

namespace {

QColor tilePaper(QColor ink) { return blend(ink, Qt::white, 0.09); }

void paintTile(QPainter& painter, const QRectF& area, QColor ink) {
    painter.setPen(QPen(blend(ink, Qt::white, 0.40), 1.0));
    painter.setBrush(tilePaper(ink));
    painter.drawRoundedRect(area.adjusted(0.5, 0.5, -0.5, -0.5), 6.0, 6.0);
}

// The badge sits on the lower right of the main glyph: a white disc (or pill, for text) ringed
// in the ink, with a small glyph or a bold text in it.
void paintBadge(QPainter& painter, QPointF centre, const CommandArt& art, QColor ink) {
    painter.setPen(QPen(ink, 1.2));
    painter.setBrush(Qt::white);
    if (!art.badgeGlyph.empty()) {
        painter.drawEllipse(centre, 10.0, 10.0);
        drawGlyph(painter, glyphCode(art.badgeGlyph), centre, 15.0, ink);
        return;
    }
    QFont font = QGuiApplication::font();
    font.setPixelSize(art.badgeText.size() == 1 ? 15 : 11);
    font.setBold(true);
    const QString text = QString::fromLatin1(art.badgeText.data(), qsizetype(art.badgeText.size()));
    const qreal textWidth = QFontMetricsF(font).horizontalAdvance(text);
    const qreal width = qMax(20.0, textWidth + 9.0);
    const QRectF pill(centre.x() - width / 2.0, centre.y() - 10.0, width, 20.0);
    painter.drawRoundedRect(pill, 10.0, 10.0);
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(pill, Qt::AlignCenter, text);
}

}  // namespace

void paintCommand(QPainter& painter, const QRectF& area, const CommandArt& art, QColor ink) {
    paintTile(painter, area, ink);
    const QPointF centre = area.center();
    drawGlyph(painter, glyphCode(art.glyph), centre, kCommandGlyphPixels, ink);
    if (!art.badgeGlyph.empty() || !art.badgeText.empty())
        paintBadge(painter, centre + QPointF(art.badgeText.size() > 1 ? 20.0 : 17.0, 12.0), art, ink);
}

void paintControl(QPainter& painter, const QRectF& area, int item) {
    const QColor ink(kPageInk[kControlPage]);
    paintTile(painter, area, ink);
    const char16_t code = item == kNextPageItem ? glyphCode("arrow_forward") : glyphCode("last_page");
    drawGlyph(painter, code, area.center(), 24.0, ink);
}

}  // namespace vostrel::gui::artwork
