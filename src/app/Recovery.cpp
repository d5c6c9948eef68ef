// The recovery file: unsaved work kept beside the settings, so that a crash, a
// kill or the end of the session does not lose it.
#include <system_error>

#include "app/frmWendax.h"
#include "files/TextFile.h"
#include "files/MenuFile.h"

namespace vostrel::app {

namespace {

constexpr const char* kRecoveryFileName = "Zumzum-recovery.mnu";

constexpr controls::Wording kRestoreQuestion{
    "Das Programm wurde beendet, ohne dass das Menü gespeichert war.\r\nSoll das ungesicherte Menü "
    "wiederhergestellt werden?",
    "The program ended while the menu was not saved.\r\nDo you want to restore the unsaved menu?",
    "Le programme s'est terminé sans que le menu soit enregistré.\r\nVoulez-vous restaurer le menu non "
    "enregistré?"};

}  // namespace

std::filesystem::path frmWendax::recoveryFile() const {
    return std::filesystem::path(ProgramFolder) / kRecoveryFileName;
}

void frmWendax::removeRecoveryFile() {
    std::error_code ignored;
    std::filesystem::remove(recoveryFile(), ignored);
    recoveryWrittenAt_.reset();
}

frmWendax::RecoveryUpdate frmWendax::takeRecoveryUpdate() {
    if (!loaded_ || closed_) return {};
    if (!MenuChanged || cboMenu.empty()) {
        if (!recoveryWrittenAt_) return {};
        recoveryWrittenAt_.reset();
        return {RecoveryUpdate::Kind::Remove, {}};
    }
    if (recoveryWrittenAt_ == history_.editCount()) return {};
    // A line the file cannot hold is reported by the user's own save; until
    // it is changed the last recovery file stays as it is.
    auto bytes = files::encodeMenuFile(cboMenu.entries());
    if (!bytes) return {};
    recoveryWrittenAt_ = history_.editCount();
    return {RecoveryUpdate::Kind::Write, std::move(*bytes)};
}

void frmWendax::applyRecoveryUpdate(const std::filesystem::path& file, const RecoveryUpdate& update) {
    std::error_code ignored;
    std::string failure;
    // A failure is not reported: the next change tries again, and the user's
    // own save is what counts.
    if (update.kind == RecoveryUpdate::Kind::Write)
        files::replaceFileAtomically(file, update.bytes, failure);
    else if (update.kind == RecoveryUpdate::Kind::Remove)
        std::filesystem::remove(file, ignored);
}

bool frmWendax::offerRecovery() {
    std::error_code ignored;
    if (!std::filesystem::exists(recoveryFile(), ignored)) return false;
    std::string text;
    language.pick(text, kRestoreQuestion.german, kRestoreQuestion.english, kRestoreQuestion.french);
    const bool restore =
        host_.messageBox({MessageIcon::Question, MessageButtons::YesNo, {}, text}) == Answer::Yes;
    auto lines = restore ? files::readMenuFile(recoveryFile()) : std::nullopt;
    removeRecoveryFile();
    if (!lines || lines->empty()) return false;
    // As after an open, but the file it came from is no menu of the user's:
    // the current file, the menu folder and the start caption stay.
    SelectedLine = -1;
    cboMenu.assignAll(std::move(*lines));
    cboMenu.setText({});
    markUsedCommands();
    preview.PreviewPage = 0;
    RenderPreview();
    showOpenedLines();
    MenuChanged = true;
    return true;
}

}  // namespace vostrel::app
