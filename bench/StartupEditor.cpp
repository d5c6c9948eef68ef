// The editor as its own main() starts it (no arguments, program folder and
// real dialogs), stopped at its first painted window.
#include <QApplication>

#include "bench/FirstPaint.h"
#include "gui/MainWindow.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    vostrel::gui::MainWindow window;
    vostrel::bench::FirstPaintReporter reporter(&window);
    window.show();
    return application.exec();
}
