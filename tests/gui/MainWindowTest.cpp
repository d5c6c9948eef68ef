// The window as a mirror of the core: every control has its widget, model
// changes reach the widgets, and real clicks, keys and scrolls reach the core.
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

namespace {


QColor windowColourOf(const QWidget* widget) { return widget->palette().color(QPalette::Window); }

// The document list as the user sees it: rows of the view's model, and the
// row that is current and selected (-1 when none is both).
int rowCount(const QListView* list) { return list->model()->rowCount(); }
QString rowText(const QListView* list, int row) { return list->model()->index(row, 0).data().toString(); }
int shownRow(const QListView* list) {
    const QModelIndex current = list->currentIndex();
    return current.isValid() && list->selectionModel()->isSelected(current) ? current.row() : -1;
}

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
    void listRowsFollowOneAtATime();
    void clickOnListRowSelectsTheLine();
    void pagingScrollBarShowsThePage();
    void lineScrollBarMovesTheCurrentLine_data();
    void lineScrollBarMovesTheCurrentLine();
    void previewScrollBarTurnsThePreviewPage();
    void picturesAreDrawnWhenFirstShown();
    void closingUnloadsOnceAndWritesSettings();
    void closingSavesTheMenuBeforeWritingTheSettings();
    void endMenuItemClosesTheWindow();

};

void MainWindowTest::init() {
    QVERIFY(openEditor());
}

void MainWindowTest::cleanup() {
    closeEditor();
}

void MainWindowTest::everyControlHasExactlyOneWidget() {
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
    for (const char* name : {"Frame1", "Frame2", "Frame3", "Frame4", "Frame5", "Picture2", "Picture3",
                             "lblMenuH", "lblMenuQ", "Label3", "VScroll1", "VScroll2", "HScroll1",
                             "cboMenu", "cboWXIni", "cboSprachen"})
        names << QString::fromUtf8(name);
    for (const QString& name : names)
        QVERIFY2(window->findChildren<QWidget*>(name).size() == 1, qPrintable(name));
    QCOMPARE(window->findChildren<QWidget*>(QStringLiteral("cmdWXButton_2")).size(), 0);

    // Menus with items are QMenus; items and a top-level command are actions.
    for (controls::MenuItem* item : window->form().menuItems()) {
        const QString name = QString::fromStdString(item->name());
        const int found = window->findChildren<QAction*>(name).size() + window->findChildren<QMenu*>(name).size();
        QVERIFY2(found == 1, qPrintable(name));
    }
}

void MainWindowTest::widgetsSitAtTheirPixelPlace_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parentName");
    QTest::addColumn<QRect>("pixels");
    // 15 twips to the pixel, relative to the container.
    QTest::newRow("page of the field") << "Picture1_0" << "canvas" << QRect(2, 8, 401, 325);
    QTest::newRow("picture of page") << "imgWXMenu_36" << "Picture1_2" << QRect(80, 80, 80, 50);
    QTest::newRow("caption of page") << "lblWXMenu_36" << "Picture1_2" << QRect(80, 128, 80, 30);
    QTest::newRow("last row, last column") << "imgWXMenu_64" << "Picture1_0" << QRect(320, 240, 80, 50);
    QTest::newRow("button in frame") << "cmdWXButton_3" << "Frame2" << QRect(8, 20, 170, 30);
    QTest::newRow("scroll bar in frame") << "VScroll2" << "Frame4" << QRect(5, 8, 17, 133);
    QTest::newRow("portrait place 3") << "imgMenH_3" << "Picture3" << QRect(80, 80, 80, 50);
    QTest::newRow("landscape place 5") << "lblMenQ_5" << "Picture2" << QRect(160, 128, 80, 30);
    QTest::newRow("frame on window") << "Frame5" << "canvas" << QRect(2, 338, 180, 150);
}

void MainWindowTest::widgetsSitAtTheirPixelPlace() {
    QFETCH(QString, name);
    QFETCH(QString, parentName);
    QFETCH(QRect, pixels);
    auto* w = widget<QWidget>(name);
    QCOMPARE(w->parentWidget()->objectName(), parentName);
    QCOMPARE(w->geometry(), pixels);
}

