// The window's part in keeping the user's work: the undo and redo keys, Qt's
// own dialog texts in the interface language, and a termination signal (on
// Windows: the end of the session) while the shut-down question is open.
#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <memory>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

#include "gui/MainWindow.h"
#include "gui/TerminationSignal.h"
#include "TestHost.h"

using namespace vostrel;

namespace {

// The texts of the buttons of the box open now, in their order on screen.
QStringList buttonTexts() {
    QStringList texts;
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return texts;
    for (QAbstractButton* button : box->findChild<QDialogButtonBox*>()->buttons())
        texts << button->text().remove(QLatin1Char('&'));
    texts.sort();
    return texts;
}

QStringList words(const char* list) { return QString::fromUtf8(list).split(QLatin1Char('|')); }

// Ends the editor from outside as the system does: SIGTERM, or on Windows the question whether
// the session may end, delivered the way Qt's window procedure delivers every message. True
// when the end was allowed to go on.
bool endFromOutside() {
#ifdef _WIN32
    MSG message{};
    message.message = WM_QUERYENDSESSION;
    message.lParam = ENDSESSION_LOGOFF;
    qintptr result = 0;
    const bool taken =
        QAbstractEventDispatcher::instance()->filterNativeEvent("windows_generic_MSG", &message, &result);
    return taken && result == TRUE;
#else
    return std::raise(SIGTERM) == 0;
#endif
}

}  // namespace

class UnsavedWorkTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        folder = std::make_unique<QTemporaryDir>();
        QVERIFY(folder->isValid());
        QFile settings(folder->filePath(QStringLiteral("Zumzum.ini")));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write(
            "[Initiierung]\r\nSpracheDEF=Deutsch\r\nAutoAblauf=0\r\nT.mnu-path=x\r\nHochformat=1\r\n"
            "ButtonSper=1\r\nStandardRe=0\r\nX=0\r\nX=0\r\nX=0\r\nX=0\r\n");
    }
    void cleanup() {
        window.reset();
        folder.reset();
    }

    void undoKeysActOnTheDocumentOrOnTheTypedText_data() {
        QTest::addColumn<bool>("inEditLine");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<int>("lines");  // after undo, a command click, and the keys
        QTest::newRow("Ctrl+Z undoes the click") << false << QKeySequence(QStringLiteral("Ctrl+Z")) << 2;
        QTest::newRow("Ctrl+Y redoes it") << false << QKeySequence(QStringLiteral("Ctrl+Y")) << 3;
        QTest::newRow("Ctrl+Shift+Z redoes it") << false << QKeySequence(QStringLiteral("Ctrl+Shift+Z")) << 3;
        QTest::newRow("Ctrl+Z in the edit line") << true << QKeySequence(QStringLiteral("Ctrl+Z")) << 3;
    }
    void undoKeysActOnTheDocumentOrOnTheTypedText() {
        QFETCH(bool, inEditLine);
        QFETCH(QKeySequence, keys);
        QFETCH(int, lines);
        openWindow(true);
        app::frmWendax& form = window->form();
        startMenu();
        if (keys.toString() != QStringLiteral("Ctrl+Z")) {
            QTest::keySequence(window.get(), QKeySequence(QStringLiteral("Ctrl+Z")));
            QCOMPARE(form.cboMenu.count(), 2);
        }
        auto* edit = window->findChild<QLineEdit*>(QStringLiteral("cboMenu_edit"));
        if (inEditLine) {
            edit->setFocus();
            QTest::keyClicks(edit, QStringLiteral("abc"));
        }
        QTest::keySequence(inEditLine ? static_cast<QWidget*>(edit) : window.get(), keys);
        QCOMPARE(form.cboMenu.count(), lines);
        if (inEditLine) QVERIFY(!edit->text().endsWith(QStringLiteral("abc")));
    }

    void qtButtonsSpeakTheInterfaceLanguage_data() {
        QTest::addColumn<int>("languageButton");
        QTest::addColumn<QStringList>("saveQuestion");
        QTest::addColumn<QStringList>("yesNo");
        QTest::newRow("German") << 1 << words("Abbrechen|Speichern|Verwerfen") << words("Ja|Nein");
        QTest::newRow("English") << 5 << words("Cancel|Discard|Save") << words("No|Yes");
        QTest::newRow("French") << 7 << words("Annuler|Enregistrer|Ne pas tenir compte") << words("Non|Oui");
    }
    void qtButtonsSpeakTheInterfaceLanguage() {
        QFETCH(int, languageButton);
        QFETCH(QStringList, saveQuestion);
        QFETCH(QStringList, yesNo);
        openWindow(false);
        // Switching away from German first shows that the texts follow each switch.
        clickLanguage(languageButton == 5 ? 7 : 5);
        clickLanguage(languageButton);
        QCOMPARE(buttonsOf(app::MessageButtons::SaveDiscardCancel), saveQuestion);
        QCOMPARE(buttonsOf(app::MessageButtons::YesNo), yesNo);
    }

    void recoveryFileFollowsTheDocumentOnceIdle() {
        openWindow(true);
        const QString recovery = folder->filePath(QStringLiteral("Zumzum-recovery.mnu"));
        startMenu();
        QVERIFY(!QFile::exists(recovery));  // not inside the click
        QTRY_VERIFY(QFile::exists(recovery));
        // Undone back to the empty start of the run: nothing is left to recover.
        window->findChild<QAction*>(QStringLiteral("mnuBRueckgaengig"))->trigger();
        window->findChild<QAction*>(QStringLiteral("mnuBRueckgaengig"))->trigger();
        QTRY_VERIFY(!QFile::exists(recovery));
    }

    void terminationDuringTheShutdownQuestionWritesAndEnds() {
        gui::TerminationSignal termination;
        openWindow(false);
        bool ended = false;
        bool boxWasOpen = false;
        window->exitProcess = [&] {
            ended = true;
            boxWasOpen = QApplication::activeModalWidget() != nullptr;
            // The process would end here; the test closes the box to go on.
            if (boxWasOpen) QApplication::activeModalWidget()->close();
        };
        startMenu();
        QFile::remove(folder->filePath(QStringLiteral("Zumzum.ini")));
        bool allowed = false;
        QTimer::singleShot(50, [&allowed] { allowed = endFromOutside(); });
        window->close();  // the save question opens and waits
        QVERIFY(ended);
        QVERIFY(allowed);
        QVERIFY(boxWasOpen);
        QFile recovery(folder->filePath(QStringLiteral("Zumzum-recovery.mnu")));
        QVERIFY(recovery.open(QIODevice::ReadOnly));
        QVERIFY(recovery.readAll().endsWith("MENUITEM|TASK_NAVIGATE_TO|\r\n"));
        QVERIFY(QFile::exists(folder->filePath(QStringLiteral("Zumzum.ini"))));
    }

