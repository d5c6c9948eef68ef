#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <array>
#include <cstdlib>
#include <functional>
#include <memory>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "app/frmWendax.h"
#include "controls/Control.h"
#include "gui/ButtonGrid.h"
#include "gui/QtTranslations.h"
#include "gui/RovingTabStop.h"
#include "gui/Zoom.h"

class QAction;
class QThreadPool;
class QTimer;
class QLineEdit;
class QListView;
class QScrollBar;
class QTimer;

namespace vostrel::gui {

class CheckStatus;
class CheckWindow;
class CommandButton;
class InfoWindow;
class ListBoxModel;
class QtHost;
class TextWindow;

// The editor's main window: one widget per control of the core's window
// model, created once. The window decides nothing: it hands the user's clicks,
// keys and scrolls to the core's handlers and afterwards brings exactly the
// widgets whose models changed in step with them.
class MainWindow : public QMainWindow, private controls::ControlObserver {
    Q_OBJECT
public:
    // The program folder holds the settings file; by default the program's own.
    explicit MainWindow(QWidget* parent = nullptr);
    // A window over a given folder and host, for tests and tools; with no host
    // the real dialogs are used.
    MainWindow(const QString& programFolder, app::Host* host, QWidget* parent = nullptr);
    MainWindow(const std::filesystem::path& programFolder, app::Host* host, QWidget* parent = nullptr);
    ~MainWindow() override;

    app::frmWendax& form() { return *form_; }

    // Brings the widgets of every control that changed since the last call in
    // step with their models. Runs by itself after each forwarded event.
    void syncChanges();

    // The window as it is on screen, written as a PNG.
    bool grabToPng(const QString& path);

    // The manual/history window and the information window while their
    // models exist; null otherwise.
    QWidget* textWindow() const;
    QWidget* infoWindow() const;
    QWidget* checkWindow() const;
    // The language of Qt's own texts: "de", "fr", or "" for English.
    const QString& qtLanguage() const { return qtTranslations_.installed(); }

    // A termination signal arrived: the core ends at once, then this runs; by
    // default it ends the process without waiting for any open box.
    std::function<void()> exitProcess = [] { std::_Exit(0); };

    // The status line and the marks in the list show the check of the document as it is now.
    // Up to kIdleCheckLines lines they follow every event at once; a larger menu is checked
    // once the editor has been idle for a moment, so that no click waits for the check.
    static constexpr int kIdleCheckLines = 10000;
    bool checkViewCurrent() const;

    // The factor by which the layout is zoomed to fill the window (1 at the start size).
    qreal zoomFactor() const { return zoom_.factor(); }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void endBySignal();
    void writeRecoveryFile();

    // ControlObserver: only note what changed; the widgets follow in syncChanges.
    void controlChanged(const controls::Control& control) override;
    void listInserted(const controls::ListBox& list, int index) override;
    void listRemoved(const controls::ListBox& list, int index) override;
    void listChanged(const controls::ListBox& list, int index) override;
    void listCleared(const controls::ListBox& list) override;

    // Runs one user event in the core, then syncs and closes when the core
    // has unloaded. Events that arrive while a handler runs are dropped: the
    // handlers are not written to be re-entered. `echo` is re-mirrored even if
    // its model did not change, to undo what the widget did on its own (a
    // checkable action toggling itself, a refused scroll, a disabled list).
    // Returns whether the handler ran.
    bool forward(const std::function<void()>& handler, const controls::Control* echo = nullptr);

    // Building the widgets (MainWindowLayout.cpp).
    void buildWidgets();
    // The button field (MainWindowButtonField.cpp).
    void buildButtonField(QWidget* client);
    void buildPage(int page);
    void buildCommandButton(int button, QWidget* holder);
    void buildControlArea(QWidget* client);
    void buildPreview(QWidget* client);
    void buildMenuBar();
    // Binding controls to widgets (MainWindowBinding.cpp).
    QWidget* bind(controls::Control& control, QWidget* widget, std::function<void()> mirrorOwn = {},
                  bool paintsBackColour = false);
    // Shows `list` in `view` through a model that reads the core's entries.
    void bindList(controls::ListBox& list, QListView* view, QWidget* frame, QLineEdit* edit);
    void bindScrollBar(controls::ScrollBar& bar, QScrollBar* widget);
    // The window's size and its status line (MainWindowChrome.cpp).
    void applyFormGeometry();
    // Fits the zoomed layout into the client area, centred.
    void rezoom();
    // Shows the core's passing note in the status line when it has a new one.
    void showPassingNote();

