#pragma once

#include <QFont>
#include <QSize>
#include <QString>
#include <QStringList>

#include "gui/ControlWidgets.h"

namespace vostrel::gui {

// How a caption is set into its strip: the font it takes and its lines.
struct FittedCaption {
    QFont font;
    QStringList lines;
    bool elided = false;  // the text did not fit even in the smallest font
};

// The smallest size a caption shrinks to, as a share of its own size: one
// half point below the captions' 7.5 points at the start size. Smaller type
// is hard to read at a glance; a caption that does not fit at this size is
// cut with an ellipsis instead (its accessible description keeps it whole).
inline constexpr qreal kSmallestCaptionShare = 7.0 / 7.5;

// Sets `text` into a strip of `box` pixels, at most `maxLines` lines and no
// more than the strip's height holds. Lines break at blanks and after hyphens
// ("Hintergrund- beleuchtung"), never inside a word, as long as some font
// size from `font` down to the smallest one, in half points and normal or
// semi-condensed width, lets every word fit; a caption that needs more lines
// in `font` takes the largest size that does. Only a caption that fits in no size is cut, and its last line
// ends in an ellipsis. A line break in `text` ("\n") is kept.
FittedCaption fitCaption(const QString& text, const QFont& font, const QSize& box, int maxLines = 2);

// A caption label of the button field and the preview. The German captions
// were written for a toolkit that squeezed three short lines into the 30-pixel
// strip; here they are shown in two lines, in a slightly smaller font only
// where the label's own font would need three. text() stays the caption as the
// core set it.
class CaptionLabel : public ClickableLabel {
    Q_OBJECT
public:
    using ClickableLabel::ClickableLabel;

    // The layout as painted at the label's current size and font.
    const FittedCaption& fitted();

    // The picture above the caption, whose tile overlaps the caption's top by
    // a few pixels in the layout: the picture is drawn over the caption, so its
    // frame stays whole, and the text starts below it.
    void setCoveredBy(QWidget* picture) { cover_ = picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int coveredTop() const;

    QWidget* cover_ = nullptr;
    FittedCaption fitted_;
    QString fittedText_;
    QSize fittedSize_;
    QFont fittedFont_;
    bool valid_ = false;
};

}  // namespace vostrel::gui
