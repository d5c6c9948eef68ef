// What surrounds the main window's layout: the window's size (it opens at the
// size of its layout, and when the user resizes or maximises it the layout is
// zoomed to fill it) and the status line's passing notes.
#include <QStatusBar>

#include "gui/ControlWidgets.h"
#include "gui/MainWindow.h"

namespace vostrel::gui {

namespace {

// The window's outer size in the model counts a title bar, a menu bar and a
// border as the toolkit the window was designed in drew them; the layout was
// made to fit what those leave over. Qt sizes the inside only and draws its
// own menu bar, which is added on top so the layout keeps all of its room.
constexpr int kWindowBorderPx = 4;
constexpr int kTitleBarPx = 23;
constexpr int kDesignMenuBarPx = 20;
// The lowest controls end exactly at the designed client's bottom edge; a
// small margin below them keeps their frames clear of the window's edge.
constexpr int kBottomMarginPx = 6;

}  // namespace

void MainWindow::applyFormGeometry() {
    const controls::Geometry& g = form_->form.geometry();
    const QSize design(
        twipsToPixels(g.width) - 2 * kWindowBorderPx,
        twipsToPixels(g.height) - kTitleBarPx - kDesignMenuBarPx - 2 * kWindowBorderPx + kBottomMarginPx);
    if (design == designClient_) return;
    designClient_ = design;
    // The client is never smaller than the design; the window's own layout
    // adds whatever height Qt's menu and status bars really take on this
    // desktop. The window opens at the design size, at the present zoom.
    client_->setMinimumSize(design);
    client_->resize(zoom_.size(design));
    if (!isMaximized() && !isFullScreen()) {
        adjustSize();
        resize(size() + zoom_.size(design) - client_->size());
    }
    rezoom();
}

void MainWindow::rezoom() {
    const QSize available = client_->size();
    zoom_.setFactor(Zoom::fitting(available, designClient_));
    const QSize used = zoom_.size(designClient_);
    canvas_->setGeometry((available.width() - used.width()) / 2, (available.height() - used.height()) / 2,
                         used.width(), used.height());
}

void MainWindow::showPassingNote() {
    const auto& note = form_->passingNote;
    if (note.count == passingSeen_) return;
    passingSeen_ = note.count;
    // Long enough to read a sentence, short enough not to be mistaken for the
    // state of the menu; the check result keeps its own place beside it.
    constexpr int kNoteMilliseconds = 6000;
    statusBar()->showMessage(QString::fromStdString(note.text), kNoteMilliseconds);
}

}  // namespace vostrel::gui
