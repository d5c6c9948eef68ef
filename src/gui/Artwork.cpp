#include "gui/Artwork.h"

#include "catalogue/ButtonPages.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QHash>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QResource>
#include <QtGlobal>

#include <array>
#include <cmath>
#include <functional>
#include <string_view>

namespace vostrel::gui {

namespace {

// ---------------------------------------------------------------------------------------------
// Glyphs. We draw by codepoint rather than by ligature name: a ligature that the font does not
// know silently comes out as a row of letters, while a codepoint is checked here at compile time
// against the list below. The codepoints are copied from
// /usr/share/fonts-material-design-icons-iconfont/scss/_variables.scss (package
// fonts-material-design-icons-iconfont 6.7.0); Google keeps them stable across releases.

struct GlyphCode {
    std::string_view name;
    char16_t code;
};

constexpr auto kGlyphs = std::to_array<GlyphCode>({
    {"3d_rotation", 0xe84d},
    {"abc", 0xeb94},
    {"add_location", 0xe567},
    {"alt_route", 0xf184},
    {"arrow_forward", 0xe5c8},
    {"assistant_direction", 0xe988},
    {"autorenew", 0xe863},
    {"back_hand", 0xe764},
    {"block", 0xe14b},
    {"bluetooth", 0xe1a7},
    {"bookmark_add", 0xe598},
    {"bookmark_added", 0xe599},
    {"bookmarks", 0xe98b},
    {"brightness_6", 0xe3ab},
    {"call_to_action", 0xe06c},
    {"campaign", 0xef49},
    {"check_box_outline_blank", 0xe835},
    {"cloud_download", 0xe2c0},
    {"dark_mode", 0xe51c},
    {"dashboard", 0xe871},
    {"delete", 0xe872},
    {"delete_forever", 0xe92b},
    {"description", 0xe873},
    {"dialpad", 0xe0bc},
    {"dock", 0xe30e},
    {"download", 0xf090},
    {"edit", 0xe3c9},
    {"edit_location", 0xe568},
    {"explore", 0xe87a},
    {"extension", 0xe87b},
    {"flag", 0xe153},
    {"format_list_numbered", 0xe242},
    {"gps_fixed", 0xe1b3},
    {"group", 0xe7ef},
    {"headphones", 0xf01f},
    {"help", 0xe887},
    {"home", 0xe88a},
    {"info", 0xe88e},
    {"keyboard", 0xe312},
    {"label", 0xe892},
    {"last_page", 0xe5dd},
    {"layers", 0xe53b},
    {"layers_clear", 0xe53c},
    {"library_music", 0xe030},
    {"light_mode", 0xe518},
    {"lightbulb", 0xe0f0},
    {"location_disabled", 0xe1b6},
    {"location_off", 0xe0c7},
    {"login", 0xea77},
    {"map", 0xe55b},
    {"menu", 0xe5d2},
    {"multiple_stop", 0xf1b9},
    {"my_location", 0xe55c},
    {"navigation", 0xe55d},
    {"nightlight_round", 0xef5e},
    {"not_interested", 0xe033},
    {"palette", 0xe40a},
    {"perm_media", 0xe8a7},
    {"phone", 0xe0cd},
    {"phonelink_ring", 0xe0dd},
    {"photo_library", 0xe413},
    {"pin_drop", 0xe55e},
    {"place", 0xe55f},
    {"play_circle", 0xe1c4},
    {"power_settings_new", 0xe8ac},
    {"public", 0xe80b},
    {"push_pin", 0xf10d},
    {"radio", 0xe03e},
    {"record_voice_over", 0xe91f},
    {"remove_road", 0xebfc},
    {"rotate_90_degrees_cw", 0xeaab},
    {"route", 0xeacd},
    {"schedule", 0xe8b5},
    {"school", 0xe80c},
    {"screen_rotation", 0xe1c1},
    {"settings", 0xe8b8},
    {"settings_backup_restore", 0xe8ba},
    {"skip_next", 0xe044},
    {"speed", 0xe9e4},
    {"straighten", 0xe41c},
    {"switch_account", 0xe9ed},
    {"system_update", 0xe62a},
    {"tips_and_updates", 0xe79a},
    {"toggle_on", 0xe9f6},
    {"toll", 0xe8e0},
    {"traffic", 0xe565},
    {"translate", 0xe8e2},
    {"travel_explore", 0xe2db},
    {"turn_right", 0xebab},
    {"visibility", 0xe8f4},
    {"visibility_off", 0xe8f5},
    {"volume_off", 0xe04f},
    {"volume_up", 0xe050},
    {"warning", 0xe002},
    {"wb_cloudy", 0xe42d},
    {"zoom_in", 0xe8ff},
    {"zoom_out_map", 0xe56b},
});

consteval bool knownGlyph(std::string_view name) {
    for (const GlyphCode& glyph : kGlyphs)
        if (glyph.name == name)
            return true;
    return false;
}

constexpr char16_t glyphCode(std::string_view name) {
    for (const GlyphCode& glyph : kGlyphs)
        if (glyph.name == name)
            return glyph.code;
    return 0;
}

// ---------------------------------------------------------------------------------------------
// What each command button shows: the glyph, and where one glyph serves several commands a small
// badge (a second glyph, or a short text such as the SDK number) that tells them apart. Row k is
// command button k + 1, in the order of the command table.

struct CommandArt {
    std::string_view command;  // must match the command table's row; a test checks it
    std::string_view glyph;
    std::string_view badgeGlyph;
    std::string_view badgeText;
};

constexpr auto kCommandArt = std::to_array<CommandArt>({
    {"about", "info", {}, {}},                                   // 1
    {"add_favorite", "bookmark_add", {}, {}},                    // 2
    {"avoid_route_line", "remove_road", {}, {}},                 // 3
    {"change_home_location", "home", "edit", {}},                // 4
    {"configure_poi", "place", "settings", {}},                  // 5
    {"confirm_delete_route", "delete", "help", {}},              // 6
    {"delete_map", "layers_clear", {}, {}},                      // 7
    {"delete_route", "delete_forever", {}, {}},                  // 8
    {"download_map", "map", "download", {}},                     // 9
    {"download_poi", "place", "download", {}},                   // 10
    {"download_scheme", "palette", "download", {}},              // 11
    {"download_version_number", "system_update", {}, {}},        // 12
    {"download_voice", "record_voice_over", "download", {}},     // 13
    {"empty", "check_box_outline_blank", {}, {}},                // 14
    {"exit_app", "power_settings_new", {}, {}},                  // 15
    {"help_general", "help", {}, {}},                            // 16
    {"help_itinerary", "format_list_numbered", "help", {}},      // 17
    {"help_mainmenu", "menu", "help", {}},                       // 18
    {"help_mapbrowser", "map", "help", {}},                      // 19
    {"help_planning", "route", "help", {}},                      // 20
    {"help_traffic", "traffic", "help", {}},                     // 21
    {"help_zooming", "zoom_in", "help", {}},                     // 22
    {"itinerary", "format_list_numbered", {}, {}},               // 23
    {"lefthanded", "back_hand", {}, {}},                         // 24
    {"maintain_favorites", "bookmarks", {}, {}},                 // 25
    {"maintain_poi", "edit_location", {}, {}},                   // 26
    {"manage_maps", "layers", {}, {}},                           // 27
    {"menu_download", "cloud_download", {}, {}},                 // 28
    {"menu_find_alternatives", "alt_route", {}, {}},             // 29
    {"menu_phone", "dialpad", {}, {}},                           // 30
    {"menu_plan_atob", "route", {}, {}},                         // 31
    {"menu_preferences", "settings", {}, {}},                    // 32
    {"menu_route_instructions", "assistant_direction", {}, {}},  // 33
    {"menu_traffic", "traffic", "menu", {}},                     // 34
    {"navigate_to", "navigation", {}, {}},                       // 35
    {"page", "arrow_forward", {}, {}},                           // 36
    {"page1", "last_page", {}, {}},                              // 37
    {"phone", "phone", {}, {}},                                  // 38
    {"plan_via", "add_location", {}, {}},                        // 39
    {"reset_settings", "settings_backup_restore", {}, {}},       // 40
    {"rotate_display", "screen_rotation", {}, {}},               // 41
    {"service_login", "login", {}, {}},                          // 42
    {"set_backlight", "lightbulb", {}, {}},                      // 43
    {"set_brightness", "brightness_6", {}, {}},                  // 44
    {"set_clock_type", "schedule", "settings", {}},              // 45
    {"set_color_schemes", "palette", {}, {}},                    // 46
    {"set_compass", "explore", {}, {}},                          // 47
    {"set_cradle", "dock", {}, {}},                              // 48
    {"set_day_color_scheme", "light_mode", {}, {}},              // 49
    {"set_dist_units", "straighten", {}, {}},                    // 50
    {"set_hidemap", "visibility_off", {}, {}},                   // 51
    {"set_keyboard_size", "keyboard", "zoom_out_map", {}},       // 52
    {"set_language", "translate", {}, {}},                       // 53
    {"set_map", "map", "settings", {}},                          // 54
    {"set_name_display", "label", {}, {}},                       // 55
    {"set_night_color_scheme", "dark_mode", {}, {}},             // 56
    {"set_plantype", "route", "settings", {}},                   // 57
    {"set_prompt", "campaign", {}, {}},                          // 58
    {"set_status", "call_to_action", {}, {}},                    // 59
    {"set_toll", "toll", {}, {}},                                // 60
    {"set_voice", "record_voice_over", {}, {}},                  // 61
    {"set_volume", "volume_up", {}, {}},                         // 62
    {"show_gps_status", "gps_fixed", {}, {}},                    // 63
    {"show_map", "map", {}, {}},                                 // 64
    {"show_route_demo", "play_circle", {}, {}},                  // 65
    {"show_route_instructions", "turn_right", {}, {}},           // 66
    {"show_status", "dashboard", {}, {}},                        // 67
    {"show_weather", "wb_cloudy", {}, {}},                       // 68
    {"step_route_instructions", "turn_right", "skip_next", {}},  // 69
    {"switch_2d3d", "3d_rotation", {}, {}},                      // 70
    {"switch_asn", "toggle_on", {}, "ASN"},                      // 71
    {"switch_bluetooth", "bluetooth", {}, {}},                   // 72
    {"switch_nightview", "nightlight_round", {}, {}},            // 73
    {"switch_poi", "location_off", {}, {}},                      // 74
    {"switch_sound", "volume_off", {}, {}},                      // 75
    {"switch_tips", "tips_and_updates", {}, {}},                 // 76
    {"traffic_enable", "traffic", "power_settings_new", {}},     // 77
    {"traffic_explain", "traffic", "info", {}},                  // 78
    {"traffic_replan", "traffic", "autorenew", {}},              // 79
    {"traffic_settings", "traffic", "settings", {}},             // 80
    {"traffic_update", "traffic", {}, {}},                       // 81
    {"traffic_view", "traffic", "visibility", {}},               // 82
    {"tutorial", "school", {}, {}},                              // 83
    {"menu_recalc_block", "block", "autorenew", {}},             // 84
    {"sdk1", "extension", {}, "1"},                              // 85
    {"sdk2", "extension", {}, "2"},                              // 86
    {"sdk3", "extension", {}, "3"},                              // 87
    {"sdk4", "extension", {}, "4"},                              // 88
    {"pair_with_phone", "phonelink_ring", {}, {}},               // 89
    {"switch_clock", "schedule", {}, {}},                        // 90
    {"set_safety_speed", "speed", {}, {}},                       // 91
    {"set_keyboard_type", "keyboard", "abc", {}},                // 92
    {"rotate_display_90", "rotate_90_degrees_cw", {}, {}},       // 93
    {"iwarner_info", "warning", {}, {}},                         // 94
    {"none", "not_interested", {}, {}},                          // 95
    {"set_geo", "public", {}, {}},                               // 96
    {"ask_change_owner", "switch_account", {}, {}},              // 97
    {"dial_poi", "place", "phone", {}},                          // 98
    {"sdk5", "extension", {}, "5"},                              // 99
    {"sdk6", "extension", {}, "6"},                              // 100
    {"Block_cursor", "location_disabled", {}, {}},               // 101
    {"buddies", "group", {}, {}},                                // 102
    {"center_on_map", "my_location", {}, {}},                    // 103
    {"cursor_into_poi", "push_pin", {}, {}},                     // 104
    {"do_add_favorite", "bookmark_added", {}, {}},               // 105
    {"doc_browser", "description", {}, {}},                      // 106
    {"image_browser", "photo_library", {}, {}},                  // 107
    {"ipod", "headphones", {}, {}},                              // 108
    {"jukebox", "library_music", {}, {}},                        // 109
    {"multimedia", "perm_media", {}, {}},                        // 110
    {"nearby_poicat", "travel_explore", {}, {}},                 // 111
    {"plan_to_maploc", "pin_drop", {}, {}},                      // 112
    {"rdstmc_select_coutry", "radio", "flag", {}},               // 113
    {"travel_via", "multiple_stop", {}, {}},                     // 114
});
static_assert(kCommandArt.size() == kCommandPictureCount);

consteval bool allGlyphsKnown() {
    for (const CommandArt& art : kCommandArt) {
        if (!knownGlyph(art.glyph))
            return false;
        if (!art.badgeGlyph.empty() && !knownGlyph(art.badgeGlyph))
            return false;
    }
    return knownGlyph("arrow_forward") && knownGlyph("last_page") && knownGlyph("navigation");
}
static_assert(allGlyphsKnown(), "a glyph name of the artwork is missing from kGlyphs");

// Two buttons with the same picture could not be told apart in the field.
consteval bool allPicturesDistinct() {
    for (std::size_t a = 0; a < kCommandArt.size(); ++a)
        for (std::size_t b = a + 1; b < kCommandArt.size(); ++b)
            if (kCommandArt[a].glyph == kCommandArt[b].glyph &&
                kCommandArt[a].badgeGlyph == kCommandArt[b].badgeGlyph &&
                kCommandArt[a].badgeText == kCommandArt[b].badgeText)
                return false;
    return true;
}
static_assert(allPicturesDistinct(), "two commands would get the same picture");

// One ink per page, so that a button's colour tells where it lives: driving blue, settings
// teal, further settings and downloads purple, route display and SDK orange, help and traffic
// red, commands under test green, DOD6 brown. All dark enough to read on their light tile.
constexpr std::array<QRgb, 7> kPageInk = {
    0xff1565c0, 0xff00796b, 0xff6a1b9a, 0xffd84315, 0xffc62828, 0xff2e7d32, 0xff5d4037,
};
constexpr int kControlPage = 2;  // `page` and `page1` sit on page 3

constexpr const char* kIconFontResource = ":/fonts/MaterialIcons-Regular.ttf";
constexpr int kCommandGlyphPixels = 36;  // the glyph of a command tile

constexpr bool validIndex(int buttonIndex) {
    return buttonIndex >= 1 && buttonIndex <= kCommandPictureCount;
}

// ---------------------------------------------------------------------------------------------
// The caches. They hold pixmaps and icons, which must not outlive the application object, so a
// post routine empties them when it goes; a later application object starts afresh.

struct Store {
    bool fontTried = false;
    QByteArray fontData;               // the bundled icon font, empty when it cannot be read
    QHash<int, QRawFont> fontsByPixelSize;
    QHash<quint64, QPixmap> pictures;
    QHash<int, QIcon> flags;
    QIcon program;
    bool cleanupHooked = false;
};

Store& store() {
    static Store theStore;
    return theStore;
}

void releaseStore() {
    Store& s = store();
    s.pictures.clear();
    s.flags.clear();
    s.program = QIcon();
    s.fontTried = false;
    s.fontData.clear();
    s.fontsByPixelSize.clear();
    s.cleanupHooked = false;
}

// Returns false when there is no GUI application to paint for.
bool prepareStore() {
    if (qGuiApp == nullptr) {
        qWarning("vostrel::gui artwork: no QGuiApplication, no pictures");
        return false;
    }
    Store& s = store();
    if (!s.cleanupHooked) {
        qAddPostRoutine(releaseStore);
        s.cleanupHooked = true;
    }
    return true;
}

qreal sanitisedRatio(qreal devicePixelRatio) {
    if (!std::isfinite(devicePixelRatio) || devicePixelRatio <= 0.0)
        return 1.0;
    return qBound(0.25, devicePixelRatio, 16.0);
}

quint64 cacheKey(int item, qreal devicePixelRatio) {
    return (quint64(quint32(item)) << 32) | quint32(qRound(devicePixelRatio * 1000.0));
}

// ---------------------------------------------------------------------------------------------
// Painting helpers.

QColor blend(QColor ink, QColor paper, qreal inkShare) {
    const qreal paperShare = 1.0 - inkShare;
    return QColor::fromRgbF(float(ink.redF() * inkShare + paper.redF() * paperShare),
                            float(ink.greenF() * inkShare + paper.greenF() * paperShare),
                            float(ink.blueF() * inkShare + paper.blueF() * paperShare));
}

// The bundled icon font's bytes. The resource is stored uncompressed, so they are read where the
// program image holds them: no copy on the heap and nothing to unpack at start-up.
QByteArray bundledIconFontData() {
    const QResource resource(QString::fromLatin1(kIconFontResource));
    if (!resource.isValid())
        return {};
    if (resource.compressionAlgorithm() == QResource::NoCompression)
        return QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()), qsizetype(resource.size()));
    return resource.uncompressedData();
}

