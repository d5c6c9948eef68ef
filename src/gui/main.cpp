// The editor takes no arguments: everything it needs comes from its settings file.
#include <QApplication>

#include "gui/MainWindow.h"
#include "gui/TerminationSignal.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Before the window: start-up may already show a question, and a signal
    // then must find its handler in place.
    vostrel::gui::TerminationSignal termination;
    vostrel::gui::MainWindow window;
    window.show();
    return application.exec();
}
