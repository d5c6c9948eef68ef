// The user's own actions on the list and the scroll bars: they respect the
// enabled state of the control, which the program's nested calls do not.
#include "app/frmWendax.h"

namespace vostrel::app {

void frmWendax::userSelectsLine(int index) {
    if (!cboMenu.enabled() || !cboMenu.validIndex(index)) return;
    if (cboMenu.listIndex() == index) {
        // Clicking the current entry again still runs the selection handling.
        cboMenu.setText(cboMenu.entry(index));
        cboMenu_Click();
        return;
    }
    cboMenu.setListIndex(index);
}

void frmWendax::userTypes(const std::string& text) {
    if (!cboMenu.enabled()) return;
    if (cboMenu.text() != text) {
        cboMenu.setText(text);
        cboMenu_Change();
    }
    cboMenu_KeyUp();
}

void frmWendax::userScrolls(controls::ScrollBar& bar, int value) {
    if (!bar.enabled() || !bar.visible()) return;
    // Moving a line with VScroll2 is an edit; the other bars only page.
    const StepScope step(*this, StepKind::Edit);
    bar.setValue(bar.clamp(value));
}

}  // namespace vostrel::app
