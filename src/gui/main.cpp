// The editor takes no arguments: everything it needs comes from its settings file.
#include <QApplication>

#include "gui/MainWindow.h"
#include "gui/TerminationSignal.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    vostrel::gui::MainWindow window;
    vostrel::gui::TerminationSignal termination;
    QObject::connect(&termination, &vostrel::gui::TerminationSignal::received, &window, &QWidget::close);
    window.show();
    return application.exec();
}
