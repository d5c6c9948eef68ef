#include "help/HelpTexts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <stdexcept>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace vostrel::help {
namespace {

constexpr HelpLanguage kLanguages[] = {HelpLanguage::German, HelpLanguage::English, HelpLanguage::French};

std::vector<std::string> splitCrLf(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find("\r\n", start);
        lines.emplace_back(text.substr(start, end - start));
        if (end == std::string_view::npos) {
            return lines;
        }
        start = end + 2;
    }
}

// Code points of UTF-8 text. A byte that cannot start or continue a sequence (say a Latin-1
// "\xE9" escape slipped into a literal) comes out as a control character, which the
// Windows-1252 check below rejects.
std::u32string codePoints(std::string_view text) {
    std::u32string out;
    for (const char ch : text) {
        const auto b = static_cast<unsigned char>(ch);
        if ((b & 0xC0) == 0x80 && !out.empty()) {
            out.back() = (out.back() << 6) | (b & 0x3F);
        } else {
            out.push_back(b < 0x80 ? b : b < 0xE0 ? b & 0x1F : b < 0xF0 ? b & 0x0F : b & 0x07);
        }
    }
    return out;
}

// Printable characters of Windows-1252 (controls are judged separately).
bool printableInWindows1252(char32_t c) {
    constexpr char32_t kUpperHalfExtras[] = {0x20AC, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                             0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x017D, 0x2018,
                                             0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC,
                                             0x2122, 0x0161, 0x203A, 0x0153, 0x017E, 0x0178};
    if ((c >= 0x20 && c < 0x7F) || (c >= 0xA0 && c <= 0xFF)) {
        return true;
    }
    return std::find(std::begin(kUpperHalfExtras), std::end(kUpperHalfExtras), c) !=
           std::end(kUpperHalfExtras);
}

// The one place the manual's lines are reached by number, counted from 1 as a reader would.
std::string manualLine(HelpLanguage language, int number) {
    return splitCrLf(manualText(language)).at(static_cast<std::size_t>(number - 1));
}

TEST(HelpTexts, JoinPutsCrLfOnlyBetweenLines) {
    struct Case {
        std::vector<std::string_view> lines;
        std::string joined;
    };
    const Case cases[] = {
        {{}, ""}, {{"a"}, "a"}, {{"a", "b"}, "a\r\nb"}, {{"a", ""}, "a\r\n"}, {{"", "", "c"}, "\r\n\r\nc"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(joinLinesCrLf(c.lines), c.joined);
    }
}

TEST(HelpTexts, ManualShapeAndFixedLinesPerLanguage) {
    struct Case {
        HelpLanguage language;
        std::string_view caption;
        std::string_view line2;
        std::string_view line3;
    };
    const Case cases[] = {
        {HelpLanguage::German, "RU6 Vostrel-Anleitung", "Ablauf:", "Datei Wendax.mnu erstellen:"},
        {HelpLanguage::English, "RU6 Vostrel-Manual", "Handling:", "Create the File Wendax.mnu:"},
        {HelpLanguage::French, "WX5 Vostrel-Instruction", "Mise en Oeuvre:", "Créer un menu Wendax.mnu:"},
    };
    const std::regex dated(R"(\d\d\.\d\d\.\d{4})");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.caption));
        const std::string text = manualText(c.language);
        EXPECT_EQ(manualCaption(c.language), c.caption);
        EXPECT_FALSE(text.ends_with("\r\n"));

        const std::vector<std::string> lines = splitCrLf(text);
        ASSERT_EQ(lines.size(), 13U);
        EXPECT_EQ(lines[1], c.line2);
        EXPECT_EQ(lines[2], c.line3);
        EXPECT_TRUE(lines[11].empty());

        EXPECT_NE(lines[0].find("Vostrel"), std::string::npos) << lines[0];
        EXPECT_TRUE(std::regex_search(lines[0], dated)) << lines[0];

        // The instruction lines must read as sentences: capital start, full stop at the end.
        for (int number : {4, 5, 6, 7, 8, 9, 10, 11, 13}) {
            const std::string& line = lines[static_cast<std::size_t>(number - 1)];
            ASSERT_FALSE(line.empty()) << "line " << number;
            EXPECT_FALSE(line.front() >= 'a' && line.front() <= 'z') << line;
            EXPECT_EQ(line.back(), '.') << line;
        }
    }
}

