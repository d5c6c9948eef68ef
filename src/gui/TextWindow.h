#pragma once

#include "gui/SecondaryWindow.h"
#include <functional>
#include <string>

#include "help/HelpWindows.h"

class QLabel;
class QPlainTextEdit;

namespace vostrel::gui {

// The manual and history window: a top-level window over the core's
// help::TextWindow. It shows what the model holds and reports the user's
// closing and resizing; what happens then is the core's business.
class TextWindow : public SecondaryWindow {
    Q_OBJECT
public:
    TextWindow();

    // The window changed its size or its minimised state; the handler lays
    // out the model, and the window then shows the model's layout.
    std::function<void(bool minimised)> onResize;

    // Brings caption, text and text box geometry in step with `model`. A text
    // that did not change is left alone, so the user keeps cursor and scroll
    // position while the main window is used.
    void mirror(const help::TextWindow& model);

    QPlainTextEdit* textBox() const { return text_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void reportResize();

    QLabel* picture_ = nullptr;       // imgWXText
    QPlainTextEdit* text_ = nullptr;  // txtWX
    std::string shownText_;
    bool textShown_ = false;
};

}  // namespace vostrel::gui
