#pragma once

#include "gui/ButtonGrid.h"
#include "gui/ControlWidgets.h"

namespace vostrel::gui {

// A command picture that behaves as a button: a command button of the field
// or a place of the preview. It takes the focus by Tab or click, shows it as a
// frame round the picture, and Enter, Return or Space press it exactly as a
// click does (clicked()). With grid keys on, the arrow keys and Page Up/Down
// are reported for the window to move the focus or turn the page.
//
// The picture itself is drawn only once the widget is really on screen with
// it: of the 114 commands a user sees 19 at start-up, and drawing the others
// (with the glyph fonts they need) before their page is ever shown made up
// most of the editor's start-up memory.
class CommandButton : public ClickableLabel {
    Q_OBJECT
public:
    explicit CommandButton(QWidget* parent = nullptr);

    // The command picture to show (1..114); 0 shows none.
    void setPictureIndex(int buttonIndex);
    int pictureIndex() const { return pictureIndex_; }
    // Whether the picture has been drawn into the widget.
    bool pictureDrawn() const { return drawnIndex_ == pictureIndex_ && pictureIndex_ != 0; }

    void setGridKeys(bool on) { gridKeys_ = on; }

    // A press by keyboard or assistive technology: a disabled button takes none.
    void press();

signals:
    void gridStep(vostrel::gui::GridStep step);
    void pageStep(int pages);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void drawPictureIfShown();

    int pictureIndex_ = 0;
    int drawnIndex_ = 0;
    bool gridKeys_ = false;
};

}  // namespace vostrel::gui
