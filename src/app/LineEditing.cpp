// Selecting, changing, deleting and moving lines of the menu document, and
// deleting the whole menu.
#include <algorithm>

#include "app/frmWendax.h"
#include "menu/LineSyntax.h"
#include "text/AsciiRun.h"
#include "text/LineText.h"

namespace vostrel::app {

namespace {

// Shows the text of every set flag: these two warnings are written that way.
void pickEveryFlag(const controls::LanguageFlags& language, const controls::Wording& wording,
                   const std::function<void(std::string)>& show) {
    if (language.german) show(std::string(wording.german));
    if (language.english) show(std::string(wording.english));
    if (language.french) show(std::string(wording.french));
}

}  // namespace

int frmWendax::commandButtonOfLine(const std::string& line) const {
    // A line of plain ASCII, nearly every line, has as many characters as bytes.
    if (line.size() < 15 || (!text::allAscii(line) && text::charLength(line) < 15)) return 0;
    return field.buttonOfCommand(menu::itemCommand(line));
}

void frmWendax::ShowSelectLineMessage() {
    pickEveryFlag(language,
                  {"Bitte eine Zeile auswählen!", "Please select a line!", "Marquez une ligne, s.v.p.!"},
                  [this](std::string text) { showWarning(text); });
}

void frmWendax::StopButtonCountCheck() {
    ButtonCountCheck = false;
    pickEveryFlag(
        language,
        {"Die Überwachung der Button-Anzahl wird\r\njetzt abgestellt, da beim Editieren nicht möglich!",
         "Now is the control of Button-quantity\r\nturned off, it is impossible on editing!",
         "Maintenant que le contrôle du nombre de boutons n'est plus actif,\r\nc'est impossible en "
         "mode édition!"},
        [this](std::string text) { showWarning(text); });
}

void frmWendax::cboMenu_Click() {
    SelectedLine = cboMenu.listIndex();
    cboMenu.setTooltip("Pos " + std::to_string(SelectedLine + 1));
    VScroll2.setMax(cboMenu.count() - 1);
    if (SelectedLine >= 0) VScroll2.setValue(SelectedLine);
}

void frmWendax::cboMenu_Change() {
    ClearPreview();
    RenderPreview();
    syncLineScrollBar();
}

void frmWendax::cboMenu_KeyUp() { cboMenu_Change(); }

void frmWendax::mnuBZeileLoesch_Click() {
    if (!cboMenu.validIndex(SelectedLine)) {
        ShowSelectLineMessage();
        return;
    }
    if (const int k = commandButtonOfLine(cboMenu.entry(SelectedLine)))
        field.lblWXMenu[k].setBackColour(controls::Colour::window());
    cboMenu.remove(SelectedLine);
    if (SelectedLine >= cboMenu.count()) cboMenu.setListIndex(cboMenu.count() - 1);
    SelectedLine = -1;
    VScroll2.setMax(cboMenu.count() - 1);
    MenuChanged = true;
    if (ButtonCountCheck) StopButtonCountCheck();
    ClearPreview();
    RenderPreview();
    if (cboMenu.empty()) cmdWXButton(3).setEnabled(true);
}

void frmWendax::mnuBZeileAendern_Click() {
    if (!cboMenu.validIndex(SelectedLine)) {
        ShowSelectLineMessage();
        return;
    }
    if (const int k = commandButtonOfLine(cboMenu.entry(SelectedLine)))
        field.lblWXMenu[k].setBackColour(controls::Colour::window());
    const std::string typed = cboMenu.text();
    cboMenu.replace(SelectedLine, typed);
    if (const int k = commandButtonOfLine(typed)) field.lblWXMenu[k].setBackColour(controls::kLightYellow);
    SelectedLine = -1;
    syncLineScrollBar();
    MenuChanged = true;
    if (ButtonCountCheck) StopButtonCountCheck();
    ClearPreview();
    RenderPreview();
}

void frmWendax::VScroll2_GotFocus() {
    if (ButtonCountCheck) StopButtonCountCheck();
}

void frmWendax::VScroll2_Change() {
    language.pick(MessageText, "Bitte zuerst einen Eintrag selektieren!", "At first select an entry please",
                  "A premier sélectionnez un ligne, s.v.p.!");
    if (cboMenu.listIndex() < 0) {
        showWarning(MessageText);
        return;
    }
    const int v = VScroll2.value();
    const int c = cboMenu.listIndex();
    if (v < c)
        EintragVerschieben(v == c - 1 ? -1 : -10);
    else if (v > c)
        EintragVerschieben(v == c + 1 ? 1 : 10);
    if (cboMenu.listIndex() >= 0) VScroll2.setValue(cboMenu.listIndex());
}

void frmWendax::EintragVerschieben(int Richtung) {
    const int c = cboMenu.listIndex();
    const int n = cboMenu.count();
    const int t = c + Richtung;
    if (t < 0 || t > n - 1) return;
    // The entry's own text moves; whatever was typed into the edit field stays
    // there and reaches the document only through "change line".
    const std::string typed = cboMenu.text();
    std::string moved = cboMenu.entry(c);
    cboMenu.remove(c);
    cboMenu.insert(t, std::move(moved));
    cboMenu.setListIndex(t);
    cboMenu.setText(typed);
    VScroll2.setMax(n - 1);
    VScroll2.setValue(t);
    MenuChanged = true;
    ClearPreview();
    RenderPreview();
}

void frmWendax::mnuDMenuLoesch_Click() {
    if (cboMenu.empty()) return;
    language.pick(MessageText, "Menü wirklich Löschen?", "Menu really delete?",
                  "Voulez-vous effacer le Menu?");
    std::string title;
    language.pick(title, "Bestätigung!", "Validation!", "Confirmation!");
    if (host_.messageBox({MessageIcon::Question, MessageButtons::YesNo, title, MessageText}) != Answer::Yes)
        return;
    cboMenu.clear();
    blockBeingBuilt_ = false;
    PageButtonCount = 0;
    ButtonCountCheck = false;
    for (int i = 1; i <= catalogue::kCommandCount; ++i)
        field.lblWXMenu[i].setBackColour(controls::Colour::window());
    ClearPreview();
    NextPageNumber = 1;
    NextBlockPageNumber = 1;
    form.setCaption("WX5 Vostrel V " + VersionText);
    cmdWXButton(3).setEnabled(true);
    cmdWXButton(10).setEnabled(false);
    if (mnuEPageAuto.checked()) {
        StartMainBlock();
        MenuChanged = true;
        cmdWXButton(3).setEnabled(false);
        cmdWXButton(10).setEnabled(false);
    }
    mnuEPageAuto.setEnabled(true);
    preview.HScroll1.setMax(1);
    preview.HScroll1.setValue(1);
}

}  // namespace vostrel::app
