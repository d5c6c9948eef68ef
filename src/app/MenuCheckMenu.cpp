// Checking the menu in the window. The live result follows every change of the document; the
// findings window shows it row by row, and choosing a finding selects its line and nothing
// more.
#include "app/frmWendax.h"
#include "check/MenuCheck.h"
#include "files/TextFile.h"
#include "files/Windows1252.h"
#include "menu/LineSyntax.h"

namespace vostrel::app {

namespace {

// German is also the design language when no flag is set.
constexpr auto kFallback = controls::Language::German;

constexpr controls::Wording kCaption{"Menü prüfen", "Check menu", "Vérifier le menu"};
constexpr controls::Wording kNoFindings{"Keine Fehler gefunden.", "No faults found.",
                                        "Aucune erreur trouvée."};
constexpr controls::Wording kLine{"Zeile", "Line", "Ligne"};
constexpr controls::Wording kFile{"Datei", "File", "Fichier"};
constexpr controls::Wording kMenuFine{"Menü in Ordnung", "Menu OK", "Menu correct"};
constexpr controls::Wording kMenuEmpty{"Menü leer", "Menu empty", "Menu vide"};
constexpr controls::Wording kBlockOpen{"Block im Aufbau", "Block in progress", "Bloc en cours"};
constexpr controls::Wording kError{"Fehler", "error", "erreur"};
constexpr controls::Wording kErrors{"Fehler", "errors", "erreurs"};
constexpr controls::Wording kWarning{"Warnung", "warning", "avertissement"};
constexpr controls::Wording kWarnings{"Warnungen", "warnings", "avertissements"};

std::string counted(const controls::LanguageFlags& language, int n, const controls::Wording& one,
                    const controls::Wording& many) {
    return std::to_string(n) + " " + language.wording(n == 1 ? one : many, kFallback);
}

// Line ends, a missing last line end and the like exist only in the file. Its bytes are judged
// only while they still are this document: unchanged since opening, and read back to exactly
// the lines shown. Otherwise (edited since, file changed or gone) a finding from the bytes
// would name faults the document does not have, so only the lines are checked.
std::optional<std::string> bytesOfDocument(const std::filesystem::path& path,
                                           const std::vector<std::string>& lines) {
    if (path.empty()) return std::nullopt;
    auto bytes = files::readFileBytes(path);
    if (!bytes || files::splitLines(files::decodeWindows1252(*bytes)) != lines) return std::nullopt;
    return bytes;
}

}  // namespace

int frmWendax::openBlockHead() const {
    if (!blockBeingBuilt_) return -1;
    for (int i = cboMenu.count() - 1; i >= 0; --i)
        if (cboMenu.entry(i).starts_with("MENUBLOCK|")) return i;
    return -1;
}

std::optional<std::string> frmWendax::openedFileBytes() const {
    if (openedRevision_ != cboMenu.revision()) return std::nullopt;
    if (!openedBytes_) openedBytes_ = bytesOfDocument(CurrentFilePath, cboMenu.entries());
    return *openedBytes_;
}

const check::LiveResult& frmWendax::checkResult() const {
    const CheckKey key{cboMenu.revision(), openBlockHead()};
    if (!checkResult_ || key != checkKey_) {
        checkResult_ = check::liveResult(cboMenu.entries(), openedFileBytes(), key.openBlockHead);
        checkKey_ = key;
        ++checkVersion_;
    }
    return *checkResult_;
}

std::string frmWendax::checkStatusText() const {
    const auto& result = checkResult();
    if (cboMenu.empty()) return language.wording(kMenuEmpty, kFallback);
    std::string text;
    const auto add = [&text](const std::string& part) { text += (text.empty() ? "" : ", ") + part; };
    if (result.errors > 0) add(counted(language, result.errors, kError, kErrors));
    if (result.warnings > 0) add(counted(language, result.warnings, kWarning, kWarnings));
    if (result.open > 0) return language.wording(kBlockOpen, kFallback) + (text.empty() ? "" : " · " + text);
    return text.empty() ? language.wording(kMenuFine, kFallback) : text;
}

bool frmWendax::checkIsCurrent() const {
    return checkResult_ && checkKey_ == CheckKey{cboMenu.revision(), openBlockHead()};
}

std::string frmWendax::lineFindingsText(int index) const {
    if (!checkResult_) return {};
    const auto& result = *checkResult_;
    const check::Language lang = language.chosen().value_or(kFallback);
    const auto [from, to] = result.findingsOn(index);
    std::string text;
    for (auto i = from; i < to; ++i) {
        const auto& finding = result.findings[i];
        if (!text.empty()) text += "\n";
        text += std::string(check::severityWord(finding.severity, lang)) + ": " + finding.message.in(lang);
    }
    return text;
}

void frmWendax::mnuECheck_Click() {
    // Asked for by name, the check looks at the file again: it may have changed on disk.
    openedBytes_.reset();
    checkResult_.reset();
    const int shown = frmWXCheck ? frmWXCheck->shownCount + 1 : 1;
    frmWXCheck.emplace();
    frmWXCheck->shownCount = shown;
    refreshCheckWindow();
}

void frmWendax::refreshCheckWindow() {
    if (!frmWXCheck) return;
    const auto& result = checkResult();
    const check::Language lang = language.chosen().value_or(kFallback);
    auto& window = *frmWXCheck;
    if (window.version == checkVersion_ && window.language == static_cast<int>(lang)) return;
    window.version = checkVersion_;
    window.language = static_cast<int>(lang);
    window.caption = language.wording(kCaption, kFallback);
    window.rows.clear();
    window.lines.clear();
    window.kinds.clear();
    for (const auto& finding : result.findings) {
        const std::string where =
            finding.line > 0 ? language.wording(kLine, kFallback) + " " + std::to_string(finding.line)
                             : language.wording(kFile, kFallback);
        window.rows.push_back(where + ": " + std::string(check::severityWord(finding.severity, lang)) + ": " +
                              finding.message.in(lang) + " [" + finding.rule + "]");
        window.lines.push_back(finding.line - 1);
        window.kinds.push_back(finding.severity == check::Severity::Error ? MenuCheckWindow::Kind::Error
                                                                          : MenuCheckWindow::Kind::Warning);
    }
    if (result.findings.empty()) {
        window.rows.push_back(result.open > 0 ? language.wording(kBlockOpen, kFallback) + "."
                                              : language.wording(kNoFindings, kFallback));
        window.lines.push_back(-1);
        window.kinds.push_back(MenuCheckWindow::Kind::Plain);
    }
}

void frmWendax::chooseFinding(int row) {
    if (!frmWXCheck || row < 0 || row >= static_cast<int>(frmWXCheck->lines.size())) return;
    const int line = frmWXCheck->lines[static_cast<std::size_t>(row)];
    if (!cboMenu.validIndex(line)) return;
    if (cboMenu.listIndex() == line)
        cboMenu_Click();
    else
        cboMenu.setListIndex(line);
}

}  // namespace vostrel::app
