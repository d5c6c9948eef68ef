#include "gui/SecondaryWindow.h"

#include <QCloseEvent>
#include <QShortcut>

#include "gui/Artwork.h"
#include "gui/FocusRing.h"

namespace vostrel::gui {

SecondaryWindow::SecondaryWindow(const QString& objectName) : QWidget(nullptr, Qt::Window) {
    setObjectName(objectName);
    setWindowIcon(programIcon());
    // Closing one of these windows must not end the program with it.
    setAttribute(Qt::WA_QuitOnClose, false);
    // Escape closes the window as it closes a dialog, whichever of its
    // widgets has the focus.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    new FocusRing(this);
}

void SecondaryWindow::discard() {
    discarding_ = true;
    close();
    deleteLater();
}

void SecondaryWindow::closeEvent(QCloseEvent* event) {
    if (discarding_ || !onUserClose || onUserClose())
        event->accept();
    else
        event->ignore();
}

}  // namespace vostrel::gui
