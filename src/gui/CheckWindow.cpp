#include "gui/CheckWindow.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "check/Finding.h"
#include "gui/Artwork.h"

namespace vostrel::gui {

namespace {

QIcon iconOf(FindingKind kind, const QStyle* style) {
    switch (kind) {
        case FindingKind::Error:
            return style->standardIcon(QStyle::SP_MessageBoxCritical);
        case FindingKind::Warning:
            return style->standardIcon(QStyle::SP_MessageBoxWarning);
        case FindingKind::Plain:
            break;
    }
    return style->standardIcon(QStyle::SP_MessageBoxInformation);
}

}  // namespace

FindingKind findingKind(const std::string& row) {
    // Only the first marker counts; a message quoting the other word comes later.
    std::size_t error = std::string::npos;
    std::size_t warning = std::string::npos;
    constexpr std::array languages{check::Language::German, check::Language::English,
                                   check::Language::French};
    for (const check::Language language : languages) {
        const auto at = [&](check::Severity severity) {
            return row.find(": " + std::string(check::severityWord(severity, language)) + ": ");
        };
        error = std::min(error, at(check::Severity::Error));
        warning = std::min(warning, at(check::Severity::Warning));
    }
    if (error == std::string::npos && warning == std::string::npos) return FindingKind::Plain;
    return error < warning ? FindingKind::Error : FindingKind::Warning;
}

CheckWindow::CheckWindow() : SecondaryWindow(QStringLiteral("frmWXCheck")) {

    findings_ = new QListWidget(this);
    findings_->setObjectName(QStringLiteral("lstFindings"));
    findings_->setUniformItemSizes(true);
    findings_->setWordWrap(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(findings_);

    // A click and Enter choose. Qt's "activated" is not used: depending on
    // the style it also fires on a single click, and the row would be chosen
    // twice, running the core's click handler twice.
    connect(findings_, &QListWidget::itemClicked, this, &CheckWindow::choose);
    findings_->installEventFilter(this);
    resize(560, 260);
}

bool CheckWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == findings_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            choose(findings_->currentItem());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CheckWindow::choose(QListWidgetItem* item) {
    if (onChoose && item) onChoose(findings_->row(item));
}

void CheckWindow::mirror(const app::MenuCheckWindow& model) {
    const QString caption = QString::fromStdString(model.caption);
    if (windowTitle() != caption) setWindowTitle(caption);
    if (shownRows_ == model.rows) return;
    findings_->clear();
    for (const std::string& row : model.rows) {
        auto* item =
            new QListWidgetItem(iconOf(findingKind(row), style()), QString::fromStdString(row));
        findings_->addItem(item);
    }
    shownRows_ = model.rows;
}

}  // namespace vostrel::gui
