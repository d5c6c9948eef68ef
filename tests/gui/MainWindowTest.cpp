// The window as a mirror of the core: every control has its widget, model changes reach the
// widgets, and real clicks and keys reach the core. Lists, bars and closing: MainWindowScrollingTest.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <memory>

#include "app/Host.h"
#include "controls/Colour.h"
#include "files/SettingsFile.h"
#include "gui/ButtonGrid.h"
#include "gui/MainWindow.h"
#include "EditorUnderTest.h"

using namespace vostrel;
using guitest::rowCount;
using guitest::rowText;
using guitest::shownRow;

namespace {

QColor windowColourOf(const QWidget* widget) { return widget->palette().color(QPalette::Window); }

}  // namespace

class MainWindowTest : public QObject, private guitest::EditorUnderTest {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void everyControlHasExactlyOneWidget();
    void widgetsSitAtTheirPixelPlace_data();
    void widgetsSitAtTheirPixelPlace();
    void widgetsFollowModelChanges_data();
    void widgetsFollowModelChanges();
    void commandButtonClickReachesTheCore();
    void disabledOrCaptionClicksChangeNothing();
    void languageButtonRecaptionsTheWindow();
    void optionActionsToggleTheirCheck_data();
    void optionActionsToggleTheirCheck();
    void hiddenOptionKeepsItsCheck();
    void shortcutReachesTheCore();
};

void MainWindowTest::init() { QVERIFY(openEditor()); }

void MainWindowTest::cleanup() { closeEditor(); }

void MainWindowTest::everyControlHasExactlyOneWidget() {
    showEveryPage();
    QStringList names;
    auto arrayOf = [&](const QString& name, int first, int last) {
        for (int i = first; i <= last; ++i) names << name + QLatin1Char('_') + QString::number(i);
    };
    arrayOf(QStringLiteral("imgWXMenu"), 0, 114);
    arrayOf(QStringLiteral("lblWXMenu"), 0, 114);
    arrayOf(QStringLiteral("Picture1"), 0, 6);
    arrayOf(QStringLiteral("imgMenH"), 0, 5);
    arrayOf(QStringLiteral("lblMenH"), 0, 5);
    arrayOf(QStringLiteral("imgMenQ"), 0, 5);
    arrayOf(QStringLiteral("lblMenQ"), 0, 5);
    for (int i : app::frmWendax::kControlButtonIndexes) arrayOf(QStringLiteral("cmdWXButton"), i, i);
    for (const char* name :
         {"Frame1", "Frame2", "Frame3", "Frame4", "Frame5", "Picture2", "Picture3", "lblMenuH", "lblMenuQ",
          "Label3", "VScroll1", "VScroll2", "HScroll1", "cboMenu", "cboWXIni", "cboSprachen"})
        names << QString::fromUtf8(name);
    for (const QString& name : names)
        QVERIFY2(window->findChildren<QWidget*>(name).size() == 1, qPrintable(name));
    QCOMPARE(window->findChildren<QWidget*>(QStringLiteral("cmdWXButton_2")).size(), 0);

    // Menus with items are QMenus; items and a top-level command are actions.
    for (controls::MenuItem* item : window->form().menuItems()) {
        const QString name = QString::fromStdString(item->name());
        const int found =
            window->findChildren<QAction*>(name).size() + window->findChildren<QMenu*>(name).size();
        QVERIFY2(found == 1, qPrintable(name));
    }
}

void MainWindowTest::widgetsSitAtTheirPixelPlace_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parentName");
    QTest::addColumn<QRect>("pixels");
    // 15 twips to the pixel, relative to the container.
    QTest::newRow("page of the field") << "Picture1_0"
                                       << "canvas" << QRect(2, 8, 401, 325);
    QTest::newRow("picture of page") << "imgWXMenu_36"
                                     << "Picture1_2" << QRect(80, 80, 80, 50);
    QTest::newRow("caption of page") << "lblWXMenu_36"
                                     << "Picture1_2" << QRect(80, 128, 80, 30);
    QTest::newRow("last row, last column") << "imgWXMenu_64"
                                           << "Picture1_0" << QRect(320, 240, 80, 50);
    QTest::newRow("button in frame") << "cmdWXButton_3"
                                     << "Frame2" << QRect(8, 20, 170, 30);
    QTest::newRow("scroll bar in frame") << "VScroll2"
                                         << "Frame4" << QRect(5, 8, 17, 133);
    QTest::newRow("portrait place 3") << "imgMenH_3"
                                      << "Picture3" << QRect(80, 80, 80, 50);
    QTest::newRow("landscape place 5") << "lblMenQ_5"
                                       << "Picture2" << QRect(160, 128, 80, 30);
    QTest::newRow("frame on window") << "Frame5"
                                     << "canvas" << QRect(2, 338, 180, 150);
}

