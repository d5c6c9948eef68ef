#include "check/MenuCheck.h"

#include <algorithm>

#include "check/Rules.h"
#include "files/TextFile.h"
#include "files/Windows1252.h"

namespace vostrel::check {

namespace {

// A UTF-8 byte-order mark, once as it reaches the document when a file is decoded as
// Windows-1252 ("ï»¿") and once as the character itself, for lines that came from elsewhere.
constexpr std::string_view kDecodedByteOrderMark = "\xC3\xAF\xC2\xBB\xC2\xBF";
constexpr std::string_view kByteOrderMarkCharacter = "\xEF\xBB\xBF";

// Stray carriage returns are reported as line-end faults; reading the line without them keeps
// them from turning a good line into an unknown one as well.
std::string_view trimBlanks(std::string_view text) {
    constexpr std::string_view kTrimmed = " \t\r";
    const auto first = text.find_first_not_of(kTrimmed);
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(kTrimmed);
    return text.substr(first, last - first + 1);
}

}  // namespace

const std::vector<std::string_view>& ruleNames() {
    using namespace rules;
    static const std::vector<std::string_view> names = {kByteOrderMark,
                                                        kLoneLf,
                                                        kLoneCr,
                                                        kMissingLineEnd,
                                                        kUtf8AsWindows1252,
                                                        kEmptyLine,
                                                        kLeadingBlank,
                                                        kTrailingBlank,
                                                        kComma,
                                                        kDoubleQuote,
                                                        kUnresolvedPlaceholder,
                                                        kUnknownLineKind,
                                                        kKeywordCase,
                                                        kNameCase,
                                                        kMissingClosingBar,
                                                        kUnknownCommand,
                                                        kEmptyMenu,
                                                        kFirstLineNotMainBlock,
                                                        kBlockHeadWithoutPage,
                                                        kDuplicateBlock,
                                                        kSettingsBeforeMain,
                                                        kPageNumberSequence,
                                                        kPageNumberAbove99,
                                                        kPageInBlock,
                                                        kBlockPageCount,
                                                        kTooManyCommands,
                                                        kEmptyPage,
                                                        kItemAfterClosing,
                                                        kPageNotClosed,
                                                        kNextPageTarget,
                                                        kBlockNotEnded,
                                                        kPreferencesWithoutSettings,
                                                        kSettingsUnreachable};
    return names;
}

std::string_view severityWord(Severity severity, Language language) noexcept {
    const bool error = severity == Severity::Error;
    switch (language) {
        case Language::German: return error ? "Fehler" : "Warnung";
        case Language::French: return error ? "erreur" : "avertissement";
        case Language::English: break;
    }
    return error ? "error" : "warning";
}

std::vector<Finding> checkMenu(const std::vector<std::string>& lines,
                               const std::optional<std::string>& fileBytes) {
    rules::Collector out;
    if (fileBytes) rules::checkBytes(*fileBytes, out);

    std::vector<rules::LineView> views;
    views.reserve(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        rules::LineView view;
        view.number = static_cast<int>(i) + 1;
        view.text = lines[i];
        if (i == 0) {
            // The mark is reported once; the rest of the check reads the line without it, so
            // that it does not also turn up as an unknown first line.
            for (const auto mark : {kDecodedByteOrderMark, kByteOrderMarkCharacter}) {
                if (!view.text.starts_with(mark)) continue;
                view.text.remove_prefix(mark.size());
                out.add(1, Severity::Error, rules::kByteOrderMark,
                        rules::say("Die Datei beginnt mit einer Byte-Order-Markierung (BOM); eine Menüdatei "
                                   "beginnt direkt mit der ersten Menüzeile.",
                                   "The file starts with a byte-order mark (BOM); a menu file "
                                   "starts directly with its first menu line.",
                                   "Le fichier commence par une marque d'ordre des octets (BOM) ; "
                                   "un fichier de menu commence directement par sa première ligne."));
                break;
            }
        }
        view.trimmed = trimBlanks(view.text);
        view.parsed = parseLine(view.trimmed);
        views.push_back(view);
    }

    rules::checkEncoding(views, out);
    rules::checkCharacters(views, fileBytes.has_value(), out);
    rules::checkLineSyntax(views, out);
    rules::checkStructure(views, out);

    auto findings = std::move(out.findings());
    std::stable_sort(findings.begin(), findings.end(),
                     [](const Finding& a, const Finding& b) { return a.line < b.line; });
    return findings;
}

std::vector<Finding> checkMenuFileBytes(const std::string& bytes) {
    // Windows-1252 keeps CR and LF as they are, so decoding first splits the same way.
    return checkMenu(files::splitLines(files::decodeWindows1252(bytes)), bytes);
}

bool hasErrors(const std::vector<Finding>& findings) noexcept {
    return std::any_of(findings.begin(), findings.end(),
                       [](const Finding& f) { return f.severity == Severity::Error; });
}

}  // namespace vostrel::check
