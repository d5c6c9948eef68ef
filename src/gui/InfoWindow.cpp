#include "gui/InfoWindow.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/Artwork.h"
#include "gui/QtHost.h"

namespace vostrel::gui {

namespace {

QGroupBox* frame(QWidget* parent, int index) {
    auto* box = new QGroupBox(parent);
    box->setObjectName(QStringLiteral("fraInfo_%1").arg(index));
    return box;
}

// A multi-line box for a fixed text: selectable, so an address can be copied,
// but never edited, and only as tall as `lines` lines of its font.
QPlainTextEdit* textBox(QWidget* parent, const QString& name, int lines) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setFrameShape(QFrame::NoFrame);
    box->viewport()->setAutoFillBackground(false);  // the frame's colour shows through
    box->setFixedHeight(box->fontMetrics().lineSpacing() * lines + 10);
    return box;
}

void setTextIfChanged(QPlainTextEdit* box, const std::string& text) {
    const QString shown = displayText(text);
    if (box->toPlainText() != shown) box->setPlainText(shown);
}

}  // namespace

InfoWindow::InfoWindow() : SecondaryWindow(QStringLiteral("frmWXInfo")) {
    setWindowTitle(QStringLiteral("RU6 Vostrel Info"));

    // Frame 0: the icon and the program's name and version.
    QGroupBox* head = frame(this, 0);
    auto* icon = new QLabel(head);
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setPixmap(programIcon().pixmap(QSize(48, 48), devicePixelRatioF()));
    icon->setFixedSize(52, 52);
    icon->setAlignment(Qt::AlignCenter);
    title_ = new QLabel(head);
    title_->setObjectName(QStringLiteral("lblInfo_0"));
    title_->setTextFormat(Qt::PlainText);
    title_->setAlignment(Qt::AlignCenter);
    // The window's own family, larger and bold: every window of the program
    // speaks with one typeface.
    QFont titleFont = font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    titleFont.setBold(true);
    title_->setFont(titleFont);
    auto* headLayout = new QHBoxLayout(head);
    headLayout->addWidget(icon);
    headLayout->addWidget(title_, 1);
    // Keeps the name centred over the window, not over what the icon leaves.
    headLayout->addSpacing(52);

    // Frame 1: what the program is for. Frame 2: the terms of use.
    QGroupBox* purpose = frame(this, 1);
    thanks_ = textBox(purpose, QStringLiteral("txtDank"), 2);
    (new QVBoxLayout(purpose))->addWidget(thanks_);
    QGroupBox* terms = frame(this, 2);
    terms_ = textBox(terms, QStringLiteral("txtInfo"), 7);
    (new QVBoxLayout(terms))->addWidget(terms_);

    // Frame 3: how to reach the author.
    QGroupBox* contact = frame(this, 3);
    address_ = textBox(contact, QStringLiteral("txtAdresse"), 4);
    mail_ = new QPushButton(contact);
    mail_->setObjectName(QStringLiteral("cmdeMail"));
    internet_ = new QPushButton(contact);
    internet_->setObjectName(QStringLiteral("cmdInternet"));
    internet_->setToolTip(QStringLiteral("Internet vorher aufrufen!"));
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(mail_);
    buttons->addWidget(internet_);
    buttons->addStretch(1);
    auto* contactLayout = new QHBoxLayout(contact);
    contactLayout->addWidget(address_, 1);
    contactLayout->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(head);
    layout->addWidget(purpose);
    layout->addWidget(terms);
    layout->addWidget(contact);
    layout->addStretch(1);
    // A window without a title bar button of its own (or a user who looks for
    // one inside) still has a plain way out.
    auto* closeBox = new QDialogButtonBox(QDialogButtonBox::Close, this);
    closeBox->setObjectName(QStringLiteral("cmdClose"));
    connect(closeBox, &QDialogButtonBox::rejected, this, &QWidget::close);
    layout->addWidget(closeBox);

    connect(mail_, &QPushButton::clicked, this, [this] {
        if (onMail) onMail();
    });
    connect(internet_, &QPushButton::clicked, this, [this] {
        if (onInternet) onInternet();
    });
    resize(520, sizeHint().height());
}

void InfoWindow::mirror(const help::InfoWindow& model) {
    const QString title = QString::fromStdString(model.lblInfo);
    if (title_->text() != title) title_->setText(title);
    setTextIfChanged(thanks_, model.txtDank);
    setTextIfChanged(terms_, model.txtInfo);
    setTextIfChanged(address_, model.txtAdresse);
    const QString mail = QString::fromStdString(model.cmdeMail);
    if (mail_->text() != mail) mail_->setText(mail);
    const QString internet = QString::fromStdString(model.cmdInternet);
    if (internet_->text() != internet) internet_->setText(internet);
}

}  // namespace vostrel::gui
