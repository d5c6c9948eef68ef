#pragma once

#include "gui/SecondaryWindow.h"
#include <array>
#include <functional>

#include "help/HelpWindows.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace vostrel::gui {

// The information window: a top-level window over the core's
// help::InfoWindow, with the two buttons that hand the author's mail and web
// address to the desktop through the core.
class InfoWindow : public SecondaryWindow {
    Q_OBJECT
public:
    InfoWindow();

    std::function<void()> onMail;      // cmdeMail clicked
    std::function<void()> onInternet;  // cmdInternet clicked

    // Shows the model's texts; a box whose text did not change keeps the
    // user's selection.
    void mirror(const help::InfoWindow& model);

private:
    QLabel* title_ = nullptr;            // lblInfo(0)
    QPlainTextEdit* thanks_ = nullptr;   // txtDank
    QPlainTextEdit* terms_ = nullptr;    // txtInfo
    QPlainTextEdit* address_ = nullptr;  // txtAdresse
    QPushButton* mail_ = nullptr;        // cmdeMail
    QPushButton* internet_ = nullptr;    // cmdInternet
};

}  // namespace vostrel::gui
