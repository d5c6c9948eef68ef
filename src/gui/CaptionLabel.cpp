#include "gui/CaptionLabel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <algorithm>
#include <cmath>

namespace vostrel::gui {

namespace {

constexpr int kCaptionSideMargin = 1;

struct Layout {
    QStringList lines;
    bool wordTooWide = false;
};

QStringList wordsOf(const QString& paragraph) { return paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts); }

// Of all ways to set `words` in two lines, the one whose longer line is
// shortest: under a picture "plan route / A to B" reads better than
// "plan route A to / B". Empty when no way fits `width`.
QStringList balancedTwoLines(const QStringList& words, const QFontMetricsF& metrics, qreal width) {
    QStringList best;
    qreal bestWidth = width;
    for (qsizetype split = 1; split < words.size(); ++split) {
        const QString first = words.mid(0, split).join(QLatin1Char(' '));
        const QString second = words.mid(split).join(QLatin1Char(' '));
        const qreal longer = std::max(metrics.horizontalAdvance(first), metrics.horizontalAdvance(second));
        if (longer <= bestWidth) {
            bestWidth = longer;
            best = {first, second};
        }
    }
    return best;
}

// Breaks at blanks only. The captions put a blank after a hyphen where they
// allow a break ("Hintergrund- beleuchtung"); "GPS-Status" or "ein/aus" must
// stay whole. A line break in the text is kept.
Layout breakAtBlanks(const QString& text, const QFontMetricsF& metrics, qreal width) {
    Layout result;
    const QStringList paragraphs = text.split(QLatin1Char('\n'));
    for (const QString& paragraph : paragraphs) {
        const QStringList words = wordsOf(paragraph);
        QStringList lines;
        QString line;
        for (const QString& word : words) {
            if (metrics.horizontalAdvance(word) > width) result.wordTooWide = true;
            const QString joined = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (line.isEmpty() || metrics.horizontalAdvance(joined) <= width) {
                line = joined;
            } else {
                lines << line;
                line = word;
            }
        }
        lines << line;
        if (lines.size() == 2 && paragraphs.size() == 1) {
            const QStringList balanced = balancedTwoLines(words, metrics, width);
            if (!balanced.isEmpty()) lines = balanced;
        }
        result.lines << lines;
    }
    return result;
}

// How many lines of `font` the strip holds, and never more than asked for.
int linesThatFit(const QFont& font, int height, int maxLines) {
    const int fit = static_cast<int>(std::floor(height / QFontMetricsF(font).lineSpacing()));
    return std::max(1, std::min(maxLines, fit));
}

}  // namespace

FittedCaption fitCaption(const QString& text, const QFont& font, const QSize& box, int maxLines) {
    const qreal width = box.width();
    const qreal largest = font.pointSizeF() > 0 ? font.pointSizeF() : 8.0;
    const qreal smallest = std::min(largest, kSmallestCaptionPointSize);
    QFont candidate = font;
    // Half-point steps down from the label's own size, each size first in the
    // font's own width and then semi-condensed: a narrower face of the same
    // height reads better than a smaller one, and for some French captions
    // nothing else makes the longest word fit. Qt picks a condensed face
    // where the family has one and narrows the glyphs where it has not.
    for (qreal size = largest;; size = std::max(smallest, size - 0.5)) {
        candidate.setPointSizeF(size);
        for (const int stretch : {QFont::Unstretched, QFont::SemiCondensed}) {
            candidate.setStretch(stretch);
            const Layout layout = breakAtBlanks(text, QFontMetricsF(candidate), width);
            if (!layout.wordTooWide && layout.lines.size() <= linesThatFit(candidate, box.height(), maxLines))
                return {candidate, layout.lines, false};
        }
        if (size <= smallest) break;
    }

    // Nothing fits: keep the narrowest font, cut every line to the strip and
    // let the last line that fits end in an ellipsis.
    const QFontMetricsF metrics(candidate);
    const int allowed = linesThatFit(candidate, box.height(), maxLines);
    const QStringList all = breakAtBlanks(text, metrics, width).lines;
    QStringList lines = all.mid(0, allowed);
    if (all.size() > allowed) lines.last() = all.mid(allowed - 1).join(QLatin1Char(' '));
    for (QString& line : lines) line = metrics.elidedText(line, Qt::ElideRight, width);
    return {candidate, lines, true};
}

const FittedCaption& CaptionLabel::fitted() {
    if (!valid_ || fittedText_ != text() || fittedSize_ != size() || fittedFont_ != font()) {
        fittedText_ = text();
        fittedSize_ = size();
        fittedFont_ = font();
        // A pixel left and right keeps neighbouring captions from running into each other.
        fitted_ = fitCaption(fittedText_, fittedFont_, fittedSize_ - QSize(2 * kCaptionSideMargin, 0));
        valid_ = true;
    }
    return fitted_;
}

void CaptionLabel::paintEvent(QPaintEvent*) {
    // The background is filled by the widget itself (auto-fill with the
    // control's back colour); only the text is ours to draw.
    const FittedCaption& caption = fitted();
    QPainter painter(this);
    painter.setFont(caption.font);
    const qreal lineHeight = QFontMetricsF(caption.font).lineSpacing();
    qreal top = 0;
    for (const QString& line : caption.lines) {
        const QRect row(0, static_cast<int>(std::round(top)), width(), static_cast<int>(std::ceil(lineHeight)));
        style()->drawItemText(&painter, row, Qt::AlignHCenter | Qt::AlignTop, palette(), isEnabled(), line,
                              foregroundRole());
        top += lineHeight;
    }
}

}  // namespace vostrel::gui
