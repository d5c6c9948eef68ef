// The pictures of the window, put together from their rooms: the glyph and command tables
// (ArtworkGlyphs.h, ArtworkCommands.h), the caches (ArtworkStore), the tile painting
// (ArtworkPainting), the flags and the program icon (ArtworkFlags, ArtworkProgramIcon) and the
// icon engine that draws each size when asked (ArtworkIconEngine).
#include "gui/Artwork.h"

#include "catalogue/ButtonPages.h"
#include "gui/ArtworkCommands.h"
#include "gui/ArtworkDrawings.h"
#include "gui/ArtworkIconEngine.h"
#include "gui/ArtworkPainting.h"
#include "gui/ArtworkStore.h"

namespace vostrel::gui {

using namespace artwork;

QString iconFontFamily() { return iconFont(kCommandGlyphPixels).familyName(); }

bool iconFontHasGlyph(char16_t code) {
    const QRawFont font = iconFont(kCommandGlyphPixels);
    return font.isValid() && font.supportsCharacter(QChar{code});
}

QPixmap commandPicture(int buttonIndex, qreal devicePixelRatio) {
    if (!validIndex(buttonIndex)) return {};
    return cachedPicture(buttonIndex, devicePixelRatio, QSize(kCommandPictureWidth, kCommandPictureHeight),
                         [](QPainter& painter, const QRectF& area, int item) {
                             paintCommand(painter, area, kCommandArt[std::size_t(item - 1)],
                                          QColor(kPageInk[std::size_t(buttonPage(item))]));
                         });
}

QPixmap nextPagePicture(qreal devicePixelRatio) {
    return cachedPicture(kNextPageItem, devicePixelRatio, QSize(kControlPictureWidth, kControlPictureHeight),
                         paintControl);
}

QPixmap menuEndPicture(qreal devicePixelRatio) {
    return cachedPicture(kMenuEndItem, devicePixelRatio, QSize(kControlPictureWidth, kControlPictureHeight),
                         paintControl);
}

QIcon flagIcon(FlagLanguage language) {
    if (!prepareStore()) return {};
    Store& s = store();
    const int key = int(language);
    auto found = s.flags.constFind(key);
    if (found != s.flags.constEnd()) return *found;
    const QIcon icon = drawnIcon([language](int pixels) { return flagPixmap(language, pixels); },
                                 {16, 24, 32, 48, 64}, true);
    s.flags.insert(key, icon);
    return icon;
}

QIcon programIcon() {
    if (!prepareStore()) return {};
    Store& s = store();
    if (s.program.isNull()) s.program = drawnIcon(programPixmap, {16, 32, 48, 64, 256});
    return s.program;
}

int buttonPage(int buttonIndex) { return validIndex(buttonIndex) ? catalogue::cellOf(buttonIndex).page : -1; }

QString commandIconName(int buttonIndex) {
    if (!validIndex(buttonIndex)) return {};
    const std::string_view name = kCommandArt[std::size_t(buttonIndex - 1)].glyph;
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

std::string_view commandArtName(int buttonIndex) {
    return validIndex(buttonIndex) ? kCommandArt[std::size_t(buttonIndex - 1)].command : std::string_view{};
}

char16_t commandIconCodepoint(int buttonIndex) {
    return validIndex(buttonIndex) ? glyphCode(kCommandArt[std::size_t(buttonIndex - 1)].glyph) : char16_t{0};
}

}  // namespace vostrel::gui
