// The list view that places rows by arithmetic: rows stand where Qt's own
// list view puts them, scrolling brings any row into view, the keys move
// through the rows as in any list, and rows added or removed later are
// reachable at once.
#include <QListView>
#include <QScrollBar>
#include <QStringListModel>
#include <QTest>

#include "gui/FixedRowListView.h"

using namespace vostrel;

namespace {

QStringList numberedRows(int count) {
    QStringList rows;
    for (int row = 0; row < count; ++row) rows << QStringLiteral("Zeile %1").arg(row);
    return rows;
}

void show(QListView& view, QStringListModel& model) {
    view.setModel(&model);
    view.resize(240, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
}

}  // namespace

class FixedRowListViewTest : public QObject {
    Q_OBJECT

private slots:
    void rowsStandWhereQtPutsThem_data();
    void rowsStandWhereQtPutsThem();
    void keysMoveThroughTheRows_data();
    void keysMoveThroughTheRows();
    void addedAndRemovedRowsAreReachable();
};

void FixedRowListViewTest::rowsStandWhereQtPutsThem_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("hint");
    QTest::newRow("first row, in view already") << 0 << int(QAbstractItemView::EnsureVisible);
    QTest::newRow("far row, ensured visible") << 700 << int(QAbstractItemView::EnsureVisible);
    QTest::newRow("far row at the top") << 350 << int(QAbstractItemView::PositionAtTop);
    QTest::newRow("far row at the bottom") << 420 << int(QAbstractItemView::PositionAtBottom);
    QTest::newRow("far row in the centre") << 500 << int(QAbstractItemView::PositionAtCenter);
    QTest::newRow("last row at the top stops at the end") << 999 << int(QAbstractItemView::PositionAtTop);
}

void FixedRowListViewTest::rowsStandWhereQtPutsThem() {
    QFETCH(int, row);
    QFETCH(int, hint);
    QStringListModel model(numberedRows(1000));
    QListView reference;
    reference.setUniformItemSizes(true);
    reference.setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    gui::FixedRowListView view;
    show(reference, model);
    show(view, model);

    const QModelIndex index = model.index(row);
    reference.scrollTo(index, QAbstractItemView::ScrollHint(hint));
    view.scrollTo(index, QAbstractItemView::ScrollHint(hint));
    QCOMPARE(view.verticalScrollBar()->maximum(), reference.verticalScrollBar()->maximum());
    QCOMPARE(view.verticalScrollBar()->value(), reference.verticalScrollBar()->value());
    QVERIFY(view.viewport()->rect().contains(view.visualRect(index).center()));
    for (const int shown : {row - 1, row, row + 1}) {
        const QModelIndex near = model.index(shown);
        QCOMPARE(view.visualRect(near), reference.visualRect(near));
        if (near.isValid()) QCOMPARE(view.indexAt(view.visualRect(near).center()), near);
    }
}

void FixedRowListViewTest::keysMoveThroughTheRows_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("to");
    QTest::newRow("down") << 4 << int(Qt::Key_Down) << 5;
    QTest::newRow("up") << 4 << int(Qt::Key_Up) << 3;
    QTest::newRow("up at the first row stays") << 0 << int(Qt::Key_Up) << 0;
    QTest::newRow("down at the last row stays") << 99 << int(Qt::Key_Down) << 99;
    QTest::newRow("right has nothing beside it") << 7 << int(Qt::Key_Right) << 7;
    QTest::newRow("home") << 50 << int(Qt::Key_Home) << 0;
    QTest::newRow("end") << 50 << int(Qt::Key_End) << 99;
    QTest::newRow("page up near the top stops at the first row") << 2 << int(Qt::Key_PageUp) << 0;
    QTest::newRow("page down near the end stops at the last row") << 97 << int(Qt::Key_PageDown) << 99;
    // -1: as far as Qt's own list view goes, which depends on the font's height.
    QTest::newRow("page down") << 10 << int(Qt::Key_PageDown) << -1;
    QTest::newRow("page up") << 60 << int(Qt::Key_PageUp) << -1;
}

void FixedRowListViewTest::keysMoveThroughTheRows() {
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, to);
    QStringListModel model(numberedRows(100));
    QListView reference;
    reference.setUniformItemSizes(true);
    gui::FixedRowListView view;
    show(reference, model);
    show(view, model);
    for (QListView* list : {&reference, static_cast<QListView*>(&view)}) {
        list->setCurrentIndex(model.index(from));
        QTest::keyClick(list, Qt::Key(key));
    }
    QCOMPARE(view.currentIndex().row(), to >= 0 ? to : reference.currentIndex().row());
    QCOMPARE(reference.currentIndex().row(), view.currentIndex().row());
    QVERIFY(view.currentIndex().row() != from || to == from);
    QVERIFY(view.viewport()->rect().contains(view.visualRect(view.currentIndex()).center()));
}

void FixedRowListViewTest::addedAndRemovedRowsAreReachable() {
    QStringListModel model(numberedRows(30));
    gui::FixedRowListView view;
    show(view, model);

    model.insertRows(30, 20);
    const QModelIndex added = model.index(49);
    view.scrollTo(added);
    QVERIFY(view.viewport()->rect().contains(view.visualRect(added)));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(added).center());
    QCOMPARE(view.currentIndex(), added);
    QVERIFY(view.selectionModel()->isSelected(added));

    // Five rows fit the view: nothing is left to scroll, and below the last row is no row.
    model.removeRows(5, 45);
    QCoreApplication::processEvents();
    QCOMPARE(view.verticalScrollBar()->maximum(), 0);
    const QRect last = view.visualRect(model.index(4));
    QCOMPARE(view.indexAt(last.center()), model.index(4));
    QVERIFY(!view.indexAt(last.center() + QPoint(0, last.height())).isValid());
}

QTEST_MAIN(FixedRowListViewTest)
#include "FixedRowListViewTest.moc"
