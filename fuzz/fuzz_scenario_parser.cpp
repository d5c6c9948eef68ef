// The replay tool's scenario parser on arbitrary text: it must report, never crash.
#include <sstream>

#include "cli/replay/Scenario.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        (void)vostrel::cli::parseScenario(text);
    } catch (const std::exception&) {
    }
    return 0;
}
