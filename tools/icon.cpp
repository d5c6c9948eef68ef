// Writes the program icon as a PNG for the application menu of the desktop.
#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include "gui/Artwork.h"

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    QApplication application(argc, argv);
    const QPixmap picture = vostrel::gui::programIcon().pixmap(256, 256);
    return picture.save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
