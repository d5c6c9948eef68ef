// Structure rules: the order of blocks, pages and items, the page numbering, the page counts
// in the titles and the links between pages.
//
// Empty and unreadable lines were reported by the line rules already, and the walk skips them, so
// that one stray line is not reported again as a broken page. A malformed block or page head is
// still a boundary, though: it is taken as the head the menu most likely meant, and nothing that
// depends on its unreadable parts is judged.
#include <string>

#include "check/Rules.h"

namespace vostrel::check::rules {

namespace {

constexpr int kMaxCommandsPerPage = 5;
// The editor reads a page number from two characters, so page 100 would read as 10.
constexpr int kHighestPageNumber = 99;

bool isUnreadableHead(const LineView& line, KeywordFamily family) {
    return line.parsed.kind == LineKind::Unknown && line.parsed.family == family;
}

struct Page {
    const LineView* head = nullptr;
    int number = 0;  // for an unreadable head, the number it should have had
    std::vector<const LineView*> items;

    bool readable() const { return head->parsed.kind == LineKind::PageHead; }

    int lastLine() const { return items.empty() ? head->number : items.back()->number; }
};

struct Block {
    const LineView* head = nullptr;  // none for pages that stand before any block head
    std::vector<Page> pages;
};

std::string number(int value) { return std::to_string(value); }

bool isClosingItem(const LineView& line) {
    return line.parsed.kind == LineKind::NextPageItem || line.parsed.kind == LineKind::MenuEndItem;
}

class StructureWalk {
public:
    explicit StructureWalk(Collector& out) : out_(out) {}

    void run(const std::vector<LineView>& lines) {
        const LineView* first = nullptr;
        for (const auto& line : lines) {
            if (line.parsed.kind == LineKind::Empty) continue;
            first = &line;
            break;
        }
        if (!first) {
            out_.add(0, Severity::Error, kEmptyMenu,
                     say("Das Menü enthält keine Zeilen.", "The menu holds no lines.",
                         "Le menu ne contient aucune ligne."));
            return;
        }
        // An unreadable first line is reported as such; saying again that it is not the block
        // head would only repeat it.
        if (first->parsed.kind != LineKind::MainBlockHead && first->parsed.kind != LineKind::Unknown)
            out_.add(first->number, Severity::Error, kFirstLineNotMainBlock,
                     say("Die erste Zeile muss der Kopf des Hauptmenüs sein: "
                         "MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|.",
                         "The first line must be the main block head: "
                         "MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|.",
                         "La première ligne doit être l'en-tête du menu principal : "
                         "MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|."));

        std::vector<const LineView*> known;
        for (const auto& line : lines)
            if (line.parsed.kind != LineKind::Empty &&
                (line.parsed.kind != LineKind::Unknown || line.parsed.family == KeywordFamily::Block ||
                 line.parsed.family == KeywordFamily::Page))
                known.push_back(&line);

        for (std::size_t i = 0; i < known.size(); ++i) {
            const LineView& line = *known[i];
            switch (line.parsed.kind) {
                case LineKind::MainBlockHead:
                case LineKind::SettingsBlockHead:
                    startBlock(line, i + 1 < known.size() ? known[i + 1] : nullptr);
                    break;
                case LineKind::PageHead: startPage(line); break;
                case LineKind::CommandItem:
                case LineKind::NextPageItem:
                case LineKind::MenuEndItem: addItem(line); break;
                case LineKind::Unknown:
                    if (line.parsed.family == KeywordFamily::Block)
                        startBlock(line, i + 1 < known.size() ? known[i + 1] : nullptr);
                    else
                        startPage(line);
                    break;
                case LineKind::Empty: break;
            }
        }
        if (!blocks_.empty()) endBlock(blocks_.back());
        checkSettingsLinks();
    }

private:
    void startBlock(const LineView& head, const LineView* next) {
        if (!blocks_.empty()) endBlock(blocks_.back());
        if (head.parsed.kind == LineKind::Unknown) {
            unreadableBlock_ = true;  // could be the settings block the menu meant
        } else if (head.parsed.kind == LineKind::MainBlockHead) {
            if (mainSeen_)
                out_.add(head.number, Severity::Error, kDuplicateBlock,
                         say("Zweiter Hauptmenü-Block; ein Menü hat genau einen.",
                             "A second main block; a menu has exactly one.",
                             "Deuxième bloc de menu principal ; un menu n'en a qu'un."));
            mainSeen_ = true;
        } else {
            if (settingsHead_)
                out_.add(head.number, Severity::Error, kDuplicateBlock,
                         say("Zweiter Einstellungs-Block; ein Menü hat höchstens einen.",
                             "A second settings block; a menu has at most one.",
                             "Deuxième bloc de préférences ; un menu en a au plus un."));
            else if (!mainSeen_)
                out_.add(head.number, Severity::Error, kSettingsBeforeMain,
                         say("Der Einstellungs-Block steht vor dem Hauptmenü-Block.",
                             "The settings block stands before the main block.",
                             "Le bloc de préférences précède le bloc du menu principal."));
            if (!settingsHead_) settingsHead_ = &head;
        }
        blocks_.push_back(Block{&head, {}});
        if (!next ||
            (next->parsed.kind != LineKind::PageHead && !isUnreadableHead(*next, KeywordFamily::Page)))
            out_.add(head.number, Severity::Error, kBlockHeadWithoutPage,
                     say("Auf den Blockkopf folgt kein Seitenkopf (MENUPAGE).",
                         "The block head is not followed by a page head (MENUPAGE).",
                         "L'en-tête de bloc n'est pas suivi d'un en-tête de page (MENUPAGE)."));
    }

