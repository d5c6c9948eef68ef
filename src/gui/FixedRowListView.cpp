#include "gui/FixedRowListView.h"

#include <QAbstractItemDelegate>
#include <QAccessible>
#include <QHoverEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

namespace vostrel::gui {

namespace {

// Tells accessibility tools which row an event concerns; a list has one
// column, so a row's place among the children is its row.
void announce(QWidget* view, QAccessible::Event type, const QModelIndex& index) {
#if QT_CONFIG(accessibility)
    if (!QAccessible::isActive() || !index.isValid()) return;
    QAccessibleEvent event(view, type);
    event.setChild(index.row());
    QAccessible::updateAccessibility(&event);
#else
    Q_UNUSED(view);
    Q_UNUSED(type);
    Q_UNUSED(index);
#endif
}

}  // namespace

FixedRowListView::FixedRowListView(QWidget* parent) : QListView(parent) { setUniformItemSizes(true); }

int FixedRowListView::rows() const { return model() ? model()->rowCount(rootIndex()) : 0; }

int FixedRowListView::rowWidth() const { return std::max(rowSize_.width(), viewport()->width()); }

int FixedRowListView::rowAtY(int y) const {
    const int contentY = y + verticalOffset();
    // Rounded down, so that a point just above the first row is row -1.
    return contentY >= 0 ? contentY / rowHeight() : (contentY + 1) / rowHeight() - 1;
}

int FixedRowListView::wholeRowsShown() const { return std::max(1, viewport()->height() / rowHeight()); }

int FixedRowListView::rowsPerPage() const {
    // A page step leaves the row it starts from just in view, as the base class does.
    return std::max(1, wholeRowsShown() - 1);
}

bool FixedRowListView::scrollsByRow() const { return verticalScrollMode() == ScrollPerItem; }

void FixedRowListView::measureRow() {
    const int count = rows();
    if (count == 0) return;  // no row to measure; the last size stays good enough for none
    // The last row stands for all, as in the base class with uniform item sizes.
    const QModelIndex sample = model()->index(count - 1, modelColumn(), rootIndex());
    QAbstractItemDelegate* delegate = itemDelegateForIndex(sample);
    if (!delegate) return;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QSize size = delegate->sizeHint(option, sample);
    rowSize_ = QSize(std::max(1, size.width()), std::max(1, size.height()));
}

QRect FixedRowListView::visualRect(const QModelIndex& index) const {
    if (!index.isValid() || index.parent() != rootIndex() || index.column() != modelColumn() ||
        index.row() >= rows())
        return {};
    return {-horizontalOffset(), index.row() * rowHeight() - verticalOffset(), rowWidth(), rowHeight()};
}

QModelIndex FixedRowListView::indexAt(const QPoint& point) const {
    const int row = rowAtY(point.y());
    const int x = point.x() + horizontalOffset();
    if (row < 0 || row >= rows() || x < 0 || x >= rowWidth()) return {};
    return model()->index(row, modelColumn(), rootIndex());
}

void FixedRowListView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    if (!index.isValid() || index.parent() != rootIndex() || index.column() != modelColumn()) return;
    // Rows added a moment ago must be in the scroll range before it can reach them.
    executeDelayedItemsLayout();
    // In rows or in pixels, as the scroll bar counts: the place of the row's
    // top, the room for it, and the row's own length.
    const bool byRow = scrollsByRow();
    const int top = byRow ? index.row() : index.row() * rowHeight();
    const int room = byRow ? wholeRowsShown() : viewport()->height();
    const int length = byRow ? 1 : rowHeight();
    QScrollBar* bar = verticalScrollBar();
    int value = bar->value();
    if (hint == PositionAtTop || (hint == EnsureVisible && top < value))
        value = top;
    else if (hint == PositionAtBottom || (hint == EnsureVisible && top + length > value + room))
        value = std::min(top, top + length - room);
    else if (hint == PositionAtCenter)
        value = top - (byRow ? room / 2 : (room - length) / 2);  // as the base class rounds
    bar->setValue(value);
}

void FixedRowListView::doItemsLayout() {
    // The base class would place every row here; only one is measured.
    measureRow();
    QAbstractItemView::doItemsLayout();
}

void FixedRowListView::updateGeometries() {
    const QSize area = viewport()->size();
    QScrollBar* vertical = verticalScrollBar();
    if (scrollsByRow()) {
        // The last row comes to rest at the bottom with whole rows above it.
        vertical->setSingleStep(1);
        vertical->setPageStep(wholeRowsShown());
        vertical->setRange(0, std::max(0, rows() - wholeRowsShown()));
    } else {
        vertical->setSingleStep(rowHeight());
        vertical->setPageStep(area.height());
        vertical->setRange(0, std::max(0, rows() * rowHeight() - area.height()));
    }
    QScrollBar* horizontal = horizontalScrollBar();
    horizontal->setSingleStep(rowHeight());
    horizontal->setPageStep(area.width());
    horizontal->setRange(0, std::max(0, rowSize_.width() - area.width()));
    QAbstractItemView::updateGeometries();
}

void FixedRowListView::rowsInserted(const QModelIndex& parent, int start, int end) {
    // The first row gives the height that every place is worked out with.
    if (rows() == end - start + 1) measureRow();
    QAbstractItemView::rowsInserted(parent, start, end);
    scheduleDelayedItemsLayout();
}

