// The manual, history and information windows as real windows: they exist
// exactly while the core's models do, follow them, and report the user's
// closing, resizing and button clicks back to the core.
#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <memory>

#include "app/Host.h"
#include "gui/MainWindow.h"
#include "EditorUnderTest.h"
#include "gui/QtHost.h"
#include "help/HelpTexts.h"

using namespace vostrel;

namespace {

void deleteDiscardedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

}  // namespace

class HelpWindowsTest : public QObject, private guitest::EditorUnderTest {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void manualChosenTwiceGivesOneWindow();
    void userCloseDiscardsTheWindowUntilTheNextChoice();
    void textBoxKeepsItsSize_data();
    void textBoxKeepsItsSize();
    void unchangedTextKeepsTheCursor();
    void infoTextsFollowTheLanguageAtEachOpening();
    void shutDownClosesBothWindows();
    void infoButtonsHandTheirAddressToTheHost_data();
    void infoButtonsHandTheirAddressToTheHost();
    void choosingAnOpenWindowAgainBringsItToTheFront_data();
    void choosingAnOpenWindowAgainBringsItToTheFront();

private:
    void choose(const char* item) { window->findChild<QAction*>(QString::fromUtf8(item))->trigger(); }
    QPlainTextEdit* textBox() const {
        return window->textWindow()
                   ? window->textWindow()->findChild<QPlainTextEdit*>(QStringLiteral("txtWX"))
                   : nullptr;
    }
    template <class T>
    T* infoChild(const char* name) const {
        T* found = window->infoWindow()->findChild<T*>(QString::fromUtf8(name));
        if (!found) qFatal("no %s", name);
        return found;
    }
};

void HelpWindowsTest::init() { QVERIFY(openEditor(false, app::Answer::No)); }

void HelpWindowsTest::cleanup() {
    window.reset();
    deleteDiscardedWindows();
    closeEditor();
}

void HelpWindowsTest::manualChosenTwiceGivesOneWindow() {
    QVERIFY(!window->textWindow());
    choose("mnuAnleitung");
    QPointer<QWidget> first = window->textWindow();
    QVERIFY(first && first->isVisible());
    choose("mnuAnleitung");
    QCOMPARE(window->textWindow(), first.data());

    int shown = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == QStringLiteral("frmWXText") && top->isVisible()) ++shown;
    QCOMPARE(shown, 1);
    QCOMPARE(first->windowTitle(), QStringLiteral("RU6 Vostrel-Anleitung"));
    // The manual's 13 lines are joined by CR LF; each must be a line of its own.
    QCOMPARE(textBox()->document()->blockCount(), 13);
    QCOMPARE(textBox()->document()->findBlockByNumber(1).text(), QStringLiteral("Ablauf:"));
    QCOMPARE(textBox()->toPlainText(), gui::displayText(help::manualText(help::HelpLanguage::German)));
}

void HelpWindowsTest::userCloseDiscardsTheWindowUntilTheNextChoice() {
    choose("mnuAnleitung");
    QPointer<QWidget> first = window->textWindow();
    QVERIFY(first->close());
    QVERIFY(!window->form().frmWXText);
    QVERIFY(!window->textWindow());
    deleteDiscardedWindows();
    QVERIFY(!first);

    choose("mnuAnleitung");
    QVERIFY(window->form().frmWXText);
    QVERIFY(window->textWindow() && window->textWindow()->isVisible());
    QCOMPARE(textBox()->toPlainText(), gui::displayText(help::manualText(help::HelpLanguage::German)));
}

void HelpWindowsTest::textBoxKeepsItsSize_data() {
    using Step = std::function<void(QWidget&)>;
    QTest::addColumn<Step>("step");
    QTest::newRow("enlarged") << Step([](QWidget& w) { w.resize(900, 700); });
    QTest::newRow("shrunk") << Step([](QWidget& w) { w.resize(200, 120); });
    QTest::newRow("minimised and restored") << Step([](QWidget& w) {
        w.setWindowState(Qt::WindowMinimized);
        QCoreApplication::processEvents();
        w.setWindowState(Qt::WindowNoState);
    });
    QTest::newRow("maximised") << Step([](QWidget& w) { w.setWindowState(Qt::WindowMaximized); });
}

void HelpWindowsTest::textBoxKeepsItsSize() {
    QFETCH(std::function<void(QWidget&)>, step);
    choose("mnuAnleitung");
    QWidget& text = *window->textWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&text));
    const QRect designed(0, 0, 369, 201);  // 5535 x 3015 twips
    QCOMPARE(textBox()->geometry(), designed);
    QCOMPARE(text.findChild<QLabel*>(QStringLiteral("imgWXText"))->geometry(), designed);

    // Misplace the box in the model: only the core's layout on the size change
    // can bring it back.
    window->form().frmWXText->txtWX = {150, 150, 1500, 1500};
    window->syncChanges();
    QCOMPARE(textBox()->geometry(), QRect(10, 10, 100, 100));

    step(text);
    QCoreApplication::processEvents();
    QCOMPARE(textBox()->geometry(), designed);
    QCOMPARE(window->form().frmWXText->txtWX, help::TextWindow::kTextBoxGeometry);
}

