#include "files/Windows1252.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace vostrel::files {
namespace {

std::string allBytes() {
    std::string bytes;
    for (int b = 0; b < 256; ++b) {
        bytes.push_back(static_cast<char>(b));
    }
    return bytes;
}

TEST(Windows1252, KnownCharacters) {
    struct Case {
        unsigned char byte;
        std::string utf8;
    };
    const Case cases[] = {
        {0x00, std::string(1, '\0')},
        {0x41, "A"},
        {0x7F, "\x7F"},
        {0x80, "€"},
        {0x8A, "Š"},
        {0x99, "™"},
        {0x9F, "Ÿ"},
        {0xA0, "\xC2\xA0"},
        {0xA7, "§"},
        {0xE9, "é"},
        {0xFC, "ü"},
        {0xFF, "ÿ"},
        // The undefined five decode to the C1 control of the same value.
        {0x81, "\xC2\x81"},
        {0x8D, "\xC2\x8D"},
        {0x8F, "\xC2\x8F"},
        {0x90, "\xC2\x90"},
        {0x9D, "\xC2\x9D"},
    };
    for (const Case& c : cases) {
        const std::string byte(1, static_cast<char>(c.byte));
        EXPECT_EQ(decodeWindows1252(byte), c.utf8) << int{c.byte};
        EXPECT_EQ(encodeWindows1252(c.utf8), byte) << int{c.byte};
    }
}

TEST(Windows1252, EveryByteRoundTrips) {
    std::set<char32_t> seen;
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        const std::string single(1, static_cast<char>(byte));
        EXPECT_EQ(encodeWindows1252(decodeWindows1252(single)), single) << b;
        EXPECT_EQ(codePointToWindows1252(windows1252ToCodePoint(byte)), byte) << b;
        seen.insert(windows1252ToCodePoint(byte));
    }
    EXPECT_EQ(seen.size(), 256U);  // no two bytes share a character

    // A large buffer of every byte in turn exercises the sizing of both directions.
    std::string bytes;
    for (int i = 0; i < 1000; ++i) {
        bytes += allBytes();
    }
    const std::string text = decodeWindows1252(bytes);
    EXPECT_EQ(encodeWindows1252(text), bytes);
    EXPECT_EQ(firstUnencodable(text), kAllEncodable);
}

TEST(Windows1252, UnencodableTextIsRejectedWithItsPosition) {
    const std::pair<std::string, std::size_t> cases[] = {
        {"Ω", 0},
        {"abcΩ", 3},
        {"Hauptmenü 😀 1/§|", 11},
        {"\xC2\x80", 0},      // C1 control whose byte is taken by "€"
        {"x\xC2\x9E", 1},     // same for 0x9E, which holds "ž"
        {"ok\xFF", 2},        // not UTF-8
        {"\xC3", 0},          // truncated sequence
        {"\xC1\xBC", 0},      // overlong form of "|"
        {"\xED\xA0\x80", 0},  // encoded surrogate
    };
    for (const auto& [text, offset] : cases) {
        EXPECT_EQ(firstUnencodable(text), offset) << text;
        EXPECT_FALSE(encodeWindows1252(text).has_value()) << text;
    }
    EXPECT_EQ(firstUnencodable("Menu préférences € ž 1/§|"), kAllEncodable);
    EXPECT_EQ(encodeWindows1252("Hauptmenü 1/§|"), "Hauptmen\xFC 1/\xA7|");
}

TEST(Windows1252, AppendVariantsKeepExistingContent) {
    std::string out = "MENU";
    appendDecodedWindows1252("\xFC\x80|", out);
    EXPECT_EQ(out, "MENUü€|");

    std::string bytes = "head\r\n";
    EXPECT_TRUE(appendEncodedWindows1252("Grüße\r\n", bytes));
    EXPECT_EQ(bytes,
              "head\r\nGr\xFC\xDF"
              "e\r\n");
    EXPECT_FALSE(appendEncodedWindows1252("fine until Ω", bytes));
    EXPECT_EQ(bytes,
              "head\r\nGr\xFC\xDF"
              "e\r\n");  // a failed append leaves no partial line
}

}  // namespace
}  // namespace vostrel::files
