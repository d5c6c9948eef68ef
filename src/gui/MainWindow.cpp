#include "gui/MainWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDebug>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>
#include <exception>

#include "gui/InfoWindow.h"
#include "gui/QtHost.h"
#include "gui/TextWindow.h"

namespace vostrel::gui {

MainWindow::MainWindow(QWidget* parent)
    : MainWindow(QCoreApplication::applicationDirPath(), nullptr, parent) {}

MainWindow::MainWindow(const QString& programFolder, app::Host* host, QWidget* parent)
    : QMainWindow(parent) {
    if (!host) {
        ownHost_ = std::make_unique<QtHost>(this);
        // A message box in the middle of a handler should sit in front of the
        // window as the handler has left it so far, not as it was before.
        ownHost_->beforeModal = [this] { syncChanges(); };
        host = ownHost_.get();
    }
    form_ = std::make_unique<app::frmWendax>(*host, std::filesystem::path(programFolder.toStdString()));
    buildWidgets();

    form_->setObserver(this);
    ++handlerDepth_;
    form_->Form_Load();
    --handlerDepth_;
    // Start-up touches nearly every control; mirroring all of them once is
    // simpler than replaying the notes, and from here on only changes count.
    mirrorAll();
}

MainWindow::~MainWindow() {
    // The widgets go with the window; the models must not report to it any more.
    if (form_) form_->setObserver(nullptr);
    // The secondary windows have no parent to take them along.
    delete textWindow_.data();
    delete infoWindow_.data();
}

bool MainWindow::forward(const std::function<void()>& handler, const controls::Control* echo) {
    if (handlerDepth_ > 0 || syncing_ || form_->closed()) return false;
    ++handlerDepth_;
    try {
        handler();
    } catch (const std::exception& error) {
        // A slot must not let an exception into Qt's event loop; the window
        // shows whatever state the handler reached.
        qWarning("vostrel: handler failed: %s", error.what());
    }
    --handlerDepth_;
    if (echo) changed_.insert(echo);
    syncChanges();
    if (form_->closed()) close();
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!form_->closed() && handlerDepth_ == 0) {
        ++handlerDepth_;
        form_->Form_Unload();
        --handlerDepth_;
        syncChanges();
    }
    // The program offers no way to refuse closing.
    event->accept();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lineScroll_ && event->type() == QEvent::FocusIn) {
        forward([this] { form_->VScroll2_GotFocus(); });
    } else if (menuList_ && watched == menuList_->viewport()) {
        if (event->type() == QEvent::MouseButtonPress) {
            listMouseDown_ = true;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            listMouseDown_ = false;
            // A press dragged off its row selects in the widget without a
            // click; put the widget back to the model's line afterwards.
            QTimer::singleShot(0, this, [this] {
                changed_.insert(&form_->cboMenu);
                syncChanges();
            });
        }
    } else if (watched == menuEdit_) {
        if (event->type() == QEvent::KeyPress) {
            editKeyDown_ = true;
        } else if (event->type() == QEvent::KeyRelease &&
                   !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
            // The edit has taken the key on its press; the core learns the
            // text and gets its key-release handling in one call, once per key.
            editKeyDown_ = false;
            const std::string text = menuEdit_->text().toStdString();
            forward([this, text] { form_->userTypes(text); }, &form_->cboMenu);
        } else if (event->type() == QEvent::FocusOut) {
            editKeyDown_ = false;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::grabToPng(const QString& path) { return grab().save(path, "PNG"); }

QWidget* MainWindow::textWindow() const { return textWindow_.data(); }

QWidget* MainWindow::infoWindow() const { return infoWindow_.data(); }

// ---- Observer --------------------------------------------------------------

void MainWindow::controlChanged(const controls::Control& control) { changed_.insert(&control); }

void MainWindow::listInserted(const controls::ListBox& list, int index) {
    auto it = lists_.find(&list);
    if (it == lists_.end()) return;
    if (!it->second.rebuild)
        it->second.pending.push_back({RowChange::Kind::Insert, index, QString::fromStdString(list.entry(index))});
    if (std::find(changedLists_.begin(), changedLists_.end(), &list) == changedLists_.end())
        changedLists_.push_back(&list);
}

void MainWindow::listRemoved(const controls::ListBox& list, int index) {
    auto it = lists_.find(&list);
    if (it == lists_.end()) return;
    if (!it->second.rebuild) it->second.pending.push_back({RowChange::Kind::Remove, index, {}});
    if (std::find(changedLists_.begin(), changedLists_.end(), &list) == changedLists_.end())
        changedLists_.push_back(&list);
}

void MainWindow::listChanged(const controls::ListBox& list, int index) {
    auto it = lists_.find(&list);
    if (it == lists_.end()) return;
    if (!it->second.rebuild)
        it->second.pending.push_back({RowChange::Kind::Change, index, QString::fromStdString(list.entry(index))});
    if (std::find(changedLists_.begin(), changedLists_.end(), &list) == changedLists_.end())
        changedLists_.push_back(&list);
}

void MainWindow::listCleared(const controls::ListBox& list) {
    auto it = lists_.find(&list);
    if (it == lists_.end()) return;
    // Whatever came before is void, and whatever follows is already in the
    // model's entries: the widget is filled from them once at the next sync.
    it->second.rebuild = true;
    it->second.pending.clear();
    if (std::find(changedLists_.begin(), changedLists_.end(), &list) == changedLists_.end())
        changedLists_.push_back(&list);
}

// ---- Sync ------------------------------------------------------------------

void MainWindow::syncChanges() {
    if (syncing_) return;
    syncing_ = true;
    // Rows first: Qt moves a list's current row along with inserted and removed
    // rows on its own, so the current index is set after them, from the model
    // (which reports its index whenever rows before or at it come or go).
    for (const controls::ListBox* list : changedLists_) syncList(*list);
    changedLists_.clear();
    const auto changed = std::move(changed_);
    changed_.clear();
    for (const controls::Control* control : changed)
        if (const auto it = mirrors_.find(control); it != mirrors_.end()) it->second();
    syncSecondaryWindows();
    syncing_ = false;
}

void MainWindow::syncSecondaryWindows() {
    // The help windows are plain values in the core with no one to report
    // their changes; they are small, so they are compared at every sync.
    if (form_->frmWXText) {
        if (!textWindow_) openTextWindow();
        textWindow_->mirror(*form_->frmWXText);
    } else if (textWindow_) {
        textWindow_->discard();
        textWindow_ = nullptr;
    }
    if (form_->frmWXInfo) {
        if (!infoWindow_) openInfoWindow();
        infoWindow_->mirror(*form_->frmWXInfo);
    } else if (infoWindow_) {
        infoWindow_->discard();
        infoWindow_ = nullptr;
    }
}

void MainWindow::openTextWindow() {
    textWindow_ = new TextWindow;
    // Closing the window discards it: the next manual command loads it anew.
    textWindow_->onUserClose = [this] { return forward([this] { form_->frmWXText.reset(); }); };
    textWindow_->onResize = [this](bool minimised) {
        // Laying out the text box is no user event of the main window and
        // must happen even while a handler runs (the first layout comes with
        // the first show, inside the handler's sync), so it is not forwarded.
        if (!form_->frmWXText || !textWindow_) return;
        form_->frmWXText->Form_Resize(minimised);
        textWindow_->mirror(*form_->frmWXText);
    };
    textWindow_->mirror(*form_->frmWXText);
    textWindow_->show();
}

void MainWindow::openInfoWindow() {
    infoWindow_ = new InfoWindow;
    infoWindow_->onUserClose = [this] { return forward([this] { form_->frmWXInfo.reset(); }); };
    infoWindow_->onMail = [this] { forward([this] { form_->cmdeMail_Click(); }); };
    infoWindow_->onInternet = [this] { forward([this] { form_->cmdInternet_Click(); }); };
    infoWindow_->mirror(*form_->frmWXInfo);
    infoWindow_->show();
}

void MainWindow::syncList(const controls::ListBox& list) {
    ListMirror& mirror = lists_.at(&list);
    QListWidget* widget = mirror.widget;
    const QSignalBlocker block(widget);
    if (mirror.rebuild) {
        QStringList rows;
        rows.reserve(list.count());
        for (const std::string& entry : list.entries()) rows << QString::fromStdString(entry);
        widget->clear();
        widget->addItems(rows);
    } else {
        for (const RowChange& change : mirror.pending) {
            switch (change.kind) {
                case RowChange::Kind::Insert: widget->insertItem(change.index, change.text); break;
                case RowChange::Kind::Remove: delete widget->takeItem(change.index); break;
                case RowChange::Kind::Change:
                    if (QListWidgetItem* item = widget->item(change.index)) item->setText(change.text);
                    break;
            }
        }
    }
    mirror.pending.clear();
    mirror.rebuild = false;
}

void MainWindow::mirrorAll() {
    for (auto& [list, mirror] : lists_) {
        mirror.rebuild = true;
        mirror.pending.clear();
        if (std::find(changedLists_.begin(), changedLists_.end(), list) == changedLists_.end())
            changedLists_.push_back(list);
    }
    for (const auto& [control, mirror] : mirrors_) changed_.insert(control);
    syncChanges();
}

}  // namespace vostrel::gui
