// File-level rules: line ends, empty lines, blanks, and characters the editor cannot store.
#include "check/Rules.h"
#include "check/Utf8Reading.h"
#include "menu/LineSyntax.h"

namespace vostrel::check::rules {

namespace {

// Builds the text anew instead of replacing in place: one pass, and no overlapping copies.
std::string fill(std::string_view text, std::initializer_list<std::string> args) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto close = text.find('}', i);
        if (text[i] == '{' && close != std::string_view::npos && close - i == 2 && text[i + 1] >= '1' &&
            text[i + 1] <= '9') {
            const auto index = static_cast<std::size_t>(text[i + 1] - '1');
            if (index < args.size()) {
                result += *(args.begin() + index);
                i = close;
                continue;
            }
        }
        result += text[i];
    }
    return result;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

Message say(std::string_view german, std::string_view english, std::string_view french,
            std::initializer_list<std::string> args) {
    return Message{fill(german, args), fill(english, args), fill(french, args)};
}

namespace {

Message loneCrMessage() {
    return say("Die Zeile enthält ein einzelnes CR ohne folgendes LF; Zeilen enden mit CR LF.",
               "The line holds a lone CR without LF; lines end in CR LF.",
               "La ligne contient un CR seul sans LF ; les lignes se terminent par CR LF.");
}

}  // namespace

void checkBytes(std::string_view bytes, Collector& out) {
    int line = 1;
    int lastLoneCrLine = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            if (i == 0 || bytes[i - 1] != '\r')
                out.add(line, Severity::Error, kLoneLf,
                        say("Die Zeile endet nur mit LF statt mit CR LF.",
                            "The line ends in a lone LF instead of CR LF.",
                            "La ligne se termine par un LF seul au lieu de CR LF."));
            ++line;
        } else if (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')) {
            // Several stray CRs in one line are one fault to fix.
            if (lastLoneCrLine != line) out.add(line, Severity::Error, kLoneCr, loneCrMessage());
            lastLoneCrLine = line;
        }
    }
    if (!bytes.empty() && bytes.back() != '\n' && bytes.back() != '\r')
        out.add(line, Severity::Warning, kMissingLineEnd,
                say("Der letzten Zeile fehlt das Zeilenende CR LF.", "The last line has no CR LF line end.",
                    "La dernière ligne n'a pas de fin de ligne CR LF."));
}

void checkEncoding(const std::vector<LineView>& lines, Collector& out) {
    // One line of genuine Windows-1252 text ("ü" as the byte 0xFC) settles it: the file is not
    // UTF-8, however the other lines read.
    const LineView* first = nullptr;
    for (const auto& line : lines) {
        const auto look = utf8Look(line.text);
        if (look == Utf8Look::Foreign) return;
        if (look == Utf8Look::Utf8 && !first) first = &line;
    }
    if (!first) return;
    const auto example = firstUtf8Example(first->text);
    out.add(first->number, Severity::Warning, kUtf8AsWindows1252,
            say("Die Datei ist offenbar als UTF-8 gespeichert: \"{1}\" steht hier für \"{2}\". "
                "Menüdateien sind Windows-1252.",
                "The file looks saved as UTF-8: \"{1}\" here stands for \"{2}\". Menu files are "
                "Windows-1252.",
                "Le fichier semble enregistré en UTF-8 : « {1} » y tient lieu de « {2} ». Les "
                "fichiers de menu sont en Windows-1252.",
                {example.shown, example.meant}));
}

void checkCharacters(const std::vector<LineView>& lines, bool haveBytes, Collector& out) {
    for (const auto& line : lines) {
        if (line.trimmed.empty()) {
            out.add(line.number, Severity::Error, kEmptyLine,
                    line.text.empty()
                        ? say("Leere Zeile; eine Menüdatei enthält keine Leerzeilen.",
                              "Empty line; a menu file holds no empty lines.",
                              "Ligne vide ; un fichier de menu ne contient pas de lignes vides.")
                        : say("Die Zeile enthält nur Leerzeichen; eine Menüdatei enthält keine "
                              "Leerzeilen.",
                              "The line holds nothing but blanks; a menu file holds no empty "
                              "lines.",
                              "La ligne ne contient que des espaces ; un fichier de menu ne "
                              "contient pas de lignes vides."));
            continue;
        }
        if (isBlank(line.text.front()))
            out.add(line.number, Severity::Error, kLeadingBlank,
                    say("Die Zeile beginnt mit einem Leerzeichen.", "The line starts with a blank.",
                        "La ligne commence par un espace."));
        if (isBlank(line.text.back()))
            out.add(line.number, Severity::Error, kTrailingBlank,
                    say("Die Zeile endet mit einem Leerzeichen nach dem letzten \"|\".",
                        "The line ends in a blank after its last \"|\".",
                        "La ligne se termine par un espace après le dernier « | »."));
        // The editor reads a file back field by field: a comma splits the line in two and
        // quotes vanish, so such a line does not survive opening and saving.
        if (line.text.find(',') != std::string_view::npos)
            out.add(line.number, Severity::Error, kComma,
                    say("Die Zeile enthält ein Komma.", "The line holds a comma.",
                        "La ligne contient une virgule."));
        if (line.text.find('"') != std::string_view::npos)
            out.add(line.number, Severity::Error, kDoubleQuote,
                    say("Die Zeile enthält ein Anführungszeichen (\").",
                        "The line holds a double quote (\").", "La ligne contient un guillemet droit (\")."));
        if (!haveBytes && line.text.find('\r') != std::string_view::npos)
            out.add(line.number, Severity::Error, kLoneCr, loneCrMessage());
        if (line.text.find(menu::kPlaceholder) != std::string_view::npos)
            out.add(line.number, Severity::Error, kUnresolvedPlaceholder,
                    say("Die Zeile enthält noch den Platzhalter \"§\"; der Block wurde nicht mit "
                        "Menü-Ende abgeschlossen.",
                        "The line still holds the placeholder \"§\"; its block was never ended "
                        "with menu-end.",
                        "La ligne contient encore le caractère provisoire « § » ; son bloc n'a "
                        "jamais été terminé par Fin du menu."));
    }
}

}  // namespace vostrel::check::rules
