// What any Qt Widgets program pays to show one window: an empty main window of
// the editor's size (passed in, so this program links nothing of ours),
// stopped at its first painted window like the editor.
#include <QApplication>
#include <QMainWindow>
#include <cstdlib>

#include "bench/FirstPaint.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const int width = argc > 2 ? std::atoi(argv[1]) : 640;
    const int height = argc > 2 ? std::atoi(argv[2]) : 480;
    QMainWindow window;
    window.resize(width, height);
    vostrel::bench::FirstPaintReporter reporter(&window);
    window.show();
    return application.exec();
}
