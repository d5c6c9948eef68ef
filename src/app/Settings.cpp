// The settings list and its file.
#include "app/frmWendax.h"
#include "files/Paths.h"
#include "files/SettingsFile.h"

namespace vostrel::app {

bool frmWendax::writeSettingsFile(std::string& error) const {
    // Without a known program folder the name would point into the current folder,
    // which is no place of this program's.
    if (ProgramFolder.empty()) {
        error = "the program folder is unknown";
        return false;
    }
    return files::writeSettingsLines(ProgramFolder / files::kSettingsFileName, cboWXIni.entries(), error);
}

void frmWendax::WriteSettings() {
    const auto file = ProgramFolder / files::kSettingsFileName;
    std::string error;
    if (writeSettingsFile(error)) return;
    // The settings are lost for the next run, so say so; closing goes on.
    std::string text = "Die Einstellungen konnten nicht gespeichert werden:\r\n";
    language.pick(text, "Die Einstellungen konnten nicht gespeichert werden:\r\n",
                  "The settings could not be saved:\r\n",
                  "Les préférences n'ont pas pu être enregistrées:\r\n");
    host_.messageBox(
        {MessageIcon::Warning, MessageButtons::Ok, kApplicationTitle, text + files::pathToText(file), error});
}

}  // namespace vostrel::app

namespace vostrel::app {

// Each option's check mark is its live state, copied at once into its line.
void frmWendax::mnuEButtonSperren_Click() {
    mnuEButtonSperren.setChecked(!mnuEButtonSperren.checked());
    if (mnuEButtonSperren.checked()) {
        setSettingsLine(files::SettingsKey::ButtonLock, "1");
    } else {
        setSettingsLine(files::SettingsKey::ButtonLock, "0");
        setSettingsLine(files::SettingsKey::StandardLayout, "0");
        mnuEStandard.setChecked(false);
    }
}

void frmWendax::mnuEPageAuto_Click() {
    mnuEPageAuto.setChecked(!mnuEPageAuto.checked());
    if (mnuEPageAuto.checked()) {
        setSettingsLine(files::SettingsKey::AutoRun, "1");
        cboMenu.setEnabled(false);
        cmdWXButton(0).setEnabled(false);
        cmdWXButton(4).setEnabled(false);
        mnuBZeileLoesch.setEnabled(false);
        mnuBZeileAendern.setEnabled(false);
        cmdWXButton_Click(3);
        return;
    }
    setSettingsLine(files::SettingsKey::AutoRun, "0");
    setSettingsLine(files::SettingsKey::StandardLayout, "0");
    mnuEStandard.setChecked(false);
    cboMenu.setEnabled(true);
    cboMenu.clear();
    cmdWXButton(3).setEnabled(true);
    cmdWXButton(0).setEnabled(true);
    cmdWXButton(4).setEnabled(true);
    mnuBZeileLoesch.setEnabled(true);
    mnuBZeileAendern.setEnabled(true);
    // The block start of auto-run disabled the line-moving bar; without this
    // lines could never be moved again in this run.
    VScroll2.setEnabled(true);
}

void frmWendax::mnuEStandard_Click() {
    mnuEStandard.setChecked(true);
    setSettingsLine(files::SettingsKey::StandardLayout, "1");
    mnuEButtonSperren.setChecked(true);
    setSettingsLine(files::SettingsKey::ButtonLock, "1");
    mnuBHochformat.setChecked(false);
    mnuBHochformat_Click();
    setSettingsLine(files::SettingsKey::Portrait, "1");
    mnuEPageAuto.setChecked(false);
    cboMenu.clear();
    mnuEPageAuto_Click();
    setSettingsLine(files::SettingsKey::AutoRun, "1");
}

}  // namespace vostrel::app
