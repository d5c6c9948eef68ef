// The findings of the menu check as a real window: it opens from the Extras
// menu and F12, shows the core's rows, and choosing a finding selects its line
// in the main window's list without touching the document.
#include <QAction>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

#include "app/Host.h"
#include "check/Finding.h"
#include "gui/CheckMarks.h"
#include "gui/CheckWindow.h"
#include "gui/MainWindow.h"
#include "EditorUnderTest.h"

using namespace vostrel;

namespace {

// A hand-edited menu with a blank after the last "|" (line 3) and an empty
// line (line 4); the check names both.
const std::vector<std::string> kFaultyMenu = {"MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|",
                                              "MENUPAGE|TASK_PAGE1|Hauptmenü 1/1|",
                                              "MENUITEM|TASK_NAVIGATE_TO| ", "", "MENUITEM|TASK_PAGE1|"};

void deleteDiscardedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

}  // namespace

class CheckWindowTest : public QObject, private guitest::EditorUnderTest {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void menuItemAndF12OpenOneWindow_data();
    void menuItemAndF12OpenOneWindow();
    void rowsFollowTheModel();
    void choosingAFindingSelectsItsLine_data();
    void choosingAFindingSelectsItsLine();
    void allClearRowSelectsNothing();
    void userCloseResetsTheModelAndResetClosesTheWindow();
    void liveResultShowsInStatusLineMarksAndOpenWindow();
    void largeMenuIsCheckedWhenIdle();

private:
    void check() { window->findChild<QAction*>(QStringLiteral("mnuECheck"))->trigger(); }
    QListWidget* findings() const {
        return window->checkWindow()
                   ? window->checkWindow()->findChild<QListWidget*>(QStringLiteral("lstFindings"))
                   : nullptr;
    }
    void loadFaultyMenu() {
        window->form().cboMenu.assignAll(kFaultyMenu);
        window->syncChanges();
    }
};

void CheckWindowTest::init() { QVERIFY(openEditor(false, app::Answer::No)); }

void CheckWindowTest::cleanup() {
    window.reset();
    deleteDiscardedWindows();
    closeEditor();
}

void CheckWindowTest::menuItemAndF12OpenOneWindow_data() {
    using Open = std::function<void(gui::MainWindow&)>;
    QTest::addColumn<Open>("open");
    QTest::newRow("menu item") << Open(
        [](gui::MainWindow& w) { w.findChild<QAction*>(QStringLiteral("mnuECheck"))->trigger(); });
    QTest::newRow("F12") << Open([](gui::MainWindow& w) {
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_F12);
    });
}

void CheckWindowTest::menuItemAndF12OpenOneWindow() {
    QFETCH(std::function<void(gui::MainWindow&)>, open);
    QVERIFY(!window->checkWindow());
    open(*window);
    QPointer<QWidget> first = window->checkWindow();
    QVERIFY(window->form().frmWXCheck);
    QVERIFY(first && first->isVisible());
    QCOMPARE(first->objectName(), QStringLiteral("frmWXCheck"));
    QCOMPARE(first->windowTitle(), QString::fromStdString(window->form().frmWXCheck->caption));
    QCOMPARE(first->windowTitle(), QStringLiteral("Menü prüfen"));

    // Choosing it again keeps the one window.
    open(*window);
    QCOMPARE(window->checkWindow(), first.data());
    int shown = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == QStringLiteral("frmWXCheck") && top->isVisible()) ++shown;
    QCOMPARE(shown, 1);
}

void CheckWindowTest::rowsFollowTheModel() {
    loadFaultyMenu();
    check();
    auto compareRows = [this] {
        const app::MenuCheckWindow& model = *window->form().frmWXCheck;
        QCOMPARE(findings()->count(), static_cast<int>(model.rows.size()));
        for (int i = 0; i < findings()->count(); ++i)
            QCOMPARE(findings()->item(i)->text(),
                     QString::fromStdString(model.rows[static_cast<std::size_t>(i)]));
    };
    compareRows();
    QCOMPARE(findings()->count(), 2);
    QVERIFY(findings()->item(0)->text().startsWith(QStringLiteral("Zeile 3: Fehler: ")));

    // Fixing the document and checking again refills the open window; in
    // English the rows come in English.
    QTest::mouseClick(window->findChild<QWidget*>(QStringLiteral("cmdWXButton_5")), Qt::LeftButton);
    window->form().cboMenu.replace(2, "MENUITEM|TASK_NAVIGATE_TO|");
    window->syncChanges();
    check();
    compareRows();
    QCOMPARE(findings()->count(), 1);
    QVERIFY(findings()->item(0)->text().startsWith(QStringLiteral("Line 4: error: ")));
    QCOMPARE(window->checkWindow()->windowTitle(), QStringLiteral("Check menu"));
}

void CheckWindowTest::choosingAFindingSelectsItsLine_data() {
    using Choose = std::function<void(QListWidget&, int)>;
    QTest::addColumn<Choose>("choose");
    QTest::newRow("click") << Choose([](QListWidget& list, int row) {
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(row)).center());
    });
    QTest::newRow("Enter") << Choose([](QListWidget& list, int row) {
        list.setCurrentRow(row);
        QTest::keyClick(&list, Qt::Key_Return);
    });
}

