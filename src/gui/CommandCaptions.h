// The captions under the command pictures of the button field and the
// preview, and how they name their pictures for a screen reader.
#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>

#include "controls/Control.h"

namespace vostrel::gui {

class CaptionLabel;

// Two lines of this size fill the 30-pixel caption strip of a command; longer
// captions shrink a little (CaptionLabel).
inline constexpr qreal kCaptionPointSize = 7.5;

// A command picture is named by the caption below it. Without a language the
// captions stay empty; then its command (its tooltip) is the best name it has.
// Both models feed the name, so it is set whichever of them changed.
QString spokenName(const controls::Label& caption, const controls::Image& image);

// A caption too long for its strip is cut with an ellipsis on screen; a
// screen reader still hears all of it.
void mirrorCaption(CaptionLabel* label, const controls::Label& caption,
                   const std::function<void()>& nameButton);

}  // namespace vostrel::gui