void MainWindowTest::widgetsFollowModelChanges_data() {
    using Change = std::function<void(app::frmWendax&)>;
    using Check = std::function<bool(gui::MainWindow&)>;
    QTest::addColumn<Change>("change");
    QTest::addColumn<Check>("check");
    auto find = [](gui::MainWindow& w, const char* name) { return w.findChild<QWidget*>(QString::fromUtf8(name)); };

    QTest::newRow("button caption") << Change([](auto& f) { f.cmdWXButton(9).setCaption("&Anders"); })
                                    << Check([=](auto& w) {
                                           return static_cast<QPushButton*>(find(w, "cmdWXButton_9"))->text() ==
                                                  QStringLiteral("&Anders");
                                       });
    QTest::newRow("button disabled") << Change([](auto& f) { f.cmdWXButton(9).setEnabled(false); })
                                     << Check([=](auto& w) { return !find(w, "cmdWXButton_9")->isEnabled(); });
    QTest::newRow("tooltip") << Change([](auto& f) { f.field.imgWXMenu[35].setTooltip("go_there"); })
                             << Check([=](auto& w) {
                                    return find(w, "imgWXMenu_35")->toolTip() == QStringLiteral("go_there");
                                });
    QTest::newRow("caption with CR LF")
        << Change([](auto& f) { f.field.Label3.setCaption("Seite 9\r\nTest"); })
        << Check([=](auto& w) {
               return static_cast<QLabel*>(find(w, "Label3"))->text() == QStringLiteral("Seite 9\nTest");
           });
    QTest::newRow("frame hidden") << Change([](auto& f) { f.Frame2.setVisible(false); })
                                  << Check([=](auto& w) { return find(w, "Frame2")->isHidden(); });
    QTest::newRow("back colour") << Change([](auto& f) { f.field.lblWXMenu[2].setBackColour(controls::kLightPink); })
                                 << Check([=](auto& w) {
                                        return windowColourOf(find(w, "lblWXMenu_2")) == QColor(255, 192, 255);
                                    });
    QTest::newRow("geometry") << Change([](auto& f) { f.cmdWXButton(9).move(150, 300); })
                              << Check([=](auto& w) { return find(w, "cmdWXButton_9")->pos() == QPoint(10, 20); });
    QTest::newRow("scroll range") << Change([](auto& f) { f.VScroll2.setMax(5); })
                                  << Check([=](auto& w) {
                                         return static_cast<QScrollBar*>(find(w, "VScroll2"))->maximum() == 5;
                                     });
    // The core allows min above max; the widget must still show the model's value.
    QTest::newRow("inverted scroll range")
        << Change([](auto& f) {
               f.VScroll2.setMin(8);
               f.VScroll2.setMax(2);
               f.VScroll2.setValue(6);
           })
        << Check([=](auto& w) {
               auto* bar = static_cast<QScrollBar*>(find(w, "VScroll2"));
               const auto& model = w.form().VScroll2;
               return bar->minimum() == -8 && bar->maximum() == -2 && bar->value() == -model.value() &&
                      model.value() >= 2 && model.value() <= 8;
           });
    QTest::newRow("preview picture")
        << Change([](auto& f) {
               f.preview.imgMenH[1].setPicture(35);
               f.preview.imgMenH[1].setVisible(true);
           })
        << Check([=](auto& w) {
               auto* place = static_cast<QLabel*>(find(w, "imgMenH_1"));
               return !place->isHidden() && !place->pixmap().isNull();
           });
    QTest::newRow("edit text") << Change([](auto& f) { f.cboMenu.setText("typed here"); })
                               << Check([](auto& w) {
                                      return w.template findChild<QLineEdit*>(QStringLiteral("cboMenu_edit"))->text() ==
                                             QStringLiteral("typed here");
                                  });
    QTest::newRow("menu caption and state")
        << Change([](auto& f) {
               f.mnuDLaden.setCaption("&Laden");
               f.mnuDLaden.setEnabled(false);
           })
        << Check([](auto& w) {
               auto* action = w.template findChild<QAction*>(QStringLiteral("mnuDLaden"));
               return action->text() == QStringLiteral("&Laden") && !action->isEnabled();
           });
    QTest::newRow("window caption") << Change([](auto& f) { f.form.setCaption("Anders"); })
                                    << Check([](auto& w) { return w.windowTitle() == QStringLiteral("Anders"); });
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

void MainWindowTest::listRowsFollowOneAtATime() {
    auto* list = widget<QListView>(QStringLiteral("cboMenu_list"));
    QSignalSpy resets(list->model(), &QAbstractItemModel::modelReset);
    QSignalSpy inserts(list->model(), &QAbstractItemModel::rowsInserted);
    QSignalSpy removes(list->model(), &QAbstractItemModel::rowsRemoved);
    controls::ListBox& document = window->form().cboMenu;

    struct Step {
        const char* what;
        std::function<void()> change;
        int inserted;
        int removed;
    };
    const std::vector<Step> steps = {
        {"insert first", [&] { document.insert(0, "erste"); }, 1, 0},
        {"append", [&] { document.append("letzte"); }, 1, 0},
        {"replace", [&] { document.replace(1, "geändert"); }, 0, 0},
        {"remove", [&] { document.remove(0); }, 0, 1},
        {"two in one event", [&] {
             document.insert(1, "a");
             document.insert(1, "b");
             document.remove(3);
         }, 2, 1},
    };
    for (const Step& step : steps) {
        const int insertsBefore = static_cast<int>(inserts.size());
        const int removesBefore = static_cast<int>(removes.size());
        step.change();
        window->syncChanges();
        QVERIFY2(rowCount(list) == document.count(), step.what);
        for (int i = 0; i < document.count(); ++i)
            QVERIFY2(rowText(list, i) == QString::fromStdString(document.entry(i)), step.what);
        QVERIFY2(inserts.size() - insertsBefore == step.inserted, step.what);
        QVERIFY2(removes.size() - removesBefore == step.removed, step.what);
        QVERIFY2(shownRow(list) == document.listIndex(), step.what);
    }
    QCOMPARE(resets.size(), 0);

    // Replacing the whole document (opening a file) fills the widget afresh.
    document.assignAll({"x", "y", "z"});
    window->syncChanges();
    QCOMPARE(resets.size(), 1);
    QCOMPARE(rowCount(list), 3);
    QCOMPARE(rowText(list, 2), QStringLiteral("z"));
    QCOMPARE(shownRow(list), -1);
}

void MainWindowTest::clickOnListRowSelectsTheLine() {
    controls::ListBox& document = window->form().cboMenu;
    document.setEnabled(true);
    while (document.count() < 3) document.append("zeile");
    window->syncChanges();
    auto* list = widget<QListView>(QStringLiteral("cboMenu_list"));
    const int target = document.listIndex() == 1 ? 2 : 1;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(target, 0)).center());
    QCOMPARE(document.listIndex(), target);
    QCOMPARE(shownRow(list), target);
    QCOMPARE(widget<QLineEdit>(QStringLiteral("cboMenu_edit"))->text(), QString::fromStdString(document.text()));
}

