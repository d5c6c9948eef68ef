// The list view that places rows by arithmetic: rows stand where Qt's own
// list view puts them, scrolling brings any row into view, the keys move
// through the rows as in any list, and rows added or removed later are
// reachable at once.
#include <QListView>
#include <QScreen>
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
    void scrolledRowsLookFreshlyDrawn_data();
    void scrolledRowsLookFreshlyDrawn();
};

void FixedRowListViewTest::rowsStandWhereQtPutsThem_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("hint");
    QTest::addColumn<bool>("byPixel");
    for (const bool byPixel : {false, true}) {
        const char* unit = byPixel ? "pixels" : "rows";
        QTest::addRow("%s: first row, in view already", unit)
            << 0 << int(QAbstractItemView::EnsureVisible) << byPixel;
        QTest::addRow("%s: far row, ensured visible", unit)
            << 700 << int(QAbstractItemView::EnsureVisible) << byPixel;
        QTest::addRow("%s: far row at the top", unit)
            << 350 << int(QAbstractItemView::PositionAtTop) << byPixel;
        QTest::addRow("%s: far row at the bottom", unit)
            << 420 << int(QAbstractItemView::PositionAtBottom) << byPixel;
        QTest::addRow("%s: far row in the centre", unit)
            << 500 << int(QAbstractItemView::PositionAtCenter) << byPixel;
        QTest::addRow("%s: last row at the top stops at the end", unit)
            << 999 << int(QAbstractItemView::PositionAtTop) << byPixel;
    }
}

void FixedRowListViewTest::rowsStandWhereQtPutsThem() {
    QFETCH(int, row);
    QFETCH(int, hint);
    QFETCH(bool, byPixel);
    const auto mode = byPixel ? QAbstractItemView::ScrollPerPixel : QAbstractItemView::ScrollPerItem;
    QStringListModel model(numberedRows(1000));
    QListView reference;
    reference.setUniformItemSizes(true);
    reference.setVerticalScrollMode(mode);
    gui::FixedRowListView view;
    view.setVerticalScrollMode(mode);
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

void FixedRowListViewTest::scrolledRowsLookFreshlyDrawn_data() {
    QTest::addColumn<bool>("byPixel");
    QTest::addColumn<int>("steps");
    QTest::newRow("rows, down") << false << 7;
    QTest::newRow("rows, down and back") << false << -3;
    QTest::newRow("pixels, down") << true << 50;
    QTest::newRow("pixels, down and back") << true << -25;
}

void FixedRowListViewTest::scrolledRowsLookFreshlyDrawn() {
    QFETCH(bool, byPixel);
    QFETCH(int, steps);
    QStringListModel model(numberedRows(200));
    gui::FixedRowListView view;
    view.setVerticalScrollMode(byPixel ? QAbstractItemView::ScrollPerPixel
                                       : QAbstractItemView::ScrollPerItem);
    show(view, model);
    // Scrolling moves what is on screen and draws only the rows uncovered;
    // the result must match a view drawn afresh at the same place.
    QScrollBar* bar = view.verticalScrollBar();
    bar->setValue(std::abs(steps) * 2);
    QCoreApplication::processEvents();
    bar->setValue(bar->value() + steps);
    QCoreApplication::processEvents();
    const QImage scrolled = view.screen()->grabWindow(view.winId()).toImage();
    const QImage fresh = view.grab().toImage().convertToFormat(scrolled.format());
    QCOMPARE(scrolled.size(), fresh.size());
    QVERIFY(scrolled == fresh);
}

QTEST_MAIN(FixedRowListViewTest)
#include "FixedRowListViewTest.moc"
