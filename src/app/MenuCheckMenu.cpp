// Checking the menu in the window before it goes to the device. The check reads
// the document only; choosing a finding selects its line and nothing more.
#include "app/frmWendax.h"
#include "check/MenuCheck.h"
#include "files/TextFile.h"
#include "files/Windows1252.h"

namespace vostrel::app {

namespace {

check::Language checkLanguage(const controls::LanguageFlags& language) {
    if (language.english) return check::Language::English;
    if (language.french) return check::Language::French;
    return check::Language::German;  // also the design language when none is set
}

constexpr controls::Wording kCaption{"Menü prüfen", "Check menu", "Vérifier le menu"};
constexpr controls::Wording kNoFindings{"Keine Fehler gefunden.", "No faults found.",
                                        "Aucune erreur trouvée."};
constexpr controls::Wording kLine{"Zeile", "Line", "Ligne"};
constexpr controls::Wording kFile{"Datei", "File", "Fichier"};

std::string pick(const controls::LanguageFlags& language, const controls::Wording& wording) {
    std::string text{wording.german};
    language.pick(text, wording.german, wording.english, wording.french);
    return text;
}

// Line ends, a missing last line end and the like exist only in the file. Its bytes are judged
// only while they still are this document: unchanged since opening or saving, and read back to
// exactly the lines shown. Otherwise (edited since, file changed or gone) a finding from the
// bytes would name faults the document does not have, so only the lines are checked.
std::optional<std::string> bytesOfDocument(const std::filesystem::path& path, bool changed,
                                           const std::vector<std::string>& lines) {
    if (changed || path.empty()) return std::nullopt;
    auto bytes = files::readFileBytes(path);
    if (!bytes || files::splitLines(files::decodeWindows1252(*bytes)) != lines) return std::nullopt;
    return bytes;
}

}  // namespace

void frmWendax::mnuECheck_Click() {
    const auto& lines = cboMenu.entries();
    const auto findings =
        check::checkMenu(lines, bytesOfDocument(CurrentFilePath, MenuChanged, lines));
    const check::Language lang = checkLanguage(language);
    MenuCheckWindow window;
    window.caption = pick(language, kCaption);
    for (const auto& finding : findings) {
        const std::string where = finding.line > 0
                                      ? pick(language, kLine) + " " + std::to_string(finding.line)
                                      : pick(language, kFile);
        window.rows.push_back(where + ": " + std::string(check::severityWord(finding.severity, lang)) +
                              ": " + finding.message.in(lang) + " [" + finding.rule + "]");
        window.lines.push_back(finding.line - 1);
    }
    if (findings.empty()) {
        window.rows.push_back(pick(language, kNoFindings));
        window.lines.push_back(-1);
    }
    window.shownCount = frmWXCheck ? frmWXCheck->shownCount + 1 : 1;
    frmWXCheck = std::move(window);
}

void frmWendax::chooseFinding(int row) {
    if (!frmWXCheck || row < 0 || row >= static_cast<int>(frmWXCheck->lines.size())) return;
    const int line = frmWXCheck->lines[static_cast<std::size_t>(row)];
    if (!cboMenu.validIndex(line)) return;
    if (cboMenu.listIndex() == line) cboMenu_Click();
    else cboMenu.setListIndex(line);
}

}  // namespace vostrel::app