void MainWindowTest::widgetsSitAtTheirPixelPlace() {
    QFETCH(QString, name);
    QFETCH(QString, parentName);
    QFETCH(QRect, pixels);
    showEveryPage();
    auto* w = widget<QWidget>(name);
    QCOMPARE(w->parentWidget()->objectName(), parentName);
    QCOMPARE(w->geometry(), pixels);
}

void MainWindowTest::widgetsFollowModelChanges_data() {
    using Change = std::function<void(app::frmWendax&)>;
    using Check = std::function<bool(gui::MainWindow&)>;
    QTest::addColumn<Change>("change");
    QTest::addColumn<Check>("check");
    auto find = [](gui::MainWindow& w, const char* name) {
        return w.findChild<QWidget*>(QString::fromUtf8(name));
    };

    QTest::newRow("button caption") << Change([](auto& f) {
        f.cmdWXButton(9).setCaption("&Anders");
    }) << Check([=](auto& w) {
        return static_cast<QPushButton*>(find(w, "cmdWXButton_9"))->text() == QStringLiteral("&Anders");
    });
    QTest::newRow("button disabled") << Change([](auto& f) {
        f.cmdWXButton(9).setEnabled(false);
    }) << Check([=](auto& w) { return !find(w, "cmdWXButton_9")->isEnabled(); });
    QTest::newRow("tooltip") << Change([](auto& f) {
        f.field.imgWXMenu[35].setTooltip("go_there");
    }) << Check([=](auto& w) { return find(w, "imgWXMenu_35")->toolTip() == QStringLiteral("go_there"); });
    QTest::newRow("caption with CR LF")
        << Change([](auto& f) { f.field.Label3.setCaption("Seite 9\r\nTest"); }) << Check([=](auto& w) {
               return static_cast<QLabel*>(find(w, "Label3"))->text() == QStringLiteral("Seite 9\nTest");
           });
    QTest::newRow("frame hidden") << Change([](auto& f) { f.Frame2.setVisible(false); })
                                  << Check([=](auto& w) { return find(w, "Frame2")->isHidden(); });
    QTest::newRow("back colour") << Change([](auto& f) {
        f.field.lblWXMenu[2].setBackColour(controls::kLightPink);
    }) << Check([=](auto& w) { return windowColourOf(find(w, "lblWXMenu_2")) == QColor(255, 192, 255); });
    QTest::newRow("geometry") << Change([](auto& f) {
        f.cmdWXButton(9).move(150, 300);
    }) << Check([=](auto& w) { return find(w, "cmdWXButton_9")->pos() == QPoint(10, 20); });
    QTest::newRow("scroll range") << Change([](auto& f) { f.VScroll2.setMax(5); }) << Check([=](auto& w) {
        return static_cast<QScrollBar*>(find(w, "VScroll2"))->maximum() == 5;
    });
    // The core allows min above max; the widget must still show the model's value.
    QTest::newRow("inverted scroll range") << Change([](auto& f) {
        f.VScroll2.setMin(8);
        f.VScroll2.setMax(2);
        f.VScroll2.setValue(6);
    }) << Check([=](auto& w) {
        auto* bar = static_cast<QScrollBar*>(find(w, "VScroll2"));
        const auto& model = w.form().VScroll2;
        return bar->minimum() == -8 && bar->maximum() == -2 && bar->value() == -model.value() &&
               model.value() >= 2 && model.value() <= 8;
    });
    QTest::newRow("preview picture") << Change([](auto& f) {
        f.preview.imgMenH[1].setPicture(35);
        f.preview.imgMenH[1].setVisible(true);
    }) << Check([=](auto& w) {
        auto* place = static_cast<QLabel*>(find(w, "imgMenH_1"));
        return !place->isHidden() && !place->pixmap().isNull();
    });
    QTest::newRow("edit text") << Change([](auto& f) {
        f.cboMenu.setText("typed here");
    }) << Check([](auto& w) {
        return w.template findChild<QLineEdit*>(QStringLiteral("cboMenu_edit"))->text() ==
               QStringLiteral("typed here");
    });
    QTest::newRow("menu caption and state") << Change([](auto& f) {
        f.mnuDLaden.setCaption("&Laden");
        f.mnuDLaden.setEnabled(false);
    }) << Check([](auto& w) {
        auto* action = w.template findChild<QAction*>(QStringLiteral("mnuDLaden"));
        return action->text() == QStringLiteral("&Laden") && !action->isEnabled();
    });
    QTest::newRow("window caption") << Change([](auto& f) {
        f.form.setCaption("Anders");
    }) << Check([](auto& w) { return w.windowTitle() == QStringLiteral("Anders"); });
}