void MainWindowTest::pagingScrollBarShowsThePage() {
    auto* bar = widget<QScrollBar>(QStringLiteral("VScroll1"));
    QCOMPARE(bar->value(), 0);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);  // a click into the track
    QCOMPARE(window->form().field.VScroll1.value(), 2);
    for (int page = 0; page < 7; ++page)
        QCOMPARE(widget<QWidget>(QStringLiteral("Picture1_%1").arg(page))->isHidden(), page != 2);
    QCOMPARE(widget<QLabel>(QStringLiteral("Label3"))->text(), QStringLiteral("Seite 3 Einst./ Diverses/Laden"));
}

void MainWindowTest::lineScrollBarMovesTheCurrentLine_data() {
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("movedTo");  // -1: the move is refused
    using A = QAbstractSlider::SliderAction;
    QTest::newRow("arrow up") << 4 << int(A::SliderSingleStepSub) << 3;
    QTest::newRow("arrow down") << 4 << int(A::SliderSingleStepAdd) << 5;
    QTest::newRow("track below, ten lines free") << 1 << int(A::SliderPageStepAdd) << 11;
    QTest::newRow("track above, ten lines free") << 11 << int(A::SliderPageStepSub) << 1;
    // The bar stops at its end, so the core sees a jump of more than one step
    // and wants ten places, which are not there.
    QTest::newRow("track below, seven lines free") << 4 << int(A::SliderPageStepAdd) << -1;
    QTest::newRow("track above, four lines free") << 4 << int(A::SliderPageStepSub) << -1;
}

