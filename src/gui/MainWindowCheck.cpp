// The live menu check in the main window: the indicator in the status line, the marks on the
// lines with findings and their tooltips. The core computes the result when asked; the window
// asks after every event for a menu of ordinary size, and at idle for a large one.
#include <QListView>
#include <QStatusBar>
#include <QTimer>

#include "gui/CheckMarks.h"
#include "gui/ListBoxModel.h"
#include "gui/MainWindow.h"

namespace vostrel::gui {

namespace {

// How long the editor must have been idle before a large menu is checked: long enough that
// a burst of clicks or keys is not interrupted, short enough to feel immediate.
constexpr int kIdleMilliseconds = 150;

CheckMark markOf(const check::LiveResult& result, bool emptyMenu) {
    if (emptyMenu) return CheckMark::None;
    if (result.errors > 0) return CheckMark::Error;
    if (result.warnings > 0) return CheckMark::Warning;
    if (result.open > 0) return CheckMark::Open;
    return CheckMark::Fine;
}

}  // namespace

void MainWindow::buildCheckView() {
    // The result stays at the right as a permanent widget; the left of the status line is free
    // for passing messages.
    QStatusBar* bar = statusBar();
    checkStatus_ = new CheckStatus(bar);
    bar->addPermanentWidget(checkStatus_);

    idleCheck_ = new QTimer(this);
    idleCheck_->setSingleShot(true);
    idleCheck_->setInterval(kIdleMilliseconds);
    connect(idleCheck_, &QTimer::timeout, this, [this] {
        // A message box of a handler runs its own event loop; the check waits for the handler.
        if (handlerDepth_ > 0 || syncing_) {
            idleCheck_->start();
            return;
        }
        showCheck();
        syncSecondaryWindows();
    });

    const int size = menuList_->fontMetrics().height() - 4;
    menuList_->setIconSize(QSize(size, size));
    modelOf(form_->cboMenu)
        ->setMarks({
            [this, size](int row) {
                const check::LiveResult* result = form_->lastCheckResult();
                const auto worst = result ? result->worstOn(row) : std::nullopt;
                const CheckMark mark = !worst                             ? CheckMark::None
                                       : *worst == check::Severity::Error ? CheckMark::Error
                                                                          : CheckMark::Warning;
                return checkMarkIcon(mark, size);
            },
            [this](int row) { return QString::fromStdString(form_->lineFindingsText(row)); },
        });
}

bool MainWindow::checkViewCurrent() const {
    return form_->checkIsCurrent() && shownCheckVersion_ == form_->checkVersion() && !idleCheck_->isActive();
}

void MainWindow::updateCheckView() {
    if (!checkStatus_) return;  // still building the widgets
    if (!form_->checkIsCurrent() && form_->cboMenu.count() > kIdleCheckLines) {
        idleCheck_->start();
        return;
    }
    showCheck();
}

void MainWindow::showCheck() {
    idleCheck_->stop();
    const check::LiveResult& result = form_->checkResult();
    form_->refreshCheckWindow();
    const QString text = QString::fromStdString(form_->checkStatusText());
    checkStatus_->setResult(markOf(result, form_->cboMenu.empty()), text);
    if (shownCheckVersion_ != form_->checkVersion()) {
        shownCheckVersion_ = form_->checkVersion();
        modelOf(form_->cboMenu)->marksChanged();
    }
}

}  // namespace vostrel::gui
