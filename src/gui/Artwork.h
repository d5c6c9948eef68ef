#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>
#include <string_view>

#include "controls/Language.h"

namespace vostrel::gui {

// The pictures of the window. The command buttons show a glyph of the Material Icons font, which
// the build copies into our Qt resources (":/fonts/MaterialIcons-Regular.ttf"), so the program
// looks the same whatever fonts the machine has. The flags and the program icon are painted here.
//
// Every picture is drawn once per device-pixel ratio and cached; after the first call the
// functions are cheap. Call them from the GUI thread only, once a QGuiApplication exists (without
// one they return null pictures). The caches are emptied when the application object goes.

using FlagLanguage = controls::Language;

inline constexpr int kCommandPictureCount = 114;
inline constexpr int kCommandPictureWidth = 80;
inline constexpr int kCommandPictureHeight = 50;
inline constexpr int kControlPictureWidth = 80;
inline constexpr int kControlPictureHeight = 30;
inline constexpr int kFlagSize = 32;

// The 80 x 50 tile of command button `buttonIndex` (1..114, the index of imgWXMenu): the glyph
// that fits the command, centred, in the colour of its button-field page on a light background.
// For a devicePixelRatio of 2 the pixmap has 160 x 100 pixels and that ratio set, so it stays
// 80 x 50 on screen and crisp. An index out of range gives a null pixmap.
QPixmap commandPicture(int buttonIndex, qreal devicePixelRatio = 1.0);

// The 80 x 30 pictures of the control buttons "next page" (cmdWXButton(0)) and "menu end"
// (cmdWXButton(4)); they show the glyphs of the commands `page` and `page1`.
QPixmap nextPagePicture(qreal devicePixelRatio = 1.0);
QPixmap menuEndPicture(qreal devicePixelRatio = 1.0);

// The flag of an interface language, designed at 32 x 32; each size is drawn when first asked
// for, so it is crisp at any scaling (16, 24, 32, 48 and 64 px are the sizes it lists).
QIcon flagIcon(FlagLanguage language);

// The program's icon, a navigation device showing a menu grid; it lists 16, 32, 48, 64 and
// 256 px and draws any size when first asked for.
QIcon programIcon();

// The button-field page (0..6) that holds command button `buttonIndex`; -1 for an
// index out of range.
int buttonPage(int buttonIndex);

// The Material Icons name of the glyph of command button `buttonIndex`, e.g. "navigation" for
// navigate_to; empty for an index out of range. For tests and tooltips of a debug build.
QString commandIconName(int buttonIndex);

// The command the picture of button `buttonIndex` was drawn for, as the artwork names it;
// empty for an index out of range. The command table is the authority: a test holds the two
// in step, so that a row moved in one cannot give a button another command's picture.
std::string_view commandArtName(int buttonIndex);

// The codepoint of that glyph in the icon font; 0 for an index out of range.
char16_t commandIconCodepoint(int buttonIndex);

// The family name of the icon font bundled in our resources (read on the first call); empty when
// the resource is missing or cannot be read.
QString iconFontFamily();

// Whether the bundled icon font has a glyph for `code`.
bool iconFontHasGlyph(char16_t code);

}  // namespace vostrel::gui
