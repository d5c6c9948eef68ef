#include "gui/CheckWindow.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include <QGuiApplication>
#include <QScreen>

#include "gui/CheckMarks.h"

namespace vostrel::gui {

namespace {

QIcon iconOf(app::MenuCheckWindow::Kind kind, int size) {
    switch (kind) {
        case app::MenuCheckWindow::Kind::Error: return checkMarkIcon(CheckMark::Error, size);
        case app::MenuCheckWindow::Kind::Warning: return checkMarkIcon(CheckMark::Warning, size);
        case app::MenuCheckWindow::Kind::Plain: break;
    }
    return checkMarkIcon(CheckMark::Fine, size);
}

// Rows of the visible height at first; more scroll.
constexpr int kRowsShown = 12;

}  // namespace

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
    const int iconSize = fontMetrics().height() - 2;
    findings_->setIconSize(QSize(iconSize, iconSize));
    findings_->setUpdatesEnabled(false);
    findings_->clear();
    for (std::size_t i = 0; i < model.rows.size(); ++i) {
        const auto kind = i < model.kinds.size() ? model.kinds[i] : app::MenuCheckWindow::Kind::Plain;
        findings_->addItem(
            new QListWidgetItem(iconOf(kind, iconSize), QString::fromStdString(model.rows[i])));
    }
    findings_->setUpdatesEnabled(true);
    shownRows_ = model.rows;
    if (!sized_) fitToRows();
}

void CheckWindow::fitToRows() {
    // Wide enough for the longest message in one line, as far as the screen allows; measuring
    // the few longest rows by characters finds it without measuring thousands.
    std::vector<const std::string*> longest;
    for (const auto& row : shownRows_) longest.push_back(&row);
    const auto measured = std::min<std::size_t>(longest.size(), 8);
    std::partial_sort(longest.begin(), longest.begin() + static_cast<long>(measured), longest.end(),
                      [](const std::string* a, const std::string* b) { return a->size() > b->size(); });
    const QFontMetrics metrics = findings_->fontMetrics();
    int textWidth = 0;
    for (std::size_t i = 0; i < measured; ++i)
        textWidth = std::max(textWidth, metrics.horizontalAdvance(QString::fromStdString(*longest[i])));
    const int frame = 2 * findings_->frameWidth() + layout()->contentsMargins().left() +
                      layout()->contentsMargins().right();
    const int chrome = findings_->iconSize().width() + 3 * metrics.averageCharWidth() +
                       style()->pixelMetric(QStyle::PM_ScrollBarExtent) + frame;
    const int rows = std::clamp(static_cast<int>(shownRows_.size()), 3, kRowsShown);
    const int height = rows * (std::max(metrics.height(), findings_->iconSize().height()) + 4) + frame +
                       style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 1024);
    resize(std::min(textWidth + chrome, available.width() * 9 / 10),
           std::min(height, available.height() * 2 / 3));
    sized_ = true;
}

}  // namespace vostrel::gui
