// The window without a mouse: walking the button field with the keys,
// pressing commands, editing the menu lines by shortcut and access keys. What a
// screen reader is told: AccessibilityTest.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "controls/Colour.h"
#include "gui/MainWindow.h"
#include "EditorUnderTest.h"

using namespace vostrel;
using guitest::accessibleText;

namespace {

const QColor kUsedCaption(255, 255, 192);  // light yellow: the command is in the menu

struct KeyStep {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int focusedAfter;
};

}  // namespace

Q_DECLARE_METATYPE(std::vector<KeyStep>)

class KeyboardTest : public QObject, private guitest::EditorUnderTest {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void keysWalkThePageGrid_data();
    void keysWalkThePageGrid();
    void turningThePageKeepsTheFocusOnTheField_data();
    void turningThePageKeepsTheFocusOnTheField();
    void keyPressAddsTheFocusedCommand_data();
    void keyPressAddsTheFocusedCommand();
    void disabledOrRepeatedKeyAddsNothing();
    void focusFrameIsDrawnOnThePicture();
    void previewPlaceTakesEnter();
    void shortcutsEditTheTypedLine_data();
    void shortcutsEditTheTypedLine();
    void accessKeyPressesItsButton();
    void lineScrollBarFocusStopsTheCountCheck();
};

void KeyboardTest::init() {
    QVERIFY(openEditor(true));
    buildByHand();
    QVERIFY(!window->form().mnuEPageAuto.checked());
    QVERIFY(window->form().cboMenu.empty());
}

void KeyboardTest::cleanup() { closeEditor(); }

void KeyboardTest::keysWalkThePageGrid_data() {
    // Page 1:   35  29   3  39  84
    //           74   2  73   .  15
    //           75  72  63  51  98
    //           23  31   6   8  64
    QTest::addColumn<std::vector<KeyStep>>("steps");
    const Qt::KeyboardModifiers none = Qt::NoModifier;
    QTest::newRow("right and down") << std::vector<KeyStep>{
        {Qt::Key_Right, none, 29}, {Qt::Key_Down, none, 2}, {Qt::Key_Right, none, 73}};
    QTest::newRow("over the empty cell, then the edge holds")
        << std::vector<KeyStep>{{Qt::Key_Down, none, 74},
                                {Qt::Key_Right, none, 2},
                                {Qt::Key_Right, none, 73},
                                {Qt::Key_Right, none, 15},
                                {Qt::Key_Right, none, 15}};
    // The field is one Tab stop: Tab leaves it at once, and coming back lands
    // on the button the arrows last reached. (-1: no command button.)
    QTest::newRow("tab leaves the field, back-tab returns") << std::vector<KeyStep>{
        {Qt::Key_Right, none, 29}, {Qt::Key_Tab, none, -1}, {Qt::Key_Backtab, Qt::ShiftModifier, 29}};
}

void KeyboardTest::keysWalkThePageGrid() {
    QFETCH(std::vector<KeyStep>, steps);
    focusButton(35);
    int step = 0;
    for (const KeyStep& s : steps) {
        type(s.key, s.modifiers);
        QVERIFY2(focusedButton() == s.focusedAfter,
                 qPrintable(QStringLiteral("step %1: focus on %2, expected %3")
                                .arg(step)
                                .arg(focusedButton())
                                .arg(s.focusedAfter)));
        ++step;
    }
    // Walking only moves the focus; nothing was added to the menu.
    QVERIFY(window->form().cboMenu.empty());
}

void KeyboardTest::turningThePageKeepsTheFocusOnTheField_data() {
    using Turn = std::function<void(KeyboardTest&, gui::MainWindow&)>;
    QTest::addColumn<int>("focusedFirst");
    QTest::addColumn<Turn>("turn");
    QTest::addColumn<int>("pageShown");
    QTest::addColumn<int>("focusedAfter");
    QTest::newRow("page down") << 84 << Turn([](KeyboardTest&, gui::MainWindow&) { type(Qt::Key_PageDown); })
                               << 1 << 52;
    QTest::newRow("page down twice") << 35 << Turn([](KeyboardTest&, gui::MainWindow&) {
        type(Qt::Key_PageDown);
        type(Qt::Key_PageDown);
    }) << 2 << 48;
    // Going back, the focus chain alone would run on past the field.
    QTest::newRow("page down and up again") << 84 << Turn([](KeyboardTest&, gui::MainWindow&) {
        type(Qt::Key_PageDown);
        type(Qt::Key_PageUp);
    }) << 0 << 35;
    QTest::newRow("paging scroll bar turned back by mouse")
        << 8 << Turn([](KeyboardTest& t, gui::MainWindow&) {
               t.widget<QScrollBar>(QStringLiteral("VScroll1"))->setValue(4);
               t.type(Qt::Key_Right);
               t.widget<QScrollBar>(QStringLiteral("VScroll1"))->setValue(1);
           })
        << 1 << 52;
    QTest::newRow("page up on the first page stays")
        << 2 << Turn([](KeyboardTest&, gui::MainWindow&) { type(Qt::Key_PageUp); }) << 0 << 2;
    QTest::newRow("paging scroll bar turned by mouse") << 73 << Turn([](KeyboardTest& t, gui::MainWindow&) {
        t.widget<QScrollBar>(QStringLiteral("VScroll1"))->setValue(5);
    }) << 5 << 89;
}

