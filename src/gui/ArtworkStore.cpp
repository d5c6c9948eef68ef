#include "gui/ArtworkStore.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QResource>
#include <QtGlobal>
#include <cmath>

#include "gui/ArtworkPainting.h"

namespace vostrel::gui::artwork {

namespace {

constexpr const char* kIconFontResource = ":/fonts/MaterialIcons-Regular.ttf";

// The bundled icon font's bytes. The resource is stored uncompressed, so they are read where the
// program image holds them: no copy on the heap and nothing to unpack at start-up.
QByteArray bundledIconFontData() {
    const QResource resource(QString::fromLatin1(kIconFontResource));
    if (!resource.isValid()) return {};
    if (resource.compressionAlgorithm() == QResource::NoCompression)
        return QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                       qsizetype(resource.size()));
    return resource.uncompressedData();
}

}  // namespace

Store& store() {
    static Store theStore;
    return theStore;
}

namespace {

void releaseStore() {
    Store& s = store();
    s.pictures.clear();
    s.flags.clear();
    s.program = QIcon();
    s.fontTried = false;
    s.fontData.clear();
    s.fontsByPixelSize.clear();
    s.cleanupHooked = false;
}

}  // namespace

bool prepareStore() {
    if (qGuiApp == nullptr) {
        qWarning("vostrel::gui artwork: no QGuiApplication, no pictures");
        return false;
    }
    Store& s = store();
    if (!s.cleanupHooked) {
        qAddPostRoutine(releaseStore);
        s.cleanupHooked = true;
    }
    return true;
}

namespace {

qreal sanitisedRatio(qreal devicePixelRatio) {
    if (!std::isfinite(devicePixelRatio) || devicePixelRatio <= 0.0) return 1.0;
    return qBound(0.25, devicePixelRatio, 16.0);
}

quint64 cacheKey(int item, qreal devicePixelRatio) {
    return (quint64(quint32(item)) << 32) | quint32(qRound(devicePixelRatio * 1000.0));
}

}  // namespace

// The bundled icon font at a pixel size, straight from its bytes. Asking the font database for
// the family instead would let it pick an installed copy of the same name: another version, and
// where that copy is the WOFF2 file, one that has to be unpacked for every size drawn.
QRawFont iconFont(qreal pixelSize) {
    if (!prepareStore()) return {};
    Store& s = store();
    if (!s.fontTried) {
        s.fontTried = true;
        s.fontData = bundledIconFontData();
        if (s.fontData.isEmpty()) qWarning("vostrel::gui artwork: cannot read %s", kIconFontResource);
    }
    if (s.fontData.isEmpty()) return {};
    const int pixels = qMax(1, qRound(pixelSize));
    auto found = s.fontsByPixelSize.constFind(pixels);
    if (found == s.fontsByPixelSize.constEnd()) {
        // Further sizes are made from the first: they share its parsed face and its rendering
        // settings, where a font made from the bytes again would set all of that up anew.
        QRawFont font;
        if (!s.fontsByPixelSize.isEmpty()) {
            font = *s.fontsByPixelSize.constBegin();
            font.setPixelSize(pixels);
        } else {
            font = QRawFont(s.fontData, pixels, QFont::PreferNoHinting);
        }
        found = s.fontsByPixelSize.insert(pixels, font);
    }
    return *found;
}

QPixmap cachedPicture(int item, qreal devicePixelRatio, QSize size,
                      void (*paint)(QPainter&, const QRectF&, int)) {
    if (!prepareStore()) return {};
    const qreal ratio = sanitisedRatio(devicePixelRatio);
    Store& s = store();
    const quint64 key = cacheKey(item, ratio);
    auto found = s.pictures.constFind(key);
    if (found != s.pictures.constEnd()) return *found;
    const QPixmap pixmap = renderPicture(
        size, ratio, [&](QPainter& painter, const QRectF& area) { paint(painter, area, item); });
    s.pictures.insert(key, pixmap);
    return pixmap;
}

}  // namespace vostrel::gui::artwork