TEST(HelpTexts, ManualNamesTheControlsTheUserMustFind) {
    struct Case {
        HelpLanguage language;
        int line;
        std::string_view needle;
    };
    const Case cases[] = {
        {HelpLanguage::German, 4, "'Einstellungen ändern'"},
        {HelpLanguage::German, 4, "menu_preferences"},
        {HelpLanguage::German, 5, "5"},
        {HelpLanguage::German, 6, "'Ja'"},
        {HelpLanguage::German, 7, "'Einstellungen'"},
        {HelpLanguage::German, 11, "'SDK-Error'"},
        {HelpLanguage::German, 11, "Leerzeile"},
        {HelpLanguage::German, 13, "Ordner des PCs"},
        {HelpLanguage::English, 4, "'menu preferences'"},
        {HelpLanguage::English, 4, "menu_preferences"},
        {HelpLanguage::English, 5, "5"},
        {HelpLanguage::English, 6, "'Yes'"},
        {HelpLanguage::English, 7, "'Settings'"},
        {HelpLanguage::English, 11, "'SDK-Error'"},
        {HelpLanguage::English, 11, "empty line"},
        {HelpLanguage::English, 13, "folder of the PC"},
        {HelpLanguage::French, 1, "traduction"},
        {HelpLanguage::French, 4, "'Modifier Préférences'"},
        {HelpLanguage::French, 4, "menu_preferences"},
        {HelpLanguage::French, 5, "5"},
        {HelpLanguage::French, 6, "dernière page"},
        {HelpLanguage::French, 7, "'Menu Préférences'"},
        {HelpLanguage::French, 9, "'Edition ligne'"},
        {HelpLanguage::French, 10, "'Fichier / Enregistrer'"},
        {HelpLanguage::French, 11, "'SDK-Error'"},
        {HelpLanguage::French, 11, "ligne vide"},
        {HelpLanguage::French, 13, "dossier du PC"},
    };
    for (const Case& c : cases) {
        const std::string line = manualLine(c.language, c.line);
        EXPECT_NE(line.find(c.needle), std::string::npos)
            << "line " << c.line << " lacks \"" << c.needle << "\": " << line;
    }
}

// A line pasted into the wrong language column is the typical slip in a three-column text.
TEST(HelpTexts, ManualLinesAreTranslatedNotCopied) {
    for (int number : {1, 4, 5, 6, 7, 8, 9, 10, 11, 13}) {
        const std::string german = manualLine(HelpLanguage::German, number);
        const std::string english = manualLine(HelpLanguage::English, number);
        const std::string french = manualLine(HelpLanguage::French, number);
        EXPECT_NE(german, english) << "line " << number;
        EXPECT_NE(german, french) << "line " << number;
        EXPECT_NE(english, french) << "line " << number;
    }
}

TEST(HelpTexts, UnknownLanguageIsRejected) {
    const auto bogus = static_cast<HelpLanguage>(7);
    EXPECT_THROW(std::ignore = manualText(bogus), std::invalid_argument);
    EXPECT_THROW(std::ignore = manualCaption(bogus), std::invalid_argument);
    EXPECT_THROW(std::ignore = purposeSentence(bogus), std::invalid_argument);
    EXPECT_THROW(std::ignore = termsOfUse(bogus), std::invalid_argument);
}

TEST(HelpTexts, HistoryListsEveryVersionNewestFirst) {
    struct Version {
        std::string_view number;
        std::string_view date;
    };
    const Version expected[] = {
        {"2.23.1", "31.08.2005"}, {"2.23", "30.08.2005"}, {"2.22", "05.08.2005"}, {"2.21", "24.07.2005"},
        {"2.10", "07.07.2005"},   {"2.00", "06.07.2005"}, {"1.20", "02.07.2005"}, {"1.10", "01.07.2005"},
        {"1.01", "28.06.2005"},   {"1.00", "27.06.2005"}, {"0.26", "23.06.2005"}, {"0.25", "22.06.2005"},
        {"0.24", "21.06.2005"},   {"0.22", "20.06.2005"}, {"0.20", "20.06.2005"},
    };

    const std::string text = historyText();
    EXPECT_FALSE(text.ends_with("\r\n"));
    const std::vector<std::string> lines = splitCrLf(text);
    ASSERT_GE(lines.size(), 3U);
    EXPECT_EQ(lines[0], "WX5 Vostrel Historie:");
    EXPECT_EQ(lines[1], "");

    // Entries are the runs of non-empty lines after the heading, one empty line apart.
    std::vector<std::vector<std::string>> entries(1);
    for (std::size_t i = 2; i < lines.size(); ++i) {
        if (!lines[i].empty()) {
            entries.back().push_back(lines[i]);
            continue;
        }
        ASSERT_FALSE(entries.back().empty()) << "two empty lines in a row at line " << i + 1;
        entries.emplace_back();
    }
    ASSERT_FALSE(entries.back().empty()) << "history ends with an empty line";
    ASSERT_EQ(entries.size(), std::size(expected));

    const std::regex head(R"(V \d+\.\d+(\.\d+)? \d\d\.\d\d\.\d{4}:)");
    for (std::size_t e = 0; e < entries.size(); ++e) {
        const std::vector<std::string>& entry = entries[e];
        const std::string wantHead =
            "V " + std::string(expected[e].number) + " " + std::string(expected[e].date) + ":";
        EXPECT_EQ(entry[0], wantHead);
        EXPECT_TRUE(std::regex_match(entry[0], head)) << entry[0];

        const std::size_t notes = entry.size() - 1;
        EXPECT_GE(notes, 1U) << wantHead;
        EXPECT_LE(notes, 7U) << wantHead;
        for (std::size_t n = 1; n < entry.size(); ++n) {
            EXPECT_FALSE(std::regex_match(entry[n], head)) << "note looks like a head line";
        }
    }
    EXPECT_EQ(entries.back(), (std::vector<std::string>{"V 0.20 20.06.2005:", "1. Ausgabe"}));
}

