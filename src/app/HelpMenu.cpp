// The manual, the development history and the information window.
#include "app/frmWendax.h"
#include "help/HelpTexts.h"
#include "text/AsciiCase.h"

namespace vostrel::app {

void frmWendax::mnuAnleitung_Click() {
    if (!frmWXText) frmWXText.emplace();
    ++frmWXText->shownCount;
    if (const auto lang = language.chosen()) {
        frmWXText->caption = help::manualCaption(*lang);
        frmWXText->text = help::manualText(*lang);
    }
}

void frmWendax::mnuHistorie_Click() {
    const std::string entry = host_.inputBox({}, {});
    if (entry != text::upperAscii(help::kHistoryAccessCode)) return;
    if (!frmWXText) frmWXText.emplace();
    ++frmWXText->shownCount;
    frmWXText->caption = help::kHistoryCaption;
    frmWXText->text = help::historyText();
}

void frmWendax::mnuInfo_Click() {
    if (frmWXInfo) {  // already loaded: it keeps the texts it was loaded with
        ++frmWXInfo->shownCount;
        return;
    }
    help::InfoWindow info;
    info.lblInfo = "RU6 Vostrel V " + VersionText;
    info.txtDank = help::kDesignPurposeSentence;
    info.txtInfo = help::designTermsOfUse();
    if (const auto lang = language.chosen()) {
        info.txtDank = help::purposeSentence(*lang);
        info.txtInfo = help::termsOfUse(*lang);
    }
    info.txtAdresse = help::contactAddress();
    info.cmdeMail = "eMail: " + std::string(help::kMailAddress);
    info.cmdInternet = "Internet: " + std::string(help::kWebAddress);
    info.shownCount = 1;
    frmWXInfo = std::move(info);
}

void frmWendax::cmdeMail_Click() { host_.openUrl("mailto:" + std::string(help::kMailAddress)); }

void frmWendax::cmdInternet_Click() { host_.openUrl(std::string(help::kWebAddress)); }

}  // namespace vostrel::app