void CheckWindowTest::choosingAFindingSelectsItsLine() {
    QFETCH(std::function<void(QListWidget&, int)>, choose);
    loadFaultyMenu();
    check();
    auto* mainList = window->findChild<QListView*>(QStringLiteral("cboMenu_list"));
    const std::vector<std::string> before = window->form().cboMenu.entries();
    const bool changedBefore = window->form().MenuChanged;
    const app::MenuCheckWindow model = *window->form().frmWXCheck;
    QVERIFY(model.rows.size() >= 2);

    // Each finding in turn, and the first once more after the second.
    for (const int row : {0, 1, 0}) {
        const int line = model.lines[static_cast<std::size_t>(row)];
        QVERIFY(line >= 0);
        choose(*findings(), row);
        QCOMPARE(window->form().cboMenu.listIndex(), line);
        QCOMPARE(guitest::shownRow(mainList), line);
        QCOMPARE(window->findChild<QLineEdit*>(QStringLiteral("cboMenu_edit"))->text(),
                 QString::fromStdString(before[static_cast<std::size_t>(line)]));
    }
    QCOMPARE(window->form().cboMenu.entries(), before);
    QCOMPARE(window->form().MenuChanged, changedBefore);
    QVERIFY(host->messages.empty());
    QVERIFY(window->checkWindow());  // choosing leaves the findings open
}

void CheckWindowTest::allClearRowSelectsNothing() {
    window->form().cboMenu.assignAll({"MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|",
                                      "MENUPAGE|TASK_PAGE1|Hauptmenü 1/1|", "MENUITEM|TASK_NAVIGATE_TO|",
                                      "MENUITEM|TASK_PAGE1|"});
    window->syncChanges();
    check();
    QCOMPARE(findings()->count(), 1);
    QCOMPARE(window->form().frmWXCheck->lines.front(), -1);
    QCOMPARE(window->form().cboMenu.listIndex(), -1);
    QTest::mouseClick(findings()->viewport(), Qt::LeftButton, {},
                      findings()->visualItemRect(findings()->item(0)).center());
    QCOMPARE(window->form().cboMenu.listIndex(), -1);
}

void CheckWindowTest::userCloseResetsTheModelAndResetClosesTheWindow() {
    check();
    QPointer<QWidget> first = window->checkWindow();
    QVERIFY(first->close());
    QVERIFY(!window->form().frmWXCheck);
    QVERIFY(!window->checkWindow());
    deleteDiscardedWindows();
    QVERIFY(!first);

    // Shutting down resets the model in the core; the window goes with it.
    check();
    QPointer<QWidget> second = window->checkWindow();
    QVERIFY(second && second->isVisible());
    window->close();
    QVERIFY(!window->form().frmWXCheck);
    QVERIFY(!second->isVisible());
    deleteDiscardedWindows();
    QVERIFY(!second);
}

void CheckWindowTest::liveResultShowsInStatusLineMarksAndOpenWindow() {
    auto* status = window->findChild<gui::CheckStatus*>(QStringLiteral("lblCheckStatus"));
    QVERIFY(status && status->isVisible());
    // Auto-run has begun the main block: its open page count and missing end are no faults,
    // its first page has no command yet.
    QCOMPARE(status->text(), QStringLiteral("Block im Aufbau · 1 Warnung"));
    loadFaultyMenu();
    QCOMPARE(status->text(), QStringLiteral("2 Fehler"));
    auto* list = window->findChild<QListView*>(QStringLiteral("cboMenu_list"));
    const auto rowData = [list](int row, int role) { return list->model()->index(row, 0).data(role); };
    QVERIFY(rowData(2, Qt::ToolTipRole).toString().startsWith(QStringLiteral("Fehler: Die Zeile endet")));
    QVERIFY(!rowData(0, Qt::ToolTipRole).isValid());
    QVERIFY(!rowData(2, Qt::DecorationRole).value<QIcon>().isNull());

    // The open findings window follows a fix at once, without checking again.
    check();
    QCOMPARE(findings()->count(), 2);
    window->form().cboMenu.replace(2, "MENUITEM|TASK_NAVIGATE_TO|");
    window->syncChanges();
    QCOMPARE(findings()->count(), 1);
    QCOMPARE(status->text(), QStringLiteral("1 Fehler"));
    QVERIFY(!rowData(2, Qt::ToolTipRole).isValid());
    QTest::mouseClick(window->findChild<QWidget*>(QStringLiteral("cmdWXButton_7")), Qt::LeftButton);
    QCOMPARE(status->text(), QStringLiteral("1 erreur"));

    // Wide enough for the whole of its longest message.
    const QString longest = findings()->item(0)->text();
    QVERIFY(findings()->viewport()->width() >= findings()->fontMetrics().horizontalAdvance(longest));
}

void CheckWindowTest::largeMenuIsCheckedWhenIdle() {
    std::vector<std::string> lines = kFaultyMenu;
    lines.resize(gui::MainWindow::kIdleCheckLines + 1, "MENUITEM|TASK_ABOUT|");
    window->form().cboMenu.assignAll(lines);
    window->syncChanges();
    QVERIFY(!window->checkViewCurrent());
    QTRY_VERIFY_WITH_TIMEOUT(window->checkViewCurrent(), 1000);
    auto* status = window->findChild<gui::CheckStatus*>(QStringLiteral("lblCheckStatus"));
    QVERIFY(status->text().contains(QStringLiteral("Fehler")));
}

QTEST_MAIN(CheckWindowTest)
#include "CheckWindowTest.moc"
