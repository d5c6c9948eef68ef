// Repairing the menu in the window: what the check finds and has one mechanical answer for is
// shown line by line first, and applied only when the user says Yes.
#include <algorithm>

#include "app/frmWendax.h"

namespace vostrel::app {

namespace {

constexpr controls::Wording kTitle{"Menü reparieren", "Repair menu", "Réparer le menu"};
constexpr controls::Wording kNothing{"Nichts zu reparieren: kein Befund hat eine eindeutige Reparatur.",
                                     "Nothing to repair: no finding has one mechanical answer.",
                                     "Rien à réparer : aucune constatation n'a de réparation évidente."};
constexpr controls::Wording kIntro{
    "Das Menü wird so geändert:", "The menu changes like this:", "Le menu sera modifié ainsi :"};
constexpr controls::Wording kLine{"Zeile %1:", "Line %1:", "Ligne %1 :"};
constexpr controls::Wording kNewBefore{
    "Neu vor Zeile %1:", "New before line %1:", "Nouveau avant la ligne %1 :"};
constexpr controls::Wording kNewAtEnd{"Neu am Ende:", "New at the end:", "Nouveau à la fin :"};
constexpr controls::Wording kEmpty{"(leer)", "(empty)", "(vide)"};
constexpr controls::Wording kMore{"… und %1 weitere Stellen", "… and %1 more places",
                                  "… et %1 autres endroits"};
constexpr controls::Wording kLineEnds{"Die Datei bekommt beim Speichern CR LF als Zeilenende.",
                                      "Saving gives the file CR LF line ends.",
                                      "L'enregistrement donne au fichier des fins de ligne CR LF."};
constexpr controls::Wording kQuestion{"Reparieren?", "Repair?", "Réparer ?"};

// Enough to judge the repair by; a menu with thousands of places to mend says how many more.
constexpr std::size_t kPlacesShown = 12;

std::string pick(const controls::LanguageFlags& language, const controls::Wording& wording) {
    std::string text{wording.german};
    language.pick(text, wording.german, wording.english, wording.french);
    return text;
}

std::string withNumber(const controls::LanguageFlags& language, const controls::Wording& wording,
                       int number) {
    std::string text = pick(language, wording);
    if (const auto at = text.find("%1"); at != std::string::npos) text.replace(at, 2, std::to_string(number));
    return text;
}

// A place is named by the document line it changes; lines that only come in are named by the
// line they come before, since no line of the document holds them yet.
std::string placeName(const check::LineChange& change, int documentLines,
                      const controls::LanguageFlags& language) {
    if (change.oldCount > 0) return withNumber(language, kLine, change.oldFirst + 1);
    if (change.oldFirst >= documentLines) return pick(language, kNewAtEnd);
    return withNumber(language, kNewBefore, change.oldFirst + 1);
}

std::string changesText(const std::vector<std::string>& before, const check::Repaired& repaired,
                        const controls::LanguageFlags& language) {
    std::string text = pick(language, kIntro) + "\r\n";
    const auto& changes = repaired.changes;
    for (std::size_t c = 0; c < std::min(changes.size(), kPlacesShown); ++c) {
        const auto& change = changes[c];
        text += "\r\n" + placeName(change, static_cast<int>(before.size()), language);
        // A line of nothing but blanks would show as nothing at all.
        const auto shown = [&](const std::string& line) {
            return line.find_first_not_of(" \t") == std::string::npos ? pick(language, kEmpty) : line;
        };
        for (int i = 0; i < change.oldCount; ++i)
            text += "\r\n− " + shown(before[static_cast<std::size_t>(change.oldFirst + i)]);
        for (int i = 0; i < change.newCount; ++i)
            text += "\r\n+ " + shown(repaired.lines[static_cast<std::size_t>(change.newFirst + i)]);
    }
    if (changes.size() > kPlacesShown) {
        text += "\r\n\r\n" + withNumber(language, kMore, static_cast<int>(changes.size() - kPlacesShown));
    }
    if (repaired.lineEndsRewritten) text += "\r\n\r\n" + pick(language, kLineEnds);
    return text + "\r\n\r\n" + pick(language, kQuestion);
}

}  // namespace

void frmWendax::mnuEReparieren_Click() {
    const auto repaired = check::repairMenu(cboMenu.entries(), openedFileBytes());
    const std::string title = pick(language, kTitle);
    if (!repaired.changesAnything()) {
        host_.messageBox({MessageIcon::None, MessageButtons::Ok, title, pick(language, kNothing)});
        return;
    }
    const MessageRequest question{MessageIcon::Question, MessageButtons::YesNo, title,
                                  changesText(cboMenu.entries(), repaired, language)};
    if (host_.messageBox(question) != Answer::Yes) return;
    applyRepair(repaired);
}

void frmWendax::applyRepair(const check::Repaired& repaired) {
    // One step of the history, however many lines change, also when called on its own.
    asOneStep([&] {
        // From the last place to the first, so that each place's line numbers still hold.
        for (auto c = repaired.changes.rbegin(); c != repaired.changes.rend(); ++c) {
            const int common = std::min(c->oldCount, c->newCount);
            const auto line = [&](int i) {
                return repaired.lines[static_cast<std::size_t>(c->newFirst + i)];
            };
            for (int i = 0; i < common; ++i) cboMenu.replace(c->oldFirst + i, line(i));
            for (int i = common; i < c->oldCount; ++i) cboMenu.remove(c->oldFirst + common);
            for (int i = common; i < c->newCount; ++i) cboMenu.insert(c->oldFirst + i, line(i));
        }
        // The repaired menu has every block ended, and it is no longer the file that was opened.
        blockBeingBuilt_ = false;
        openedRevision_.reset();
        checkResult_.reset();  // a repair of line ends alone leaves the lines as they were
        MenuChanged = true;
        SelectedLine = -1;
        cboMenu.setText({});
        markUsedCommands();
        preview.PreviewPage = 0;
        RenderPreview();
        if (!cboMenu.empty()) showOpenedLines();
    });
}

}  // namespace vostrel::app
