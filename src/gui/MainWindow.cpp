#include "gui/MainWindow.h"

#include <QAction>
#include <QScopedValueRollback>
#include <QSessionManager>
#include <QCloseEvent>
#include <QApplication>
#include <QCoreApplication>
#include <QDebug>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPixmap>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QThreadPool>
#include <QTimer>
#include <algorithm>
#include <exception>

#include "files/Paths.h"
#include "gui/CheckWindow.h"
#include "gui/CommandButton.h"
#include "gui/InfoWindow.h"
#include "gui/ListBoxModel.h"
#include "gui/QtHost.h"
#include "gui/TerminationSignal.h"
#include "gui/TextWindow.h"

namespace vostrel::gui {

namespace {
constexpr int kRecoveryDelayMs = 250;
}  // namespace

// The program folder comes from the system, not from Qt: a folder name that is not
// UTF-8 would not survive the trip through a QString.
MainWindow::MainWindow(QWidget* parent) : MainWindow(files::executableFolder(), nullptr, parent) {}

MainWindow::MainWindow(const QString& programFolder, app::Host* host, QWidget* parent)
    : MainWindow(pathFromQString(programFolder), host, parent) {}

MainWindow::MainWindow(const std::filesystem::path& programFolder, app::Host* host, QWidget* parent)
    : QMainWindow(parent) {
    if (!host) {
        ownHost_ = std::make_unique<QtHost>(this);
        // A message box in the middle of a handler should sit in front of the
        // window as the handler has left it so far, not as it was before.
        ownHost_->beforeModal = [this] { syncChanges(); };
        host = ownHost_.get();
    }
    form_ = std::make_unique<app::frmWendax>(*host, programFolder);
    form_->onSettingsRead = [] { TerminationSignal::settingsWereRead(); };
    if (TerminationSignal* signal = TerminationSignal::instance())
        connect(signal, &TerminationSignal::received, this, &MainWindow::endBySignal);
    // The end of the desktop session is handled like a termination signal: no question waits.
    connect(qApp, &QGuiApplication::commitDataRequest, this, &MainWindow::endBySignal);
    recoveryTimer_ = new QTimer(this);
    recoveryTimer_->setSingleShot(true);
    // Shortly after the user pauses: a click that follows another at once
    // never waits for the recovery file to be encoded.
    recoveryTimer_->setInterval(kRecoveryDelayMs);
    connect(recoveryTimer_, &QTimer::timeout, this, &MainWindow::writeRecoveryFile);
    recoveryWriter_ = std::make_unique<QThreadPool>();
    recoveryWriter_->setMaxThreadCount(1);
    buildWidgets();

    // Whichever way a button of the field or the preview got the focus, it is
    // where Tab comes back to.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && now->window() == this) updateTabStops();
    });

    form_->setObserver(this);
    {
        const QScopedValueRollback inHandler(handlerDepth_, handlerDepth_ + 1);
        form_->runGuarded([this] { form_->Form_Load(); });
    }
    // Start-up touches nearly every control; mirroring all of them once is
    // simpler than replaying the notes, and from here on only changes count.
    mirrorAll();
}

MainWindow::~MainWindow() {
    recoveryWriter_->waitForDone();
    // The widgets go with the window; the models must not report to it any more.
    if (form_) form_->setObserver(nullptr);
    // The secondary windows have no parent to take them along.
    delete textWindow_.data();
    delete infoWindow_.data();
    delete checkWindow_.data();
}

