#pragma once

#include <string>

namespace vostrel::help {

// The text window that shows the manual or the history.
struct TextWindow {
    std::string caption = "RU6 Vostrel Anleitung";
    std::string text;
};

// The information window.
struct InfoWindow {
    std::string lblInfo;
    std::string txtDank;
    std::string txtInfo;
};

}  // namespace vostrel::help
