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

void frmWendax::userFocusesLineBar() {
    if (VScroll2.enabled() && VScroll2.visible()) VScroll2_GotFocus();
}

void frmWendax::userClicksControlButton(int index) {
    if (!controlButtonExists(index)) return;
    const auto& button = cmdWXButton(index);
    if (button.enabled() && button.visible()) cmdWXButton_Click(static_cast<std::int16_t>(index));
}

// A command button can be clicked on any page of the field, without paging there first; a
// button the program disabled takes no click.
void frmWendax::userClicksCommandPicture(int index) {
    if (index < 0 || index >= catalogue::ButtonField::kButtonCount) return;
    if (field.imgWXMenu[static_cast<std::size_t>(index)].enabled()) imgWXMenu_Click(index);
}

void frmWendax::userClicksCommandCaption(int index) {
    if (index < 0 || index >= catalogue::ButtonField::kButtonCount) return;
    if (field.lblWXMenu[static_cast<std::size_t>(index)].enabled()) lblWXMenu_Click(index);
}

void frmWendax::userClosesWindow(SecondaryWindow window) {
    switch (window) {
        case SecondaryWindow::Text: frmWXText.reset(); break;
        case SecondaryWindow::Info: frmWXInfo.reset(); break;
        case SecondaryWindow::Check: frmWXCheck.reset(); break;
    }
}

}  // namespace vostrel::app