// The bundled icon font at a pixel size, straight from its bytes. Asking the font database for
// the family instead would let it pick an installed copy of the same name: another version, and
// where that copy is the WOFF2 file, one that has to be unpacked for every size drawn.
QRawFont iconFont(qreal pixelSize) {
    if (!prepareStore())
        return {};
    Store& s = store();
    if (!s.fontTried) {
        s.fontTried = true;
        s.fontData = bundledIconFontData();
        if (s.fontData.isEmpty())
            qWarning("vostrel::gui artwork: cannot read %s", kIconFontResource);
    }
    if (s.fontData.isEmpty())
        return {};
    const int pixels = qMax(1, qRound(pixelSize));
    auto found = s.fontsByPixelSize.constFind(pixels);
    if (found == s.fontsByPixelSize.constEnd()) {
        // Further sizes are made from the first: they share its parsed face and its rendering
        // settings, where a font made from the bytes again would set all of that up anew.
        QRawFont font;
        if (!s.fontsByPixelSize.isEmpty()) {
            font = *s.fontsByPixelSize.constBegin();
            font.setPixelSize(pixels);
        } else {
            font = QRawFont(s.fontData, pixels, QFont::PreferNoHinting);
        }
        found = s.fontsByPixelSize.insert(pixels, font);
    }
    return *found;
}

