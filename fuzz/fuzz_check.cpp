// The menu check on arbitrary file bytes: every rule must report, never crash.
#include <string>

#include "check/MenuCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    (void)vostrel::check::checkMenuFileBytes(bytes);
    return 0;
}