void MainWindowTest::lineScrollBarMovesTheCurrentLine() {
    QFETCH(int, current);
    QFETCH(int, action);
    QFETCH(int, movedTo);
    app::frmWendax& form = window->form();
    // Lines can be moved only outside auto-run's block building.
    widget<QAction>(QStringLiteral("mnuEPageAuto"))->trigger();
    QVERIFY(!form.mnuEPageAuto.checked());
    std::vector<std::string> lines;
    for (int i = 0; i < 12; ++i) lines.push_back("Zeile " + std::to_string(i));
    for (const std::string& line : lines) form.cboMenu.append(line);
    window->syncChanges();

    auto* list = widget<QListView>(QStringLiteral("cboMenu_list"));
    const QModelIndex row = list->model()->index(current, 0);
    list->scrollTo(row);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(row).center());
    QCOMPARE(form.cboMenu.listIndex(), current);
    auto* bar = widget<QScrollBar>(QStringLiteral("VScroll2"));
    QVERIFY(bar->isEnabled());
    QCOMPARE(bar->maximum(), 11);
    QCOMPARE(bar->value(), current);
    QVERIFY(!form.MenuChanged);

    bar->triggerAction(QAbstractSlider::SliderAction(action));

    const int shown = movedTo < 0 ? current : movedTo;
    if (movedTo >= 0) {
        const std::string moving = lines[static_cast<std::size_t>(current)];
        lines.erase(lines.begin() + current);
        lines.insert(lines.begin() + movedTo, moving);
    }
    QCOMPARE(form.cboMenu.entries(), lines);
    QCOMPARE(form.MenuChanged, movedTo >= 0);
    QCOMPARE(form.cboMenu.listIndex(), shown);
    QCOMPARE(bar->value(), shown);  // a refused move puts the thumb back
    QCOMPARE(shownRow(list), shown);
    for (int i = 0; i < 12; ++i)
        QCOMPARE(rowText(list, i), QString::fromStdString(lines[static_cast<std::size_t>(i)]));
}

void MainWindowTest::previewScrollBarTurnsThePreviewPage() {
    // Two pages of the main block auto-run has begun: navigate_to and the
    // next-page item on page 1, show_map on page 2, which is shown.
    app::frmWendax& form = window->form();
    QVERIFY(form.mnuEPageAuto.checked());
    form.imgWXMenu_Click(35);
    form.imgWXMenu_Click(app::frmWendax::kNextPageButton);
    form.imgWXMenu_Click(64);
    window->syncChanges();
    auto* bar = widget<QScrollBar>(QStringLiteral("HScroll1"));
    QCOMPARE(bar->maximum(), 2);
    QCOMPARE(bar->value(), 2);

    struct Shown {
        int page;
        const char* title;
        const char* place0;
        const char* place1;
    };
    auto check = [this](const Shown& expected) {
        QCOMPARE(int(window->form().preview.PreviewPage), expected.page);
        QCOMPARE(widget<QScrollBar>(QStringLiteral("HScroll1"))->value(), expected.page);
        // Both frames hold the page, whichever of them is visible.
        for (const QChar frame : {QLatin1Char('H'), QLatin1Char('Q')}) {
            QCOMPARE(widget<QLabel>(QStringLiteral("lblMenu%1").arg(frame))->text(), QString::fromUtf8(expected.title));
            QCOMPARE(widget<QLabel>(QStringLiteral("lblMen%1_0").arg(frame))->text(), QString::fromUtf8(expected.place0));
            QCOMPARE(widget<QLabel>(QStringLiteral("lblMen%1_1").arg(frame))->text(), QString::fromUtf8(expected.place1));
        }
    };
    check({2, "Hauptmenü 2/§", "Karte anzeigen", ""});
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    check({1, "Hauptmenü 1/§", "Navigieren zu", "Nächste Seite"});
    QVERIFY(!widget<QLabel>(QStringLiteral("imgMenH_1"))->isHidden());
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    check({2, "Hauptmenü 2/§", "Karte anzeigen", ""});
    QVERIFY(widget<QLabel>(QStringLiteral("imgMenH_1"))->isHidden());
}

