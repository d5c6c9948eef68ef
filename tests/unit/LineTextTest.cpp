#include "text/LineText.h"
#include "text/AsciiRun.h"

#include <gtest/gtest.h>

#include <string>

namespace vostrel::text {
namespace {

// Every length up to past two chunks, with one byte above 0x7F at every place
// (the tail is read overlapping the chunk before it) and with none.
TEST(LineText, AllAsciiSeesEveryByte) {
    for (std::size_t length = 0; length <= 17; ++length) {
        const std::string plain(length, 'M');
        EXPECT_TRUE(allAscii(plain)) << length;
        for (std::size_t at = 0; at < length; ++at) {
            std::string marked = plain;
            marked[at] = '\xFC';
            EXPECT_FALSE(allAscii(marked)) << length << " at " << at;
        }
    }
}

TEST(LineText, LengthCountsCharactersNotBytes) {
    struct Case {
        std::string text;
        std::size_t length;
    };
    const Case cases[] = {
        {"", 0},
        {"MENUITEM|TASK_PAGE1|", 20},
        {"Hauptmenü 1/§|", 14},
        {"€", 1},
        {"\xF0\x9F\x98\x80", 1},  // emoji, four bytes
        // Malformed bytes count one each and never swallow a following valid character.
        {"\xFF", 1},
        {"a\xC3", 2},             // truncated two-byte sequence at the end
        {"\xE2\x82", 2},          // truncated "€"
        {"\xC3\xC3\xBC", 2},      // stray lead byte, then "ü"
        {"\xC0\x80", 2},          // overlong form
        {"\xED\xA0\x80", 3},      // encoded surrogate
        {"\xF4\x90\x80\x80", 4},  // above U+10FFFF
        {"\x80\xBF", 2},          // lone continuation bytes
    };
    for (const Case& c : cases) {
        EXPECT_EQ(charLength(c.text), c.length) << c.text;
    }
}

TEST(LineText, MidLeftRightWorkByCharacter) {
    const std::string title = "Menü préférences 1/§|";  // 21 characters
    struct Case {
        std::size_t first;
        std::size_t count;
        std::string expected;
    };
    const Case midCases[] = {
        {4, 1, "ü"},  {4, 3, "ü p"}, {1, 4, "Menü"},
        {0, 2, "Me"},                                 // start 0 behaves like 1
        {20, 1, "§"}, {21, 1, "|"},  {20, 99, "§|"},  // count clamped at the end
        {22, 1, ""},                                  // start past the end
        {500, 3, ""}, {5, 0, ""},    {18, std::string::npos, "1/§|"},
    };
    for (const Case& c : midCases) {
        EXPECT_EQ(charMid(title, c.first, c.count), c.expected) << c.first << "," << c.count;
    }
    EXPECT_EQ(charLeft(title, 4), "Menü");
    EXPECT_EQ(charLeft(title, 100), title);
    EXPECT_EQ(charLeft(title, 0), "");
    EXPECT_EQ(charRight(title, 4), "1/§|");
    EXPECT_EQ(charRight(title, 21), title);
    EXPECT_EQ(charRight(title, 100), title);
    EXPECT_EQ(charRight(title, 0), "");
}

TEST(LineText, MalformedBytesAreSingleCharactersEverywhere) {
    const std::string text = "a\xFF\xC3ü\xE2\x82z";  // a, FF, C3, ü, E2, 82, z
    ASSERT_EQ(charLength(text), 7U);
    EXPECT_EQ(charMid(text, 2, 1), "\xFF");
    EXPECT_EQ(charMid(text, 3, 1), "\xC3");
    EXPECT_EQ(charMid(text, 4, 1), "ü");
    EXPECT_EQ(charMid(text, 5, 2), "\xE2\x82");
    EXPECT_EQ(charRight(text, 1), "z");
    EXPECT_EQ(charRight(text, 4), "ü\xE2\x82z");
    // Pieces always add up to the whole, whatever the split.
    for (std::size_t n = 0; n <= 7; ++n) {
        EXPECT_EQ(charLeft(text, n) + charRight(text, 7 - n), text) << n;
    }
}

}  // namespace
}  // namespace vostrel::text