private:
    void openWindow(bool scripted) {
        host = std::make_unique<testsupport::TestHost>(
            testsupport::TestHost::answering(app::Answer::Yes, app::Answer::Save));
        window =
            std::make_unique<gui::MainWindow>(folder->path().toStdString(), scripted ? host.get() : nullptr);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    // The sorted button texts of a real question box with those buttons.
    QStringList buttonsOf(app::MessageButtons buttons) {
        QStringList shown;
        QTimer::singleShot(0, [&shown] {
            shown = buttonTexts();
            QApplication::activeModalWidget()->close();
        });
        window->form().host().messageBox({app::MessageIcon::Question, buttons, {}, "?"});
        return shown;
    }

    // The main block and one command: three lines, unsaved.
    void startMenu() {
        QTest::mouseClick(window->findChild<QWidget*>(QStringLiteral("cmdWXButton_3")), Qt::LeftButton);
        QTest::mouseClick(window->findChild<QWidget*>(QStringLiteral("imgWXMenu_35")), Qt::LeftButton);
        QCOMPARE(window->form().cboMenu.count(), 3);
    }

    // The document is empty, so a language switch asks nothing.
    void clickLanguage(int button) {
        QTest::mouseClick(window->findChild<QWidget*>(QStringLiteral("cmdWXButton_%1").arg(button)),
                          Qt::LeftButton);
    }

    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<testsupport::TestHost> host;
    std::unique_ptr<gui::MainWindow> window;
};

QTEST_MAIN(UnsavedWorkTest)
#include "UnsavedWorkTest.moc"