// Draws one glyph with its em box centred on `centre`; the icons are designed centred in it.
void drawGlyph(QPainter& painter, char16_t code, QPointF centre, qreal pixelSize, QColor ink) {
    const QRawFont font = iconFont(pixelSize);
    // A glyph the font lacks shows as a gap, never as some other font's character.
    const QList<quint32> glyphs = font.isValid() ? font.glyphIndexesForString(QString(QChar{code})) : QList<quint32>{};
    if (glyphs.isEmpty() || glyphs.first() == 0)
        return;
    const qreal width = font.advancesForGlyphIndexes(glyphs).value(0).x();
    const qreal baseline = centre.y() + (font.ascent() - font.descent()) / 2.0;
    QGlyphRun run;
    run.setRawFont(font);
    run.setGlyphIndexes(glyphs);
    run.setPositions({QPointF(0, 0)});
    painter.setPen(ink);
    painter.drawGlyphRun(QPointF(centre.x() - width / 2.0, baseline), run);
}

// Renders `paint` onto a transparent picture of `size` logical pixels at `devicePixelRatio`.
template <typename Paint>
QPixmap renderPicture(QSize size, qreal devicePixelRatio, Paint paint) {
    QImage image(qRound(size.width() * devicePixelRatio), qRound(size.height() * devicePixelRatio),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                               QPainter::SmoothPixmapTransform);
        paint(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    // Handed over, not copied: the picture's pixels exist once.
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

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

void paintCommand(QPainter& painter, const QRectF& area, const CommandArt& art, QColor ink) {
    paintTile(painter, area, ink);
    const QPointF centre = area.center();
    drawGlyph(painter, glyphCode(art.glyph), centre, kCommandGlyphPixels, ink);
    if (!art.badgeGlyph.empty() || !art.badgeText.empty())
        paintBadge(painter, centre + QPointF(art.badgeText.size() > 1 ? 20.0 : 17.0, 12.0), art,
                   ink);
}

QPixmap cachedPicture(int item, qreal devicePixelRatio, QSize size,
                      void (*paint)(QPainter&, const QRectF&, int)) {
    if (!prepareStore())
        return {};
    const qreal ratio = sanitisedRatio(devicePixelRatio);
    Store& s = store();
    const quint64 key = cacheKey(item, ratio);
    auto found = s.pictures.constFind(key);
    if (found != s.pictures.constEnd())
        return *found;
    const QPixmap pixmap = renderPicture(
        size, ratio, [&](QPainter& painter, const QRectF& area) { paint(painter, area, item); });
    s.pictures.insert(key, pixmap);
    return pixmap;
}

// Items of the picture cache besides the command buttons 1..114.
constexpr int kNextPageItem = 1001;
constexpr int kMenuEndItem = 1002;

void paintControl(QPainter& painter, const QRectF& area, int item) {
    const QColor ink(kPageInk[kControlPage]);
    paintTile(painter, area, ink);
    const char16_t code =
        item == kNextPageItem ? glyphCode("arrow_forward") : glyphCode("last_page");
    drawGlyph(painter, code, area.center(), 24.0, ink);
}

// ---------------------------------------------------------------------------------------------
// Flags, drawn on a 32 x 32 design grid and scaled to the size asked for. All three share the
// 3:2 box so that they line up in a menu.

constexpr QRectF kFlagBox(1.0, 6.0, 30.0, 20.0);

void paintGermanFlag(QPainter& painter, const QRectF& box) {
    const qreal stripe = box.height() / 3.0;
    painter.fillRect(QRectF(box.left(), box.top(), box.width(), stripe), QColor(0x00, 0x00, 0x00));
    painter.fillRect(QRectF(box.left(), box.top() + stripe, box.width(), stripe),
                     QColor(0xdd, 0x00, 0x00));
    painter.fillRect(QRectF(box.left(), box.top() + 2 * stripe, box.width(), stripe),
                     QColor(0xff, 0xce, 0x00));
}

void paintFrenchFlag(QPainter& painter, const QRectF& box) {
    const qreal stripe = box.width() / 3.0;
    painter.fillRect(QRectF(box.left(), box.top(), stripe, box.height()), QColor(0x00, 0x55, 0xa4));
    painter.fillRect(QRectF(box.left() + stripe, box.top(), stripe, box.height()), Qt::white);
    painter.fillRect(QRectF(box.left() + 2 * stripe, box.top(), stripe, box.height()),
                     QColor(0xef, 0x41, 0x35));
}

// The Union Jack with the proportions of the real one (white saltire 1/5 of the height, St
// George's cross 1/5 on a white cross of 1/3), but with the red saltire centred rather than
// counterchanged: at icon sizes nobody sees the offset.
void paintUnionFlag(QPainter& painter, const QRectF& box) {
    const QColor blue(0x01, 0x21, 0x69);
    const QColor red(0xc8, 0x10, 0x2e);
    const qreal h = box.height();
    painter.save();
    painter.setClipRect(box);
    painter.fillRect(box, blue);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, h / 5.0, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(box.topLeft(), box.bottomRight());
    painter.drawLine(box.bottomLeft(), box.topRight());
    painter.setPen(QPen(red, h / 15.0, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(box.topLeft(), box.bottomRight());
    painter.drawLine(box.bottomLeft(), box.topRight());
    const QPointF c = box.center();
    painter.fillRect(QRectF(c.x() - h / 6.0, box.top(), h / 3.0, h), Qt::white);
    painter.fillRect(QRectF(box.left(), c.y() - h / 6.0, box.width(), h / 3.0), Qt::white);
    painter.fillRect(QRectF(c.x() - h / 10.0, box.top(), h / 5.0, h), red);
    painter.fillRect(QRectF(box.left(), c.y() - h / 10.0, box.width(), h / 5.0), red);
    painter.restore();
}

QPixmap flagPixmap(FlagLanguage language, int size) {
    return renderPicture(QSize(size, size), 1.0, [&](QPainter& painter, const QRectF&) {
        painter.scale(size / 32.0, size / 32.0);
        switch (language) {
            case FlagLanguage::German:
                paintGermanFlag(painter, kFlagBox);
                break;
            case FlagLanguage::English:
                paintUnionFlag(painter, kFlagBox);
                break;
            case FlagLanguage::French:
                paintFrenchFlag(painter, kFlagBox);
                break;
        }
        // A hairline frame keeps the white parts apart from a white menu.
        painter.setPen(QPen(QColor(0, 0, 0, 90), 0.8));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(kFlagBox.adjusted(0.4, 0.4, -0.4, -0.4));
    });
}

// ---------------------------------------------------------------------------------------------
// Program icon: a navigation device seen from the front, its screen showing the button field
// as a grid of tiles in the page inks, the first with the navigation arrow. Drawn on a 64 x 64
// design grid.

QPixmap programPixmap(int size) {
    return renderPicture(QSize(size, size), 1.0, [&](QPainter& painter, const QRectF&) {
        painter.scale(size / 64.0, size / 64.0);
        // The device.
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0x26, 0x32, 0x38));
        painter.drawRoundedRect(QRectF(2, 9, 60, 46), 8, 8);
        // Its mount foot, so it reads as a car navigation device.
        painter.drawRoundedRect(QRectF(26, 52, 12, 8), 2, 2);
        // The screen.
        const QRectF screen(7, 14, 50, 36);
        painter.setBrush(QColor(0xec, 0xef, 0xf1));
        painter.drawRoundedRect(screen, 3, 3);
        // The button field on it: 3 columns by 2 rows.
        const qreal gap = size >= 32 ? 3.0 : 4.0;
        const qreal tileW = (screen.width() - 4 * gap) / 3.0;
        const qreal tileH = (screen.height() - 3 * gap) / 2.0;
        for (int row = 0; row < 2; ++row) {
            for (int column = 0; column < 3; ++column) {
                const QRectF tile(screen.left() + gap + column * (tileW + gap),
                                  screen.top() + gap + row * (tileH + gap), tileW, tileH);
                painter.setBrush(QColor(kPageInk[std::size_t(row * 3 + column)]));
                painter.drawRoundedRect(tile, 2, 2);
            }
        }
        if (size >= 32) {
            const QRectF first(screen.left() + gap, screen.top() + gap, tileW, tileH);
            drawGlyph(painter, glyphCode("navigation"), first.center(), tileH * 0.95, Qt::white);
        }
    });
}


// ---------------------------------------------------------------------------------------------
// An icon that draws each size the first time somebody asks for it. The flags and the program
// icon are vector drawings; drawing all their sizes up front cost a noticeable part of the start-
// up, while most sizes are never shown (and at 200 % the ones shown are not in the list anyway).

class DrawnIconEngine : public QIconEngine {
public:
    using Draw = std::function<QPixmap(int pixels)>;

    // With `fadeWhenDisabled` the disabled look is the picture itself, faded, instead of the
    // toolkit's grey: a flag turned grey is no longer a flag.
    DrawnIconEngine(Draw draw, QList<int> listedSizes, bool fadeWhenDisabled = false)
        : draw_(std::move(draw)), listed_(std::move(listedSizes)), fadeWhenDisabled_(fadeWhenDisabled) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        const int pixels = std::max(size.width(), size.height());
        if (pixels <= 0)
            return {};
        if (!drawnSizes_.contains(pixels)) {
            drawn_.addPixmap(draw_(pixels));
            drawnSizes_.append(pixels);
        }
        if (mode == QIcon::Disabled && fadeWhenDisabled_) return faded(drawn_.pixmap(QSize(pixels, pixels)));
        // The pixmap engine behind `drawn_` derives the disabled and selected looks.
        return drawn_.pixmap(QSize(pixels, pixels), mode, state);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        const int side = std::min(rect.width(), rect.height());
        const QPixmap picture = pixmap(QSize(side, side) * ratio, mode, state);
        const QRect target(rect.x() + (rect.width() - side) / 2, rect.y() + (rect.height() - side) / 2, side, side);
        painter->drawPixmap(target, picture);
    }

    // A drawing has every size; the listed ones are what it offers to a window manager.
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::min(size.width(), size.height());
        return {side, side};
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (int pixels : listed_)
            sizes.append(QSize(pixels, pixels));
        return sizes;
    }

    QIconEngine* clone() const override { return new DrawnIconEngine(*this); }
    QString key() const override { return QStringLiteral("vostrel.drawn"); }

private:
    static QPixmap faded(const QPixmap& picture) {
        QPixmap result(picture.size());
        result.setDevicePixelRatio(picture.devicePixelRatio());
        result.fill(Qt::transparent);
        QPainter painter(&result);
        painter.setOpacity(0.6);
        painter.drawPixmap(0, 0, picture);
        return result;
    }

    Draw draw_;
    QList<int> listed_;
    bool fadeWhenDisabled_ = false;
    QIcon drawn_;
    QList<int> drawnSizes_;
};

