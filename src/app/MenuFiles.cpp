// Opening and saving menu files through the open and save dialogs.
#include <algorithm>
#include <optional>

#include "app/frmWendax.h"
#include "files/MenuFile.h"
#include "files/Paths.h"
#include "files/TextFile.h"
#include "files/Windows1252.h"
#include "menu/LineSyntax.h"
#include "text/LineText.h"

namespace vostrel::app {

namespace {

constexpr controls::Wording kSaveTitle{"Datei speichern unter", "File save as", "Enregistrer fichier sous"};
constexpr controls::Wording kSaveFilter{"Dateien (*.mnu)|*.mnu|Alle Dateien (*.*)|*.*",
                                        "Files (*.mnu)|*.mnu|All Files (*.*)|*.*",
                                        "Fichiers (*.mnu)|*.mnu|Tout Fichiers (*.*)|*.*"};
constexpr controls::Wording kOverwrite{"Datei existiert bereits. Überschreiben?",
                                       "File exists again, overwriting?", "Le fichier existe, remplacer?"};
constexpr controls::Wording kWriteFailed{"Fehler beim Schreiben der Datei.", "A mistake by writing the file.",
                                         "Un erreur à écrire le fichier."};
constexpr controls::Wording kOpenTitle{"Öffnen Menü", "Open Menu", "Ouvrir Menu"};
constexpr controls::Wording kOpenFilter{"Dateien (*.mnu)|*.mnu|Alle Dateien (*.*)|*.*",
                                        "Files (*.mnu)|*.mnu|All Files (*.*)|*.*",
                                        "Fichiers (*.mnu)|*.mnu|Tout fichiers (*.*)|*.*"};
constexpr controls::Wording kOpenFailed{"Fehler beim Öffnen der Datei.", "An error by opening the file.?",
                                        "Un erreur on ouvrier le fichier."};
constexpr controls::Wording kUnencodable{
    "Zeile %1 enthält ein Zeichen, das die Datei nicht speichern kann.",
    "Line %1 holds a character that the file cannot store.",
    "La ligne %1 contient un caractère que le fichier ne peut pas stocker."};

constexpr controls::Wording kSaveChanges{"Das Menü wurde geändert. Sollen die Änderungen gespeichert werden?",
                                         "The menu has been changed. Do you want to save the changes?",
                                         "Le menu a été modifié. Voulez-vous enregistrer les modifications?"};
constexpr controls::Wording kNotAFile{
    "Das ist keine gewöhnliche Datei (ein Ordner, eine FIFO oder ein Gerät).",
    "This is not a regular file (a folder, a FIFO or a device).",
    "Ce n'est pas un fichier ordinaire (un dossier, une FIFO ou un périphérique)."};
constexpr controls::Wording kTooLarge{"Die Datei ist größer als 1 GiB oder passt nicht in den Speicher.",
                                      "The file is larger than 1 GiB or does not fit into memory.",
                                      "Le fichier dépasse 1 Gio ou ne tient pas en mémoire."};

constexpr std::size_t kCaptionPathCharacters = 65;

// Characters 19 and 20 of line `i` as an open reads them, blanks before the digits skipped. The
// list keeps the preview's strict reading of every line; it differs only where that reads 0.
int pageNumberAsOpened(const controls::ListBox& document, int i) {
    const int strict = document.key(i);
    return strict != 0 ? strict : menu::pageNumberIgnoringBlanks(document.entry(i));
}

}  // namespace

void frmWendax::showFileCaption() {
    const auto path = files::pathToText(CurrentFilePath);
    const auto tail = text::charRight(path, kCaptionPathCharacters);
    form.setCaption("WX5 Vostrel V " + VersionText + " .." + tail);
}

void frmWendax::mnuDSpeichern_Click() { FileSaveAs(); }

void frmWendax::mnuDSichern_Click() {
    if (sameFilePath_.empty()) {
        FileSaveAs();
        return;
    }
    if (cboMenu.empty() && !MenuChanged) return;
    const std::string title = language.wording(kSaveTitle);
    if (const auto bytes = encodedDocument(title)) writeDocument(sameFilePath_, *bytes, title);
}

bool frmWendax::AskToSaveChanges() {
    if (!MenuChanged || cboMenu.empty()) return true;
    switch (host_.messageBox(
        {MessageIcon::Question, MessageButtons::SaveDiscardCancel, {}, language.wording(kSaveChanges)})) {
        case Answer::Save: return FileSaveAs() == SaveResult::Saved;
        case Answer::Discard: return true;
        default: return false;
    }
}

// The document as the file's bytes. A character the file cannot hold would be
// written as something else, so then the save stops with a warning that names
// the line, and nothing comes back. Encoding is itself the check: the lines
// are only walked again to find the one to name.
std::optional<std::string> frmWendax::encodedDocument(const std::string& title) {
    std::optional<std::string> bytes = files::encodeMenuFile(cboMenu.entries());
    if (bytes) return bytes;
    const int line = files::firstUnencodableLine(cboMenu.entries());
    std::string text = language.wording(kUnencodable, MessageText);
    if (const auto at = text.find("%1"); at != std::string::npos)
        text.replace(at, 2, std::to_string(line + 1));
    host_.messageBox({MessageIcon::Warning, MessageButtons::Ok, title, text});
    return std::nullopt;
}

// Writes the document's bytes to `path`; a failure is shown and keeps
// everything as it was.
bool frmWendax::writeDocument(const std::filesystem::path& path, const std::string& bytes,
                              const std::string& title) {
    std::string error;
    if (!files::replaceFileAtomically(path, bytes, error)) {
        MessageText = language.wording(kWriteFailed, MessageText);
        host_.messageBox({MessageIcon::Warning, MessageButtons::Ok, title, MessageText, error});
        return false;
    }
    sameFilePath_ = path;
    MenuChanged = false;
    history_.markSaved();
    updateUndoItems();
    return true;
}

frmWendax::SaveResult frmWendax::FileSaveAs() {
    if (cboMenu.empty() && !MenuChanged) return SaveResult::Cancelled;
    // The bytes are made before any dialog, so that a character the file
    // cannot hold stops the save there. The document cannot change while the
    // dialogs are open: no other handler runs until this one returns.
    const std::optional<std::string> bytes = encodedDocument(language.wording(kSaveTitle));
    if (!bytes) return SaveResult::Failed;
    MessageText = language.wording(kOverwrite, MessageText);
    FileDialogRequest request{
        FileDialogKind::Save, language.wording(kSaveTitle), language.wording(kSaveFilter), {}, MenuFolder};
    const std::string separator(1, static_cast<char>(std::filesystem::path::preferred_separator));
    request.fileName =
        files::joinNames(MenuFolder, MenuRelativeName.empty() ? files::pathFromUtf8(separator + "Wendax.mnu")
                                                              : MenuRelativeName);
    const auto chosen = host_.fileDialog(request);
    // One dialog serves opening and saving: its name field keeps what this one left there.
    lastDialogFileName_ = chosen ? *chosen : request.fileName;
    if (!chosen) return SaveResult::Cancelled;
    std::error_code ignored;
    if (std::filesystem::exists(*chosen, ignored) &&
        host_.messageBox({MessageIcon::Question, MessageButtons::YesNo, request.title, MessageText}) !=
            Answer::Yes)
        return SaveResult::Cancelled;
    rememberMenuFolder();
    CurrentFilePath = *chosen;
    if (!writeDocument(*chosen, *bytes, request.title)) return SaveResult::Failed;
    showFileCaption();
    return SaveResult::Saved;
}

void frmWendax::mnuDLaden_Click() {
    // Unsaved work is offered for saving first; a save that is cancelled or
    // fails keeps the document and stops the open, so nothing is dropped unseen.
    if (!AskToSaveChanges()) return;
    if (!FileOpen()) return;
    preview.PreviewPage = 0;
    // A menu without a page head renders nothing, so the old menu's page must go first.
    ClearPreview();
    RenderPreview();
    if (cboMenu.empty()) {
        if (mnuEPageAuto.checked()) {
            cmdWXButton_Click(3);
            MenuChanged = true;
        }
        return;
    }
    MenuChanged = false;
    history_.clear(true);
    showOpenedLines();
}

// The counters, scroll bars and buttons as an opened document needs them.
void frmWendax::showOpenedLines() {
    syncLineScrollBar();
    scanPageNumbers();
    mnuBZeileLoesch.setEnabled(true);
    mnuBZeileAendern.setEnabled(true);
    cmdWXButton(0).setEnabled(true);
    cmdWXButton(4).setEnabled(true);
    cmdWXButton(10).setEnabled(true);
    cmdWXButton(3).setEnabled(false);
    cboMenu.setEnabled(true);
    VScroll2.setEnabled(true);
    ButtonCountCheck = false;
    mnuEPageAuto.setEnabled(false);
}

bool frmWendax::FileOpen() {
    MessageText = language.wording(kOpenFailed, MessageText);
    const FileDialogRequest request{FileDialogKind::Open, language.wording(kOpenTitle),
                                    language.wording(kOpenFilter), lastDialogFileName_, MenuFolder};
    const auto chosen = host_.fileDialog(request);
    if (!chosen) return false;
    lastDialogFileName_ = *chosen;
    // The file is read in full before anything changes: a failed read leaves
    // the document and every value as they were.
    files::ReadFailure failure;
    auto lines = files::readMenuFile(*chosen, &failure);
    if (!lines) {
        host_.messageBox(
            {MessageIcon::Warning, MessageButtons::Ok, request.title, MessageText, readFailureText(failure)});
        return false;
    }
    CurrentFilePath = *chosen;
    const auto n = static_cast<long>(files::nameLength(CurrentFilePath)) -
                   static_cast<long>(files::nameLength(ProgramFolder));
    if (n >= 0) MenuRelativeName = files::nameTail(CurrentFilePath, static_cast<std::size_t>(n));
    rememberMenuFolder();
    SelectedLine = -1;  // a line number of the old document names nothing here
    cboMenu.assignAll(std::move(*lines));
    // Until the next change the document is this file; its bytes are read when the check asks.
    openedRevision_ = cboMenu.revision();
    openedBytes_.reset();
    blockBeingBuilt_ = false;
    cboMenu.setText({});  // the old document's line must not stay in the edit field
    sameFilePath_ = CurrentFilePath;
    markUsedCommands();
    showFileCaption();
    return true;
}

std::string frmWendax::readFailureText(const files::ReadFailure& failure) const {
    switch (failure.kind) {
        case files::ReadFailure::Kind::System: return failure.reason;
        case files::ReadFailure::Kind::NotAFile: return language.wording(kNotAFile);
        case files::ReadFailure::Kind::TooLarge: return language.wording(kTooLarge);
    }
    return failure.reason;
}

void frmWendax::rememberMenuFolder() {
    // Every open and save makes the program folder the menu folder, as it always has. A
    // name the settings file cannot hold (not UTF-8, or outside Windows-1252) would come
    // back as another folder, so the line then keeps what it had.
    MenuFolder = ProgramFolder;
    const auto text = files::pathToExactText(MenuFolder);
    if (text && files::encodeWindows1252(*text)) setSettingsLine(files::SettingsKey::MenuFolder, *text);
}

void frmWendax::markUsedCommands() {
    for (int i = 1; i <= catalogue::kCommandCount; ++i)
        field.lblWXMenu[i].setBackColour(controls::Colour::window());
    for (int i = 1; i < cboMenu.count(); ++i) {
        const std::string& line = cboMenu.entry(i);
        if (menu::isPageLineIgnoreCase(line) && pageNumberAsOpened(cboMenu, i) > 1) {
            field.lblWXMenu[kNextPageButton].setBackColour(controls::kLightPink);
            continue;
        }
        if (const int k = commandButtonOfLine(line)) field.lblWXMenu[k].setBackColour(controls::kLightPink);
    }
}

void frmWendax::scanPageNumbers() {
    auto& bar = preview.HScroll1;
    bar.setMax(0);
    for (int i = 0; i < cboMenu.count(); ++i) {
        const int v = pageNumberAsOpened(cboMenu, i);
        if (v > bar.max()) {
            bar.setMax(v);
            preview.PreviewLastPage = static_cast<std::int16_t>(bar.max());
            NextPageNumber = static_cast<std::int16_t>(bar.max() + 1);
        }
    }
}

}  // namespace vostrel::app
