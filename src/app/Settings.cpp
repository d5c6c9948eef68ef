// The settings list and its file.
#include "app/frmWendax.h"
#include "files/SettingsFile.h"

namespace vostrel::app {

void frmWendax::WriteSettings() {
    const auto file = std::filesystem::path(ProgramFolder) / files::kSettingsFileName;
    std::string error;
    if (files::writeSettingsLines(file, cboWXIni.entries(), error)) return;
    // The settings are lost for the next run, so say so; closing goes on.
    std::string text = "Die Einstellungen konnten nicht gespeichert werden:\r\n";
    language.pick(text, "Die Einstellungen konnten nicht gespeichert werden:\r\n",
                  "The settings could not be saved:\r\n",
                  "Les préférences n'ont pas pu être enregistrées:\r\n");
    host_.messageBox({MessageIcon::Warning, MessageButtons::Ok, kApplicationTitle,
                      text + file.string()});
}

}  // namespace vostrel::app
