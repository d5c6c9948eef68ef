#pragma once

// The editor as every window test starts it: a fresh, empty program folder, a stand-in host
// answering its boxes, and the real main window shown on screen.
#include <QAccessible>
#include <QApplication>
#include <QListView>
#include <QTemporaryDir>
#include <QScrollBar>
#include <QTest>
#include <QWidget>
#include <memory>

#include "TestHost.h"
#include "gui/MainWindow.h"

namespace vostrel::guitest {

// The document list as the user sees it: rows of the view's model, and the
// row that is current and selected (-1 when none is both).
inline int rowCount(const QListView* list) { return list->model()->rowCount(); }
inline QString rowText(const QListView* list, int row) {
    return list->model()->index(row, 0).data().toString();
}
// What a screen reader is told about a widget.
inline QString accessibleText(QWidget* widget, QAccessible::Text which) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(which) : QStringLiteral("<no interface>");
}

inline int shownRow(const QListView* list) {
    const QModelIndex current = list->currentIndex();
    return current.isValid() && list->selectionModel()->isSelected(current) ? current.row() : -1;
}

struct EditorUnderTest {
    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<testsupport::TestHost> host;
    std::unique_ptr<vostrel::gui::MainWindow> window;

    // False when the folder could not be made or the window never appeared. `active` also waits
    // for the keyboard, which the keyboard tests need and the others need not wait for. Questions
    // get `question`; the question before unsaved work is dropped gets Save.
    bool openEditor(bool active = false, app::Answer question = app::Answer::Yes) {
        folder = std::make_unique<QTemporaryDir>();
        if (!folder->isValid()) return false;
        host = std::make_unique<testsupport::TestHost>(
            testsupport::TestHost::answering(question, app::Answer::Save));
        window = std::make_unique<vostrel::gui::MainWindow>(folder->path(), host.get());
        window->show();
        if (!active) return QTest::qWaitForWindowExposed(window.get());
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }

    // The named widget of the window; no test can go on without it.
    template <class T = QWidget>
    T* widget(const QString& name) const {
        T* found = window->findChild<T*>(name);
        if (!found) qFatal("no widget %s", qPrintable(name));
        return found;
    }

    // Turns the button field through all its pages and back, as a user paging
    // with its scroll bar does: a page's widgets exist once it has been shown.
    void showEveryPage() {
        auto* bar = widget<QScrollBar>(QStringLiteral("VScroll1"));
        const int start = bar->value();
        for (int page = bar->minimum(); page <= bar->maximum(); ++page) bar->setValue(page);
        bar->setValue(start);
    }

    // A first start runs auto-run, which opens the main block at once; tests that build by hand
    // turn it off (F9), as a user does.
    void buildByHand() {
        if (window->form().mnuEPageAuto.checked()) QTest::keyClick(window.get(), Qt::Key_F9);
    }

    // Command button `index` of the field, and the one that has the focus (-1: none).
    QWidget* button(int index) const { return widget(QStringLiteral("imgWXMenu_%1").arg(index)); }
    int focusedButton() const {
        const QWidget* focused = QApplication::focusWidget();
        if (!focused || !focused->objectName().startsWith(QStringLiteral("imgWXMenu_"))) return -1;
        return focused->objectName().mid(10).toInt();
    }
    void focusButton(int index) {
        button(index)->setFocus(Qt::TabFocusReason);
        QCOMPARE(focusedButton(), index);
    }
    // A key as the user types it: to whichever widget has the focus. (Menu
    // shortcuts and access keys are offered to the focused widget first
    // whatever widget QTest is handed, so those are sent to the window.)
    static void type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focused = QApplication::focusWidget();
        QVERIFY(focused);
        QTest::keyClick(focused, key, modifiers);
    }

    // The window goes first: it still talks to its host and writes into its folder as it closes.
    void closeEditor() {
        window.reset();
        host.reset();
        folder.reset();
    }
};

}  // namespace vostrel::guitest
