// Writes the program icon: a PNG of 256 pixels for the application menu of the desktop, or, for
// a name ending in ".ico", the Windows icon that vostrel.exe carries.
#include <QApplication>
#include <QBuffer>
#include <QDataStream>
#include <QFile>
#include <QIcon>
#include <QList>
#include <QPixmap>

#include "gui/Artwork.h"

namespace {

QPixmap picture(int size) {
    const QPixmap drawn = vostrel::gui::programIcon().pixmap(size, size);
    return drawn.size() == QSize(size, size)
               ? drawn
               : drawn.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QByteArray png(int size) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return picture(size).save(&buffer, "PNG") ? bytes : QByteArray();
}

// An icon file is a directory of pictures, here PNG-compressed (which Windows reads since
// Vista), in the sizes Explorer, the task bar and the title bar choose from at any scaling.
bool writeIco(const QString& name) {
    const QList<int> sizes = {16, 20, 24, 32, 40, 48, 64, 128, 256};
    QList<QByteArray> pictures;
    for (int size : sizes) {
        pictures << png(size);
        if (pictures.back().isEmpty()) return false;
    }
    QByteArray ico;
    QDataStream out(&ico, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(sizes.size());  // reserved, type icon, count
    quint32 offset = 6 + 16 * quint32(sizes.size());
    for (qsizetype i = 0; i < sizes.size(); ++i) {
        const quint8 side = sizes[i] >= 256 ? 0 : quint8(sizes[i]);  // 0 stands for 256
        out << side << side << quint8(0) << quint8(0) << quint16(1) << quint16(32)
            << quint32(pictures[i].size()) << offset;
        offset += quint32(pictures[i].size());
    }
    for (const QByteArray& bytes : pictures) out.writeRawData(bytes.constData(), int(bytes.size()));
    QFile file(name);
    return file.open(QIODevice::WriteOnly) && file.write(ico) == ico.size() && file.flush();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    QApplication application(argc, argv);
    const QString name = QString::fromLocal8Bit(argv[1]);
    if (name.endsWith(QStringLiteral(".ico"), Qt::CaseInsensitive)) return writeIco(name) ? 0 : 1;
    return picture(256).save(name, "PNG") ? 0 : 1;
}
