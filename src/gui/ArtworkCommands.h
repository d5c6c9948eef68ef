#pragma once

// What each command button shows, and the ink of each button-field page.
#include <QColor>
#include <array>
#include <string_view>

#include "gui/Artwork.h"
#include "gui/ArtworkGlyphs.h"

namespace vostrel::gui::artwork {

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
        if (!knownGlyph(art.glyph)) return false;
        if (!art.badgeGlyph.empty() && !knownGlyph(art.badgeGlyph)) return false;
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

constexpr int kCommandGlyphPixels = 36;  // the glyph of a command tile

constexpr bool validIndex(int buttonIndex) { return buttonIndex >= 1 && buttonIndex <= kCommandPictureCount; }

}  // namespace vostrel::gui::artwork
