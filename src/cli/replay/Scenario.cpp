// Scenario files: one step per line, words separated by blanks, quoted words with escapes.
#include "cli/replay/Scenario.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "cli/replay/SystemReasons.h"
#include "files/Windows1252.h"

namespace vostrel::cli {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

void appendUtf8(std::string& out, unsigned codePoint) {
    // Only U+0000..U+00FF arrive here, so two bytes at most.
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads the words of one line from `pos` on. `pos` ends after the last word read.
class LineReader {
public:
    LineReader(std::string_view line, int number) : line_(line), number_(number) {}

    bool atEnd() {
        skipBlanks();
        return pos_ >= line_.size();
    }
    std::string_view rest() {
        skipBlanks();
        return line_.substr(pos_);
    }

    Word next() {
        skipBlanks();
        Word word;
        if (line_[pos_] == '"') {
            readQuoted(word);
        } else {
            const auto start = pos_;
            while (pos_ < line_.size() && !isBlank(line_[pos_])) {
                // A quote inside a bare word is almost always a forgotten blank; refuse
                // rather than guess where the word was meant to end.
                if (line_[pos_] == '"') fail("a quote inside an unquoted word");
                ++pos_;
            }
            word.pieces.push_back({false, std::string(line_.substr(start, pos_ - start))});
        }
        return word;
    }

    [[noreturn]] void fail(const std::string& message) const { throw ScenarioError(number_, message); }

private:
    void skipBlanks() {
        while (pos_ < line_.size() && isBlank(line_[pos_])) ++pos_;
    }

    void readQuoted(Word& word) {
        word.quoted = true;
        ++pos_;  // the opening quote
        std::string plain;
        auto flushPlain = [&] {
            if (!plain.empty()) word.pieces.push_back({false, std::move(plain)});
            plain.clear();
        };
        while (true) {
            if (pos_ >= line_.size()) fail("unterminated quoted word");
            const char c = line_[pos_++];
            if (c == '"') break;
            if (c != '\\') {
                plain += c;
                continue;
            }
            if (pos_ >= line_.size()) fail("unterminated quoted word");
            const char e = line_[pos_++];
            switch (e) {
                case '"': plain += '"'; break;
                case '\\': plain += '\\'; break;
                case 'r': plain += '\r'; break;
                case 'n': plain += '\n'; break;
                case 't': plain += '\t'; break;
                case 'x': {
                    const int high = pos_ < line_.size() ? hexDigit(line_[pos_]) : -1;
                    const int low = pos_ + 1 < line_.size() ? hexDigit(line_[pos_ + 1]) : -1;
                    if (high < 0 || low < 0) fail("\\x needs two hexadecimal digits");
                    pos_ += 2;
                    flushPlain();
                    word.pieces.push_back({true, std::string(1, static_cast<char>(high * 16 + low))});
                    break;
                }
                default: fail(std::string("unknown escape \\") + e);
            }
        }
        flushPlain();
        if (pos_ < line_.size() && !isBlank(line_[pos_])) fail("a quoted word must be followed by a blank");
    }

    std::string_view line_;
    int number_;
    std::size_t pos_ = 0;
};

struct Arity {
    std::string_view verb;
    std::size_t least;
    std::size_t most;
};

constexpr std::array<Arity, 18> kArities = {{
    {"file", 2, 2},
    {"remove", 1, 1},
    {"start", 0, 0},
    {"close", 0, 1},
    {"crash", 0, 0},
    {"click", 2, 2},
    {"menu", 1, 1},
    {"select", 1, 1},
    {"type", 1, 1},
    {"scroll", 2, 2},
    {"focus", 1, 1},
    {"answer", 1, 1},
    {"dialog", 1, 1},
    {"input", 1, 1},
    {"dump", 0, 0},
    {"expect", 1, 1},
    {"expect-path", 1, 1},
    {"expect-file", 2, 2},
}};

constexpr std::array<std::string_view, 5> kClickable = {"cmdWXButton", "imgWXMenu", "lblWXMenu", "imgMenH",
                                                        "imgMenQ"};
constexpr std::array<std::string_view, 3> kScrollBars = {"VScroll1", "VScroll2", "HScroll1"};

template <std::size_t N>
bool oneOf(const std::string& word, const std::array<std::string_view, N>& names) {
    return std::find(names.begin(), names.end(), word) != names.end();
}

void requireInteger(const LineReader& reader, const Step& step, std::size_t word) {
    int ignored = 0;
    if (!parseInteger(step.text(word), ignored))
        reader.fail(step.verb + ": \"" + step.text(word) + "\" is not a whole number");
}

// Checks the arguments each step needs, so that a scenario never fails half-way through for
// a mistake that could have been seen before it started.
void checkArguments(const LineReader& reader, const Step& step) {
    const auto& verb = step.verb;
    if (verb == "close" && !step.words.empty()) {
        const auto window = step.text(0);
        if (window != "frmWXText" && window != "frmWXInfo")
            reader.fail("close: unknown window \"" + window + "\"");
    } else if (verb == "click") {
        if (!oneOf(step.text(0), kClickable)) reader.fail("click: unknown control \"" + step.text(0) + "\"");
        requireInteger(reader, step, 1);
    } else if (verb == "select") {
        requireInteger(reader, step, 0);
    } else if (verb == "scroll") {
        if (!oneOf(step.text(0), kScrollBars))
            reader.fail("scroll: unknown scroll bar \"" + step.text(0) + "\"");
        requireInteger(reader, step, 1);
    } else if (verb == "focus") {
        if (step.text(0) != "VScroll2") reader.fail("focus: only VScroll2 takes the focus");
    } else if (verb == "answer") {
        static constexpr std::array<std::string_view, 5> kAnswers = {"yes", "no", "save", "discard",
                                                                     "cancel"};
        if (!oneOf(step.text(0), kAnswers)) reader.fail("answer: must be yes, no, save, discard or cancel");
    } else if (verb == "file" || verb == "expect-file") {
        std::string bytes;
        if (!step.words[1].toWindows1252(bytes))
            reader.fail(verb + ": the text holds a character Windows-1252 cannot store");
    }
}

}  // namespace

std::string Word::text() const {
    std::string out;
    for (const auto& piece : pieces) {
        if (piece.rawByte)
            appendUtf8(out, static_cast<unsigned char>(piece.text[0]));
        else
            out += piece.text;
    }
    return out;
}

bool Word::toWindows1252(std::string& bytes) const {
    std::string out;
    for (const auto& piece : pieces) {
        if (piece.rawByte)
            out += piece.text;
        else if (!files::appendEncodedWindows1252(piece.text, out))
            return false;
    }
    bytes = std::move(out);
    return true;
}

bool parseInteger(const std::string& word, int& value) {
    const char* first = word.data();
    const char* last = word.data() + word.size();
    const auto [end, error] = std::from_chars(first, last, value);
    return !word.empty() && error == std::errc{} && end == last;
}

std::vector<Step> parseScenario(std::string_view source) {
    // Editors on Windows like to start UTF-8 files with a byte-order mark.
    if (source.starts_with("\xEF\xBB\xBF")) source.remove_prefix(3);

    std::vector<Step> steps;
    int number = 0;
    for (std::size_t pos = 0; pos <= source.size();) {
        auto end = source.find('\n', pos);
        if (end == std::string_view::npos) end = source.size();
        std::string_view line = source.substr(pos, end - pos);
        pos = end + 1;
        ++number;
        if (line.ends_with('\r')) line.remove_suffix(1);

        LineReader reader(line, number);
        if (reader.atEnd() || reader.rest().front() == '#') continue;

        Step step;
        step.line = number;
        const Word verb = reader.next();
        if (verb.quoted) reader.fail("a step must start with an unquoted step name");
        step.verb = verb.text();
        const auto arity = std::find_if(kArities.begin(), kArities.end(),
                                        [&](const Arity& a) { return a.verb == step.verb; });
        if (arity == kArities.end()) reader.fail("unknown step \"" + step.verb + "\"");

        if (step.verb == "expect" || step.verb == "expect-path") {
            // The expected value is JSON and may hold blanks, so it is the rest of the line.
            if (reader.atEnd()) reader.fail(step.verb + ": missing JSON pointer");
            step.words.push_back(reader.next());
            try {
                (void)nlohmann::json::json_pointer(step.text(0));
            } catch (const nlohmann::json::exception&) {
                reader.fail(step.verb + ": bad JSON pointer \"" + step.text(0) + "\"");
            }
            const auto json = reader.rest();
            if (json.empty()) reader.fail(step.verb + ": missing expected JSON value");
            try {
                step.expected = nlohmann::json::parse(json);
            } catch (const nlohmann::json::parse_error& e) {
                reader.fail(step.verb + ": bad JSON: " + std::string(e.what()));
            }
            step.expected = withSystemReasons(std::move(step.expected), number);
        } else {
            while (!reader.atEnd()) step.words.push_back(reader.next());
            if (step.words.size() < arity->least) reader.fail(step.verb + ": missing argument");
            if (step.words.size() > arity->most) reader.fail(step.verb + ": too many arguments");
            checkArguments(reader, step);
        }
        steps.push_back(std::move(step));
    }
    return steps;
}

}  // namespace vostrel::cli