bool MainWindow::forward(const std::function<void()>& handler, const controls::Control* echo) {
    if (handlerDepth_ > 0 || syncing_ || form_->closed()) return false;
    {
        const QScopedValueRollback inHandler(handlerDepth_, handlerDepth_ + 1);
        // A slot must not let an exception into Qt's event loop: the core puts the
        // document back and says so in a message box.
        form_->runGuarded(handler);
    }
    if (echo) changed_.insert(echo);
    syncChanges();
    if (form_->closed()) {
        // Shut-down removed the recovery file; a write still under way must not bring it back.
        recoveryWriter_->waitForDone();
        app::frmWendax::applyRecoveryUpdate(form_->recoveryFile(),
                                            {app::frmWendax::RecoveryUpdate::Kind::Remove, {}});
        close();
    } else {
        // The recovery file is written once the editor is idle again, never inside a click.
        recoveryTimer_->start();
    }
    return true;
}

void MainWindow::writeRecoveryFile() {
    auto update = std::make_shared<app::frmWendax::RecoveryUpdate>(form_->takeRecoveryUpdate());
    if (update->kind == app::frmWendax::RecoveryUpdate::Kind::None) return;
    recoveryWriter_->start(
        [file = form_->recoveryFile(), update] { app::frmWendax::applyRecoveryUpdate(file, *update); });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Shut-down removes the recovery file; no write may come after it.
    recoveryWriter_->waitForDone();
    if (!form_->closed() && handlerDepth_ == 0) {
        {
            const QScopedValueRollback inHandler(handlerDepth_, handlerDepth_ + 1);
            form_->runGuarded([this] { form_->Form_Unload(); });
        }
        syncChanges();
    }
    // The user may stay at the save question; then the window stays too.
    if (form_->closed())
        event->accept();
    else
        event->ignore();
}

