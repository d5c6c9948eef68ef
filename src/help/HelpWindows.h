#pragma once

#include <string>

#include "controls/Control.h"

namespace vostrel::help {

// The text window that shows the manual or the history. Its text box keeps the
// size of the picture it lies on, whatever size the window takes.
struct TextWindow {
    static constexpr controls::Geometry kTextBoxGeometry{0, 0, 5535, 3015};

    std::string caption = "RU6 Vostrel Anleitung";
    std::string text;
    controls::Geometry txtWX = kTextBoxGeometry;

    // Lays out the text box after every size change of the window.
    void Form_Resize(bool minimised) {
        if (!minimised) txtWX = kTextBoxGeometry;
    }
};

// The information window.
struct InfoWindow {
    std::string lblInfo;
    std::string txtDank;
    std::string txtInfo;
    std::string txtAdresse;
    std::string cmdeMail;     // caption of the mail button
    std::string cmdInternet;  // caption of the web button
};

}  // namespace vostrel::help
