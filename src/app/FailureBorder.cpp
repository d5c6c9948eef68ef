// The border where a front end calls into the handlers: nothing unexpected may pass it.
#include <exception>
#include <new>

#include "app/frmWendax.h"

namespace vostrel::app {

namespace {

constexpr controls::Wording kUnexpected{
    "Ein unerwarteter Fehler ist aufgetreten. Das Menü bleibt, wie es vor diesem Schritt war.",
    "An unexpected error occurred. The menu stays as it was before this step.",
    "Une erreur inattendue s'est produite. Le menu reste tel qu'il était avant cette étape."};

}  // namespace

bool frmWendax::runGuarded(const std::function<void()>& handler) {
    // Only the document is journalled: it is what the user would lose. The few values
    // that describe it are kept beside it.
    const bool menuChanged = MenuChanged;
    const int selectedLine = SelectedLine;
    cboMenu.beginJournal();
    std::string reason;
    try {
        handler();
        cboMenu.endJournal();
        return true;
    } catch (const std::bad_alloc&) {
        reason = "out of memory";
    } catch (const std::exception& error) {
        reason = error.what();
    } catch (...) {
        reason = "unknown exception";
    }
    cboMenu.rollBack();
    MenuChanged = menuChanged;
    SelectedLine = selectedLine;
    std::string text;
    language.pick(text, kUnexpected.german, kUnexpected.english, kUnexpected.french);
    if (text.empty()) text = kUnexpected.german;  // before start-up chose a language
    try {
        host_.messageBox({MessageIcon::Warning, MessageButtons::Ok, kApplicationTitle, text, reason});
    } catch (...) {
        // Nothing more can be said; the document is back as it was.
    }
    return false;
}

}  // namespace vostrel::app