    void startPage(const LineView& head) {
        if (blocks_.empty()) blocks_.push_back(Block{});
        Block& block = blocks_.back();
        Page page{&head, lastPageNumber_ + 1, {}};
        if (page.readable()) page.number = head.parsed.pageNumber;
        if (!block.pages.empty()) endPageBefore(block.pages.back(), page);
        if (!page.readable()) {
            lastPageNumber_ = page.number;
            block.pages.push_back(page);
            return;
        }

        const int n = page.number;
        const int expected = lastPageNumber_ + 1;
        if (n != expected)
            out_.add(head.number, Severity::Error, kPageNumberSequence,
                     say("Seitennummer {1}, erwartet {2}: Seiten sind durch die ganze Datei "
                         "1, 2, 3 … nummeriert.",
                         "Page number {1}, expected {2}: pages are numbered 1, 2, 3 … through "
                         "the whole file.",
                         "Numéro de page {1}, {2} attendu : les pages sont numérotées 1, 2, 3 … "
                         "dans tout le fichier.",
                         {number(n), number(expected)}));
        // Go on from the number found, so that one gap is reported once.
        lastPageNumber_ = n;
        checkPageNumberLimit(head);
        block.pages.push_back(page);
    }

    void addItem(const LineView& item) {
        if (item.parsed.kind == LineKind::NextPageItem) checkPageNumberLimit(item);
        if (item.parsed.kind == LineKind::CommandItem && item.parsed.command == "MENU_PREFERENCES")
            preferenceItems_.push_back(&item);
        // Items before the first page head are covered by the first-line and block-head rules.
        if (blocks_.empty() || blocks_.back().pages.empty()) return;
        blocks_.back().pages.back().items.push_back(&item);
    }

    void checkPageNumberLimit(const LineView& line) {
        if (line.parsed.pageNumber > kHighestPageNumber)
            out_.add(line.number, Severity::Error, kPageNumberAbove99,
                     say("Seitennummer {1} ist größer als 99; ein Menü hat höchstens 99 Seiten.",
                         "Page number {1} is above 99; a menu has at most 99 pages.",
                         "Le numéro de page {1} dépasse 99 ; un menu a au plus 99 pages.",
                         {number(line.parsed.pageNumber)}));
    }

    // A page with nothing but its closing item shows the user an empty screen to page through.
    void checkPageNotEmpty(const Page& page) {
        if (!page.readable()) return;
        for (const auto* item : page.items)
            if (item->parsed.kind == LineKind::CommandItem) return;
        out_.add(page.head->number, Severity::Warning, kEmptyPage,
                 say("Seite {1} hat keinen Befehl.", "Page {1} holds no command.",
                     "La page {1} ne contient aucune commande.", {number(page.number)}));
    }

    // Commands on the page and items after its closing item. False when items follow the
    // closing item: the page's end is then broken already and is not judged again.
    bool checkPageItems(const Page& page) {
        checkPageNotEmpty(page);
        int commands = 0;
        for (const auto* item : page.items) {
            if (item->parsed.kind != LineKind::CommandItem) continue;
            if (++commands == kMaxCommandsPerPage + 1)
                out_.add(
                    item->number, Severity::Error, kTooManyCommands,
                    say("Seite {1} hat mehr als fünf Befehle.", "Page {1} holds more than five commands.",
                        "La page {1} contient plus de cinq commandes.", {number(page.number)}));
        }
        for (std::size_t i = 0; i + 1 < page.items.size(); ++i) {
            if (!isClosingItem(*page.items[i])) continue;
            out_.add(page.items[i + 1]->number, Severity::Error, kItemAfterClosing,
                     say("Eintrag nach dem abschließenden Eintrag der Seite (Zeile {1}); "
                         "Nächste Seite oder Menü-Ende ist der letzte Eintrag einer Seite.",
                         "Item after the page's closing item (line {1}); next page or menu-end "
                         "is the last item of a page.",
                         "Élément après l'élément de clôture de la page (ligne {1}) ; Page "
                         "suivante ou Fin du menu est le dernier élément d'une page.",
                         {number(page.items[i]->number)}));
            return false;
        }
        return true;
    }

