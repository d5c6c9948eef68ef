// Line-level rules: every line on its own must be one of the six kinds, written as the format
// wants it, and a command must be one the navigation software knows.
#include <set>

#include "catalogue/CommandRowData.h"
#include "check/Rules.h"
#include "menu/LineSyntax.h"

namespace vostrel::check::rules {

namespace {

const std::set<std::string>& knownCommands() {
    static const std::set<std::string> commands = [] {
        std::set<std::string> upper;
        for (const auto& row : catalogue::kCommandRows) upper.insert(menu::upperCase(row.command));
        return upper;
    }();
    return commands;
}

Message unknownKindMessage(KeywordFamily family) {
    switch (family) {
        case KeywordFamily::Block:
            return say(
                "Fehlerhafter Blockkopf; erwartet wird MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION| "
                "oder MENUBLOCK|BLOCK_PREF|BTM_GPS_POSITION|.",
                "Malformed block head; expected MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION| or "
                "MENUBLOCK|BLOCK_PREF|BTM_GPS_POSITION|.",
                "En-tête de bloc incorrect ; attendu MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION| "
                "ou MENUBLOCK|BLOCK_PREF|BTM_GPS_POSITION|.");
        case KeywordFamily::Page:
            return say(
                "Fehlerhafter Seitenkopf; erwartet wird MENUPAGE|TASK_PAGEn|Titel k/m| mit "
                "Zahlen ohne führende Nullen.",
                "Malformed page head; expected MENUPAGE|TASK_PAGEn|title k/m| with numbers "
                "without leading zeros.",
                "En-tête de page incorrect ; attendu MENUPAGE|TASK_PAGEn|titre k/m| avec des "
                "nombres sans zéros en tête.");
        case KeywordFamily::Item:
            return say("Fehlerhafter Eintrag; erwartet wird MENUITEM|TASK_BEFEHL|.",
                       "Malformed item; expected MENUITEM|TASK_COMMAND|.",
                       "Élément incorrect ; attendu MENUITEM|TASK_COMMANDE|.");
        case KeywordFamily::None: break;
    }
    return say(
        "Die Zeile ist keine Menüzeile; sie muss mit MENUBLOCK, MENUPAGE oder MENUITEM "
        "beginnen.",
        "The line is no menu line; it must start with MENUBLOCK, MENUPAGE or MENUITEM.",
        "La ligne n'est pas une ligne de menu ; elle doit commencer par MENUBLOCK, MENUPAGE "
        "ou MENUITEM.");
}

}  // namespace

void checkLineSyntax(const std::vector<LineView>& lines, Collector& out) {
    for (const auto& line : lines) {
        const auto& parsed = line.parsed;
        if (parsed.kind == LineKind::Empty) continue;
        if (parsed.kind == LineKind::Unknown) {
            out.add(line.number, Severity::Error, kUnknownLineKind, unknownKindMessage(parsed.family));
            continue;
        }
        if (!parsed.keywordUpper)
            out.add(line.number, Severity::Error, kKeywordCase,
                    say("Das Schlüsselwort am Zeilenanfang muss in Großbuchstaben stehen.",
                        "The keyword at the start of the line must be in upper case.",
                        "Le mot-clé en début de ligne doit être en majuscules."));
        if (!parsed.namesUpper)
            out.add(line.number, Severity::Warning, kNameCase,
                    say("Block- und Befehlsnamen stehen in Großbuchstaben.",
                        "Block and task names are written in upper case.",
                        "Les noms de bloc et de tâche s'écrivent en majuscules."));
        if (!parsed.closingBar)
            out.add(line.number, Severity::Error, kMissingClosingBar,
                    say("Der Zeile fehlt das abschließende \"|\".", "The line lacks its closing \"|\".",
                        "Il manque le « | » final de la ligne."));
        if (parsed.kind == LineKind::CommandItem && !knownCommands().contains(parsed.command))
            out.add(line.number, Severity::Warning, kUnknownCommand,
                    say("Der Befehl {1} steht nicht in der Befehlstabelle; die Vorschau zeigt "
                        "\"Falscher Befehl\".",
                        "The task {1} is in no row of the command table; the preview shows "
                        "\"Wrong comand\".",
                        "La tâche {1} ne figure pas dans la table des commandes ; l'aperçu "
                        "affiche « Incorrect commande ».",
                        {parsed.command}));
    }
}

}  // namespace vostrel::check::rules
