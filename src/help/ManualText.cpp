#include "help/HelpTexts.h"

#include <array>
#include <stdexcept>
#include <string>

namespace vostrel::help {
namespace {

using ManualLines = std::array<std::string_view, 13>;

// Line 12 stays empty: it sets the note on opening files apart from the steps of building a
// menu. The French lines 6 to 11 are not a word-for-word translation; the translator explained
// the auto-run question and the line editing in their own order, and that order is kept.
constexpr ManualLines kGermanManual = {
    "RU6 Vostrel - Anleitung, Stand 31.08.2005",
    "Ablauf:",
    "Datei Wendax.mnu erstellen:",
    "Soll das Menü ein Untermenü für die Einstellungen bekommen, klicken Sie auf einer Seite "
    "des Hauptmenüs den Button 'Einstellungen ändern' (Befehl menu_preferences) an.",
    "Klicken Sie die gewünschten Befehls-Buttons nacheinander an, höchstens 5 pro Seite; "
    "mit 'Nächste Seite' beginnt eine neue Seite.",
    "Auf der letzten Seite des Hauptmenüs klicken Sie die gewünschten Buttons an (höchstens 5) "
    "und beantworten die Frage, ob das Hauptmenü zu Ende ist, mit 'Ja'.",
    "Um das Einstellungsmenü anzufügen, klicken Sie danach auf den Menütitel 'Einstellungen'.",
    "Danach gehen Sie genauso vor wie beim Hauptmenü.",
    "Sobald das Menü fertig ist, können Sie die Datei Wendax.mnu bearbeiten.",
    "Zum Verschieben, Löschen oder Ändern klicken Sie die Zeile an; verschoben wird sie mit "
    "der Bildlaufleiste rechts neben der Liste.",
    "Wechseln Sie vor dem Speichern bei Bedarf in den Ordner des Navi-Programms; meldet Wendax "
    "einen 'SDK-Error', ist beim Bearbeiten von Hand ein Leerzeichen oder eine Leerzeile zu "
    "viel stehen geblieben.",
    "",
    "Zum Öffnen muss die Menü-Datei in einem Ordner des PCs liegen, nicht auf dem Navi-Gerät.",
};

constexpr ManualLines kEnglishManual = {
    "RU6 Vostrel - Manual, as of 31.08.2005",
    "Handling:",
    "Create the File Wendax.mnu:",
    "If your menu is to get a sub-menu for the settings, click the button 'menu preferences' "
    "(command menu_preferences) on one page of the main menu.",
    "Click the wanted command buttons one after the other, at most 5 per page; 'Next page' "
    "starts a new page.",
    "On the last page of the main menu click the wanted buttons (at most 5) and answer the "
    "question whether the main menu is finished with 'Yes'.",
    "To add the settings menu, then click the menu title 'Settings'.",
    "After that, go on in the same way as for the main menu.",
    "As soon as the menu is finished, you can edit the file Wendax.mnu.",
    "To move, delete or change a line, click it first; you move it with the scroll bar on the "
    "right of the list.",
    "Before saving, change into the folder of the navigation program if needed; if Wendax "
    "reports an 'SDK-Error', a blank or an empty line too many was left in by editing by hand.",
    "",
    "To be opened, a menu file must lie in a folder of the PC, not on the navigation device.",
};

constexpr ManualLines kFrenchManual = {
    "RU6 Vostrel - Mode d'emploi du 31.08.2005, avec tous nos remerciements pour la traduction "
    "française.",
    "Mise en Oeuvre:",
    "Créer un menu Wendax.mnu:",
    "Pour obtenir un sous-menu de préférences, ajoutez le bouton 'Modifier Préférences' "
    "(commande menu_preferences) à une page du menu principal.",
    "Cliquez sur les boutons de commande souhaités, l'un après l'autre, 5 au maximum par page.",
    "À la fin de chaque page, le programme demande si le menu principal est terminé, c'est "
    "pourquoi il faut remplir complètement la dernière page.",
    "Une fois le menu principal terminé, cliquez sur 'Menu Préférences' pour construire le menu "
    "des préférences.",
    "Une fois les menus créés, vous pouvez modifier leurs titres.",
    "Pour modifier une ligne, sélectionnez-la, changez son texte et validez avec 'Edition ligne'.",
    "Pour enregistrer, choisissez 'Fichier / Enregistrer'. Vous pouvez alors choisir un autre "
    "dossier et un autre nom.",
    "La commande 'Effacer Menu' efface le menu dans le programme, mais pas sur le disque. Si "
    "Wendax signale une 'SDK-Error', un espace ou une ligne vide de trop est resté après une "
    "modification à la main.",
    "",
    "Pour être ouvert, un fichier de menu doit se trouver dans un dossier du PC, et non sur "
    "l'appareil de navigation.",
};

constexpr bool onlyLineTwelveEmpty(const ManualLines& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].empty() != (i == 11)) {
            return false;
        }
    }
    return true;
}
static_assert(onlyLineTwelveEmpty(kGermanManual));
static_assert(onlyLineTwelveEmpty(kEnglishManual));
static_assert(onlyLineTwelveEmpty(kFrenchManual));

const ManualLines& manualLines(HelpLanguage language) {
    switch (language) {
        case HelpLanguage::German: return kGermanManual;
        case HelpLanguage::English: return kEnglishManual;
        case HelpLanguage::French: return kFrenchManual;
    }
    throw std::invalid_argument("manual: unknown help language");
}

}  // namespace

std::string manualText(HelpLanguage language) { return joinLinesCrLf(manualLines(language)); }

std::string_view manualCaption(HelpLanguage language) {
    switch (language) {
        case HelpLanguage::German: return "RU6 Vostrel-Anleitung";
        case HelpLanguage::English: return "RU6 Vostrel-Manual";
        case HelpLanguage::French: return "WX5 Vostrel-Instruction";
    }
    throw std::invalid_argument("manual caption: unknown help language");
}

}  // namespace vostrel::help
