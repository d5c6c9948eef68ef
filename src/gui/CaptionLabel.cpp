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
    bool tooWide = false;  // a word, or a line as drawn, is wider than the strip
};

QStringList wordsOf(const QString& paragraph) {
    return paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// The words of a paragraph with their widths, measured once: a line's width
// is then a sum, where measuring every candidate line anew would shape the
// same text over and over (and the captions are fitted while the window
// first paints). Blanks do not kern, so the sum is the line's width; the
// caller still measures the lines it settles on.
class MeasuredWords {
public:
    MeasuredWords(const QString& paragraph, const QFontMetricsF& metrics)
        : words_(wordsOf(paragraph)), blank_(metrics.horizontalAdvance(QLatin1Char(' '))) {
        widths_.reserve(words_.size());
        for (const QString& word : words_) widths_.append(metrics.horizontalAdvance(word));
    }

    qsizetype size() const { return words_.size(); }
    qreal width(qsizetype word) const { return widths_[word]; }
    // Words [from, to) set with single blanks between them.
    qreal width(qsizetype from, qsizetype to) const {
        qreal sum = 0;
        for (qsizetype i = from; i < to; ++i) sum += widths_[i];
        return to > from ? sum + blank_ * static_cast<qreal>(to - from - 1) : 0;
    }
    QString line(qsizetype from, qsizetype to) const {
        return words_.mid(from, to - from).join(QLatin1Char(' '));
    }

private:
    QStringList words_;
    QList<qreal> widths_;
    qreal blank_;
};

// Of all ways to set `words` in two lines, the one whose longer line is
// shortest: under a picture "plan route / A to B" reads better than
// "plan route A to / B". Empty when no way fits `width`.
QStringList balancedTwoLines(const MeasuredWords& words, qreal width) {
    QStringList best;
    qreal bestWidth = width;
    for (qsizetype split = 1; split < words.size(); ++split) {
        const qreal longer = std::max(words.width(0, split), words.width(split, words.size()));
        if (longer <= bestWidth) {
            bestWidth = longer;
            best = {words.line(0, split), words.line(split, words.size())};
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
        const MeasuredWords words(paragraph, metrics);
        QStringList lines;
        qsizetype lineStart = 0;
        for (qsizetype i = 0; i < words.size(); ++i) {
            if (words.width(i) > width) result.tooWide = true;
            if (i > lineStart && words.width(lineStart, i + 1) > width) {
                lines << words.line(lineStart, i);
                lineStart = i;
            }
        }
        lines << words.line(lineStart, words.size());
        if (lines.size() == 2 && paragraphs.size() == 1) {
            const QStringList balanced = balancedTwoLines(words, width);
            if (!balanced.isEmpty()) lines = balanced;
        }
        result.lines << lines;
    }
    // The sums above leave out what shaping does across a blank; the lines
    // chosen are measured as they will be drawn.
    for (const QString& line : std::as_const(result.lines))
        if (metrics.horizontalAdvance(line) > width) result.tooWide = true;
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
    const qreal smallest = largest * kSmallestCaptionShare;
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
            if (!layout.tooWide && layout.lines.size() <= linesThatFit(candidate, box.height(), maxLines))
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

int CaptionLabel::coveredTop() const {
    if (!cover_ || cover_->isHidden() || cover_->parentWidget() != parentWidget()) return 0;
    return std::clamp(cover_->geometry().bottom() + 1 - y(), 0, height());
}

const FittedCaption& CaptionLabel::fitted() {
    const QSize strip = size() - QSize(0, coveredTop());
    if (!valid_ || fittedText_ != text() || fittedSize_ != strip || fittedFont_ != font()) {
        fittedText_ = text();
        fittedSize_ = strip;
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
    qreal top = coveredTop();
    for (const QString& line : caption.lines) {
        const QRect row(0, static_cast<int>(std::round(top)), width(),
                        static_cast<int>(std::ceil(lineHeight)));
        style()->drawItemText(&painter, row, Qt::AlignHCenter | Qt::AlignTop, palette(), isEnabled(), line,
                              foregroundRole());
        top += lineHeight;
    }
}

}  // namespace vostrel::gui
