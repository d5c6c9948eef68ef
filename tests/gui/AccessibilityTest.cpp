// What a screen reader is told about the buttons: their names and descriptions follow the
// language, a command button is an accessible button that can be pressed, and an unknown
// language in the settings still gives every button its name.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "gui/MainWindow.h"
#include "EditorUnderTest.h"

using namespace vostrel;

using guitest::accessibleText;

class AccessibilityTest : public QObject, private guitest::EditorUnderTest {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void accessibleNamesFollowTheLanguage_data();
    void accessibleNamesFollowTheLanguage();
    void commandButtonIsAnAccessibleButton();
    void unknownLanguageCountsAsGerman();
};

void AccessibilityTest::init() {
    QVERIFY(openEditor(true));
    buildByHand();
}

void AccessibilityTest::cleanup() { closeEditor(); }

void AccessibilityTest::accessibleNamesFollowTheLanguage_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("german");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("description");
    QTest::newRow("command button") << "imgWXMenu_35"
                                    << "Navigieren zu"
                                    << "navigate to"
                                    << "navigate_to";
    QTest::newRow("another command") << "imgWXMenu_39"
                                     << "Über Zwischenziel planen"
                                     << "plan route via"
                                     << "plan_via";
    QTest::newRow("control button") << "cmdWXButton_3"
                                    << "Hauptmenü"
                                    << "Main-Menu"
                                    << "<tooltip>";
    QTest::newRow("flag, named by its tooltip") << "cmdWXButton_7"
                                                << "français"
                                                << "français"
                                                << "français";
}

void AccessibilityTest::accessibleNamesFollowTheLanguage() {
    QFETCH(QString, name);
    QFETCH(QString, german);
    QFETCH(QString, english);
    QFETCH(QString, description);
    QWidget* w = widget(name);
    const auto expectedDescription = [&] {
        // The control buttons' tooltips change with the language as well.
        return description == QStringLiteral("<tooltip>") ? w->toolTip() : description;
    };
    QCOMPARE(accessibleText(w, QAccessible::Name), german);
    QCOMPARE(accessibleText(w, QAccessible::Description), expectedDescription());
    QVERIFY(!accessibleText(w, QAccessible::Description).isEmpty());

    QTest::mouseClick(widget(QStringLiteral("cmdWXButton_5")), Qt::LeftButton);
    QVERIFY(window->form().language.english);
    QCOMPARE(accessibleText(w, QAccessible::Name), english);
    QCOMPARE(accessibleText(w, QAccessible::Description), expectedDescription());
}

void AccessibilityTest::commandButtonIsAnAccessibleButton() {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(button(84));
    QVERIFY(face);
    QCOMPARE(face->role(), QAccessible::Button);
    QVERIFY(face->state().focusable);
    QVERIFY(face->actionInterface());
    QVERIFY(face->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(QString::fromStdString(window->form().cboMenu.entry(window->form().cboMenu.count() - 1))
                .contains(QStringLiteral("menu_recalc_block"), Qt::CaseInsensitive));
}

void AccessibilityTest::unknownLanguageCountsAsGerman() {
    // A settings file naming a language the program does not know once left every
    // caption and accessible name empty; it now counts as German.
    window.reset();
    QFile settings(QDir(folder->path()).filePath(QStringLiteral("Zumzum.ini")));
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write(
        "[Initiierung]\r\nSpracheDEF=Klingonisch\r\nAutoAblauf=1\r\nT.mnu-path=xxxxxxxxxxxxxxxxxx\r\n"
        "Hochformat=1\r\nButtonSper=0\r\nStandardRe=1\r\nXXXXXXXXXX=0\r\nXXXXXXXXXX=0\r\n"
        "XXXXXXXXXX=0\r\nXXXXXXXXXX=0\r\n");
    settings.close();
    window = std::make_unique<gui::MainWindow>(folder->path(), host.get());
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    const auto& form = window->form();
    QVERIFY(form.language.german && !form.language.english && !form.language.french);
    QCOMPARE(accessibleText(button(35), QAccessible::Name), QStringLiteral("Navigieren zu"));

    const int lines = form.cboMenu.count();
    focusButton(35);
    type(Qt::Key_Return);
    QCOMPARE(form.cboMenu.count(), lines + 1);
    QCOMPARE(accessibleText(widget(QStringLiteral("imgMenH_0")), QAccessible::Name),
             QStringLiteral("Navigieren zu"));
}

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
