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

// The smallest size a caption shrinks to (8 pixels at 96 dpi); below it the
// letters of the system fonts run together.
inline constexpr qreal kSmallestCaptionPointSize = 6.0;

// Sets `text` into a strip of `box` pixels, at most `maxLines` lines and no
// more than the strip's height holds. Lines break at blanks and after hyphens
// ("Hintergrund- beleuchtung"), never inside a word, as long as some font
// size from `font` down to the smallest one, in half points and normal or
// semi-condensed width, lets every word fit; a caption that needs more lines
// in `font` takes the largest size that does. Only a caption that fits in no size is cut, and its last line ends in
// an ellipsis. A line break in `text` ("\n") is kept.
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

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    FittedCaption fitted_;
    QString fittedText_;
    QSize fittedSize_;
    QFont fittedFont_;
    bool valid_ = false;
};

}  // namespace vostrel::gui
