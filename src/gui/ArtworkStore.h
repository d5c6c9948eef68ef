#pragma once

// The caches of the pictures and of the icon font. They hold pixmaps and icons, which must not
// outlive the application object, so a post routine empties them when it goes; a later
// application object starts afresh.
#include <QByteArray>
#include <QHash>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QRawFont>

namespace vostrel::gui::artwork {

struct Store {
    bool fontTried = false;
    QByteArray fontData;  // the bundled icon font, empty when it cannot be read
    QHash<int, QRawFont> fontsByPixelSize;
    QHash<quint64, QPixmap> pictures;
    QHash<int, QIcon> flags;
    QIcon program;
    bool cleanupHooked = false;
};

Store& store();

// Returns false when there is no GUI application to paint for.
bool prepareStore();

// The bundled icon font at a pixel size; invalid when it cannot be read.
QRawFont iconFont(qreal pixelSize);

// Picture `item` at `devicePixelRatio`, painted by `paint` the first time it is asked for.
QPixmap cachedPicture(int item, qreal devicePixelRatio, QSize size,
                      void (*paint)(QPainter&, const QRectF&, int));

}  // namespace vostrel::gui::artwork
