#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/History.h"
#include "app/Host.h"
#include "app/MenuCheckWindow.h"
#include "catalogue/ButtonField.h"
#include "check/LiveResult.h"
#include "check/Repair.h"
#include "controls/Control.h"
#include "controls/Language.h"
#include "controls/ListBox.h"
#include "controls/MenuItem.h"
#include "controls/ScrollBar.h"
#include "files/FileBuffer.h"
#include "files/SettingsFile.h"
#include "help/HelpWindows.h"
#include "preview/MenuPreview.h"

namespace vostrel::app {

// A menu of the menu bar and its items, in display order.
struct MenuBarEntry {
    controls::MenuItem* menu;
    std::vector<controls::MenuItem*> items;  // separators included
};

// The main window as the handlers see it: every control under its name, the
// shared values of the window, and the handlers under their published names.
// The front end and the replay tool drive it; it never touches a widget.
class frmWendax {
public:
    frmWendax(Host& host, std::filesystem::path programFolder);
    frmWendax(const frmWendax&) = delete;
    frmWendax& operator=(const frmWendax&) = delete;

    // ---- Controls -------------------------------------------------------
    controls::Control form{"frmWendax"};  // caption, width, height
    static constexpr std::array<int, 8> kControlButtonIndexes = {0, 1, 3, 4, 5, 7, 9, 10};
    static bool controlButtonExists(int index);
    // The slot of a control button; throws std::out_of_range for an index without one.
    static std::size_t controlButtonSlot(int index);
    controls::Button& cmdWXButton(int index);
    const controls::Button& cmdWXButton(int index) const;

    controls::Frame Frame2{"Frame2"};
    controls::Frame Frame4{"Frame4"};
    controls::Frame Frame5{"Frame5"};
    controls::ListBox cboMenu{"cboMenu"};
    controls::ListBox cboWXIni{"cboWXIni"};
    controls::ListBox cboSprachen{"cboSprachen"};
    controls::ScrollBar VScroll2{"VScroll2"};
    catalogue::ButtonField field;
    preview::MenuPreview preview;

    controls::MenuItem mnuDatei{"mnuDatei", "&Datei"};
    controls::MenuItem mnuDLaden{"mnuDLaden", "&Öffnen Wendax.mnu", "F2"};
    controls::MenuItem mnuDSichern{"mnuDSichern", "S&ichern", "Ctrl+S"};
    controls::MenuItem mnuDSpeichern{"mnuDSpeichern", "&Speichern Wendax.mnu", "F4"};
    controls::MenuItem mnuLeer2{"mnuLeer2", "-"};
    controls::MenuItem mnuDMenuLoesch{"mnuDMenuLoesch", "&Menü Löschen", "F7"};
    controls::MenuItem mnuLeer1{"mnuLeer1", "-"};
    controls::MenuItem mnuDEnde{"mnuDEnde", "&Ende", "F3"};
    controls::MenuItem mnuBearbeiten{"mnuBearbeiten", "&Bearbeiten"};
    controls::MenuItem mnuBRueckgaengig{"mnuBRueckgaengig", "&Rückgängig", "Ctrl+Z"};
    // Several shortcuts are separated by "; ".
    controls::MenuItem mnuBWiederherstellen{"mnuBWiederherstellen", "&Wiederherstellen",
                                            "Ctrl+Y; Ctrl+Shift+Z"};
    controls::MenuItem mnuLeer3{"mnuLeer3", "-"};
    controls::MenuItem mnuBZeileLoesch{"mnuBZeileLoesch", "Zeile &Löschen", "Shift+Del"};
    controls::MenuItem mnuBZeileAendern{"mnuBZeileAendern", "Zeile &Ändern", "Ctrl+H"};
    controls::MenuItem mnuButtons{"mnuButtons", "&Extras"};
    controls::MenuItem mnuBHochformat{"mnuBHochformat", "&Hochformat", "F5", controls::MenuItem::kCheckable};
    controls::MenuItem mnuEButtonSperren{"mnuEButtonSperren", "&Button Sperren", "F6",
                                         controls::MenuItem::kCheckable};
    controls::MenuItem mnuEPageAuto{"mnuEPageAuto", "&Auto-Ablauf", "F9", controls::MenuItem::kCheckable};
    controls::MenuItem mnuEStandard{
        "mnuEStandard", "&Standard Herstellen", {}, controls::MenuItem::kCheckable};
    controls::MenuItem mnuECheck{"mnuECheck", "Menü &Prüfen", "F12"};
    controls::MenuItem mnuEReparieren{"mnuEReparieren", "Menü &Reparieren"};
    controls::MenuItem mnuAnleitung{"mnuAnleitung", "&Anleitung"};
    controls::MenuItem mnuFrage{"mnuFrage", "&?"};
    controls::MenuItem mnuInfo{"mnuInfo", "&Info", "F8"};
    controls::MenuItem mnuHistorie{"mnuHistorie", "&Historie Entwicklung", "F1"};

