#include "help/HelpTexts.h"

#include <array>
#include <string>
#include <vector>

namespace vostrel::help {
namespace {

// An entry carries one to seven notes; the array type makes an eighth note a compile error.
// Unused slots stay null (plain pointers here because g++ 12 refuses to evaluate defaulted
// string_view slots of a constexpr aggregate inside a static_assert).
struct HistoryEntry {
    std::string_view version;
    std::string_view date;  // dd.mm.yyyy
    std::array<const char*, 7> notes;
};

// Newest first, as the developer reads it: what changed last is what gets asked about.
constexpr HistoryEntry kHistory[] = {
    {"2.23.1",
     "31.08.2005",
     {"Fehler behoben: Auto-Ablauf ließ sich nach dem ersten Befehls-Button noch umschalten.",
      "Tooltip der Menüliste zeigt die Position der gewählten Zeile."}},
    {"2.23",
     "30.08.2005",
     {"Französische Texte überarbeitet.", "Hinweis auf 'SDK-Error' in die Anleitung aufgenommen.",
      "Fenstertitel zeigt nach Öffnen und Speichern den Dateinamen."}},
    {"2.22",
     "05.08.2005",
     {"Anleitung in Deutsch, Englisch und Französisch.", "Info-Fenster mit Adresse, eMail und Internet.",
      "Vorschau folgt den Links Nächste Seite, Menü-Ende und Einstellungen ändern.",
      "Menü Zeigen springt in der Vorschau auf die erste Seite."}},
    {"2.21",
     "24.07.2005",
     {"Button-Feld auf 7 Seiten verteilt, Seitenwahl mit der Bildlaufleiste.",
      "Seitentitel des Button-Felds in allen drei Sprachen.",
      "Neue Befehle für SDK1-6 und ZAVI, jetzt 114 Befehls-Buttons."}},
    {"2.10",
     "07.07.2005",
     {"Auto-Ablauf: nach dem 5. Button auf einer Seite kommt die Frage, ob das Menü zu Ende "
      "ist.",
      "Bei Auto-Ablauf beginnt das Hauptmenü schon beim Programmstart.",
      "Auto-Ablauf wird in Zumzum.ini gespeichert.",
      "Auto-Ablauf lässt sich nur umschalten, solange kein Befehl eingefügt ist."}},
    {"2.00",
     "06.07.2005",
     {"Oberfläche in Deutsch, Englisch und Französisch.",
      "Sprachwahl mit drei Flaggen-Buttons, die Sprache wird in Zumzum.ini gespeichert.",
      "Beschriftung der Befehls-Buttons in der gewählten Sprache.",
      "Beim Sprachwechsel Rückfrage, ob das Menü gelöscht werden soll.",
      "Seitentitel im Menü in der Sprache beim Beginn des Blocks."}},
    {"1.20",
     "02.07.2005",
     {"Button Sperren: jeder Befehl kommt nur einmal ins Menü.",
      "Benutzte Buttons gelb, Buttons aus der geöffneten Datei rosa markiert.",
      "Button Sperren wird in Zumzum.ini gespeichert."}},
    {"1.10",
     "01.07.2005",
     {"Zeilen bearbeiten: Zeile anklicken, ändern oder löschen.",
      "Zeilen mit der Bildlaufleiste verschieben.", "Ganzes Menü löschen mit Rückfrage.",
      "Warnung: beim Bearbeiten ist die Prüfung auf 5 Buttons pro Seite aus."}},
    {"1.01",
     "28.06.2005",
     {"Fehler behoben: Speichern ohne Endung .mnu.",
      "Seitenzahlen nach dem Öffnen einer Datei richtig weitergezählt."}},
    {"1.00",
     "27.06.2005",
     {"Menü öffnen und speichern (Wendax.mnu).", "Ordner der letzten Menü-Datei wird gemerkt.",
      "Einstellungsdatei Zumzum.ini im Programmordner.",
      "Beim Beenden Rückfrage zum Speichern eines geänderten Menüs."}},
    {"0.26",
     "23.06.2005",
     {"Einstellungsmenü als zweiter Block nach dem Hauptmenü.",
      "Button Einstellungen erst nach dem Ende des Hauptmenüs frei."}},
    {"0.25",
     "22.06.2005",
     {"Höchstens 5 Buttons pro Seite, Warnung bei voller Seite.",
      "Seitenzahl im Seitenkopf wird beim Menü-Ende eingesetzt."}},
    {"0.24",
     "21.06.2005",
     {"Vorschau auch im Querformat.", "Umschalten Hochformat/Querformat im Menü Extras."}},
    {"0.22", "20.06.2005", {"Vorschau der Menü-Seite im Hochformat.", "Fehler beim Seitenwechsel behoben."}},
    {"0.20", "20.06.2005", {"1. Ausgabe"}},
};

// Notes fill the slots from the front: a null slot ends the list, no note is empty, and at
// least one is there, otherwise the entry would show a head line over nothing.
constexpr bool notesPackedAndPresent(const HistoryEntry& entry) {
    if (entry.notes[0] == nullptr || std::string_view(entry.notes[0]).empty()) {
        return false;
    }
    bool ended = false;
    for (const char* note : entry.notes) {
        if (note == nullptr) {
            ended = true;
        } else if (ended || std::string_view(note).empty()) {
            return false;
        }
    }
    return true;
}

constexpr bool allEntriesWellFormed() {
    for (const HistoryEntry& entry : kHistory) {
        if (!notesPackedAndPresent(entry)) {
            return false;
        }
    }
    return true;
}
static_assert(allEntriesWellFormed());

}  // namespace

std::string historyText() {
    // The head lines are built here, so the strings they live in must outlast the join.
    std::vector<std::string> heads;
    heads.reserve(std::size(kHistory));
    for (const HistoryEntry& entry : kHistory) {
        heads.push_back("V " + std::string(entry.version) + " " + std::string(entry.date) + ":");
    }

    std::vector<std::string_view> lines = {"WX5 Vostrel Historie:", ""};
    for (std::size_t i = 0; i < std::size(kHistory); ++i) {
        if (i > 0) {
            lines.emplace_back();
        }
        lines.emplace_back(heads[i]);
        for (const char* note : kHistory[i].notes) {
            if (note == nullptr) {
                break;
            }
            lines.emplace_back(note);
        }
    }
    return joinLinesCrLf(lines);
}

}  // namespace vostrel::help
