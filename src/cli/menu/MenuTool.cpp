#include "cli/menu/MenuTool.h"

#include <nlohmann/json.hpp>

#include "check/MenuCheck.h"
#include "check/Repair.h"
#include "cli/menu/PagePreview.h"
#include "cli/menu/UnifiedDiff.h"
#include "files/MenuFile.h"
#include "files/Paths.h"
#include "files/TextFile.h"
#include "files/Windows1252.h"

namespace vostrel::cli::menu {

namespace {

std::string_view pick(check::Language language, std::string_view de, std::string_view en,
                      std::string_view fr) {
    return controls::Wording{de, en, fr}.in(language);
}

void reportUnreadable(const std::string& file, const files::ReadFailure& failure, check::Language language,
                      std::ostream& err) {
    err << file << ": "
        << pick(language, "Datei kann nicht gelesen werden", "cannot read the file",
                "impossible de lire le fichier");
    switch (failure.kind) {
        case files::ReadFailure::Kind::System: err << " (" << failure.reason << ')'; break;
        case files::ReadFailure::Kind::NotAFile:
            err << pick(language, " (keine gewöhnliche Datei)", " (not a regular file)",
                        " (pas un fichier ordinaire)");
            break;
        case files::ReadFailure::Kind::TooLarge:
            err << pick(language, " (größer als 1 GiB)", " (larger than 1 GiB)", " (plus de 1 Gio)");
            break;
    }
    err << '\n';
}

// The file's bytes, or nothing after naming the failure on `err`.
std::optional<std::string> readMenuBytes(const std::string& file, check::Language language,
                                         std::ostream& err) {
    files::ReadFailure failure;
    auto bytes = files::readFileBytes(files::pathFromUtf8(file), &failure);
    if (!bytes) reportUnreadable(file, failure, language, err);
    return bytes;
}

// The lines the editor would open from these bytes.
std::vector<std::string> menuLines(const std::string& bytes) {
    return files::splitLines(files::decodeWindows1252(bytes));
}

void printFinding(const std::string& file, const check::Finding& finding, check::Language language,
                  std::ostream& out) {
    out << file << ':' << finding.line << ": " << check::severityWord(finding.severity, language) << ": "
        << finding.message.in(language) << " [" << finding.rule << "]\n";
}

void printPage(const ShownPage& page, check::Language language, std::ostream& out) {
    out << pick(language, "Seite ", "Page ", "Page ") << page.number << ": " << page.title << '\n';
    for (int p = 0; p < kPlaceCount; ++p) {
        const auto& place = page.places[static_cast<std::size_t>(p)];
        out << '[' << p + 1 << "] ";
        if (place.picture)
            out << place.command << "  " << place.caption;
        else if (!place.caption.empty())
            out << "?  " << place.caption;  // wrong command
        else
            out << '-';
        out << '\n';
    }
}

}  // namespace

std::optional<check::Language> parseLanguage(std::string_view code) {
    if (code == "de") return check::Language::German;
    if (code == "en") return check::Language::English;
    if (code == "fr") return check::Language::French;
    return std::nullopt;
}

int runCheck(const std::vector<std::string>& files, check::Language language, bool json, std::ostream& out,
             std::ostream& err) {
    bool unreadable = false;
    bool errors = false;
    auto array = nlohmann::json::array();
    for (const auto& file : files) {
        files::ReadFailure failure;
        const auto bytes = files::readFileBytes(files::pathFromUtf8(file), &failure);
        if (!bytes) {
            reportUnreadable(file, failure, language, err);
            unreadable = true;
            continue;
        }
        const auto findings = check::checkMenu(menuLines(*bytes), *bytes);
        errors = errors || check::hasErrors(findings);
        for (const auto& finding : findings) {
            const auto& message = finding.message.in(language);
            if (json) {
                // Severity stays English here: it is a value for programs, not a word for people.
                array.push_back(
                    {{"file", files::validUtf8(file)},
                     {"line", finding.line},
                     {"severity", check::severityWord(finding.severity, check::Language::English)},
                     {"rule", finding.rule},
                     {"message", message}});
            } else {
                printFinding(file, finding, language, out);
            }
        }
    }
    if (json) out << array.dump(2) << '\n';
    if (unreadable) return kUnreadable;
    return errors ? kFaulty : kClean;
}

int runFix(const std::string& file, const FixOptions& options, check::Language language, std::ostream& out,
           std::ostream& err) {
    const auto bytes = readMenuBytes(file, language, err);
    if (!bytes) return kUnreadable;
    const auto lines = menuLines(*bytes);
    const auto repaired = check::repairMenu(lines, *bytes);
    const auto& target = options.output ? *options.output : file;

    std::ostream& report = options.dryRun ? err : out;
    if (options.dryRun) {
        writeUnifiedDiff(lines, repaired, file, target, out);
        if (repaired.lineEndsRewritten)
            out << "\\ "
                << pick(language, "Zeilenenden werden CR LF, auch nach der letzten Zeile",
                        "Line ends become CR LF, after the last line too",
                        "Les fins de ligne deviennent CR LF, après la dernière ligne aussi")
                << '\n';
    } else {
        std::string error;
        // An unchanged menu is written as the very bytes it was read from.
        const bool written =
            repaired.changesAnything()
                ? files::writeMenuFile(files::pathFromUtf8(target), repaired.lines, error)
                : !options.output || files::replaceFileAtomically(files::pathFromUtf8(target), *bytes, error);
        if (!written) {
            err << target << ": "
                << pick(language, "Datei kann nicht geschrieben werden", "cannot write the file",
                        "impossible d'écrire le fichier")
                << ": " << error << '\n';
            return kUnreadable;
        }
    }
    const auto left =
        repaired.changesAnything() ? check::checkMenu(repaired.lines) : check::checkMenuFileBytes(*bytes);
    // What is left needs a person; it is listed as the check lists it.
    for (const auto& finding : left) printFinding(target, finding, language, report);
    return check::hasErrors(left) ? kFaulty : kClean;
}

int runShow(const std::string& file, std::optional<int> page, check::Language language, std::ostream& out,
            std::ostream& err) {
    const auto bytes = readMenuBytes(file, language, err);
    if (!bytes) return kUnreadable;
    const auto lines = menuLines(*bytes);
    if (page) {
        const auto shown = showPage(lines, *page, language);
        if (!shown) {
            err << file << ": " << pick(language, "keine Seite ", "no page ", "aucune page ") << *page
                << '\n';
            return kFaulty;
        }
        printPage(*shown, language, out);
        return kClean;
    }
    const auto pages = showAllPages(lines, language);
    if (pages.empty()) {
        err << file << ": " << pick(language, "keine Seite", "no page", "aucune page") << '\n';
        return kFaulty;
    }
    bool first = true;
    for (const auto& shown : pages) {
        if (!first) out << '\n';
        first = false;
        printPage(shown, language, out);
    }
    return kClean;
}

}  // namespace vostrel::cli::menu
