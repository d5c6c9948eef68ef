#include "gui/TextWindow.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPlainTextEdit>

#include "gui/Artwork.h"
#include "gui/ControlWidgets.h"
#include "gui/QtHost.h"

namespace vostrel::gui {

namespace {

// The picture under the text box. The text box covers it exactly, so it only
// shows for a moment while a large text is laid out: a soft paper tone.
QPixmap paperPicture(const QSize& size) {
    QPixmap picture(size);
    QPainter painter(&picture);
    QLinearGradient gradient(0, 0, 0, size.height());
    gradient.setColorAt(0, QColor(250, 248, 240));
    gradient.setColorAt(1, QColor(232, 226, 208));
    painter.fillRect(picture.rect(), gradient);
    return picture;
}

}  // namespace

TextWindow::TextWindow() : SecondaryWindow(QStringLiteral("frmWXText")) {
    const QRect box = twipsToRect(help::TextWindow::kTextBoxGeometry);
    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("imgWXText"));
    picture_->setGeometry(box);
    picture_->setPixmap(paperPicture(box.size()));

    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("txtWX"));
    // Edits in the box would be lost at the next manual command anyway, and a
    // read-only box never has to choose between the user's edits and the
    // model's text; selecting and copying still work.
    text_->setReadOnly(true);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // The program's one typeface, at the size the box was designed for.
    QFont font = text_->font();
    font.setPointSize(9);
    text_->setFont(font);
    text_->setGeometry(box);

    // The window opens at the size of its text box, as it was designed.
    resize(box.size());
}

void TextWindow::mirror(const help::TextWindow& model) {
    const QString caption = QString::fromStdString(model.caption);
    if (windowTitle() != caption) setWindowTitle(caption);
    if (!textShown_ || shownText_ != model.text) {
        text_->setPlainText(displayText(model.text));
        shownText_ = model.text;
        textShown_ = true;
    }
    const QRect geometry = twipsToRect(model.txtWX);
    if (text_->geometry() != geometry) text_->setGeometry(geometry);
}

void TextWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    reportResize();
}

void TextWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // Restoring a minimised window need not resize it, but it is a size
    // change of the window all the same.
    if (event->type() == QEvent::WindowStateChange) reportResize();
}

void TextWindow::reportResize() {
    if (discarding() || !onResize) return;
    onResize(windowState().testFlag(Qt::WindowMinimized));
}

}  // namespace vostrel::gui
