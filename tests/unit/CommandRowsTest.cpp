// Data checks for the fixed command table.

#include "catalogue/CommandRowData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using vostrel::catalogue::CommandRowData;
using vostrel::catalogue::kCommandCount;
using vostrel::catalogue::kCommandRows;

// Number of code points of a UTF-8 text; nullopt when the text is not valid UTF-8.
std::optional<std::size_t> utf8Length(std::string_view text) {
    std::size_t count = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t extra = 0;
        if (lead < 0x80) {
            extra = 0;
        } else if ((lead & 0xE0) == 0xC0 && lead >= 0xC2) {
            extra = 1;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2;
        } else if ((lead & 0xF8) == 0xF0 && lead <= 0xF4) {
            extra = 3;
        } else {
            return std::nullopt;
        }
        if (i + extra >= text.size() && extra > 0) {
            return std::nullopt;  // truncated sequence
        }
        for (std::size_t k = 1; k <= extra; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
                return std::nullopt;
            }
        }
        i += extra + 1;
        ++count;
    }
    return count;
}

// True when every code point of a UTF-8 text lies in U+0000..U+00FF, i.e. the text
// can be held in the 8-bit Western European code page of the menu files.
bool isLatin1(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80 && c != 0xC2 && c != 0xC3 && (c & 0xC0) != 0x80) {
            return false;
        }
    }
    return true;
}

struct Column {
    const char* name;
    std::string_view CommandRowData::*member;
};

constexpr Column kGerman{"German", &CommandRowData::german};
constexpr Column kEnglish{"English", &CommandRowData::english};
constexpr Column kFrench{"French", &CommandRowData::french};
constexpr Column kLabelColumns[] = {kGerman, kEnglish, kFrench};

std::string where(int row, const Column& column) {
    return "button " + std::to_string(row + 1) + " (" + std::string(kCommandRows[row].command) + ") " +
           column.name + " label \"" + std::string(kCommandRows[row].*column.member) + "\"";
}

TEST(CommandRowsTest, UtilitiesCountCharactersNotBytes) {
    EXPECT_EQ(utf8Length("Menü-Ende"), 9u);
    EXPECT_EQ(utf8Length("Route löschen ohne Best."), 24u);
    EXPECT_EQ(utf8Length("delete route without val."), 25u);
    EXPECT_EQ(utf8Length("Effacer itinéraire sans validation"), 34u);
    EXPECT_EQ(utf8Length("\xC3"), std::nullopt);
    EXPECT_EQ(utf8Length("a\xFF"), std::nullopt);
    EXPECT_TRUE(isLatin1("Préférence rétro-éclairage 90°"));
    EXPECT_FALSE(isLatin1("Naviguer vers\xE2\x80\xA6"));
}

TEST(CommandRowsTest, CommandsAreUniqueAndWellFormed) {
    ASSERT_EQ(kCommandRows.size(), 114u);
    std::set<std::string_view> seen;
    for (int row = 0; row < kCommandCount; ++row) {
        const std::string_view command = kCommandRows[row].command;
        SCOPED_TRACE("button " + std::to_string(row + 1) + " command \"" + std::string(command) + "\"");
        EXPECT_FALSE(command.empty());
        EXPECT_LE(command.size(), 25u);
        EXPECT_TRUE(seen.insert(command).second) << "duplicate command";
        if (command == "Block_cursor") {
            EXPECT_EQ(row, 100);
            continue;
        }
        const bool wellFormed = std::all_of(command.begin(), command.end(), [](char c) {
            return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
        });
        EXPECT_TRUE(wellFormed) << "command must match [a-z0-9_]+";
    }
    EXPECT_EQ(seen.size(), 114u);
}

TEST(CommandRowsTest, BindingOrderAnchors) {
    // Button indexes the rest of the editor refers to by number.
    const std::vector<std::pair<int, std::string_view>> anchors = {
        {1, "about"},
        {2, "add_favorite"},
        {35, "navigate_to"},
        {36, "page"},
        {37, "page1"},
        {32, "menu_preferences"},
        {83, "tutorial"},
        {84, "menu_recalc_block"},
        {89, "pair_with_phone"},
        {95, "none"},
        {101, "Block_cursor"},
        {113, "rdstmc_select_coutry"},
        {114, "travel_via"},
    };
    for (const auto& [button, command] : anchors) {
        EXPECT_EQ(kCommandRows[button - 1].command, command) << "button " << button;
    }
}

TEST(CommandRowsTest, FirstEightyThreeRowsAreSortedByCommand) {
    for (int row = 1; row < 83; ++row) {
        EXPECT_LT(kCommandRows[row - 1].command, kCommandRows[row].command)
            << "buttons " << row << " and " << row + 1;
    }
    // The appended rows are not sorted: button 84 would otherwise belong before 83.
    EXPECT_LT(kCommandRows[83].command, kCommandRows[82].command);
}

TEST(CommandRowsTest, LabelsAreCleanText) {
    for (int row = 0; row < kCommandCount; ++row) {
        for (const Column& column : kLabelColumns) {
            const std::string_view label = kCommandRows[row].*column.member;
            SCOPED_TRACE(where(row, column));
            ASSERT_FALSE(label.empty());
            EXPECT_NE(label.front(), ' ');
            EXPECT_NE(label.back(), ' ');
            EXPECT_EQ(label.find(','), std::string_view::npos) << "comma";
            EXPECT_EQ(label.find('"'), std::string_view::npos) << "double quote";
            EXPECT_EQ(label.find("  "), std::string_view::npos) << "double blank";
            const bool printable = std::none_of(label.begin(), label.end(), [](char c) {
                return static_cast<unsigned char>(c) < 0x20 || c == 0x7F || c == '|';
            });
            EXPECT_TRUE(printable) << "control character or field separator";
            EXPECT_TRUE(utf8Length(label).has_value()) << "invalid UTF-8";
            EXPECT_TRUE(isLatin1(label)) << "character outside the 8-bit code page";
        }
    }
}