    const std::vector<MenuBarEntry>& menuBar() { return menuBar_; }
    // Every named menu and item (separators excluded), in menu-bar order.
    std::vector<controls::MenuItem*> menuItems();
    std::vector<const controls::MenuItem*> menuItems() const;
    controls::MenuItem* findMenuItem(std::string_view name);
    const controls::MenuItem* findMenuItem(std::string_view name) const;

    std::optional<help::TextWindow> frmWXText;
    std::optional<help::InfoWindow> frmWXInfo;
    std::optional<MenuCheckWindow> frmWXCheck;  // findings of the menu check

    // ---- Shared values --------------------------------------------------
    // A line number: 16 bits in the original design, which wrapped past 32,767
    // lines and sent the line-moving bar and the move into endless recursion.
    int SelectedLine = 0;
    std::int16_t PageButtonCount = 0;
    std::int16_t NextPageNumber = 0;
    std::int16_t NextBlockPageNumber = 0;
    std::string BlockTitle;
    bool ButtonCountCheck = false;
    bool MenuChanged = false;
    std::string MessageText;
    controls::LanguageFlags language;
    // The folders and files the handlers remember are locations, not text: a name
    // that is not valid UTF-8 must still open and save. Shown, they go through
    // files::pathToText.
    std::filesystem::path ProgramFolder;
    std::string VersionText;
    std::filesystem::path MenuFolder;
    std::filesystem::path MenuRelativeName;
    std::filesystem::path CurrentFilePath;

    // A passing note for the window's status line: why a click on an enabled
    // control changed nothing, in the interface language. `count` rises with
    // every note, so a front end shows a repeated note anew; the window shows
    // it for a few seconds and no message box interrupts the user.
    struct PassingNote {
        std::string text;
        int count = 0;
    };
    PassingNote passingNote;

    // ---- Window events ----------------------------------------------------
    void Form_Load();  // start-up
    // Shut-down; runs once. False when the user chose to stay (the window stays open).
    bool Form_Unload();
    // A termination signal or the end of the session: no question is asked. The
    // unsaved document goes to the recovery file and, once start-up has read
    // them, the settings to theirs; then the program may end.
    void endAtOnce();
    // Called once start-up has read the settings, so that an end before it
    // never replaces the user's settings with the standard ones.
    std::function<void()> onSettingsRead;
    bool loaded() const { return loaded_; }
    bool closed() const { return closed_; }

    void cmdWXButton_Click(std::int16_t index);
    void imgWXMenu_Click(int index);
    void lblWXMenu_Click(int index);
    void imgMenH_Click(int index);
    void imgMenQ_Click(int index);
    // A user's click on a menu item by name; hidden or disabled items take none.
    bool chooseMenuItem(std::string_view name);
    void mnuDEnde_Click();

    // ---- What a user does to the controls ------------------------------------
    // The front ends come in here; each does nothing when the control is
    // disabled or hidden, as in the window.
    void userSelectsLine(int index);          // a click on entry `index` of cboMenu
    void userTypes(const std::string& text);  // typing until the edit field reads `text`
    void userScrolls(controls::ScrollBar& bar, int value);
    void userFocusesLineBar();                 // VScroll2 takes the focus
    void userClicksControlButton(int index);   // cmdWXButton
    void userClicksCommandPicture(int index);  // imgWXMenu, on any page of the field
    void userClicksCommandCaption(int index);  // lblWXMenu, on any page of the field
    enum class SecondaryWindow { Text, Info, Check };
    void userClosesWindow(SecondaryWindow window);  // its close button, Escape or the title bar
    void VScroll2_GotFocus();

