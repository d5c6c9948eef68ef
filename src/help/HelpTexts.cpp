#include "help/HelpTexts.h"

namespace vostrel::help {

std::string joinLinesCrLf(std::span<const std::string_view> lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            text += "\r\n";
        }
        text += lines[i];
    }
    return text;
}

}  // namespace vostrel::help
