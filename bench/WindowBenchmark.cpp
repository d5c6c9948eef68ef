// The real window under the offscreen platform, driven the way a user drives
// it: the menu is opened through the File menu (the open dialog answering with
// the file), and a command picture is clicked with the mouse. Each figure runs
// until the window has caught up and repainted, since that is what the user
// waits for.
//
//   vostrel_bench_window click FILE RUNS   (a click on a command at that size)
//   vostrel_bench_window open FILE RUNS    (opening the file until the list shows it)
//   vostrel_bench_window check FILE RUNS   (after a click, until the status line and the marks
//                                           show the check of the changed menu; and the findings
//                                           window opened on it)
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <memory>

#include "bench/BenchSupport.h"
#include "gui/MainWindow.h"
#include "gui/QtHost.h"

using namespace vostrel;

namespace {

constexpr int kCommandPicture = 35;

struct Window {
    QTemporaryDir folder;
    testsupport::TestHost host = bench::queuedHost();
    std::unique_ptr<gui::MainWindow> window;
    QAction* open = nullptr;
    QAbstractItemView* list = nullptr;

    Window() {
        window = std::make_unique<gui::MainWindow>(folder.path(), &host);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get())) throw std::runtime_error("window never exposed");
        open = window->findChild<QAction*>(QStringLiteral("mnuDLaden"));
        list = window->findChild<QAbstractItemView*>(QStringLiteral("cboMenu_list"));
        if (!open || !list) throw std::runtime_error("window lacks the open action or the menu list");
    }

    int rows() const { return list->model()->rowCount(); }

    // Chooses File > Open, the dialog answering with `file`, and waits for the repaint.
    double openFile(const QString& file) {
        host.queuedFiles.push_back(gui::pathFromQString(file));
        const auto start = bench::Clock::now();
        open->trigger();
        QCoreApplication::processEvents();
        const double ms = bench::millisecondsSince(start);
        if (!host.queuedFiles.empty() || window->form().CurrentFilePath != gui::pathFromQString(file) ||
            rows() != window->form().cboMenu.count())
            throw std::runtime_error("the window did not show the opened menu");
        return ms;
    }
};

int clicks(const QString& file, int runs) {
    Window w;
    w.openFile(file);
    QWidget* picture = w.window->findChild<QWidget*>(QStringLiteral("imgWXMenu_%1").arg(kCommandPicture));
    if (!picture) throw std::runtime_error("no command picture");
    // With "lock buttons" on, a command the menu already uses takes no click,
    // and a large menu uses them all; the user turns the lock off first.
    if (w.window->form().mnuEButtonSperren.checked()) {
        if (auto* lock = w.window->findChild<QAction*>(QStringLiteral("mnuEButtonSperren"))) lock->trigger();
        if (w.window->form().mnuEButtonSperren.checked())
            throw std::runtime_error("cannot unlock the buttons");
    }
    // Every fifth command the auto-run asks whether the page is finished;
    // "no" starts the next page, as it would while building a long menu.
    w.host.answerRule = testsupport::TestHost::answering(app::Answer::No);
    const int lines = w.rows();
    std::vector<double> times;
    for (int run = 0; run < runs + 3; ++run) {
        const int before = w.window->form().cboMenu.count();
        const auto start = bench::Clock::now();
        QTest::mouseClick(picture, Qt::LeftButton);
        QCoreApplication::processEvents();
        const double ms = bench::millisecondsSince(start);
        if (w.window->form().cboMenu.count() <= before || w.rows() != w.window->form().cboMenu.count())
            throw std::runtime_error("the click did not add a line to the core and the list");
        if (run >= 3) times.push_back(ms);  // the first clicks lay out and cache glyphs
    }
    std::printf("window_click_lines %d\nwindow_click_ms %.3f\n", lines, bench::median(times));
    return 0;
}

int checks(const QString& file, int runs) {
    Window w;
    w.openFile(file);
    QWidget* picture = w.window->findChild<QWidget*>(QStringLiteral("imgWXMenu_%1").arg(kCommandPicture));
    QAction* check = w.window->findChild<QAction*>(QStringLiteral("mnuECheck"));
    if (!picture || !check) throw std::runtime_error("no command picture or check action");
    if (w.window->form().mnuEButtonSperren.checked())
        w.window->findChild<QAction*>(QStringLiteral("mnuEButtonSperren"))->trigger();
    w.host.answerRule = testsupport::TestHost::answering(app::Answer::No);
    std::vector<double> idle, window;
    for (int run = 0; run < runs; ++run) {
        const auto start = bench::Clock::now();
        QTest::mouseClick(picture, Qt::LeftButton);
        while (!w.window->checkViewCurrent())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        idle.push_back(bench::millisecondsSince(start));

        QTest::mouseClick(picture, Qt::LeftButton);  // the findings window checks anew
        const auto opened = bench::Clock::now();
        check->trigger();
        QCoreApplication::processEvents();
        window.push_back(bench::millisecondsSince(opened));
        if (!w.window->checkWindow() || !w.window->checkViewCurrent())
            throw std::runtime_error("the findings window did not open on the current check");
        w.window->checkWindow()->close();
    }
    std::printf("window_check_lines %d\nwindow_check_idle_ms %.3f\nwindow_check_findings_ms %.3f\n", w.rows(),
                bench::median(idle), bench::median(window));
    return 0;
}

int opens(const QString& file, int runs) {
    std::vector<double> times;
    int lines = 0;
    for (int run = 0; run < runs; ++run) {
        Window w;
        times.push_back(w.openFile(file));
        lines = w.rows();
    }
    std::printf("window_open_lines %d\nwindow_open_ms %.3f\n", lines, bench::median(times));
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) try {
    QApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 4 && args[1] == QStringLiteral("click"))
        return clicks(args[2], std::max(1, args[3].toInt()));
    if (args.size() == 4 && args[1] == QStringLiteral("open"))
        return opens(args[2], std::max(1, args[3].toInt()));
    if (args.size() == 4 && args[1] == QStringLiteral("check"))
        return checks(args[2], std::max(1, args[3].toInt()));
    std::fprintf(stderr, "usage: vostrel_bench_window click|open|check FILE RUNS\n");
    return 2;
} catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
}
