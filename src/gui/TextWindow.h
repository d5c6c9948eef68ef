#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "help/HelpWindows.h"

class QLabel;
class QPlainTextEdit;

namespace vostrel::gui {

// The manual and history window: a top-level window over the core's
// help::TextWindow. It shows what the model holds and reports the user's
// closing and resizing; what happens then is the core's business.
class TextWindow : public QWidget {
    Q_OBJECT
public:
    TextWindow();

    // The user asks to close the window; returns false when the program
    // cannot take that now, and the window stays.
    std::function<bool()> onUserClose;
    // The window changed its size or its minimised state; the handler lays
    // out the model, and the window then shows the model's layout.
    std::function<void(bool minimised)> onResize;

    // Brings caption, text and text box geometry in step with `model`. A text
    // that did not change is left alone, so the user keeps cursor and scroll
    // position while the main window is used.
    void mirror(const help::TextWindow& model);

    // Closes the window for good because its model is gone; it deletes itself
    // once control is back in the event loop.
    void discard();

    QPlainTextEdit* textBox() const { return text_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void reportResize();

    QLabel* picture_ = nullptr;  // imgWXText
    QPlainTextEdit* text_ = nullptr;  // txtWX
    std::string shownText_;
    bool textShown_ = false;
    bool discarding_ = false;
};

}  // namespace vostrel::gui
