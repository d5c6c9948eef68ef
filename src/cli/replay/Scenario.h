#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

namespace vostrel::cli {

// A scenario the replay tool cannot run as written. Reported with exit status 2.
class ScenarioError : public std::runtime_error {
public:
    ScenarioError(int line, const std::string& message)
        : std::runtime_error("line " + std::to_string(line) + ": " + message), line_(line) {}
    int line() const { return line_; }

private:
    int line_;
};

// One word of a step. A `\xHH` escape means the character U+00HH in ordinary text but the
// raw byte HH in a file's contents, so the word keeps its pieces apart until a step decides.
struct Word {
    struct Piece {
        bool rawByte = false;  // a `\xHH` escape; `text` then holds that single byte
        std::string text;      // UTF-8, unless rawByte
    };

    std::vector<Piece> pieces;
    bool quoted = false;

    // The word as UTF-8 text, `\xHH` read as U+00HH.
    std::string text() const;
    // The word as Windows-1252 bytes, `\xHH` giving byte HH; false when a character has no
    // Windows-1252 byte.
    bool toWindows1252(std::string& bytes) const;
};

struct Step {
    int line = 0;
    std::string verb;
    std::vector<Word> words;  // the arguments; for `expect` and `expect-path` only the pointer
    nlohmann::json expected;  // `expect` and `expect-path` only

    std::string text(std::size_t word) const { return words.at(word).text(); }
};

// Parses a whole scenario, checking that every step is known and has the arguments it needs.
// Throws ScenarioError naming the first bad line.
std::vector<Step> parseScenario(std::string_view source);

// Converts a scenario word to an integer; false when it is not one.
bool parseInteger(const std::string& word, int& value);

}  // namespace vostrel::cli
