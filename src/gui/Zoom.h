#pragma once

#include <QRect>
#include <QSize>
#include <functional>
#include <unordered_map>
#include <vector>

#include "controls/Control.h"

class QWidget;
class QAbstractButton;

namespace vostrel::gui {

// The window's layout is given in twips for one size. When the user resizes
// or maximises the window, the layout grows as a whole, like a zoom: every
// widget keeps its place relative to the others, and fonts and pictures grow
// by the same factor. Zoom remembers each widget's twips geometry, font size
// and icon size at factor 1 and applies them at the current factor.
class Zoom {
public:
    qreal factor() const { return factor_; }

    // The largest factor at which `design` fits into `available`, never below 1:
    // a window smaller than its design would make the captions illegible.
    static qreal fitting(const QSize& available, const QSize& design);

    // Pixels of a twips rectangle at the current factor. The right and bottom
    // edges are rounded on their own, so neighbours that meet in twips meet
    // on screen too; at factor 1 this is exactly twipsToRect.
    QRect rect(const controls::Geometry& geometry) const;
    QSize size(const QSize& designPixels) const;

    // Sets the widget to `geometry` at the current factor and keeps it for
    // later changes of the factor.
    void place(QWidget* widget, const controls::Geometry& geometry);
    // Keeps the widget's present font size (and icon size, for a button) as
    // its size at factor 1.
    void trackFont(QWidget* widget);
    void trackIconSize(QAbstractButton* button);
    // Called after every change of the factor, for pictures drawn at a size.
    void onChange(std::function<void(qreal)> action) { actions_.push_back(std::move(action)); }

    // Returns whether anything had to be redone.
    bool setFactor(qreal factor);

private:
    struct Entry {
        controls::Geometry geometry{};
        bool placed = false;
        qreal pointSize = 0;  // 0: the font is not tracked
        QSize iconSize;
    };
    void apply(QWidget* widget, const Entry& entry) const;

    qreal factor_ = 1.0;
    std::unordered_map<QWidget*, Entry> entries_;
    std::vector<std::function<void(qreal)>> actions_;
};

}  // namespace vostrel::gui
