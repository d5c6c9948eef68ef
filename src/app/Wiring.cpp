// Connects the change notifications of the controls to their handlers and the
// menu bar to its items' handlers.
#include "app/frmWendax.h"

namespace vostrel::app {

void frmWendax::wireChangeHandlers() {
    field.VScroll1.onChange = [this] { field.ShowButtonPage(language); };
    preview.HScroll1.onChange = [this] { HScroll1_Change(); };
    VScroll2.onChange = [this] { VScroll2_Change(); };
    cboMenu.onClick = [this] { cboMenu_Click(); };
    // A preview button selects its line as the user would by clicking it.
    preview.selectLine = [this](int index) {
        if (cboMenu.listIndex() == index) {
            cboMenu.setText(cboMenu.entry(index));
            cboMenu_Click();
        } else {
            cboMenu.setListIndex(index);
        }
    };
}

void frmWendax::RenderPreview() { preview.RenderPreview(); }
void frmWendax::ClearPreview() { preview.ClearPreview(); }
void frmWendax::HScroll1_Change() { preview.HScroll1_Change(); }

// Either frame's places take clicks whichever orientation is shown (both hold the same page);
// an empty place does not.
void frmWendax::imgMenH_Click(int index) {
    if (index >= 0 && index < preview::kPlaceCount && preview.imgMenH[index].visible())
        preview.imgMenH_Click(index);
}

void frmWendax::imgMenQ_Click(int index) {
    if (index >= 0 && index < preview::kPlaceCount && preview.imgMenQ[index].visible())
        preview.imgMenQ_Click(index);
}

bool frmWendax::chooseMenuItem(std::string_view name) {
    controls::MenuItem* item = findMenuItem(name);
    if (!item || !item->takesClicks()) return false;
    // An item inside a hidden or disabled menu cannot be reached either.
    for (const auto& entry : menuBar_)
        for (auto* child : entry.items)
            if (child == item && !entry.menu->takesClicks()) return false;
    // Undo and redo move through the history themselves; the options and an
    // open leave a document nothing earlier can be undone onto.
    if (name == "mnuBRueckgaengig") {
        mnuBRueckgaengig_Click();
        return true;
    }
    if (name == "mnuBWiederherstellen") {
        mnuBWiederherstellen_Click();
        return true;
    }
    const bool resets = name == "mnuDLaden" || name == "mnuBHochformat" || name == "mnuEButtonSperren" ||
                        name == "mnuEPageAuto" || name == "mnuEStandard";
    const StepScope step(*this, resets ? StepKind::Reset : StepKind::Edit);
    const std::map<std::string_view, void (frmWendax::*)()> handlers = {
        {"mnuDLaden", &frmWendax::mnuDLaden_Click},
        {"mnuDSpeichern", &frmWendax::mnuDSpeichern_Click},
        {"mnuDSichern", &frmWendax::mnuDSichern_Click},
        {"mnuDMenuLoesch", &frmWendax::mnuDMenuLoesch_Click},
        {"mnuDEnde", &frmWendax::mnuDEnde_Click},
        {"mnuBZeileLoesch", &frmWendax::mnuBZeileLoesch_Click},
        {"mnuBZeileAendern", &frmWendax::mnuBZeileAendern_Click},
        {"mnuBHochformat", &frmWendax::mnuBHochformat_Click},
        {"mnuEButtonSperren", &frmWendax::mnuEButtonSperren_Click},
        {"mnuEPageAuto", &frmWendax::mnuEPageAuto_Click},
        {"mnuEStandard", &frmWendax::mnuEStandard_Click},
        {"mnuAnleitung", &frmWendax::mnuAnleitung_Click},
        {"mnuHistorie", &frmWendax::mnuHistorie_Click},
        {"mnuInfo", &frmWendax::mnuInfo_Click},
        {"mnuECheck", &frmWendax::mnuECheck_Click},
        {"mnuEReparieren", &frmWendax::mnuEReparieren_Click},
    };
    if (const auto it = handlers.find(name); it != handlers.end()) (this->*(it->second))();
    return true;
}

void frmWendax::mnuBHochformat_Click() {
    mnuBHochformat.setChecked(!mnuBHochformat.checked());
    if (mnuBHochformat.checked()) {
        setSettingsLine(4, "Hochformat=1");
        preview.ArrangePortrait(form, cmdWXButton(9));
    } else {
        setSettingsLine(4, "Hochformat=0");
        preview.ArrangeLandscape(form, cmdWXButton(9));
        mnuEStandard.setChecked(false);
        setSettingsLine(6, "StandardRe=0");
    }
}

void frmWendax::setSettingsLine(int line, const std::string& text) {
    if (cboWXIni.validIndex(line)) cboWXIni.replace(line, text);
}

}  // namespace vostrel::app