    // A page that another page of the same block follows must lead to it.
    void endPageBefore(const Page& page, const Page& nextPage) {
        if (!checkPageItems(page)) return;
        const int target = nextPage.number;
        const LineView* last = page.items.empty() ? nullptr : page.items.back();
        if (last && last->parsed.kind == LineKind::NextPageItem) {
            if (nextPage.readable() && last->parsed.pageNumber != target)
                out_.add(last->number, Severity::Error, kNextPageTarget,
                         say("Der Eintrag Nächste Seite führt zu Seite {1}, es folgt aber Seite {2}.",
                             "The next-page item leads to page {1}, but page {2} follows.",
                             "L'élément Page suivante mène à la page {1}, mais c'est la page {2} "
                             "qui suit.",
                             {number(last->parsed.pageNumber), number(target)}));
            return;
        }
        out_.add(page.lastLine(), Severity::Error, kPageNotClosed,
                 say("Seite {1} endet hier ohne den Eintrag Nächste Seite "
                     "MENUITEM|TASK_PAGE{2}| zur folgenden Seite {2}.",
                     "Page {1} ends here without the next-page item MENUITEM|TASK_PAGE{2}| "
                     "to page {2}, which follows.",
                     "La page {1} se termine ici sans l'élément Page suivante "
                     "MENUITEM|TASK_PAGE{2}| vers la page {2} qui suit.",
                     {number(page.number), number(target)}));
    }

    void endBlock(const Block& block) {
        if (block.pages.empty()) return;
        const Page& lastPage = block.pages.back();
        if (checkPageItems(lastPage) &&
            (lastPage.items.empty() || lastPage.items.back()->parsed.kind != LineKind::MenuEndItem))
            out_.add(lastPage.lastLine(), Severity::Error, kBlockNotEnded,
                     say("Der Block endet hier ohne den Eintrag Menü-Ende MENUITEM|TASK_PAGE1|.",
                         "The block ends here without the menu-end item MENUITEM|TASK_PAGE1|.",
                         "Le bloc se termine ici sans l'élément Fin du menu "
                         "MENUITEM|TASK_PAGE1|."));

        const int count = static_cast<int>(block.pages.size());
        for (int i = 0; i < count; ++i) {
            const Page& page = block.pages[static_cast<std::size_t>(i)];
            if (!page.readable()) continue;
            const ParsedLine& head = page.head->parsed;
            const int lineNumber = page.head->number;
            if (head.pageInBlock != i + 1)
                out_.add(lineNumber, Severity::Error, kPageInBlock,
                         say("Der Titel nennt Seite {1} des Blocks, es ist aber seine Seite {2}.",
                             "The title says page {1} of its block, but it is page {2} of the "
                             "block.",
                             "Le titre indique la page {1} du bloc, mais c'est sa page {2}.",
                             {number(head.pageInBlock), number(i + 1)}));
            // An open placeholder is reported by the character rules.
            if (isPlainNumber(head.pageCount) && head.pageCount != number(count))
                out_.add(lineNumber, Severity::Error, kBlockPageCount,
                         say("Der Titel nennt {1} Seiten für den Block, der Block hat aber {2}.",
                             "The title gives {1} pages for its block, but the block has {2}.",
                             "Le titre indique {1} pages pour le bloc, mais le bloc en a {2}.",
                             {head.pageCount, number(count)}));
        }
    }

    void checkSettingsLinks() {
        if (!settingsHead_) {
            if (unreadableBlock_) return;
            for (const auto* item : preferenceItems_)
                out_.add(item->number, Severity::Warning, kPreferencesWithoutSettings,
                         say("Einstellungen ändern (menu_preferences) führt ins Leere: das Menü "
                             "hat keinen Einstellungs-Block.",
                             "menu_preferences leads nowhere: the menu has no settings block.",
                             "Modifier préférences (menu_preferences) ne mène nulle part : le menu "
                             "n'a pas de bloc de préférences."));
            return;
        }
        if (preferenceItems_.empty())
            out_.add(settingsHead_->number, Severity::Warning, kSettingsUnreachable,
                     say("Kein Eintrag Einstellungen ändern (menu_preferences) führt zu diesem "
                         "Einstellungs-Block.",
                         "No menu_preferences item leads to this settings block.",
                         "Aucun élément Modifier préférences (menu_preferences) ne mène à ce bloc "
                         "de préférences."));
    }

    Collector& out_;
    std::vector<Block> blocks_;
    std::vector<const LineView*> preferenceItems_;
    const LineView* settingsHead_ = nullptr;
    bool mainSeen_ = false;
    bool unreadableBlock_ = false;
    int lastPageNumber_ = 0;
};

}  // namespace

void checkStructure(const std::vector<LineView>& lines, Collector& out) { StructureWalk(out).run(lines); }

}  // namespace vostrel::check::rules