TEST(HelpTexts, HistoryAccessCodeIsFiveLowerCaseLetters) {
    ASSERT_EQ(kHistoryAccessCode.size(), 5U);
    for (char c : kHistoryAccessCode) {
        EXPECT_TRUE(c >= 'a' && c <= 'z') << kHistoryAccessCode;
    }
}

TEST(HelpTexts, InfoWindowTextsPerLanguage) {
    struct Case {
        HelpLanguage language;
        std::string_view purpose;
    };
    const Case cases[] = {
        {HelpLanguage::German,
         "Zum Erstellen einer eigenen Menü-Folge für das Navi-Programm RU6 auf dem PC."},
        {HelpLanguage::English, "This is a program to build own menus for the Navi-program RU6 on PC."},
        {HelpLanguage::French, "Ce programme permet de créer des menus personnalisés pour RU6 sur PC."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(purposeSentence(c.language), c.purpose);

        const std::string terms = termsOfUse(c.language);
        EXPECT_FALSE(terms.ends_with("\r\n"));
        const std::vector<std::string> sentences = splitCrLf(terms);
        EXPECT_GE(sentences.size(), 2U) << terms;
        for (const std::string& sentence : sentences) {
            ASSERT_FALSE(sentence.empty()) << terms;
            EXPECT_EQ(sentence.back(), '.') << sentence;
        }
    }
    EXPECT_NE(termsOfUse(HelpLanguage::German), termsOfUse(HelpLanguage::English));
    EXPECT_NE(termsOfUse(HelpLanguage::German), termsOfUse(HelpLanguage::French));
    EXPECT_NE(termsOfUse(HelpLanguage::English), termsOfUse(HelpLanguage::French));
}

TEST(HelpTexts, DesignTextsAreTheGermanOnesOfTheOldNavigationProgram) {
    std::string design(kDesignPurposeSentence);
    const std::size_t at = design.find("WX5+6");
    ASSERT_NE(at, std::string::npos);
    design.replace(at, 5, "RU6");
    EXPECT_EQ(design, purposeSentence(HelpLanguage::German));

    EXPECT_EQ(designTermsOfUse(), termsOfUse(HelpLanguage::German));
}

TEST(HelpTexts, ContactDataIsExampleData) {
    const std::string address = contactAddress();
    EXPECT_FALSE(address.ends_with("\r\n"));
    const std::vector<std::string> lines = splitCrLf(address);
    EXPECT_GE(lines.size(), 3U);
    for (const std::string& line : lines) {
        EXPECT_FALSE(line.empty()) << address;
    }
    const std::regex postalLine(R"(\d{5} \S.*)");
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
        return std::regex_match(line, postalLine);
    })) << address;

    EXPECT_TRUE(kMailAddress.ends_with("@example.org")) << kMailAddress;
    EXPECT_EQ(kMailAddress.find(' '), std::string_view::npos);
    EXPECT_TRUE(kWebAddress.starts_with("https://www.example.org/")) << kWebAddress;
}

// The texts are shown in Windows-1252 surroundings; a character that code page lacks, a lone
// CR or LF, or a stray blank at a line's edge would show up as garbage or a ragged layout.
TEST(HelpTexts, EveryTextIsCleanWindows1252) {
    std::vector<std::pair<std::string, std::string>> texts = {
        {"history", historyText()},
        {"history caption", std::string(kHistoryCaption)},
        {"design purpose", std::string(kDesignPurposeSentence)},
        {"design terms", std::string(designTermsOfUse())},
        {"contact", contactAddress()},
        {"mail", std::string(kMailAddress)},
        {"web", std::string(kWebAddress)},
    };
    for (HelpLanguage language : kLanguages) {
        const std::string tag = std::to_string(static_cast<int>(language));
        texts.emplace_back("manual " + tag, manualText(language));
        texts.emplace_back("caption " + tag, std::string(manualCaption(language)));
        texts.emplace_back("purpose " + tag, std::string(purposeSentence(language)));
        texts.emplace_back("terms " + tag, termsOfUse(language));
    }

    for (const auto& [name, text] : texts) {
        SCOPED_TRACE(name);
        const std::u32string decoded = codePoints(text);
        for (std::size_t i = 0; i < decoded.size(); ++i) {
            const char32_t c = decoded[i];
            if (c == U'\r') {
                EXPECT_TRUE(i + 1 < decoded.size() && decoded[i + 1] == U'\n') << "lone CR";
            } else if (c == U'\n') {
                EXPECT_TRUE(i > 0 && decoded[i - 1] == U'\r') << "lone LF";
            } else {
                EXPECT_TRUE(printableInWindows1252(c)) << "U+" << std::hex << int(c);
            }
        }
        for (const std::string& line : splitCrLf(text)) {
            if (!line.empty()) {
                EXPECT_NE(line.front(), ' ') << line;
                EXPECT_NE(line.back(), ' ') << line;
            }
            EXPECT_EQ(line.find("  "), std::string::npos) << line;
        }
    }
}

}  // namespace
}  // namespace vostrel::help
