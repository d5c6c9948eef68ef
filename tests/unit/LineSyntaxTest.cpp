#include "menu/LineSyntax.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace vostrel::menu {
namespace {

// Builds a block the way menu building does: head, pages with their items, next-page items in
// between, menu end, then resolution of the placeholder.
void appendBlock(std::vector<std::string>& lines, bool settings, int firstPage, std::string_view title,
                 const std::vector<std::vector<std::string>>& pages) {
    lines.push_back(settings ? settingsBlockHead() : mainBlockHead());
    const int count = static_cast<int>(pages.size());
    for (int k = 1; k <= count; ++k) {
        if (k > 1) {
            lines.push_back(nextPageItem(firstPage + k - 1));
        }
        lines.push_back(pageHead(firstPage + k - 1, title, k));
        for (const std::string& command : pages[k - 1]) {
            lines.push_back(commandItem(command));
        }
    }
    lines.push_back(menuEndItem());
    resolvePlaceholder(lines, count);
}

TEST(LineSyntax, BuildersReproduceTheGermanExampleMenu) {
    std::vector<std::string> lines;
    appendBlock(lines, false, 1, "Hauptmenü",
                {{"navigate_to", "plan_via", "show_map", "set_voice", "menu_preferences"},
                 {"traffic_update", "switch_nightview"}});
    appendBlock(lines, true, 3, "Einstellungen", {{"set_volume", "set_brightness"}});

    const std::vector<std::string> expected = {
        "MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|",
        "MENUPAGE|TASK_PAGE1|Hauptmenü 1/2|",
        "MENUITEM|TASK_NAVIGATE_TO|",
        "MENUITEM|TASK_PLAN_VIA|",
        "MENUITEM|TASK_SHOW_MAP|",
        "MENUITEM|TASK_SET_VOICE|",
        "MENUITEM|TASK_MENU_PREFERENCES|",
        "MENUITEM|TASK_PAGE2|",
        "MENUPAGE|TASK_PAGE2|Hauptmenü 2/2|",
        "MENUITEM|TASK_TRAFFIC_UPDATE|",
        "MENUITEM|TASK_SWITCH_NIGHTVIEW|",
        "MENUITEM|TASK_PAGE1|",
        "MENUBLOCK|BLOCK_PREF|BTM_GPS_POSITION|",
        "MENUPAGE|TASK_PAGE3|Einstellungen 1/1|",
        "MENUITEM|TASK_SET_VOLUME|",
        "MENUITEM|TASK_SET_BRIGHTNESS|",
        "MENUITEM|TASK_PAGE1|",
    };
    EXPECT_EQ(lines, expected);
}

TEST(LineSyntax, OpenBlockKeepsPlaceholderAndCommandsAreUpperCasedAsciiOnly) {
    EXPECT_EQ(pageHead(12, "Menu préférences", 2), "MENUPAGE|TASK_PAGE12|Menu préférences 2/§|");
    EXPECT_EQ(commandItem("Block_cursor"), "MENUITEM|TASK_BLOCK_CURSOR|");
    EXPECT_EQ(commandItem("page1"), menuEndItem());
    // Non-ASCII bytes must pass through untouched, not be mangled by a locale-dependent mapping.
    EXPECT_EQ(upperCase("grün_ßé9"), "GRüN_ßé9");
}

TEST(LineSyntax, LeadingNumber) {
    const std::pair<std::string, int> cases[] = {
        {"3|", 3}, {"12", 12}, {"123", 123}, {"  7x", 0}, {"\t4", 0}, {"0", 0},
        {"x1", 0}, {"|3", 0},  {"", 0},      {"-5", 0},   {"1 2", 1}, {"99999999999999", INT_MAX},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(leadingNumber(text), value) << text;
    }
}

TEST(LineSyntax, FixedPositionReaders) {
    struct Case {
        std::string line;
        int page;
        bool isPage;
        bool isPageIgnoringCase;
        bool isPref;
        std::string command;
    };
    const Case cases[] = {
        {"MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|", 0, false, false, false, "K_MAIN|BTM_GPS_POSITION"},
        {"MENUBLOCK|BLOCK_PREF|BTM_GPS_POSITION|", 0, false, false, true, "K_PREF|BTM_GPS_POSITION"},
        {"MENUPAGE|TASK_PAGE3|Einstellungen 1/1|", 3, true, true, false, "PAGE3|Einstellungen 1/1"},
        {"MENUPAGE|TASK_PAGE10|Main-Menu 10/10|", 10, true, true, false, "PAGE10|Main-Menu 10/10"},
        {"MENUPAGE|TASK_PAGE123|T 1/1|", 12, true, true, false, "PAGE123|T 1/1"},
        {"MENUITEM|TASK_PAGE2|", 2, true, true, false, "PAGE2"},
        {"MENUITEM|TASK_PAGE99|", 99, true, true, false, "PAGE99"},
        {"MENUITEM|TASK_PAGE1|", 1, true, true, false, "PAGE1"},
        {"MENUITEM|TASK_page4|", 4, false, true, false, "page4"},
        {"MENUITEM|TASK_NAVIGATE_TO|", 0, false, false, false, "NAVIGATE_TO"},
        {"MENUITEM|TASK_PAGE|", 0, true, true, false, "PAGE"},
        {"MENUITEM|TASK_PAGE5", 5, true, true, false, "PAGE"},  // exactly 19 characters
        {"MENUITEM|TASK_PAG", 0, false, false, false, "PA"},
        {"MENUITEM|TASK_|", 0, false, false, false, ""},
        {"MENU", 0, false, false, false, ""},
        {"", 0, false, false, false, ""},
        // A two-byte character early in the line must not shift the positions read.
        {"MENÜITEM|TASK_PAGE7|", 7, true, true, false, "PAGE7"},
        {"MENÜBLOCK|BLOCK_PREF|", 0, false, false, true, "K_PREF"},
        {"MENUITEM|TASK_Grüß", 0, false, false, false, "Grü"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(pageNumber(c.line), c.page);
        EXPECT_EQ(isPageLine(c.line), c.isPage);
        EXPECT_EQ(isPageLineIgnoreCase(c.line), c.isPageIgnoringCase);
        EXPECT_EQ(isSettingsBlockHead(c.line), c.isPref);
        EXPECT_EQ(itemCommand(c.line), c.command);
    }
}

TEST(LineSyntax, PageTitleStartsAfterTheNumberDigits) {
    const std::pair<std::string, std::string> cases[] = {
        {"MENUPAGE|TASK_PAGE1|Hauptmenü 1/2|", "Hauptmenü 1/2"},
        {"MENUPAGE|TASK_PAGE9|Menu préférences 1/§|", "Menu préférences 1/§"},
        {"MENUPAGE|TASK_PAGE10|Hauptmenü 10/10|", "Hauptmenü 10/10"},
        {"MENUPAGE|TASK_PAGE99|Ü|", "Ü"},
        {"MENUPAGE|TASK_PAGE123|T|", "|T"},  // three digits: read as 12
        {"MENUITEM|TASK_PAGE10|", ""},       // 21 characters, page >= 10
        {"MENUITEM|TASK_PAGE2|", ""},
        {"MENUITEM|TASK_PAGE2|x", ""},  // one character, which is the last
    };
    for (const auto& [line, title] : cases) {
        EXPECT_EQ(pageTitle(line), title) << line;
    }
}

TEST(LineSyntax, ResolvePlaceholderInLine) {
    struct Case {
        std::string line;
        int count;
        std::string expected;
    };
    const Case cases[] = {
        {"MENUPAGE|TASK_PAGE1|Hauptmenü 1/§|", 1, "MENUPAGE|TASK_PAGE1|Hauptmenü 1/1|"},
        {"MENUPAGE|TASK_PAGE10|Main-Menu 10/§|", 10, "MENUPAGE|TASK_PAGE10|Main-Menu 10/10|"},
        {"§§|", 3, "33|"},
        {"a§b§|", 10, "a10b10|"},
        // Positions shift under a two-digit count but the bound is the old length, so a
        // placeholder pushed past it stays.
        {"§§", 10, "10§"},
        {"§x§", 10, "10x§"},
        {"§§§", 100, "100§§"},
        // The bound counts characters: with bytes, the "ü" would allow one more step.
        {"ü§§", 10, "ü10§"},
        {"\xA7 lone byte", 4, "\xA7 lone byte"},
    };
    for (const Case& c : cases) {
        std::string line = c.line;
        EXPECT_EQ(resolvePlaceholderInLine(line, c.count), c.line != c.expected) << c.line;
        EXPECT_EQ(line, c.expected) << c.line;
    }
    std::string plain = "MENUITEM|TASK_SET_VOICE|";
    EXPECT_FALSE(resolvePlaceholderInLine(plain, 7));
    EXPECT_EQ(plain, "MENUITEM|TASK_SET_VOICE|");
}

TEST(LineSyntax, TenPageBlockAndWholeDocumentScan) {
    // A hand-typed line before the block still holding a placeholder is resolved too.
    std::vector<std::string> lines = {"MENUITEM|TASK_TYPED_§|"};
    std::vector<std::vector<std::string>> pages(10, std::vector<std::string>{"show_map"});
    appendBlock(lines, false, 1, "Main-Menu", pages);
    EXPECT_EQ(lines.front(), "MENUITEM|TASK_TYPED_10|");

    int heads = 0;
    for (const std::string& line : lines) {
        EXPECT_EQ(line.find(kPlaceholder), std::string::npos) << line;
        if (line.rfind(kPageHeadPrefix, 0) == 0) {
            ++heads;
            EXPECT_EQ(pageNumber(line), heads);
            EXPECT_EQ(pageTitle(line), "Main-Menu " + std::to_string(heads) + "/10");
        }
    }
    EXPECT_EQ(heads, 10);
    EXPECT_EQ(pageNumber(nextPageItem(10)), 10);
    EXPECT_EQ(itemCommand(nextPageItem(10)), "PAGE10");
}

}  // namespace
}  // namespace vostrel::menu
