#pragma once

// The editor as every window test starts it: a fresh, empty program folder, a stand-in host
// answering its boxes, and the real main window shown on screen.
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <memory>

#include "TestHost.h"
#include "gui/MainWindow.h"

namespace vostrel::guitest {

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
        host = std::make_unique<testsupport::TestHost>(testsupport::TestHost::answering(question, app::Answer::Save));
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

    // The window goes first: it still talks to its host and writes into its folder as it closes.
    void closeEditor() {
        window.reset();
        host.reset();
        folder.reset();
    }
};

}  // namespace vostrel::guitest
