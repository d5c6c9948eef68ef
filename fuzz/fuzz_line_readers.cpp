// The fixed-position readers and the placeholder resolution on arbitrary text.
#include "menu/LineSyntax.h"
#include "text/LineText.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    using namespace vostrel;
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    (void)menu::pageNumber(line);
    (void)menu::itemCommand(line);
    (void)menu::pageTitle(line);
    (void)menu::isSettingsBlockHead(line);
    (void)menu::isPageLineIgnoreCase(line);
    (void)menu::leadingNumber(line);
    const auto length = text::charLength(line);
    if (text::charMid(line, 1, length).size() != line.size()) __builtin_trap();
    std::string copy(line);
    menu::resolvePlaceholderInLine(copy, size > 0 ? data[0] * 7 : 0);
    return 0;
}
