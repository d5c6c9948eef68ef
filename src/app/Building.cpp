// Building a menu from clicks: command buttons append lines, the control
// buttons open and close blocks and pages.
#include "app/frmWendax.h"
#include "menu/LineSyntax.h"

namespace vostrel::app {

namespace {

constexpr controls::Wording kMainTitle{"Hauptmenü", "Main-Menu", "Menu principal"};
constexpr controls::Wording kSettingsTitle{"Einstellungen", "Settings", "Menu préférences"};
constexpr controls::Wording kLockedNote{
    "Button gesperrt: der Befehl steht schon im Menü (Extras > Button Sperren schaltet die Sperre aus).",
    "Button locked: the command is already in the menu (Extras > Lock Button turns the lock off).",
    "Bouton figé : la commande est déjà dans le menu (Extras > Figer Bouton lève le blocage)."};
constexpr controls::Wording kCaptionNote{
    "Klicken Sie auf das Bild über der Beschriftung, um den Befehl einzufügen.",
    "Click the picture above the caption to add the command.",
    "Cliquez sur l'image au-dessus du libellé pour ajouter la commande."};

}  // namespace

bool frmWendax::blockTitleIsMain() const {
    return BlockTitle == kMainTitle.german || BlockTitle == kMainTitle.english ||
           BlockTitle == kMainTitle.french;
}

void frmWendax::showWarning(const std::string& text) {
    host_.messageBox({MessageIcon::Warning, MessageButtons::Ok, kApplicationTitle, text});
}

void frmWendax::notePassing(const controls::Wording& wording) {
    // Before a language is chosen the captions are German, and so is the note.
    std::string text{wording.german};
    language.pick(text, wording.german, wording.english, wording.french);
    passingNote.text = std::move(text);
    ++passingNote.count;
}

void frmWendax::clearPlacesFrom(int place) {
    for (int p = std::max(place, 0); p < preview::kPlaceCount; ++p) preview.clearPlace(p);
}

void frmWendax::setLineEditingEnabled(bool enabled) {
    cboMenu.setEnabled(enabled);
    VScroll2.setEnabled(enabled);
    mnuBZeileLoesch.setEnabled(enabled);
    mnuBZeileAendern.setEnabled(enabled);
}

void frmWendax::selectLastLine() { cboMenu.setListIndex(cboMenu.count() - 1); }

void frmWendax::syncLineScrollBar() {
    VScroll2.setMax(cboMenu.count() - 1);
    if (cboMenu.listIndex() >= 0) VScroll2.setValue(cboMenu.listIndex());
}

void frmWendax::imgWXMenu_Click(int index) {
    if (index < 1 || index > catalogue::kCommandCount) return;
    // The click and every line its nested clicks add, an auto-run question
    // answered inside it included, are one step.
    const StepScope step(*this, StepKind::Edit);
    const auto& caption = field.lblWXMenu[index].backColour();
    const bool used = caption == controls::kLightYellow || caption == controls::kLightPink;
    if (mnuEButtonSperren.checked() && used && index != kNextPageButton && index != kMenuEndButton) {
        notePassing(kLockedNote);
        return;
    }
    const std::string command = field.imgWXMenu[index].tooltip();
    if (command == "page") {
        AddNextPage();
    } else if (command == "page1") {
        AddMenuEnd();
    } else if (AddCommand(command) == Accepted::No) {
        return;
    }
    FinalUpdates(index);
}

// A caption adds nothing by itself; the note points to the picture that does.
void frmWendax::lblWXMenu_Click(int index) {
    if (index >= 1 && index <= catalogue::kCommandCount) notePassing(kCaptionNote);
}

frmWendax::Accepted frmWendax::AddCommand(const std::string& command) {
    clearPlacesFrom(PageButtonCount);
    preview.lblMenuQ.setCaption({});
    preview.lblMenuH.setCaption({});
    if (PageButtonCount >= 5 && ButtonCountCheck) {
        // With no language set the buffer keeps its last text, and that is shown.
        language.pick(MessageText, "Anzahl der max. Buttons\r\nfür diese Seite ist erreicht",
                      "The number of max. Buttons is done\r\nfor this page!",
                      "Le nombre de la cette page\r\nest totalisée!");
        showWarning(MessageText);
        return Accepted::No;
    }
    cboMenu.append(menu::commandItem(command));
    PageButtonCount = static_cast<std::int16_t>(PageButtonCount + 1);
    preview.PreviewPage = static_cast<std::int16_t>(NextPageNumber - 1);
    RenderPreview();
    selectLastLine();
    if (mnuEPageAuto.checked() && PageButtonCount == 5) {
        language.pick(MessageText, "Ist " + BlockTitle + " zu Ende?", BlockTitle + " is finished?",
                      "Le " + BlockTitle + " est-il fini?");
        std::string title;
        language.pick(title, "Entscheidung!", "Decision!", "Attention!");
        const Answer answer =
            host_.messageBox({MessageIcon::Question, MessageButtons::YesNo, title, MessageText});
        if (answer == Answer::Yes) {
            imgWXMenu_Click(kMenuEndButton);
            if (blockTitleIsMain()) cmdWXButton(10).setEnabled(true);
        } else {
            imgWXMenu_Click(kNextPageButton);
        }
    }
    return Accepted::Yes;
}

void frmWendax::AddNextPage() {
    PageButtonCount = 0;
    ButtonCountCheck = true;
    cboMenu.append(menu::nextPageItem(NextPageNumber));
    cboMenu.append(menu::pageHead(NextPageNumber, BlockTitle, NextBlockPageNumber));
    NextPageNumber = static_cast<std::int16_t>(NextPageNumber + 1);
    NextBlockPageNumber = static_cast<std::int16_t>(NextBlockPageNumber + 1);
    ClearPreview();
    preview.PreviewPage = static_cast<std::int16_t>(NextPageNumber - 1);
    RenderPreview();
    selectLastLine();
}

void frmWendax::AddMenuEnd() {
    blockBeingBuilt_ = false;
    cboMenu.append(menu::menuEndItem());
    const int pageCount = NextBlockPageNumber - 1;
    for (int i = 0; i < cboMenu.count(); ++i) {
        if (cboMenu.entry(i).find(menu::kPlaceholder) == std::string::npos) continue;
        std::string line = cboMenu.entry(i);
        menu::resolvePlaceholderInLine(line, pageCount);
        cboMenu.replace(i, std::move(line));
    }
    clearPlacesFrom(PageButtonCount);
    preview.PreviewPage = static_cast<std::int16_t>(NextPageNumber - 1);
    RenderPreview();
    PageButtonCount = 0;
    selectLastLine();
    preview.HScroll1.setValue(NextPageNumber - 1);
    if (mnuEPageAuto.checked()) {
        setLineEditingEnabled(true);
    } else if (blockTitleIsMain()) {
        cmdWXButton(10).setEnabled(true);
    }
}

void frmWendax::FinalUpdates(int index) {
    VScroll2.setMax(cboMenu.count() - 1);
    preview.HScroll1.setMax(NextPageNumber - 1);
    preview.HScroll1.setValue(preview.HScroll1.max());
    if (cboMenu.listIndex() >= 0) VScroll2.setValue(cboMenu.listIndex());
    MenuChanged = true;
    mnuEPageAuto.setEnabled(false);
    field.lblWXMenu[index].setBackColour(controls::kLightYellow);
}

void frmWendax::StartMainBlock() {
    language.pick(BlockTitle, kMainTitle.german, kMainTitle.english, kMainTitle.french);
    ButtonCountCheck = true;
    NextPageNumber = 1;
    NextBlockPageNumber = 1;
    blockBeingBuilt_ = true;
    cboMenu.append(menu::mainBlockHead());
    cboMenu.append(menu::pageHead(1, BlockTitle, 1));
    NextPageNumber = 2;
    NextBlockPageNumber = 2;
    selectLastLine();
    RenderPreview();
    syncLineScrollBar();
    cmdWXButton(3).setEnabled(false);
    // Nothing may be edited while auto-run builds the block.
    if (mnuEPageAuto.checked()) setLineEditingEnabled(false);
}

void frmWendax::StartSettingsBlock() {
    language.pick(BlockTitle, kSettingsTitle.german, kSettingsTitle.english, kSettingsTitle.french);
    blockBeingBuilt_ = true;
    cboMenu.append(menu::settingsBlockHead());
    NextBlockPageNumber = 1;
    cboMenu.append(menu::pageHead(NextPageNumber, BlockTitle, 1));
    NextPageNumber = static_cast<std::int16_t>(NextPageNumber + 1);
    NextBlockPageNumber = 2;
    selectLastLine();
    RenderPreview();
    VScroll2.setMax(cboMenu.count() - 1);
    preview.HScroll1.setMax(NextPageNumber - 1);
    preview.HScroll1.setValue(preview.HScroll1.max());
    if (cboMenu.listIndex() >= 0) VScroll2.setValue(cboMenu.listIndex());
    cmdWXButton(10).setEnabled(false);
    // Nothing may be edited while auto-run builds the block.
    if (mnuEPageAuto.checked()) setLineEditingEnabled(false);
}

void frmWendax::ShowMenu() {
    preview.PreviewPage = 0;
    preview.HScroll1.setValue(1);
    RenderPreview();
}

}  // namespace vostrel::app
