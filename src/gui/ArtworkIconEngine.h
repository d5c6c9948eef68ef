#pragma once

#include <QIcon>
#include <QList>
#include <QPixmap>
#include <functional>

namespace vostrel::gui::artwork {

using DrawSize = std::function<QPixmap(int pixels)>;

// An icon that draws each size the first time somebody asks for it. The flags and the program
// icon are vector drawings; drawing all their sizes up front cost a noticeable part of the start-
// up, while most sizes are never shown (and at 200 % the ones shown are not in the list anyway).
// With `fadeWhenDisabled` the disabled look is the picture itself, faded, instead of the
// toolkit's grey: a flag turned grey is no longer a flag.
QIcon drawnIcon(DrawSize draw, QList<int> listedSizes, bool fadeWhenDisabled = false);

}  // namespace vostrel::gui::artwork
