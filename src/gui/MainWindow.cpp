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

#include "gui/QtHost.h"

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
}

void MainWindow::forward(const std::function<void()>& handler, const controls::Control* echo) {
    if (handlerDepth_ > 0 || syncing_ || form_->closed()) return;
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
    // rows on its own, so the current index is set after them, from the model.
    for (const controls::ListBox* list : changedLists_) syncList(*list);
    changedLists_.clear();
    const auto changed = std::move(changed_);
    changed_.clear();
    for (const controls::Control* control : changed)
        if (const auto it = mirrors_.find(control); it != mirrors_.end()) it->second();
    syncing_ = false;
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
    changed_.insert(&list);
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
