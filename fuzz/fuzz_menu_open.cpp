// Opening an arbitrary file as a menu: decoding, the marking of used commands,
// the page scan, the preview of its first page, and a save of what was read.
#include <filesystem>
#include <fstream>

#include "FuzzHost.h"
#include "app/frmWendax.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    using namespace vostrel;
    static fuzz::FuzzHost host;
    static app::frmWendax* form = fuzz::loadedForm(host);
    const auto file = fuzz::scratchFolder() / "input.mnu";
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    form->MenuChanged = false;
    host.clearLogs();  // one host serves the whole fuzzing process
    host.queuedFiles.assign({file});
    form->mnuDLaden_Click();
    form->cmdWXButton_Click(9);
    return 0;
}