    // Keyboard focus in the button field (MainWindow.cpp).
    bool canFocusButton(int button) const;
    void moveGridFocus(int from, GridStep step);
    // The command button holding the window's focus; 0 for none.
    int focusedCommandButton() const;
    // A sync that hid the focused command button (the page was turned) hands
    // the focus to the first button of the page now shown, instead of leaving
    // it wherever Qt's focus chain happened to go.
    void keepFocusInField(int focusedBefore);
    // The button field and each preview frame are one Tab stop each.
    void updateTabStops();
    // The arrow keys among the places of a preview frame.
    void movePlaceFocus(const std::array<CommandButton*, preview::kPlaceCount>& places, int columns, int from,
                        GridStep step);

    // Mirroring (MainWindow.cpp).
    void mirrorAll();
    ListBoxModel* modelOf(const controls::ListBox& list) const;
    void noteListChanged(const controls::ListBox& list);
    // The secondary windows exist exactly while their models do.
    void syncSecondaryWindows();
    void openTextWindow();
    void openInfoWindow();
    void openCheckWindow();
    // The live check (MainWindowCheck.cpp): now, or when idle for a large menu.
    void buildCheckView();
    void updateCheckView();
    void showCheck();

    std::unique_ptr<QtHost> ownHost_;
    std::unique_ptr<app::frmWendax> form_;
    QWidget* client_ = nullptr;
    // Holds every control's widget at the zoomed layout's size, centred in client_.
    QWidget* canvas_ = nullptr;
    Zoom zoom_;
    QSize designClient_;
    int passingSeen_ = 0;
    QLineEdit* menuEdit_ = nullptr;
    QListView* menuList_ = nullptr;
    QScrollBar* lineScroll_ = nullptr;  // VScroll2
    // Null for a button whose page has not been shown yet.
    std::array<CommandButton*, catalogue::ButtonField::kButtonCount> commandButtons_{};
    std::array<QWidget*, catalogue::kButtonPageCount> pages_{};
    std::array<bool, catalogue::kButtonPageCount> pageBuilt_{};
    std::vector<std::unique_ptr<RovingTabStop>> tabStops_;
    RovingTabStop* commandStop_ = nullptr;  // the button field's
    // Top-level windows of their own, so that the main window does not keep
    // them on top of itself; they are deleted when their models go.
    QPointer<TextWindow> textWindow_;
    QPointer<InfoWindow> infoWindow_;
    QPointer<CheckWindow> checkWindow_;
    // The models' shownCount as last seen: a rise means the user chose the
    // command again while the window was open, and it comes to the front.
    int textShown_ = 0;
    int infoShown_ = 0;
    int checkShown_ = 0;
    CheckStatus* checkStatus_ = nullptr;
    QTimer* idleCheck_ = nullptr;
    std::uint64_t shownCheckVersion_ = 0;

    // The menu items that have a shortcut; they win over the edit line's own keys.
    std::vector<QAction*> shortcutActions_;
    // Undo and redo: their keys belong to the edit line while it has the focus.
    QList<const QAction*> editKeyActions_;
    QTimer* recoveryTimer_ = nullptr;
    // Writes the recovery file away from the event loop, one write after the
    // other, so that a click never waits for the disk.
    std::unique_ptr<QThreadPool> recoveryWriter_;
    QtTranslations qtTranslations_;

    std::unordered_map<const controls::Control*, std::function<void()>> mirrors_;
    std::unordered_map<const controls::ListBox*, ListBoxModel*> lists_;
    std::unordered_set<const controls::Control*> changed_;
    std::vector<const controls::ListBox*> changedLists_;

    int handlerDepth_ = 0;
    bool syncing_ = false;
    bool listMouseDown_ = false;
    bool editKeyDown_ = false;
};

}  // namespace vostrel::gui
