// The editor takes no arguments: everything it needs comes from its settings file.
#include <QApplication>

#include "gui/MainWindow.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    vostrel::gui::MainWindow window;
    window.show();
    return application.exec();
}
