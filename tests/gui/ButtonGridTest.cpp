// Arrow-key moves through the page grids, including pages with gaps and
// buttons that cannot take the focus.
#include <QTest>
#include <set>

#include "catalogue/ButtonPages.h"
#include "gui/ButtonGrid.h"

using namespace vostrel;
using gui::GridStep;

Q_DECLARE_METATYPE(gui::GridStep)

class ButtonGridTest : public QObject {
    Q_OBJECT

private slots:
    void neighbourInEachDirection_data();
    void neighbourInEachDirection();
    void readingOrderCoversEachPageOnce();
    void firstFocusableSkipsWhatCannotTakeFocus();
};

void ButtonGridTest::neighbourInEachDirection_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<GridStep>("step");
    QTest::addColumn<int>("blocked");  // a button that cannot take the focus; 0 for none
    QTest::addColumn<int>("expected");
    // Page 3:  48   7  61  47  40      Page 4:  33  65  66  67  69
    //          76  36  37  14   1               25  26  27   .  85
    //          28  42  10  13  12               86  87  88  99 100
    //           9  11   .   .  68               71  45  44  30   .
    QTest::newRow("right in a full row") << 48 << GridStep::Right << 0 << 7;
    QTest::newRow("left in a full row") << 7 << GridStep::Left << 0 << 48;
    QTest::newRow("right over two gaps") << 11 << GridStep::Right << 0 << 68;
    QTest::newRow("left over two gaps") << 68 << GridStep::Left << 0 << 11;
    QTest::newRow("down over a gap") << 67 << GridStep::Down << 0 << 99;
    QTest::newRow("up over a gap") << 99 << GridStep::Up << 0 << 67;
    QTest::newRow("down into a gap at the bottom stays") << 100 << GridStep::Down << 0 << 100;
    QTest::newRow("left edge stays") << 76 << GridStep::Left << 0 << 76;
    QTest::newRow("right edge stays") << 1 << GridStep::Right << 0 << 1;
    QTest::newRow("top edge stays") << 61 << GridStep::Up << 0 << 61;
    QTest::newRow("bottom edge stays") << 9 << GridStep::Down << 0 << 9;
    QTest::newRow("passes a button that cannot take focus") << 48 << GridStep::Right << 7 << 61;
    QTest::newRow("stays when only such a button lies that way") << 44 << GridStep::Right << 30 << 44;
    QTest::newRow("never leaves the page") << 40 << GridStep::Right << 0 << 40;
    QTest::newRow("last page") << 113 << GridStep::Up << 0 << 108;
    QTest::newRow("no command button") << 0 << GridStep::Down << 0 << 0;
    QTest::newRow("index beyond the table") << 115 << GridStep::Left << 0 << 0;
}

void ButtonGridTest::neighbourInEachDirection() {
    QFETCH(int, from);
    QFETCH(GridStep, step);
    QFETCH(int, blocked);
    QFETCH(int, expected);
    QCOMPARE(gui::gridNeighbour(from, step, [blocked](int button) { return button != blocked; }), expected);
}

void ButtonGridTest::readingOrderCoversEachPageOnce() {
    std::set<int> seen;
    for (int page = 0; page < catalogue::kButtonPageCount; ++page) {
        const std::vector<int> buttons = gui::buttonsInReadingOrder(page);
        QVERIFY(!buttons.empty());
        for (const int button : buttons) {
            QCOMPARE(catalogue::cellOf(button).page, page);
            QVERIFY2(seen.insert(button).second, qPrintable(QString::number(button)));
        }
        // Reading order: each next button lies further down, or on the same row further right.
        for (std::size_t i = 1; i < buttons.size(); ++i) {
            const catalogue::Cell a = catalogue::cellOf(buttons[i - 1]);
            const catalogue::Cell b = catalogue::cellOf(buttons[i]);
            QVERIFY(b.row > a.row || (b.row == a.row && b.column > a.column));
        }
    }
    QCOMPARE(int(seen.size()), 114);
    QVERIFY(gui::buttonsInReadingOrder(-1).empty());
    QVERIFY(gui::buttonsInReadingOrder(catalogue::kButtonPageCount).empty());
}

void ButtonGridTest::firstFocusableSkipsWhatCannotTakeFocus() {
    const auto any = [](int) { return true; };
    QCOMPARE(gui::firstFocusableButton(0, any), 35);
    QCOMPARE(gui::firstFocusableButton(5, any), 89);
    QCOMPARE(gui::firstFocusableButton(0, [](int button) { return button != 35 && button != 29; }), 3);
    QCOMPARE(gui::firstFocusableButton(6, [](int) { return false; }), 0);
    QCOMPARE(gui::firstFocusableButton(7, any), 0);
}

QTEST_APPLESS_MAIN(ButtonGridTest)
#include "ButtonGridTest.moc"
