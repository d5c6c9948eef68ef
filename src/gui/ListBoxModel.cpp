#include "gui/ListBoxModel.h"

#include "text/LineText.h"

namespace vostrel::gui {

namespace {

// Beyond this many noted changes a single reset is cheaper for the view than
// replaying them row by row, and the view loses nothing worth keeping: the
// current row is set from the model after every sync anyway.
constexpr std::size_t kMostReplayedChanges = 4096;

// No row is wider than this on any screen; laying out a line of millions of
// characters froze the list for minutes, so longer lines show cut.
constexpr std::size_t kLongestShownCharacters = 1000;

}  // namespace

ListBoxModel::ListBoxModel(const controls::ListBox& list, QObject* parent)
    : QAbstractListModel(parent), list_(list), rows_(list.count()) {}

int ListBoxModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

QModelIndex ListBoxModel::index(int row, int column, const QModelIndex& parent) const {
    if (row < 0 || row >= rows_ || column != 0 || parent.isValid()) return {};
    return createIndex(row, column);
}

QVariant ListBoxModel::data(const QModelIndex& index, int role) const {
    // Between a change in the core and apply() the view may still paint (a
    // message box in the middle of a handler), so a row it knows may be gone.
    if (!index.isValid() || !list_.validIndex(index.row())) return {};
    if (role == Qt::DisplayRole) return shownText(list_.entry(index.row()));
    if (role == Qt::DecorationRole && marks_.icon) return marks_.icon(index.row());
    if (role == Qt::ToolTipRole && marks_.tooltip) {
        const QString tip = marks_.tooltip(index.row());
        if (!tip.isEmpty()) return tip;
    }
    return {};
}

void ListBoxModel::marksChanged() {
    if (rows_ > 0) emit dataChanged(index(0), index(rows_ - 1), {Qt::DecorationRole, Qt::ToolTipRole});
}

QString ListBoxModel::shownText(std::string_view entry) {
    // A character takes at least one byte, so a short entry needs no counting.
    if (entry.size() <= kLongestShownCharacters)
        return QString::fromUtf8(entry.data(), static_cast<qsizetype>(entry.size()));
    const auto shown = text::charLeftView(entry, kLongestShownCharacters);
    if (shown.size() == entry.size())
        return QString::fromUtf8(entry.data(), static_cast<qsizetype>(entry.size()));
    return QString::fromUtf8(shown.data(), static_cast<qsizetype>(shown.size())) + QChar(0x2026);
}

Qt::ItemFlags ListBoxModel::flags(const QModelIndex& index) const {
    // Selectable but never editable in place: typing goes through the edit line.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren
                           : Qt::NoItemFlags;
}

void ListBoxModel::noteInserted(int row) {
    if (!reset_) pending_.push_back({Kind::Insert, row});
}

void ListBoxModel::noteRemoved(int row) {
    if (!reset_) pending_.push_back({Kind::Remove, row});
}

void ListBoxModel::noteChanged(int row) {
    if (!reset_) pending_.push_back({Kind::Change, row});
}

void ListBoxModel::noteReplaced() {
    reset_ = true;
    pending_.clear();
}

void ListBoxModel::apply() {
    if (reset_ || pending_.size() > kMostReplayedChanges) {
        beginResetModel();
        rows_ = list_.count();
        endResetModel();
    } else {
        for (const Change& change : pending_) {
            switch (change.kind) {
                case Kind::Insert:
                    beginInsertRows({}, change.row, change.row);
                    ++rows_;
                    endInsertRows();
                    break;
                case Kind::Remove:
                    beginRemoveRows({}, change.row, change.row);
                    --rows_;
                    endRemoveRows();
                    break;
                case Kind::Change: {
                    const QModelIndex at = index(change.row);
                    emit dataChanged(at, at, {Qt::DisplayRole});
                    break;
                }
            }
        }
    }
    pending_.clear();
    reset_ = false;
}

}  // namespace vostrel::gui