void KeyboardTest::turningThePageKeepsTheFocusOnTheField() {
    QFETCH(int, focusedFirst);
    QFETCH(std::function<void(KeyboardTest&, gui::MainWindow&)>, turn);
    QFETCH(int, pageShown);
    QFETCH(int, focusedAfter);
    focusButton(focusedFirst);
    turn(*this, *window);
    QCOMPARE(window->form().field.VScroll1.value(), pageShown);
    QVERIFY(widget(QStringLiteral("Picture1_%1").arg(pageShown))->isVisible());
    QCOMPARE(focusedButton(), focusedAfter);
    QVERIFY(button(focusedAfter)->isVisible());
}

void KeyboardTest::keyPressAddsTheFocusedCommand_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("return") << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("enter of the keypad") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    QTest::newRow("space") << int(Qt::Key_Space) << int(Qt::NoModifier);
}

void KeyboardTest::keyPressAddsTheFocusedCommand() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    auto* list = widget<QListView>(QStringLiteral("cboMenu_list"));
    auto* caption = widget(QStringLiteral("lblWXMenu_29"));
    QVERIFY(caption->palette().color(QPalette::Window) != kUsedCaption);
    focusButton(29);

    type(Qt::Key(key), Qt::KeyboardModifiers(modifiers));

    const controls::ListBox& document = window->form().cboMenu;
    QVERIFY(!document.empty());
    QVERIFY(QString::fromStdString(document.entry(document.count() - 1))
                .contains(QStringLiteral("menu_find_alternatives"), Qt::CaseInsensitive));
    QCOMPARE(list->model()->rowCount(), document.count());
    QCOMPARE(caption->palette().color(QPalette::Window), kUsedCaption);
    QCOMPARE(focusedButton(), 29);  // pressing keeps the place in the grid
}

void KeyboardTest::disabledOrRepeatedKeyAddsNothing() {
    const controls::ListBox& document = window->form().cboMenu;
    focusButton(35);
    // A held key repeats its press; only the first one counts.
    QTest::keyPress(button(35), Qt::Key_Return);
    const int once = document.count();
    QVERIFY(once > 0);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(button(35), &repeat);
    QTest::keyRelease(button(35), Qt::Key_Return);
    QCOMPARE(document.count(), once);

    // A disabled command takes neither a key nor the press of a screen reader.
    window->form().field.imgWXMenu[29].setEnabled(false);
    window->syncChanges();
    QVERIFY(!button(29)->isEnabled());
    QTest::keyClick(button(29), Qt::Key_Return);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(button(29));
    QVERIFY(face && face->actionInterface());
    face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(document.count(), once);
    // ... nor can the arrow keys land on it: Right from 35 passes over it.
    type(Qt::Key_Right);
    QCOMPARE(focusedButton(), 3);
}

void KeyboardTest::focusFrameIsDrawnOnThePicture() {
    QWidget* picture = button(35);
    focusButton(29);
    const QImage plain = picture->grab().toImage();
    focusButton(35);
    const QImage framed = picture->grab().toImage();
    const QColor highlight = picture->palette().color(QPalette::Highlight);
    // The frame runs along every edge, in the highlight colour.
    const qreal ratio = framed.devicePixelRatio();
    for (const QPoint logical : {QPoint(1, 25), QPoint(78, 25), QPoint(40, 1), QPoint(40, 48)}) {
        const QColor pixel = framed.pixelColor(logical * ratio);
        QVERIFY2(
            pixel == highlight,
            qPrintable(QStringLiteral("(%1,%2) is %3").arg(logical.x()).arg(logical.y()).arg(pixel.name())));
        QVERIFY(plain.pixelColor(logical * ratio) != highlight);
    }
    // Away from the edges the picture is untouched.
    QCOMPARE(framed.pixelColor(QPoint(40, 25) * ratio), plain.pixelColor(QPoint(40, 25) * ratio));
}

