#include "cli/menu/MenuTool.h"

#include <nlohmann/json.hpp>

#include "check/MenuCheck.h"
#include "cli/menu/PagePreview.h"
#include "files/Paths.h"
#include "files/TextFile.h"
#include "files/Windows1252.h"

namespace vostrel::cli::menu {

namespace {

std::string_view pick(check::Language language, std::string_view de, std::string_view en,
                      std::string_view fr) {
    switch (language) {
        case check::Language::German: return de;
        case check::Language::French: return fr;
        case check::Language::English: break;
    }
    return en;
}

void reportUnreadable(const std::string& file, const files::ReadFailure& failure,
                      check::Language language, std::ostream& err) {
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

// The lines the editor would open from these bytes.
std::vector<std::string> menuLines(const std::string& bytes) {
    return files::splitLines(files::decodeWindows1252(bytes));
}

void printPage(const ShownPage& page, check::Language language, std::ostream& out) {
    out << pick(language, "Seite ", "Page ", "Page ") << page.number << ": " << page.title << '\n';
    for (int p = 0; p < kPlaceCount; ++p) {
        const auto& place = page.places[static_cast<std::size_t>(p)];
        out << '[' << p + 1 << "] ";
        if (place.picture) out << place.command << "  " << place.caption;
        else if (!place.caption.empty()) out << "?  " << place.caption;  // wrong command
        else out << '-';
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

int runCheck(const std::vector<std::string>& files, check::Language language, bool json,
             std::ostream& out, std::ostream& err) {
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
                array.push_back({{"file", files::validUtf8(file)},
                                 {"line", finding.line},
                                 {"severity", check::severityWord(finding.severity, check::Language::English)},
                                 {"rule", finding.rule},
                                 {"message", message}});
            } else {
                out << file << ':' << finding.line << ": "
                    << check::severityWord(finding.severity, language) << ": " << message << " ["
                    << finding.rule << "]\n";
            }
        }
    }
    if (json) out << array.dump(2) << '\n';
    if (unreadable) return kUnreadable;
    return errors ? kFaulty : kClean;
}

int runShow(const std::string& file, std::optional<int> page, check::Language language,
            std::ostream& out, std::ostream& err) {
    files::ReadFailure failure;
    const auto bytes = files::readFileBytes(files::pathFromUtf8(file), &failure);
    if (!bytes) {
        reportUnreadable(file, failure, language, err);
        return kUnreadable;
    }
    const auto lines = menuLines(*bytes);
    if (page) {
        const auto shown = showPage(lines, *page, language);
        if (!shown) {
            err << file << ": "
                << pick(language, "keine Seite ", "no page ", "aucune page ") << *page << '\n';
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
