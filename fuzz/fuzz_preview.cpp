// The preview walking an arbitrary document: the first bytes choose page
// requests, scroll moves and picture clicks, the rest are the lines.
#include "FuzzHost.h"
#include "app/frmWendax.h"
#include "files/TextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    using namespace vostrel;
    static fuzz::FuzzHost host;
    static app::frmWendax* form = fuzz::loadedForm(host);
    constexpr std::size_t kActions = 8;
    if (size < kActions) return 0;
    const std::string_view text(reinterpret_cast<const char*>(data) + kActions, size - kActions);
    host.clearLogs();  // one host serves the whole fuzzing process
    form->cboMenu.assignAll(files::splitLines(text));
    for (std::size_t i = 0; i < kActions; ++i) {
        const int value = data[i];
        switch (value % 4) {
            case 0:
                form->preview.PreviewPage = static_cast<std::int16_t>(value / 4 - 8);
                form->ClearPreview();
                form->RenderPreview();
                break;
            case 1: form->userScrolls(form->preview.HScroll1, value / 4); break;
            case 2: form->imgMenH_Click((value / 4) % 6); break;
            default: form->imgMenQ_Click((value / 4) % 6); break;
        }
    }
    return 0;
}
