// The control-button array: one handler for every index.
#include "app/frmWendax.h"

namespace vostrel::app {

void frmWendax::cmdWXButton_Click(std::int16_t index) {
    const StepScope step(*this, StepKind::Edit);
    switch (index) {
        case 0: imgWXMenu_Click(kNextPageButton); break;
        case 1:
        case 5:
        case 7: SwitchLanguage(index); break;
        case 3: StartMainBlock(); break;
        case 4: imgWXMenu_Click(kMenuEndButton); break;
        case 9: ShowMenu(); break;
        case 10: StartSettingsBlock(); break;
        default: break;  // 2, 6 and 8 do not exist
    }
}

}  // namespace vostrel::app
