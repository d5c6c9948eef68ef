#include "gui/ArtworkIconEngine.h"

#include <QIconEngine>
#include <QPainter>
#include <algorithm>

namespace vostrel::gui::artwork {

namespace {

class DrawnIconEngine : public QIconEngine {
public:
    using Draw = std::function<QPixmap(int pixels)>;

    // With `fadeWhenDisabled` the disabled look is the picture itself, faded, instead of the
    // toolkit's grey: a flag turned grey is no longer a flag.
    DrawnIconEngine(Draw draw, QList<int> listedSizes, bool fadeWhenDisabled = false)
        : draw_(std::move(draw)), listed_(std::move(listedSizes)), fadeWhenDisabled_(fadeWhenDisabled) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        const int pixels = std::max(size.width(), size.height());
        if (pixels <= 0) return {};
        if (!drawnSizes_.contains(pixels)) {
            drawn_.addPixmap(draw_(pixels));
            drawnSizes_.append(pixels);
        }
        if (mode == QIcon::Disabled && fadeWhenDisabled_) return faded(drawn_.pixmap(QSize(pixels, pixels)));
        // The pixmap engine behind `drawn_` derives the disabled and selected looks.
        return drawn_.pixmap(QSize(pixels, pixels), mode, state);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        const int side = std::min(rect.width(), rect.height());
        const QPixmap picture = pixmap(QSize(side, side) * ratio, mode, state);
        const QRect target(rect.x() + (rect.width() - side) / 2, rect.y() + (rect.height() - side) / 2, side,
                           side);
        painter->drawPixmap(target, picture);
    }

    // A drawing has every size; the listed ones are what it offers to a window manager.
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::min(size.width(), size.height());
        return {side, side};
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (int pixels : listed_) sizes.append(QSize(pixels, pixels));
        return sizes;
    }

    QIconEngine* clone() const override { return new DrawnIconEngine(*this); }
    QString key() const override { return QStringLiteral("vostrel.drawn"); }

private:
    static QPixmap faded(const QPixmap& picture) {
        QPixmap result(picture.size());
        result.setDevicePixelRatio(picture.devicePixelRatio());
        result.fill(Qt::transparent);
        QPainter painter(&result);
        painter.setOpacity(0.6);
        painter.drawPixmap(0, 0, picture);
        return result;
    }

    Draw draw_;
    QList<int> listed_;
    bool fadeWhenDisabled_ = false;
    QIcon drawn_;
    QList<int> drawnSizes_;
};

}  // namespace

QIcon drawnIcon(DrawSize draw, QList<int> listedSizes, bool fadeWhenDisabled) {
    return QIcon(new DrawnIconEngine(std::move(draw), std::move(listedSizes), fadeWhenDisabled));
}

}  // namespace vostrel::gui::artwork
