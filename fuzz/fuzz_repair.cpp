// The repair on arbitrary file bytes: it must never crash, a second repair must change nothing,
// and a menu without any finding must come back as it was.
#include <cstdlib>
#include <string>

#include "check/MenuCheck.h"
#include "check/Repair.h"
#include "files/TextFile.h"
#include "files/Windows1252.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto lines = vostrel::files::splitLines(vostrel::files::decodeWindows1252(bytes));
    const auto repaired = vostrel::check::repairMenu(lines, bytes);
    if (vostrel::check::repairMenu(repaired.lines).changesAnything()) std::abort();
    if (vostrel::check::checkMenuFileBytes(bytes).empty() && repaired.changesAnything()) std::abort();
    return 0;
}
