// Switching the interface language: every caption and tooltip of the window,
// the command-button labels, the preview and the page caption follow.
#include "app/frmWendax.h"

namespace vostrel::app {

namespace {

using controls::Wording;

struct CaptionRow {
    controls::Control* control;
    bool tooltip;  // false: the caption
    Wording wording;
};

}  // namespace

void frmWendax::SwitchLanguage(std::int16_t index) {
    language.setOnly(index == 1, index == 5, index == 7);
    field.LabelCommandButtons(cboSprachen, language);
    RenderPreview();
    field.SetButtonPageCaption(language);
    mnuDMenuLoesch_Click();
    std::string name;
    language.pick(name, "Deutsch", "English", "Français");
    setSettingsLine(files::SettingsKey::Language, name);
    applyLanguageCaptions();
    cmdWXButton(1).setEnabled(index != 1);
    cmdWXButton(5).setEnabled(index != 5);
    cmdWXButton(7).setEnabled(index != 7);
}

void frmWendax::applyLanguageCaptions() {
    const std::vector<CaptionRow> rows = {
        {&cmdWXButton(0), false, {"&Nächste Seite", "&Next page", "Page &suivante"}},
        {&cmdWXButton(0), true, {"WXButton Nächste Seite", "WXButton Next page", "WXBouton Page suivante"}},
        {&cmdWXButton(3), false, {"&Hauptmenü", "&Main-Menu", "Menu &principal"}},
        {&cmdWXButton(3), true, {"Kopf Hauptmenü", "Head Mainmenu", "Tête du Menu principal"}},
        {&cmdWXButton(4), false, {"&Menü-Ende", "Menu-&End", "&Fin du menu"}},
        {&cmdWXButton(4), true, {"WXButton Ende Menü", "WXButton End of Menu", "WXBouton Fin du menu"}},
        {&cmdWXButton(9), false, {"Menü &Zeigen", "S&how Menu", "Voir le &Menu"}},
        {&cmdWXButton(10), false, {"&Einstellungen", "&Settings", "Men&u préférences"}},
        {&cmdWXButton(10), true, {"Kopf Einstellungsmenü", "Head Settings-Menu", "Tête du Menu préférences"}},
        {&cboMenu, true, {"Menü", "Menu", "Menu"}},
        {&cboSprachen,
         true,
         {"Zumzum.dat: Befehl  25 incl. Blancs + Beschriftung der Buttons 25 incl. Blancs + Deutsch 25 "
          "incl. Blancs + Englisch 25 incl. Blancs + Französisch mind. 1 Stelle",
          "Zumzum.dat: Comand 25 bytes incl. spaces + Labelling of Buttons 25 incl. spaces + German 25 "
          "incl. spaces + English 25 incl. spaces + French min. 1",
          "Zumzum.dat: Ordre 25 incl. espaces + inscription 25 incl. espaces + allemand 25 incl. "
          "espaces + anglais 25 incl. espaces + français min. 1 espace)"}},
        {&mnuDatei, false, {"&Datei", "&File", "Fic&hier"}},
        {&mnuDLaden, false, {"&Öffnen Menü", "&Open Menu", "&Ouvrir Menu"}},
        {&mnuDSichern, false, {"S&ichern", "Sa&ve", "Enre&gistrer"}},
        {&mnuDSpeichern, false, {"&Speichern Menü", "&Save Menu", "&Enregistrer Menu"}},
        {&mnuDMenuLoesch, false, {"Löschen &Menü", "&Delete Menu", "Effacer &Menu"}},
        {&mnuDEnde, false, {"&Ende", "&Exit", "&Quitter"}},
        {&mnuBearbeiten, false, {"&Bearbeiten", "&Edit", "&Edition"}},
        {&mnuBRueckgaengig, false, {"&Rückgängig", "&Undo", "&Annuler"}},
        {&mnuBWiederherstellen, false, {"&Wiederherstellen", "R&edo", "&Rétablir"}},
        {&mnuBZeileLoesch, false, {"Zeile &Löschen", "Row &Delete", "&Supprimer ligne"}},
        {&mnuBZeileAendern, false, {"Zeile &Ändern", "&Row Edit", "Edition &ligne"}},
        {&mnuButtons, false, {"E&xtras", "E&xtras", "E&xtras"}},
        {&mnuBHochformat, false, {"Menü &Hochformat", "Menu P&ortrait", "Menu &Portrait"}},
        {&mnuEButtonSperren, false, {"&Button Sperren", "&Lock Button", "&Figer Bouton"}},
        {&mnuEPageAuto, false, {"&Auto-Ablauf", "&Automatical-Run", "Exécution &automatique"}},
        {&mnuECheck, false, {"Menü &Prüfen", "&Check Menu", "&Vérifier Menu"}},
        {&mnuEReparieren, false, {"Menü &Reparieren", "&Repair Menu", "&Réparer Menu"}},
        {&mnuEStandard, false, {"&Standard Herstellen", "&Standard Undoing", "&Modifier la Standard"}},
        {&mnuAnleitung, false, {"&Anleitung", "M&anual", "&Aide"}},
        {&mnuHistorie,
         false,
         {"&Historie nur für Entwickler", "Histor&y only for Engineer",
          "&Histoire seulement pour développeur"}},
        {&mnuInfo, false, {"&Info", "&Info", "Inf&o"}},
        {&preview.Frame1, false, {"Menü-Querformat", "Menu-Landscape", "Menu Paysage"}},
        {&Frame2, false, {"Steuerung", "Control", "Guidage"}},
        {&preview.Frame3, false, {"Menü-Hochformat", "Menu-Portrait", "Menu Portrait"}},
        {&Frame4, true, {"Record Schieben", "Record Slide", "Record Déplacer"}},
        {&Frame5, false, {"Buttons", "Buttons", "Boutons"}},
    };
    for (const auto& row : rows) {
        std::string text = row.tooltip ? row.control->tooltip() : row.control->caption();
        if (!language.pick(text, row.wording.german, row.wording.english, row.wording.french)) continue;
        if (row.tooltip)
            row.control->setTooltip(text);
        else
            row.control->setCaption(text);
    }
    std::string pageTooltip = field.Picture1[0].tooltip();
    if (language.pick(pageTooltip, "Button-Feld", "Button-Field", "Place des Boutons"))
        for (auto& page : field.Picture1) page.setTooltip(pageTooltip);
}

}  // namespace vostrel::app
