// Start-up with an arbitrary settings file, then shut-down writing it back.
#include <filesystem>
#include <fstream>

#include "FuzzHost.h"
#include "app/frmWendax.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    using namespace vostrel;
    const auto folder = std::filesystem::path(fuzz::scratchFolder());
    std::ofstream(folder / "Zumzum.ini", std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    fuzz::FuzzHost host;
    app::frmWendax form(host, folder);
    form.Form_Load();
    form.MenuChanged = false;
    form.Form_Unload();
    return 0;
}