TEST(CommandRowsTest, LabelLengthsFitTheColumns) {
    std::set<std::pair<int, std::string>> fullWidth;
    std::size_t longestFrench = 0;
    for (int row = 0; row < kCommandCount; ++row) {
        for (const Column& column : {kGerman, kEnglish}) {
            SCOPED_TRACE(where(row, column));
            const auto length = utf8Length(kCommandRows[row].*column.member);
            ASSERT_TRUE(length.has_value());
            EXPECT_GE(*length, 1u);
            EXPECT_LE(*length, 25u);
            if (*length == 25u) {
                fullWidth.insert({row + 1, column.name});
            }
        }
        SCOPED_TRACE(where(row, kFrench));
        const auto french = utf8Length(kCommandRows[row].french);
        ASSERT_TRUE(french.has_value());
        // A row has 79 to 109 characters: 75 fixed columns plus the French label.
        EXPECT_GE(*french, 4u);
        EXPECT_LE(*french, 34u);
        longestFrench = std::max(longestFrench, *french);
    }
    EXPECT_EQ(longestFrench, 34u);
    EXPECT_EQ(utf8Length(kCommandRows[7].french), 34u) << "button 8 holds the longest French label";

    // Exactly the labels known to fill their 25 columns do.
    const std::set<std::pair<int, std::string>> expectedFullWidth = {
        {8, "English"}, {18, "German"}, {40, "German"}, {44, "German"},
        {48, "German"}, {58, "German"}, {59, "German"}, {62, "German"},
    };
    EXPECT_EQ(fullWidth, expectedFullWidth);
}

struct TellingRow {
    int button;
    std::string_view command;
    std::string_view german;
    std::string_view english;
    std::string_view french;
};

constexpr TellingRow kTellingRows[] = {
    {8, "delete_route", "Route löschen ohne Best.", "delete route without val.",
     "Effacer itinéraire sans validation"},
    {14, "empty", "Leeres Feld", "empty", "Cellule vide"},
    {16, "help_general", "ZA Zivodidir (Hilfe)", "help general", "Aide générale"},
    {18, "help_mainmenu", "Optionen (keine Funktion)", "options", "Aide Menu principal"},
    {32, "menu_preferences", "Einstellungen ändern", "menu preferences", "Modifier préférences"},
    {35, "navigate_to", "Navigieren zu", "navigate to", "Naviguer vers..."},
    {36, "page", "Nächste Seite", "next page", "Page suivante"},
    {37, "page1", "Menü-Ende", "menu-end", "Fin du menu"},
    {38, "phone", "Nummer anrufen", "call a number", "Appeler un numéro"},
    {40, "reset_settings", "Standard wiederherstellen", "reset settings", "Réinitialiser défaut"},
    {43, "set_backlight", "Hintergrund- beleuchtung", "set backlight", "Préférence rétro-éclairage"},
    {44, "set_brightness", "ZAVI Helligkeit einstell.", "ZAVI set brightness", "ZAVI Préfér. luminosité"},
    {48, "set_cradle", "Docking einstellen (n.v.)", "set cradle", "Préférence de support"},
    {89, "pair_with_phone", "Nummer anrufen", "call a number", "Appeler un numéro"},
    {95, "none", "none", "none", "none"},
    {101, "Block_cursor", "Block_cursor", "Block_cursor", "Block_cursor"},
    {102, "buddies", "Wendax- Buddy", "Wendax- Buddy", "Wendax- Buddy"},
    {113, "rdstmc_select_coutry", "rdstmc select_coutry", "rdstmc select_coutry", "rdstmc select_coutry"},
};

TEST(CommandRowsTest, TellingRowsAreExact) {
    for (const TellingRow& expected : kTellingRows) {
        const CommandRowData& actual = kCommandRows[expected.button - 1];
        SCOPED_TRACE("button " + std::to_string(expected.button));
        EXPECT_EQ(actual.command, expected.command);
        EXPECT_EQ(actual.german, expected.german);
        EXPECT_EQ(actual.english, expected.english);
        EXPECT_EQ(actual.french, expected.french);
    }
}

TEST(CommandRowsTest, GivenGermanLabelsOfSettingsRows) {
    const std::vector<TellingRow> rows = {
        {58, "set_prompt", "Einstellungen Anweisungen", {}, {}},
        {59, "set_status", "Statusleisten Einstellung", {}, {}},
        {62, "set_volume", "Lautstärken Einstellungen", {}, {}},
    };
    for (const TellingRow& expected : rows) {
        SCOPED_TRACE("button " + std::to_string(expected.button));
        EXPECT_EQ(kCommandRows[expected.button - 1].command, expected.command);
        EXPECT_EQ(kCommandRows[expected.button - 1].german, expected.german);
    }
}

TEST(CommandRowsTest, CaptionBreakMarkerIsHyphenBlank) {
    // A "- " marks a two-line break; it must follow a letter and be followed by a letter
    // or digit, never stand alone as " - ".
    for (int row = 0; row < kCommandCount; ++row) {
        for (const Column& column : kLabelColumns) {
            const std::string_view label = kCommandRows[row].*column.member;
            SCOPED_TRACE(where(row, column));
            EXPECT_EQ(label.find(" - "), std::string_view::npos);
            EXPECT_EQ(label.find(" -"), std::string_view::npos);
        }
    }
}

}  // namespace
