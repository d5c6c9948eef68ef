#pragma once

#include <QStringList>
#include <filesystem>
#include <functional>

#include "app/Host.h"

class QWidget;

namespace vostrel::gui {

// The real dialogs behind the core's Host: message boxes, file dialogs, the
// input box and the desktop's URL handler.
class QtHost : public app::Host {
public:
    explicit QtHost(QWidget* parent = nullptr) : parent_(parent) {}

    app::Answer messageBox(const app::MessageRequest& request) override;
    std::optional<std::filesystem::path> fileDialog(const app::FileDialogRequest& request) override;
    std::string inputBox(const std::string& prompt, const std::string& title) override;
    void openUrl(const std::string& target) override;

    // Runs before any dialog opens, so the window behind it already shows the
    // state the program had when it asked.
    std::function<void()> beforeModal;

private:
    void prepare();
    QWidget* parent_;
};

// "Description|pattern|Description|pattern" as Qt name filters, one per pair
// ("Dateien (*.mnu)"); a pattern list "*.a;*.b" becomes "*.a *.b".
QStringList nameFiltersOf(const std::string& filter);

// A text of the core for a Qt widget: UTF-8, CR LF (or a lone CR) as line break.
QString displayText(const std::string& text);

// The Qt side's one border between its file names and the core's locations. Qt
// holds names as QString; on Linux that decodes the bytes, so a name that is not
// UTF-8 cannot be expressed exactly there and the core finds its own folders.
std::filesystem::path pathFromQString(const QString& name);
QString qStringFromPath(const std::filesystem::path& path);

// The dialog title, falling back to the program's own name.
QString dialogTitle(const std::string& title);

}  // namespace vostrel::gui