    // Handlers of the menu document list and the line-moving scroll bar.
    void cboMenu_Click();
    void cboMenu_Change();
    void cboMenu_KeyUp();
    void VScroll2_Change();

    // ---- Building a menu --------------------------------------------------
    static constexpr int kNextPageButton = 36;  // the command `page`
    static constexpr int kMenuEndButton = 37;   // the command `page1`
    void StartMainBlock();                      // control button 3
    void StartSettingsBlock();                  // control button 10
    void ShowMenu();                            // control button 9

    // ---- Interface language ----------------------------------------------
    void SwitchLanguage(std::int16_t index);  // control buttons 1, 5 and 7
    void applyLanguageCaptions();

    // ---- Preview (the preview room does the drawing) ------------------------
    void RenderPreview();
    void ClearPreview();
    void HScroll1_Change();

    // ---- Editing lines and deleting the whole menu --------------------------
    void mnuDMenuLoesch_Click();
    void mnuBZeileLoesch_Click();
    void mnuBZeileAendern_Click();

    // ---- Menu files ------------------------------------------------------
    enum class SaveResult { Saved, Cancelled, Failed };
    void mnuDLaden_Click();
    void mnuDSpeichern_Click();
    SaveResult FileSaveAs();
    bool FileOpen();  // true when a file was read and replaced the document

    // Writes the document, without a dialog, to the file last opened or saved
    // in this run; with none, saves through the dialog.
    void mnuDSichern_Click();
    // Asks whether to save unsaved work before it is dropped; true when the
    // caller may go on (saved or discarded), false when the user stays.
    bool AskToSaveChanges();

    // ---- Undo and redo ------------------------------------------------------
    // Runs `change` as one step of the history, however many edits it makes. A
    // step started inside another joins it.
    void asOneStep(const std::function<void()>& change);
    void mnuBRueckgaengig_Click();
    void mnuBWiederherstellen_Click();
    const History& history() const { return history_; }

    // ---- Recovery ------------------------------------------------------------
    // Beside the settings file.
    std::filesystem::path recoveryFile() const;
    // What the recovery file must become after the latest changes, handed out
    // once: the bytes to write while the document has unsaved changes, a
    // removal when it has none, or nothing when neither changed since the last
    // call. Cheap to call after every event; the bytes are written by
    // applyRecoveryUpdate, which touches nothing of the window, so a front end
    // may run it away from its event loop.
    struct RecoveryUpdate {
        enum class Kind { None, Write, Remove };
        Kind kind = Kind::None;
        std::string bytes;
    };
    RecoveryUpdate takeRecoveryUpdate();
    static void applyRecoveryUpdate(const std::filesystem::path& file, const RecoveryUpdate& update);
    // Both at once, as the replay tool does after every step.
    void updateRecoveryFile() { applyRecoveryUpdate(recoveryFile(), takeRecoveryUpdate()); }

    // ---- Help menu and the two secondary windows -------------------------
    void mnuAnleitung_Click();
    void mnuHistorie_Click();
    void mnuInfo_Click();
    void cmdeMail_Click();     // button of the information window
    void cmdInternet_Click();  // button of the information window

    // ---- Checking the menu ----------------------------------------------------
    void mnuECheck_Click();
    void chooseFinding(int row);  // selects the line the finding names
    // The live result for the document as it is now. Computed when asked for and kept until
    // the document or the building state changes, so a click itself never runs the check.
    const check::LiveResult& checkResult() const;
    // Brings an open findings window up to date with checkResult(), in the interface language.
    void refreshCheckWindow();
    // The status line's text for checkResult(), and the findings on one line as its tooltip.
    std::string checkStatusText() const;
    // From the last result computed, current or not: painting a line never runs the check.
    std::string lineFindingsText(int index) const;
    const check::LiveResult* lastCheckResult() const { return checkResult_ ? &*checkResult_ : nullptr; }
    bool checkIsCurrent() const;
    std::uint64_t checkVersion() const { return checkVersion_; }
    // Whether a started block has not been ended yet; a step of the history puts it back.
    bool blockBeingBuilt() const { return blockBeingBuilt_; }
    void setBlockBeingBuilt(bool building) { blockBeingBuilt_ = building; }
    // Repairs what has one mechanical answer, after showing the changed lines in a question.
    void mnuEReparieren_Click();
    // Applies a repair of the current document as one change: replaced, removed and added lines
    // one by one, the document marked changed, the building state set as an open sets it.
    void applyRepair(const check::Repaired& repaired);

