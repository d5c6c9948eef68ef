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
    // Counts the commands that showed the window, so that a view can bring an
    // open window to the front when it is chosen again.
    int shownCount = 0;
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
    int shownCount = 0;       // as for the text window
};

}  // namespace vostrel::help
