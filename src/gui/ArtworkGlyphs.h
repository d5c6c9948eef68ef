#pragma once

// The glyphs of the bundled icon font that the pictures use, by name.
#include <array>
#include <string_view>

namespace vostrel::gui::artwork {

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
        if (glyph.name == name) return true;
    return false;
}

constexpr char16_t glyphCode(std::string_view name) {
    for (const GlyphCode& glyph : kGlyphs)
        if (glyph.name == name) return glyph.code;
    return 0;
}

}  // namespace vostrel::gui::artwork