void MainWindowTest::widgetsFollowModelChanges() {
    QFETCH(std::function<void(app::frmWendax&)>, change);
    QFETCH(std::function<bool(gui::MainWindow&)>, check);
    QVERIFY(!check(*window));  // the change must be visible, so it must not be there yet
    change(window->form());
    window->syncChanges();
    QVERIFY(check(*window));
}

void MainWindowTest::commandButtonClickReachesTheCore() {
    auto* list = widget<QListView>(QStringLiteral("cboMenu_list"));
    const int before = window->form().cboMenu.count();
    QCOMPARE(rowCount(list), before);
    QVERIFY(windowColourOf(widget<QWidget>(QStringLiteral("lblWXMenu_35"))) != QColor(255, 255, 192));

    QTest::mouseClick(widget<QWidget>(QStringLiteral("imgWXMenu_35")), Qt::LeftButton);

    QVERIFY(window->form().cboMenu.count() > before);
    QCOMPARE(rowCount(list), window->form().cboMenu.count());
    QCOMPARE(windowColourOf(widget<QWidget>(QStringLiteral("lblWXMenu_35"))), QColor(255, 255, 192));
    QCOMPARE(shownRow(list), window->form().cboMenu.listIndex());
    QCOMPARE(rowText(list, shownRow(list)), QString::fromStdString(window->form().cboMenu.text()));
}

void MainWindowTest::disabledOrCaptionClicksChangeNothing() {
    const int before = window->form().cboMenu.count();
    // A caption label takes the click but its handler does nothing.
    QTest::mouseClick(widget<QWidget>(QStringLiteral("lblWXMenu_35")), Qt::LeftButton);
    QCOMPARE(window->form().cboMenu.count(), before);
    // A disabled button takes no click at all.
    window->form().cmdWXButton(3).setEnabled(false);
    window->syncChanges();
    QTest::mouseClick(widget<QWidget>(QStringLiteral("cmdWXButton_3")), Qt::LeftButton);
    QCOMPARE(window->form().cboMenu.count(), before);
}

void MainWindowTest::languageButtonRecaptionsTheWindow() {
    auto* pageCaption = widget<QLabel>(QStringLiteral("Label3"));
    QCOMPARE(pageCaption->text(), QStringLiteral("Seite 1\nFahren"));
    QTest::mouseClick(widget<QWidget>(QStringLiteral("cmdWXButton_5")), Qt::LeftButton);
    QVERIFY(window->form().language.english);
    QCOMPARE(pageCaption->text(), QStringLiteral("Page 1\nTraffic"));
    QCOMPARE(widget<QPushButton>(QStringLiteral("cmdWXButton_9"))->text(),
             QString::fromStdString(window->form().cmdWXButton(9).caption()));
    QCOMPARE(widget<QLabel>(QStringLiteral("lblWXMenu_35"))->text(),
             QString::fromStdString(window->form().field.lblWXMenu[35].caption()));
}

void MainWindowTest::optionActionsToggleTheirCheck_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("portrait") << "mnuBHochformat";
    QTest::newRow("button lock") << "mnuEButtonSperren";
    QTest::newRow("auto-run") << "mnuEPageAuto";
}

void MainWindowTest::optionActionsToggleTheirCheck() {
    QFETCH(QString, name);
    auto* action = widget<QAction>(name);
    controls::MenuItem* item = window->form().findMenuItem(name.toStdString());
    QVERIFY(action->isCheckable());
    QCOMPARE(action->isChecked(), item->checked());
    const bool before = item->checked();
    action->trigger();
    QCOMPARE(item->checked(), !before);
    QCOMPARE(action->isChecked(), !before);
    action->trigger();
    QCOMPARE(item->checked(), before);
    QCOMPARE(action->isChecked(), before);
}

void MainWindowTest::hiddenOptionKeepsItsCheck() {
    // Qt would toggle a checkable action on its own; the core refuses a hidden
    // item, and the window must show the core's answer.
    auto* action = widget<QAction>(QStringLiteral("mnuEStandard"));
    QVERIFY(!action->isVisible());
    const bool before = window->form().mnuEStandard.checked();
    action->trigger();
    QCOMPARE(window->form().mnuEStandard.checked(), before);
    QCOMPARE(action->isChecked(), before);
    QVERIFY(!widget<QAction>(QStringLiteral("mnuDLaden"))->isCheckable());
}

void MainWindowTest::shortcutReachesTheCore() {
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    const bool portrait = window->form().mnuBHochformat.checked();
    auto* frame3 = widget<QWidget>(QStringLiteral("Frame3"));
    auto* frame1 = widget<QWidget>(QStringLiteral("Frame1"));
    QCOMPARE(frame3->isHidden(), !portrait);
    QTest::keyClick(window.get(), Qt::Key_F5);
    QCOMPARE(window->form().mnuBHochformat.checked(), !portrait);
    QCOMPARE(frame3->isHidden(), portrait);
    QCOMPARE(frame1->isHidden(), !portrait);
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