QIcon drawnIcon(DrawnIconEngine::Draw draw, QList<int> listedSizes, bool fadeWhenDisabled = false) {
    return QIcon(new DrawnIconEngine(std::move(draw), std::move(listedSizes), fadeWhenDisabled));
}
}  // namespace

// -------------------------------------------------------------------------------------------------

QString iconFontFamily() {
    return iconFont(kCommandGlyphPixels).familyName();
}

bool iconFontHasGlyph(char16_t code) {
    const QRawFont font = iconFont(kCommandGlyphPixels);
    return font.isValid() && font.supportsCharacter(QChar{code});
}

QPixmap commandPicture(int buttonIndex, qreal devicePixelRatio) {
    if (!validIndex(buttonIndex))
        return {};
    return cachedPicture(buttonIndex, devicePixelRatio,
                         QSize(kCommandPictureWidth, kCommandPictureHeight),
                         [](QPainter& painter, const QRectF& area, int item) {
                             paintCommand(painter, area, kCommandArt[std::size_t(item - 1)],
                                          QColor(kPageInk[std::size_t(buttonPage(item))]));
                         });
}

QPixmap nextPagePicture(qreal devicePixelRatio) {
    return cachedPicture(kNextPageItem, devicePixelRatio,
                         QSize(kControlPictureWidth, kControlPictureHeight), paintControl);
}

