// Start-up and shut-down of the main window, in the order the other rooms rely on.
#include "app/frmWendax.h"
#include "catalogue/CommandTable.h"
#include "files/MenuFile.h"
#include "files/Paths.h"
#include "files/SettingsFile.h"
#include "text/LineText.h"

namespace vostrel::app {

namespace {

constexpr int kFormHeight = 8085;

}  // namespace

std::string frmWendax::settingsValue(files::SettingsKey key) const {
    const int line = static_cast<int>(key);
    if (!cboWXIni.validIndex(line)) return {};
    const auto& text = cboWXIni.entry(line);
    // The key is counted in characters: a hand-edited key may hold an "ü".
    return text::charMid(text, files::kSettingsKeyLength + 1);
}

void frmWendax::applySettingsLines() {
    const auto languageValue = settingsValue(files::SettingsKey::Language);
    const bool english = languageValue == "English";
    const bool french = languageValue == "Français";
    // A line naming none of the three (a word typed in lower case, or "Français"
    // saved in UTF-8) would leave every message and page title empty; it counts
    // as German, the standard language, and start-up then writes it as such.
    language.setOnly(!english && !french, english, french);
    mnuEPageAuto.setChecked(settingsValue(files::SettingsKey::AutoRun) == "1");
    MenuFolder = files::pathFromUtf8(settingsValue(files::SettingsKey::MenuFolder));
    if (settingsValue(files::SettingsKey::Portrait) == "1") {
        mnuBHochformat.setChecked(true);
        preview.ArrangePortrait(form, cmdWXButton(9));
    } else {
        mnuBHochformat.setChecked(false);
        preview.ArrangeLandscape(form, cmdWXButton(9));
    }
    mnuEButtonSperren.setChecked(settingsValue(files::SettingsKey::ButtonLock) == "1");
    mnuEStandard.setChecked(settingsValue(files::SettingsKey::StandardLayout) == "1");
}

void frmWendax::Form_Load() {
    SelectedLine = -1;
    VersionText = kVersionText;
    form.setCaption("RU6 Vostrel V " + VersionText);
    mnuEStandard.setVisible(false);
    mnuHistorie.setVisible(false);

    if (!ProgramFolder.empty())
        cboWXIni.assignAll(files::readSettingsLines(ProgramFolder / files::kSettingsFileName));
    if (cboWXIni.count() < files::kSettingsMinimumLines) cboWXIni.assignAll(files::standardSettings());
    applySettingsLines();
    settingsRead_ = true;
    if (onSettingsRead) onSettingsRead();

    field.placePages();
    form.setHeight(kFormHeight);
    cboSprachen.assignAll(catalogue::buildCommandRows());
    field.applyCommandTooltips(cboSprachen);

    if (language.german) cmdWXButton_Click(1);
    if (language.english) cmdWXButton_Click(5);
    if (language.french) cmdWXButton_Click(7);

    // Work a crash left behind comes back in place of the auto-run start.
    if (offerRecovery()) {
        history_.clear(false);
        updateUndoItems();
        loaded_ = true;
        return;
    }
    if (mnuEPageAuto.checked()) {
        cmdWXButton(0).setEnabled(false);
        cmdWXButton(4).setEnabled(false);
        cmdWXButton(10).setEnabled(false);
        cmdWXButton_Click(3);
    } else {
        cmdWXButton(3).setEnabled(true);
        cmdWXButton(0).setEnabled(true);
        cmdWXButton(4).setEnabled(true);
        cmdWXButton(10).setEnabled(false);
    }
    // A new run starts with nothing to undo.
    history_.clear(!MenuChanged);
    updateUndoItems();
    loaded_ = true;
}

bool frmWendax::Form_Unload() {
    if (closed_) return true;
    if (!AskToSaveChanges()) return false;
    closed_ = true;
    WriteSettings();
    // Saved or knowingly discarded: nothing is left to recover.
    removeRecoveryFile();
    frmWXInfo.reset();
    frmWXCheck.reset();
    frmWXText.reset();
    return true;
}

void frmWendax::mnuDEnde_Click() { Form_Unload(); }

void frmWendax::endAtOnce() {
    if (closed_) return;
    closed_ = true;
    // Nothing here may wait for the user: failures go unreported.
    if (MenuChanged && !cboMenu.empty()) {
        std::string ignored;
        files::writeMenuFile(recoveryFile(), cboMenu.entries(), ignored);
    }
    std::string ignored;
    if (settingsRead_) writeSettingsFile(ignored);
}

}  // namespace vostrel::app
