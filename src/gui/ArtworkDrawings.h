#pragma once

// The vector drawings: the flags of the interface languages and the program icon, each drawn
// at the size asked for.
#include <QPixmap>

#include "gui/Artwork.h"

namespace vostrel::gui::artwork {

QPixmap flagPixmap(FlagLanguage language, int size);
QPixmap programPixmap(int size);

}  // namespace vostrel::gui::artwork