void MainWindowTest::picturesAreDrawnWhenFirstShown() {
    // Only the pages seen so far hold their pictures; the others cost nothing yet.
    auto drawnOnPage = [this](int page) {
        int drawn = 0;
        const std::vector<int> buttons = gui::buttonsInReadingOrder(page);
        for (const int button : buttons)
            if (!widget<QLabel>(QStringLiteral("imgWXMenu_%1").arg(button))->pixmap().isNull()) ++drawn;
        return std::pair(drawn, int(buttons.size()));
    };
    QCOMPARE(drawnOnPage(0), std::pair(19, 19));
    for (int page = 1; page < 7; ++page) QCOMPARE(drawnOnPage(page).first, 0);

    widget<QScrollBar>(QStringLiteral("VScroll1"))->setValue(3);
    QCOMPARE(drawnOnPage(3), std::pair(18, 18));
    QCOMPARE(drawnOnPage(0).first, 19);  // kept for going back
    QCOMPARE(drawnOnPage(2).first, 0);

    // A place of the preview draws its command when it shows it, and a new
    // command replaces the picture.
    app::frmWendax& form = window->form();
    const bool portrait = form.mnuBHochformat.checked();
    controls::Image& image = portrait ? form.preview.imgMenH[4] : form.preview.imgMenQ[4];
    auto* place = widget<QLabel>(portrait ? QStringLiteral("imgMenH_4") : QStringLiteral("imgMenQ_4"));
    image.setVisible(false);
    image.setPicture(40);
    window->syncChanges();
    QVERIFY(place->pixmap().isNull());
    image.setVisible(true);
    window->syncChanges();
    QVERIFY(place->isVisible());
    const QImage first = place->pixmap().toImage();
    QVERIFY(!first.isNull());
    image.setPicture(41);
    window->syncChanges();
    QVERIFY(place->pixmap().toImage() != first);
    image.setPicture(0);
    window->syncChanges();
    QVERIFY(place->pixmap().isNull());
}

void MainWindowTest::closingUnloadsOnceAndWritesSettings() {
    const QString settings = folder->filePath(QString::fromUtf8(files::kSettingsFileName));
    QVERIFY(!QFile::exists(settings));
    window->close();
    QVERIFY(window->form().closed());
    QVERIFY(QFile::exists(settings));
    QFile::remove(settings);
    window->close();  // a second close must not unload again
    QVERIFY(!QFile::exists(settings));
}

void MainWindowTest::closingSavesTheMenuBeforeWritingTheSettings() {
    // The save puts the menu folder into the settings list; only a settings
    // file written after it can carry that folder to the next run.
    app::frmWendax& form = window->form();
    const std::string before = form.cboWXIni.entry(3);
    const QString programFolder = QDir::cleanPath(folder->path());
    QVERIFY(before != "T.mnu-path=" + programFolder.toStdString());
    QTest::mouseClick(widget<QWidget>(QStringLiteral("imgWXMenu_35")), Qt::LeftButton);
    QVERIFY(form.MenuChanged);
    const QString menuFile = folder->filePath(QStringLiteral("menu.mnu"));
    host->queuedFiles.push_back(menuFile.toStdString());

    window->close();

    QCOMPARE(host->fileDialogs.size(), std::size_t{1});
    QFile saved(menuFile);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(saved.readAll().contains("MENUITEM|TASK_NAVIGATE_TO|\r\n"));
    QFile settings(folder->filePath(QString::fromUtf8(files::kSettingsFileName)));
    QVERIFY(settings.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = settings.readAll().split('\n');
    QVERIFY(lines.size() > 3);
    QCOMPARE(QString::fromLatin1(lines[3]).trimmed(), QStringLiteral("T.mnu-path=") + programFolder);
}

void MainWindowTest::endMenuItemClosesTheWindow() {
    QVERIFY(window->isVisible());
    widget<QAction>(QStringLiteral("mnuDEnde"))->trigger();
    QVERIFY(window->form().closed());
    QVERIFY(!window->isVisible());
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
