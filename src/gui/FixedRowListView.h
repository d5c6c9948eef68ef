#pragma once

#include <QListView>
#include <QPersistentModelIndex>
#include <QSize>

namespace vostrel::gui {

// A list view for a list of one-line rows that all have the same height, such
// as the lines of a menu document. Qt's list view keeps the position of every
// row and works them all out again whenever rows come or go, so with a hundred
// thousand rows every added line cost the whole walk. Here a row's place is
// plain arithmetic (row times the row height), so inserting, scrolling and
// painting cost the same at any length; only the rows on screen are read.
//
// It stays a QListView to the rest of the program and to accessibility tools;
// every part of the base class that would use its own row positions is
// replaced here. Rows are as wide as the widest of the view and the last row,
// as they were in the base class with uniform item sizes.
class FixedRowListView : public QListView {
    Q_OBJECT
public:
    explicit FixedRowListView(QWidget* parent = nullptr);

    QRect visualRect(const QModelIndex& index) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint& point) const override;
    void doItemsLayout() override;

protected:
    void rowsInserted(const QModelIndex& parent, int start, int end) override;
    void rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) override;
    void scrollContentsBy(int dx, int dy) override;
    void resizeEvent(QResizeEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    void updateGeometries() override;
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    QSize viewportSizeHint() const override;

private:
    int rows() const;
    int rowHeight() const { return rowSize_.height(); }
    int rowWidth() const;
    // The row under a viewport y, which may lie outside the rows.
    int rowAtY(int y) const;
    int wholeRowsShown() const;
    int rowsPerPage() const;
    // Whether the vertical scroll bar counts rows rather than pixels.
    bool scrollsByRow() const;
    // Measures a row of the current model, font and icon size.
    void measureRow();

    QSize rowSize_{1, 1};
    QPersistentModelIndex hover_;
};

}  // namespace vostrel::gui