void FixedRowListView::rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) {
    QAbstractItemView::rowsAboutToBeRemoved(parent, start, end);
    scheduleDelayedItemsLayout();
}

void FixedRowListView::scrollContentsBy(int dx, int dy) {
    // The scroll bars' steps, which for rows are whole rows, as pixels.
    const int y = scrollsByRow() ? dy * rowHeight() : dy;
    scrollDirtyRegion(dx, y);
    viewport()->scroll(dx, y);
}

void FixedRowListView::resizeEvent(QResizeEvent* event) {
    // The rows stay where they are; only the scroll ranges follow the size.
    QAbstractItemView::resizeEvent(event);
}

bool FixedRowListView::viewportEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::HoverEnter:
        case QEvent::HoverMove:
            hover_ = indexAt(static_cast<QHoverEvent*>(event)->position().toPoint());
            break;
        case QEvent::HoverLeave:
        case QEvent::Leave: hover_ = QPersistentModelIndex(); break;
        default: break;
    }
    return QListView::viewportEvent(event);
}

void FixedRowListView::paintEvent(QPaintEvent* event) {
    const int count = rows();
    if (count == 0) return;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QStyle::State viewState = option.state;
    const bool enabled = viewState.testFlag(QStyle::State_Enabled);
    const QModelIndex current = currentIndex();
    const bool focus = (hasFocus() || viewport()->hasFocus()) && current.isValid();
    const QItemSelectionModel* selection = selectionModel();
    QPainter painter(viewport());
    const int first = std::max(0, rowAtY(event->rect().top()));
    const int last = std::min(count - 1, rowAtY(event->rect().bottom()));
    for (int row = first; row <= last; ++row) {
        const QModelIndex index = model()->index(row, modelColumn(), rootIndex());
        option.rect = visualRect(index);
        option.state = viewState;
        option.state.setFlag(QStyle::State_Selected, selection && selection->isSelected(index));
        if (enabled) {
            const bool rowEnabled = model()->flags(index).testFlag(Qt::ItemIsEnabled);
            option.state.setFlag(QStyle::State_Enabled, rowEnabled);
            option.palette.setCurrentColorGroup(rowEnabled ? QPalette::Normal : QPalette::Disabled);
        }
        if (focus && index == current) {
            option.state |= QStyle::State_HasFocus;
            if (state() == EditingState) option.state |= QStyle::State_Editing;
        }
        option.state.setFlag(QStyle::State_MouseOver, index == hover_);
        option.features.setFlag(QStyleOptionViewItem::Alternate, alternatingRowColors() && row % 2 == 1);
        itemDelegateForIndex(index)->paint(&painter, option, index);
    }
}

int FixedRowListView::horizontalOffset() const { return horizontalScrollBar()->value(); }

int FixedRowListView::verticalOffset() const {
    return verticalScrollBar()->value() * (scrollsByRow() ? rowHeight() : 1);
}

QModelIndex FixedRowListView::moveCursor(CursorAction action, Qt::KeyboardModifiers) {
    const int count = rows();
    if (count == 0) return {};
    const QModelIndex current = currentIndex();
    if (!current.isValid()) return model()->index(0, modelColumn(), rootIndex());
    int row = current.row();
    switch (action) {
        case MoveUp:
        case MovePrevious: --row; break;
        case MoveDown:
        case MoveNext: ++row; break;
        case MovePageUp: row = std::max(0, row - rowsPerPage()); break;
        case MovePageDown: row = std::min(count - 1, row + rowsPerPage()); break;
        case MoveHome: row = 0; break;
        case MoveEnd: row = count - 1; break;
        case MoveLeft:
        case MoveRight: break;  // one column: nothing beside the row
    }
    if (row < 0 || row >= count) return current;
    return model()->index(row, modelColumn(), rootIndex());
}

void FixedRowListView::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) {
    const int first = std::max(0, rowAtY(rect.top()));
    const int last = std::min(rows() - 1, rowAtY(rect.bottom()));
    QItemSelection chosen;
    if (first <= last)
        chosen.select(model()->index(first, modelColumn(), rootIndex()),
                      model()->index(last, modelColumn(), rootIndex()));
    selectionModel()->select(chosen, command);
}

QRegion FixedRowListView::visualRegionForSelection(const QItemSelection& selection) const {
    QRegion region;
    const QRect area = viewport()->rect();
    for (const QItemSelectionRange& range : selection) {
        if (range.parent() != rootIndex() || range.left() > modelColumn() || range.right() < modelColumn())
            continue;
        const QRect band(-horizontalOffset(), range.top() * rowHeight() - verticalOffset(), rowWidth(),
                         range.height() * rowHeight());
        region += band & area;
    }
    return region;
}

void FixedRowListView::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
    if (!selected.isEmpty()) announce(this, QAccessible::SelectionAdd, selected.first().topLeft());
    if (!deselected.isEmpty()) announce(this, QAccessible::SelectionRemove, deselected.first().topLeft());
    QAbstractItemView::selectionChanged(selected, deselected);
}

void FixedRowListView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    if (hasFocus()) announce(this, QAccessible::Focus, current);
    QAbstractItemView::currentChanged(current, previous);
}

QSize FixedRowListView::viewportSizeHint() const { return {rowSize_.width(), rows() * rowHeight()}; }

}  // namespace vostrel::gui
