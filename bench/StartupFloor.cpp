// What any Qt Widgets program pays to show one window: an empty main window of
// the editor's size (passed in, so this program links nothing of ours),
// stopped at its first painted window like the editor.
//
// With a third argument "text" the window also shows one line of text in a
// menu bar and one in a label: the floor of a window that draws any text at
// all, which pays for setting up the font system. It is shown beside the
// figures to explain them, never used as the target's floor.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <cstdlib>
#include <cstring>

#include "bench/FirstPaint.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const int width = argc > 2 ? std::atoi(argv[1]) : 640;
    const int height = argc > 2 ? std::atoi(argv[2]) : 480;
    const bool withText = argc > 3 && std::strcmp(argv[3], "text") == 0;
    QMainWindow window;
    window.resize(width, height);
    if (withText) {
        window.menuBar()->addMenu(QStringLiteral("&File"));
        window.setCentralWidget(new QLabel(QStringLiteral("One line of text"), &window));
    }
    vostrel::bench::FirstPaintReporter reporter(&window);
    window.show();
    return application.exec();
}
