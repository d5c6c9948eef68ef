// The list model between the core's list boxes and Qt's views: after apply()
// the view sees exactly the list's rows, learned one row at a time where that
// is cheap. (Qt's model tester is not used: it expects a row's neighbours to
// read their old texts while rows come and go, and a model that reads the
// core's list learns of a change only after it was made.)
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <string>
#include <vector>

#include "controls/ListBox.h"
#include "gui/ListBoxModel.h"

using namespace vostrel;

Q_DECLARE_METATYPE(std::string)

namespace {

// Reports the core's notifications to the model, as the main window does.
class Forwarder : public controls::ControlObserver {
public:
    explicit Forwarder(gui::ListBoxModel& model) : model_(model) {}
    void controlChanged(const controls::Control&) override {}
    void listInserted(const controls::ListBox&, int index) override { model_.noteInserted(index); }
    void listRemoved(const controls::ListBox&, int index) override { model_.noteRemoved(index); }
    void listChanged(const controls::ListBox&, int index) override { model_.noteChanged(index); }
    void listCleared(const controls::ListBox&) override { model_.noteReplaced(); }

private:
    gui::ListBoxModel& model_;
};

}  // namespace

class ListBoxModelTest : public QObject {
    Q_OBJECT

private slots:
    void viewFollowsTheList_data();
    void viewFollowsTheList();
    void rowsGoneBeforeApplyReadAsNothing();
    void longLinesShowCut_data();
    void longLinesShowCut();
};

void ListBoxModelTest::viewFollowsTheList_data() {
    using Change = std::function<void(controls::ListBox&)>;
    QTest::addColumn<Change>("change");
    QTest::addColumn<int>("inserted");
    QTest::addColumn<int>("removed");
    QTest::addColumn<int>("changed");
    QTest::addColumn<int>("resets");

    QTest::newRow("nothing") << Change([](auto&) {}) << 0 << 0 << 0 << 0;
    QTest::newRow("append") << Change([](auto& l) { l.append("neu"); }) << 1 << 0 << 0 << 0;
    QTest::newRow("insert at top then remove below") << Change([](auto& l) {
        l.insert(0, "oben");
        l.remove(3);
    }) << 1 << 1 << 0 << 0;
    QTest::newRow("replace") << Change([](auto& l) { l.replace(1, "anders"); }) << 0 << 0 << 1 << 0;
    QTest::newRow("replace with the same text")
        << Change([](auto& l) { l.replace(1, "b"); }) << 0 << 0 << 0 << 0;
    QTest::newRow("insert, change it, remove it") << Change([](auto& l) {
        l.insert(2, "kurz");
        l.replace(2, "kürzer");
        l.remove(2);
    }) << 1 << 1 << 1 << 0;
    QTest::newRow("remove all one by one") << Change([](auto& l) {
        while (!l.empty()) l.remove(l.count() - 1);
    }) << 0 << 4 << 0 << 0;
    QTest::newRow("clear") << Change([](auto& l) { l.clear(); }) << 0 << 0 << 0 << 1;
    QTest::newRow("rows after a replacement are in the reset") << Change([](auto& l) {
        l.assignAll({"x", "y"});
        l.append("z");
        l.remove(0);
    }) << 0 << 0 << 0 << 1;
    // Thousands of single rows in one event are cheaper for the view as one reset.
    QTest::newRow("many appends") << Change([](auto& l) {
        for (int i = 0; i < 5000; ++i) l.append(std::to_string(i));
    }) << 0 << 0 << 0 << 1;
}

void ListBoxModelTest::viewFollowsTheList() {
    QFETCH(std::function<void(controls::ListBox&)>, change);
    QFETCH(int, inserted);
    QFETCH(int, removed);
    QFETCH(int, changed);
    QFETCH(int, resets);

    controls::ListBox list("cboMenu");
    list.assignAll({"a", "b", "c", "d"});
    gui::ListBoxModel model(list);
    Forwarder forwarder(model);
    list.setObserver(&forwarder);
    QSignalSpy insertSpy(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removeSpy(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy changeSpy(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy resetSpy(&model, &QAbstractItemModel::modelReset);

    change(list);
    QCOMPARE(model.rowCount(), 4);  // the view learns nothing before apply()
    model.apply();

    QCOMPARE(model.rowCount(), list.count());
    for (int i = 0; i < list.count(); ++i)
        QCOMPARE(model.index(i).data().toString(), QString::fromStdString(list.entry(i)));
    QCOMPARE(insertSpy.size(), inserted);
    QCOMPARE(removeSpy.size(), removed);
    QCOMPARE(changeSpy.size(), changed);
    QCOMPARE(resetSpy.size(), resets);
    QVERIFY(!model.hasPending());
    list.setObserver(nullptr);
}

void ListBoxModelTest::rowsGoneBeforeApplyReadAsNothing() {
    // A message box inside a handler lets the view paint rows the core has
    // already removed; they must read as empty, not out of range.
    controls::ListBox list("cboMenu");
    list.assignAll({"a", "b", "c"});
    gui::ListBoxModel model(list);
    Forwarder forwarder(model);
    list.setObserver(&forwarder);
    list.remove(2);
    list.remove(1);
    QCOMPARE(model.rowCount(), 3);
    QVERIFY(!model.index(2).data().isValid());
    QCOMPARE(model.index(0).data().toString(), QStringLiteral("a"));
    QVERIFY(model.index(0).flags().testFlag(Qt::ItemIsSelectable));
    QVERIFY(!model.index(0).flags().testFlag(Qt::ItemIsEditable));
    model.apply();
    QCOMPARE(model.rowCount(), 1);
    list.setObserver(nullptr);
}

void ListBoxModelTest::longLinesShowCut_data() {
    QTest::addColumn<std::string>("entry");
    QTest::addColumn<QString>("shown");
    const QString thousand(1000, QLatin1Char('a'));
    QTest::newRow("short") << std::string("MENUITEM|A,B|") << QStringLiteral("MENUITEM|A,B|");
    QTest::newRow("at the limit") << std::string(1000, 'a') << thousand;
    QTest::newRow("multibyte, at the limit in characters")
        << std::string(1000, 'a').replace(0, 1, "\xC3\xBC") << QStringLiteral("\u00FC") + thousand.mid(1);
    QTest::newRow("50 MB") << std::string(50'000'000, 'a') << thousand + QChar(0x2026);
}

void ListBoxModelTest::longLinesShowCut() {
    QFETCH(std::string, entry);
    QFETCH(QString, shown);
    controls::ListBox list{"cboMenu"};
    list.append(entry);
    gui::ListBoxModel model(list);
    QCOMPARE(model.data(model.index(0), Qt::DisplayRole).toString(), shown);
    QCOMPARE(list.entry(0).size(), entry.size());
}

QTEST_MAIN(ListBoxModelTest)
#include "ListBoxModelTest.moc"