QPixmap menuEndPicture(qreal devicePixelRatio) {
    return cachedPicture(kMenuEndItem, devicePixelRatio,
                         QSize(kControlPictureWidth, kControlPictureHeight), paintControl);
}

QIcon flagIcon(FlagLanguage language) {
    if (!prepareStore())
        return {};
    Store& s = store();
    const int key = int(language);
    auto found = s.flags.constFind(key);
    if (found != s.flags.constEnd())
        return *found;
    const QIcon icon = drawnIcon([language](int pixels) { return flagPixmap(language, pixels); }, {16, 24, 32, 48, 64}, true);
    s.flags.insert(key, icon);
    return icon;
}

QIcon programIcon() {
    if (!prepareStore())
        return {};
    Store& s = store();
    if (s.program.isNull())
        s.program = drawnIcon(programPixmap, {16, 32, 48, 64, 256});
    return s.program;
}

int buttonPage(int buttonIndex) {
    return validIndex(buttonIndex) ? catalogue::cellOf(buttonIndex).page : -1;
}

QString commandIconName(int buttonIndex) {
    if (!validIndex(buttonIndex))
        return {};
    const std::string_view name = kCommandArt[std::size_t(buttonIndex - 1)].glyph;
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

std::string_view commandArtName(int buttonIndex) {
    return validIndex(buttonIndex) ? kCommandArt[std::size_t(buttonIndex - 1)].command : std::string_view{};
}

char16_t commandIconCodepoint(int buttonIndex) {
    return validIndex(buttonIndex) ? glyphCode(kCommandArt[std::size_t(buttonIndex - 1)].glyph)
                                   : char16_t{0};
}

}  // namespace vostrel::gui
