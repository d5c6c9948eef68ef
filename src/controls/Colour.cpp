#include "controls/Colour.h"

#include <cstdio>

namespace vostrel::controls {

std::string Colour::toString() const {
    if (systemWindow) return "window";
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%02X%02X%02X", red, green, blue);
    return buffer;
}

}  // namespace vostrel::controls
