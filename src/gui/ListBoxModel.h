#pragma once

#include <QAbstractListModel>
#include <QIcon>
#include <functional>
#include <string_view>
#include <vector>

#include "controls/ListBox.h"

namespace vostrel::gui {

// A read-only Qt model over the entries of one of the core's list boxes. It
// copies nothing: rows are read from the list box when the view asks for them,
// which is only for the rows on screen, so a document of a million lines costs
// the view no more than one of ten.
//
// The core reports its row changes while a handler runs, long before the view
// may look. The model notes them and keeps reporting the row count the view
// last learned; apply() then replays the notes as Qt's row signals, one row
// at a time, so the view's selection and scroll position move with the rows.
// While they are replayed the rows already read their final texts; the view
// paints only afterwards, so it never shows that.
class ListBoxModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit ListBoxModel(const controls::ListBox& list, QObject* parent = nullptr);

    // Marks for rows, asked for only for the rows on screen: an icon, and a tooltip that
    // explains it. Rows without a mark get an empty icon of the same size.
    struct Marks {
        std::function<QIcon(int row)> icon;
        std::function<QString(int row)> tooltip;
    };
    void setMarks(Marks marks) { marks_ = std::move(marks); }
    // The marks changed (the menu check ran again): the view asks anew for the rows it shows.
    void marksChanged();

    int rowCount(const QModelIndex& parent = {}) const override;
    // The list view asks for the index of every row whenever rows come or go;
    // answering without the base class's virtual checks keeps that walk short.
    QModelIndex index(int row, int column = 0, const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // An entry as its row shows it: whole, or cut with an ellipsis when it is too
    // long for any screen. The document keeps every entry whole.
    static QString shownText(std::string_view entry);
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // What the core reported since the last apply().
    void noteInserted(int row);
    void noteRemoved(int row);
    void noteChanged(int row);
    // Everything before is void; the rows are taken from the list afresh.
    void noteReplaced();
    bool hasPending() const { return reset_ || !pending_.empty(); }

    // Brings the view in step with the list box: after it, rowCount() equals
    // the list's count and every row reads the list's entry.
    void apply();

private:
    enum class Kind { Insert, Remove, Change };
    struct Change {
        Kind kind;
        int row;
    };

    const controls::ListBox& list_;
    std::vector<Change> pending_;
    bool reset_ = false;
    int rows_ = 0;  // the count the view knows
    Marks marks_;
};

}  // namespace vostrel::gui