void MainWindow::endBySignal() {
    // The answer of a box open now will never come: the core writes what must
    // survive and the program ends from inside whatever loop is running.
    recoveryWriter_->waitForDone();
    form_->endAtOnce();
    if (exitProcess) exitProcess();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize) {
        rezoom();
    } else if (watched == lineScroll_ && event->type() == QEvent::FocusIn) {
        forward([this] { form_->userFocusesLineBar(); });
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
        if (event->type() == QEvent::ShortcutOverride) {
            // The edit line claims Shift+Del for cutting text; in this window
            // the menu's shortcuts come first (Shift+Del deletes the selected
            // line), as they did in the toolkit the window was designed in.
            // Undo and redo keys are the exception: in the edit line they act
            // on the typed text, as in any line edit.
            const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
            for (const QAction* action : shortcutActions_) {
                if (action->isEnabled() && action->shortcuts().contains(pressed) &&
                    !editKeyActions_.contains(action)) {
                    event->ignore();
                    return true;
                }
            }
        } else if (event->type() == QEvent::KeyPress) {
            editKeyDown_ = true;
        } else if (event->type() == QEvent::KeyRelease && !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
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

QWidget* MainWindow::checkWindow() const { return checkWindow_.data(); }

// ---- Observer --------------------------------------------------------------

void MainWindow::controlChanged(const controls::Control& control) { changed_.insert(&control); }

ListBoxModel* MainWindow::modelOf(const controls::ListBox& list) const {
    const auto it = lists_.find(&list);
    return it == lists_.end() ? nullptr : it->second;
}

void MainWindow::noteListChanged(const controls::ListBox& list) {
    if (std::find(changedLists_.begin(), changedLists_.end(), &list) == changedLists_.end())
        changedLists_.push_back(&list);
}

void MainWindow::listInserted(const controls::ListBox& list, int index) {
    if (ListBoxModel* model = modelOf(list)) {
        model->noteInserted(index);
        noteListChanged(list);
    }
}

void MainWindow::listRemoved(const controls::ListBox& list, int index) {
    if (ListBoxModel* model = modelOf(list)) {
        model->noteRemoved(index);
        noteListChanged(list);
    }
}

void MainWindow::listChanged(const controls::ListBox& list, int index) {
    if (ListBoxModel* model = modelOf(list)) {
        model->noteChanged(index);
        noteListChanged(list);
    }
}

void MainWindow::listCleared(const controls::ListBox& list) {
    if (ListBoxModel* model = modelOf(list)) {
        model->noteReplaced();
        noteListChanged(list);
    }
}

// ---- Sync ------------------------------------------------------------------

namespace {

// Shows a secondary window's model, opening the window the first time, and
// brings it to the front when the user chose its command again while it was
// open (the model counts those choices).
template <class Window, class Model>
void followWindow(QPointer<Window>& window, const Model& model, int& seenCount,
                  const std::function<void()>& open) {
    if (!window) {
        open();
        seenCount = model.shownCount;
    }
    window->mirror(model);
    if (model.shownCount != seenCount) {
        seenCount = model.shownCount;
        if (window->isMinimized()) window->showNormal();
        window->raise();
        window->activateWindow();
    }
}

template <class Window>
void discardWindow(QPointer<Window>& window) {
    if (!window) return;
    window->discard();
    window = nullptr;
}

}  // namespace

void MainWindow::syncChanges() {
    if (syncing_) return;
    const QScopedValueRollback syncing(syncing_, true);
    const int focusedButton = focusedCommandButton();
    // Rows first: the view moves its current row along with inserted and
    // removed rows on its own, so the current index is set after them, from
    // the model (which reports its index whenever rows before or at it come
    // or go).
    for (const controls::ListBox* list : changedLists_) lists_.at(list)->apply();
    changedLists_.clear();
    const auto changed = std::move(changed_);
    changed_.clear();
    for (const controls::Control* control : changed)
        if (const auto it = mirrors_.find(control); it != mirrors_.end()) it->second();
    keepFocusInField(focusedButton);
    updateTabStops();
    updateCheckView();
    syncSecondaryWindows();
    qtTranslations_.follow(form_->language);
    showPassingNote();
}

void MainWindow::syncSecondaryWindows() {
    // The secondary windows are plain values in the core with no one to report
    // their changes; they are small, so they are compared at every sync.
    if (form_->frmWXText)
        followWindow(textWindow_, *form_->frmWXText, textShown_, [this] { openTextWindow(); });
    else
        discardWindow(textWindow_);
    if (form_->frmWXInfo)
        followWindow(infoWindow_, *form_->frmWXInfo, infoShown_, [this] { openInfoWindow(); });
    else
        discardWindow(infoWindow_);
    if (form_->frmWXCheck)
        followWindow(checkWindow_, *form_->frmWXCheck, checkShown_, [this] { openCheckWindow(); });
    else
        discardWindow(checkWindow_);
}

void MainWindow::openTextWindow() {
    textWindow_ = new TextWindow;
    // Closing the window discards it: the next manual command loads it anew.
    textWindow_->onUserClose = [this] {
        return forward([this] { form_->userClosesWindow(app::frmWendax::SecondaryWindow::Text); });
    };
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
    infoWindow_->onUserClose = [this] {
        return forward([this] { form_->userClosesWindow(app::frmWendax::SecondaryWindow::Info); });
    };
    infoWindow_->onMail = [this] { forward([this] { form_->cmdeMail_Click(); }); };
    infoWindow_->onInternet = [this] { forward([this] { form_->cmdInternet_Click(); }); };
    infoWindow_->mirror(*form_->frmWXInfo);
    infoWindow_->show();
}

void MainWindow::openCheckWindow() {
    checkWindow_ = new CheckWindow;
    checkWindow_->onUserClose = [this] {
        return forward([this] { form_->userClosesWindow(app::frmWendax::SecondaryWindow::Check); });
    };
    checkWindow_->onChoose = [this](int row) {
        forward([this, row] { form_->chooseFinding(row); }, &form_->cboMenu);
    };
    checkWindow_->mirror(*form_->frmWXCheck);
    checkWindow_->show();
}

void MainWindow::mirrorAll() {
    for (auto& [list, model] : lists_) {
        model->noteReplaced();
        noteListChanged(*list);
    }
    for (const auto& [control, mirror] : mirrors_) changed_.insert(control);
    syncChanges();
}

}  // namespace vostrel::gui