    // ---- Options ---------------------------------------------------------
    void mnuBHochformat_Click();
    void mnuEButtonSperren_Click();
    void mnuEPageAuto_Click();
    void mnuEStandard_Click();
    // Replaces a settings line by position; the lines always exist after start-up.
    void setSettingsLine(files::SettingsKey key, std::string_view value);

    // Settings list to file at shut-down; a failure is reported, never fatal.
    void WriteSettings();

    // Runs a handler for a front end. An exception it throws goes no further: the
    // document is put back as it was, and a message in the interface language
    // names the reason. False when the handler failed.
    bool runGuarded(const std::function<void()>& handler);

    // Connects every control model to the front end's observer.
    void setObserver(controls::ControlObserver* observer);

    Host& host() { return host_; }

private:
    // What a user's action may do to the history: an edit becomes a step; an
    // option change or an open that changes the document empties it instead.
    enum class StepKind { Edit, Reset };
    class StepScope {
    public:
        StepScope(frmWendax& form, StepKind kind);
        ~StepScope();
        StepScope(const StepScope&) = delete;
        StepScope& operator=(const StepScope&) = delete;

    private:
        frmWendax& form_;
    };
    void updateUndoItems();
    void restoreStep(const EditorState& state);
    bool offerRecovery();
    void removeRecoveryFile();
    void showOpenedLines();
    std::optional<std::string> encodedDocument(const std::string& title);
    bool writeDocument(const std::filesystem::path& path, const std::string& bytes, const std::string& title);
    bool writeSettingsFile(std::string& error) const;

    enum class Accepted { Yes, No };
    Accepted AddCommand(const std::string& command);
    void AddNextPage();
    void AddMenuEnd();
    void FinalUpdates(int index);
    void clearPlacesFrom(int place);
    void selectLastLine();
    void setLineEditingEnabled(bool enabled);
    void syncLineScrollBar();
    bool blockTitleIsMain() const;
    void StopButtonCountCheck();
    void ShowSelectLineMessage();
    void EintragVerschieben(int Richtung);
    int commandButtonOfLine(const std::string& line) const;
    void showWarning(const std::string& text);
    void notePassing(const controls::Wording& wording);

    void wireMenuBar();
    void showFileCaption();
    void rememberMenuFolder();
    std::string readFailureText(const files::ReadFailure& failure) const;
    void markUsedCommands();
    void scanPageNumbers();
    std::filesystem::path lastDialogFileName_;
    void wireChangeHandlers();
    void applySettingsLines();
    std::string settingsValue(files::SettingsKey key) const;

    // The live check: its cached result and what it was computed for.
    struct CheckKey {
        std::uint64_t revision = 0;
        int openBlockHead = -1;
        bool operator==(const CheckKey&) const = default;
    };
    int openBlockHead() const;
    std::optional<std::string> openedFileBytes() const;
    // A cache: asking for the result from a const window (the state dump) may fill it.
    mutable std::optional<check::LiveResult> checkResult_;
    mutable CheckKey checkKey_;
    mutable std::uint64_t checkVersion_ = 0;  // counts recomputations, for the findings window
    bool blockBeingBuilt_ = false;            // a block was started and has not been ended
    // The document is the opened file while its revision is this one; its bytes, once read.
    std::optional<std::uint64_t> openedRevision_;
    mutable std::optional<std::optional<std::string>> openedBytes_;

    Host& host_;
    History history_{cboMenu};
    int stepDepth_ = 0;
    StepKind stepKind_ = StepKind::Edit;
    std::filesystem::path sameFilePath_;            // opened or saved in this run, for mnuDSichern
    std::optional<std::size_t> recoveryWrittenAt_;  // edit count written, when the file is ours
    bool settingsRead_ = false;
    std::array<controls::Button, 11> controlButtons_;
    std::vector<MenuBarEntry> menuBar_;
    bool loaded_ = false;
    bool closed_ = false;
};

// The program's version, shown in the caption and the information window.
inline constexpr const char* kVersionText = "3.00 ß";

}  // namespace vostrel::app
