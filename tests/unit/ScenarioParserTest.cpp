#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/replay/Scenario.h"

using vostrel::cli::parseScenario;
using vostrel::cli::ScenarioError;

namespace {

struct WordCase {
    const char* line;
    std::vector<std::string> words;  // the arguments as UTF-8 text
};

TEST(ScenarioParser, SplitsWordsAndUnescapesQuotedText) {
    const std::vector<WordCase> cases = {
        {"type \"two words\"", {"two words"}},
        {"type   \"\"  ", {""}},
        {"type \"say \\\"hi\\\"\"", {"say \"hi\""}},
        {"type \"a\\\\b\"", {"a\\b"}},
        {"type \"\\r\\n\\t\"", {"\r\n\t"}},
        {"type \"\\x41\\xe4\"", {"A\xC3\xA4"}},  // \xHH is U+00HH, stored as UTF-8
        {"type \"Menü\"", {"Menü"}},
        {"\tclick\timgWXMenu   101", {"imgWXMenu", "101"}},
        {"dialog \"sub dir/a.mnu\"", {"sub dir/a.mnu"}},
        {"scroll VScroll2 -3", {"VScroll2", "-3"}},
    };
    for (const auto& c : cases) {
        const auto steps = parseScenario(c.line);
        ASSERT_EQ(steps.size(), 1u) << c.line;
        std::vector<std::string> words;
        for (std::size_t i = 0; i < steps[0].words.size(); ++i) words.push_back(steps[0].text(i));
        EXPECT_EQ(words, c.words) << c.line;
    }
}

TEST(ScenarioParser, HexEscapeIsARawByteInFileContents) {
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"file a \"\\xFC\"", "\xFC"},       // byte, not the UTF-8 of ü
        {"file a \"ü\"", "\xFC"},           // ordinary text is encoded to 1252
        {"file a \"\\x81\"", "\x81"},       // a byte 1252 leaves undefined
        {"file a \"€\\x80\"", "\x80\x80"},  // € encodes to 0x80 as well
        {"expect-file a \"x\\r\\n\\x00y\"", std::string("x\r\n\0y", 5)},
    };
    for (const auto& [line, bytes] : cases) {
        const auto steps = parseScenario(line);
        ASSERT_EQ(steps.size(), 1u) << line;
        std::string actual;
        ASSERT_TRUE(steps[0].words[1].toWindows1252(actual)) << line;
        EXPECT_EQ(actual, bytes) << line;
    }
}

TEST(ScenarioParser, KeepsLineNumbersAcrossCommentsAndBlankLines) {
    const auto steps = parseScenario("# heading\r\n\r\n   \nstart\r\n  # indented comment\ndump");
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[0].line, 4);
    EXPECT_EQ(steps[0].verb, "start");
    EXPECT_EQ(steps[1].line, 6);
    EXPECT_EQ(steps[1].verb, "dump");
}

TEST(ScenarioParser, ExpectTakesTheRestOfTheLineAsJson) {
    const auto steps = parseScenario(
        "expect /document [\"a b\", \"c\"]\n"
        "expect /vars {\"x\": 1,  \"y\" : null}\n"
        "expect /caption \"RU6 Vostrel\"");
    ASSERT_EQ(steps.size(), 3u);
    EXPECT_EQ(steps[0].text(0), "/document");
    EXPECT_EQ(steps[0].expected, nlohmann::json::array({"a b", "c"}));
    EXPECT_EQ(steps[1].expected, (nlohmann::json{{"x", 1}, {"y", nullptr}}));
    EXPECT_EQ(steps[2].expected, "RU6 Vostrel");
}

struct MalformedCase {
    const char* source;
    int line;
    const char* mentions;
};

TEST(ScenarioParser, RejectsMalformedLinesNamingTheLine) {
    const std::vector<MalformedCase> cases = {
        {"start\ntype \"open", 2, "unterminated"},
        {"type \"ends in backslash\\", 1, "unterminated"},
        {"start\n\ntype \"\\q\"", 3, "escape"},
        {"type \"\\x4\"", 1, "hexadecimal"},
        {"type \"\\xZZ\"", 1, "hexadecimal"},
        {"type \"a\"b", 1, "blank"},
        {"type a\"b\"", 1, "quote"},
        {"start\njump 3", 2, "unknown step"},
        {"\"start\"", 1, "unquoted"},
        {"click cmdWXButton", 1, "missing"},
        {"file a", 1, "missing"},
        {"start extra", 1, "too many"},
        {"type", 1, "missing"},
        {"click button 3", 1, "unknown control"},
        {"click imgWXMenu x", 1, "whole number"},
        {"select 1.5", 1, "whole number"},
        {"scroll VScroll3 2", 1, "unknown scroll bar"},
        {"focus VScroll1", 1, "VScroll2"},
        {"answer maybe", 1, "yes, no, save, discard or cancel"},
        {"close frmOther", 1, "unknown window"},
        {"expect", 1, "pointer"},
        {"expect /caption", 1, "JSON"},
        {"expect /caption {broken", 1, "JSON"},
        {"expect caption 1", 1, "pointer"},
        {"file a \"\xE2\x86\x92\"", 1, "Windows-1252"},  // an arrow has no 1252 byte
    };
    for (const auto& c : cases) {
        try {
            parseScenario(c.source);
            ADD_FAILURE() << "accepted: " << c.source;
        } catch (const ScenarioError& e) {
            EXPECT_EQ(e.line(), c.line) << c.source;
            const std::string message = e.what();
            EXPECT_EQ(message.rfind("line " + std::to_string(c.line) + ": ", 0), 0u) << message;
            EXPECT_NE(message.find(c.mentions), std::string::npos) << message;
        }
    }
}

TEST(ScenarioParser, DialogKeepsWhetherCancelWasQuoted) {
    const auto steps = parseScenario("dialog cancel\ndialog \"cancel\"");
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_FALSE(steps[0].words[0].quoted);
    EXPECT_TRUE(steps[1].words[0].quoted);
}

}  // namespace