void HelpWindowsTest::unchangedTextKeepsTheCursor() {
    choose("mnuAnleitung");
    QTextCursor cursor = textBox()->textCursor();
    cursor.setPosition(40);
    textBox()->setTextCursor(cursor);

    // Events of the main window that leave the text alone must not reset it.
    window->form().cmdWXButton(9).setCaption("&Anders");
    window->syncChanges();
    choose("mnuAnleitung");
    QCOMPARE(textBox()->textCursor().position(), 40);

    // The history's menu item is hidden for good; its handler is the way in.
    host->inputAnswer = "PFOTE";
    window->form().mnuHistorie_Click();
    window->syncChanges();
    QCOMPARE(window->textWindow()->windowTitle(), QStringLiteral("Historie"));
    QCOMPARE(textBox()->toPlainText(), gui::displayText(help::historyText()));
}

void HelpWindowsTest::infoTextsFollowTheLanguageAtEachOpening() {
    struct Case {
        const char* flag;
        help::HelpLanguage language;
    };
    const Case cases[] = {{"cmdWXButton_5", help::HelpLanguage::English},
                          {"cmdWXButton_7", help::HelpLanguage::French},
                          {"cmdWXButton_1", help::HelpLanguage::German}};
    choose("mnuInfo");
    QString shown = infoChild<QPlainTextEdit>("txtDank")->toPlainText();
    for (const Case& c : cases) {
        // Switching while the window stays open leaves its texts.
        QTest::mouseClick(window->findChild<QWidget*>(QString::fromUtf8(c.flag)), Qt::LeftButton);
        QVERIFY2(infoChild<QPlainTextEdit>("txtDank")->toPlainText() == shown, c.flag);

        QVERIFY(window->infoWindow()->close());
        QVERIFY2(!window->infoWindow(), c.flag);
        choose("mnuInfo");
        shown = infoChild<QPlainTextEdit>("txtDank")->toPlainText();
        QVERIFY2(shown == QString::fromStdString(std::string(help::purposeSentence(c.language))), c.flag);
        QVERIFY2(infoChild<QPlainTextEdit>("txtInfo")->toPlainText() ==
                     gui::displayText(help::termsOfUse(c.language)),
                 c.flag);
        QVERIFY2(infoChild<QLabel>("lblInfo_0")->text() == QStringLiteral("RU6 Vostrel V 3.00 ß"), c.flag);
    }
}

void HelpWindowsTest::shutDownClosesBothWindows() {
    choose("mnuAnleitung");
    choose("mnuInfo");
    QPointer<QWidget> text = window->textWindow();
    QPointer<QWidget> info = window->infoWindow();
    QVERIFY(text && text->isVisible() && info && info->isVisible());

    window->close();
    QVERIFY(!text->isVisible());
    QVERIFY(!info->isVisible());
    deleteDiscardedWindows();
    QVERIFY(!text);
    QVERIFY(!info);
}

void HelpWindowsTest::infoButtonsHandTheirAddressToTheHost_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("url");
    QTest::newRow("mail") << "cmdeMail"
                          << "mailto:vostrel@example.org";
    QTest::newRow("internet") << "cmdInternet"
                              << "https://www.example.org/vostrel";
}

void HelpWindowsTest::infoButtonsHandTheirAddressToTheHost() {
    QFETCH(QString, button);
    QFETCH(QString, url);
    choose("mnuInfo");
    QVERIFY(host->urls.empty());
    QTest::mouseClick(infoChild<QPushButton>(qPrintable(button)), Qt::LeftButton);
    QCOMPARE(host->urls.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(host->urls.front()), url);
}

void HelpWindowsTest::choosingAnOpenWindowAgainBringsItToTheFront_data() {
    using Secondary = std::function<QWidget*(gui::MainWindow&)>;
    QTest::addColumn<QString>("item");
    QTest::addColumn<Secondary>("secondary");
    QTest::newRow("manual") << "mnuAnleitung" << Secondary([](gui::MainWindow& w) { return w.textWindow(); });
    QTest::newRow("info") << "mnuInfo" << Secondary([](gui::MainWindow& w) { return w.infoWindow(); });
    QTest::newRow("check") << "mnuECheck" << Secondary([](gui::MainWindow& w) { return w.checkWindow(); });
}

void HelpWindowsTest::choosingAnOpenWindowAgainBringsItToTheFront() {
    QFETCH(QString, item);
    QFETCH(std::function<QWidget*(gui::MainWindow&)>, secondary);
    choose(qPrintable(item));
    QWidget* other = secondary(*window);
    QVERIFY(other);
    QVERIFY(QTest::qWaitForWindowExposed(other));

    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    // Other events of the main window leave the secondary window behind it.
    QTest::mouseClick(window->findChild<QWidget*>(QStringLiteral("imgWXMenu_35")), Qt::LeftButton);
    QCoreApplication::processEvents();
    QCOMPARE(QApplication::activeWindow(), window.get());

    choose(qPrintable(item));
    QCOMPARE(secondary(*window), other);
    QVERIFY(QTest::qWaitForWindowActive(other));
    QCOMPARE(QApplication::activeWindow(), other);
}

QTEST_MAIN(HelpWindowsTest)
#include "HelpWindowsTest.moc"