void KeyboardTest::previewPlaceTakesEnter() {
    // The preview shows the page being built; pressing a place there selects
    // the document line of its command, as a click does.
    const bool portrait = window->form().mnuBHochformat.checked();
    QTest::keyClick(window.get(), Qt::Key_H, Qt::AltModifier);
    QTRY_COMPARE(window->form().cboMenu.count(), 2);
    focusButton(35);
    type(Qt::Key_Return);
    const controls::ListBox& document = window->form().cboMenu;
    const int commandLine = document.count() - 1;
    QVERIFY(QString::fromStdString(document.entry(commandLine))
                .contains(QStringLiteral("navigate_to"), Qt::CaseInsensitive));
    QWidget* place = widget(portrait ? QStringLiteral("imgMenH_0") : QStringLiteral("imgMenQ_0"));
    QVERIFY(place->isVisible());
    // Named by the caption below it, like the buttons of the field.
    QCOMPARE(accessibleText(place, QAccessible::Name), QStringLiteral("Navigieren zu"));
    QCOMPARE(QAccessible::queryAccessibleInterface(place)->role(), QAccessible::Button);

    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
        auto* list = widget<QListView>(QStringLiteral("cboMenu_list"));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(0, 0)).center());
        QCOMPARE(document.listIndex(), 0);
        place->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), place);
        type(key);
        QCOMPARE(window->form().preview.PreviewCommand, std::string("navigate_to"));
        QCOMPARE(document.listIndex(), commandLine);
    }
}

void KeyboardTest::shortcutsEditTheTypedLine_data() {
    // A shortcut is looked up from the focused widget whichever widget the key
    // is handed to; the edit line, which has the focus here, must not keep the
    // menu's keys for itself (Shift+Del is also its "cut").
    QTest::addColumn<bool>("toEditLine");
    QTest::newRow("keys to the window") << false;
    QTest::newRow("keys to the edit line") << true;
}

void KeyboardTest::shortcutsEditTheTypedLine() {
    QFETCH(bool, toEditLine);
    controls::ListBox& document = window->form().cboMenu;
    QTest::keyClick(window.get(), Qt::Key_H, Qt::AltModifier);  // a block head and a page head
    QTRY_COMPARE(document.count(), 2);
    focusButton(35);
    type(Qt::Key_Return);
    QCOMPARE(document.count(), 3);
    const int selected = document.listIndex();
    QVERIFY(selected >= 0);

    // Typing goes to the core key by key.
    auto* edit = widget<QLineEdit>(QStringLiteral("cboMenu_edit"));
    edit->setFocus(Qt::TabFocusReason);
    edit->selectAll();
    type(Qt::Key_Backspace);
    QCOMPARE(document.text(), std::string());
    QTest::keyClicks(edit, QStringLiteral("Zeile neu"));
    QCOMPARE(document.text(), std::string("Zeile neu"));

    // Ctrl+H puts the typed text into the selected line, with the edit still focused.
    QTest::keyClick(toEditLine ? static_cast<QWidget*>(edit) : window.get(), Qt::Key_H, Qt::ControlModifier);
    QCOMPARE(document.count(), 3);
    QCOMPARE(document.entry(selected), std::string("Zeile neu"));
    QCOMPARE(window->form().SelectedLine, -1);

    // Shift+Del deletes the line the user picks next, also from the edit line.
    auto* list = widget<QListView>(QStringLiteral("cboMenu_list"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(0, 0)).center());
    QCOMPARE(window->form().SelectedLine, 0);
    const std::string second = document.entry(1);
    edit->setFocus(Qt::TabFocusReason);
    QTest::keyClick(toEditLine ? static_cast<QWidget*>(edit) : window.get(), Qt::Key_Delete,
                    Qt::ShiftModifier);
    QCOMPARE(document.count(), 2);
    QCOMPARE(document.entry(0), second);
    QCOMPARE(list->model()->rowCount(), 2);
    QVERIFY(host->messages.size() <= 1);  // at most the count-check warning, no "select a line"
}

void KeyboardTest::accessKeyPressesItsButton() {
    auto* mainBlock = widget(QStringLiteral("cmdWXButton_3"));
    QVERIFY(mainBlock->isEnabled());
    focusButton(64);
    QTest::keyClick(window.get(), Qt::Key_H, Qt::AltModifier);
    QTRY_COMPARE(window->form().cboMenu.count(), 2);
    QVERIFY(!mainBlock->isEnabled());  // one main block per menu
    // Disabled, the access key does nothing.
    QTest::keyClick(window.get(), Qt::Key_H, Qt::AltModifier);
    QTest::qWait(200);  // a shortcut press would land after its click animation
    QCOMPARE(window->form().cboMenu.count(), 2);
}

void KeyboardTest::lineScrollBarFocusStopsTheCountCheck() {
    QTest::keyClick(window.get(), Qt::Key_H, Qt::AltModifier);
    QTRY_VERIFY(window->form().ButtonCountCheck);
    QVERIFY(host->messages.empty());
    widget(QStringLiteral("VScroll2"))->setFocus(Qt::TabFocusReason);
    QVERIFY(!window->form().ButtonCountCheck);
    QCOMPARE(host->messages.size(), 1u);
    QVERIFY(QString::fromStdString(host->messages.front().text).contains(QStringLiteral("Button-Anzahl")));
    // Focus coming back later does not warn again: the check is off.
    focusButton(35);
    widget(QStringLiteral("VScroll2"))->setFocus(Qt::TabFocusReason);
    QCOMPARE(host->messages.size(), 1u);
}

QTEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
