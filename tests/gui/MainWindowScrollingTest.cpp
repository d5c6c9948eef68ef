// The window's lists, scroll bars, pictures and closing: the document list follows the core one
// row at a time, the bars move pages and lines, pictures are drawn when first shown, and
// closing unloads once, saving the menu before the settings.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "files/SettingsFile.h"
#include "gui/MainWindow.h"
#include "EditorUnderTest.h"

using namespace vostrel;
using guitest::rowCount;
using guitest::rowText;
using guitest::shownRow;

class MainWindowScrollingTest : public QObject, private guitest::EditorUnderTest {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void listRowsFollowOneAtATime();
    void clickOnListRowSelectsTheLine();
    void pagingScrollBarShowsThePage();
    void lineScrollBarMovesTheCurrentLine_data();
    void lineScrollBarMovesTheCurrentLine();
    void previewScrollBarTurnsThePreviewPage();
    void pagesAreBuiltAndDrawnWhenFirstShown();
    void closingUnloadsOnceAndWritesSettings();
    void closingSavesTheMenuBeforeWritingTheSettings();
    void endMenuItemClosesTheWindow();
};

void MainWindowScrollingTest::init() { QVERIFY(openEditor()); }

void MainWindowScrollingTest::cleanup() { closeEditor(); }

void MainWindowScrollingTest::listRowsFollowOneAtATime() {
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
        {"two in one event",
         [&] {
             document.insert(1, "a");
             document.insert(1, "b");
             document.remove(3);
         },
         2, 1},
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

void MainWindowScrollingTest::clickOnListRowSelectsTheLine() {
    controls::ListBox& document = window->form().cboMenu;
    document.setEnabled(true);
    while (document.count() < 3) document.append("zeile");
    window->syncChanges();
    auto* list = widget<QListView>(QStringLiteral("cboMenu_list"));
    const int target = document.listIndex() == 1 ? 2 : 1;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(target, 0)).center());
    QCOMPARE(document.listIndex(), target);
    QCOMPARE(shownRow(list), target);
    QCOMPARE(widget<QLineEdit>(QStringLiteral("cboMenu_edit"))->text(),
             QString::fromStdString(document.text()));
}

void MainWindowScrollingTest::pagingScrollBarShowsThePage() {
    auto* bar = widget<QScrollBar>(QStringLiteral("VScroll1"));
    QCOMPARE(bar->value(), 0);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);  // a click into the track
    QCOMPARE(window->form().field.VScroll1.value(), 2);
    for (int page = 0; page < 7; ++page)
        QCOMPARE(widget<QWidget>(QStringLiteral("Picture1_%1").arg(page))->isHidden(), page != 2);
    QCOMPARE(widget<QLabel>(QStringLiteral("Label3"))->text(),
             QStringLiteral("Seite 3 Einst./ Diverses/Laden"));
}

void MainWindowScrollingTest::lineScrollBarMovesTheCurrentLine_data() {
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

void MainWindowScrollingTest::lineScrollBarMovesTheCurrentLine() {
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

void MainWindowScrollingTest::previewScrollBarTurnsThePreviewPage() {
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
            QCOMPARE(widget<QLabel>(QStringLiteral("lblMenu%1").arg(frame))->text(),
                     QString::fromUtf8(expected.title));
            QCOMPARE(widget<QLabel>(QStringLiteral("lblMen%1_0").arg(frame))->text(),
                     QString::fromUtf8(expected.place0));
            QCOMPARE(widget<QLabel>(QStringLiteral("lblMen%1_1").arg(frame))->text(),
                     QString::fromUtf8(expected.place1));
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

void MainWindowScrollingTest::pagesAreBuiltAndDrawnWhenFirstShown() {
    // Only the pages seen so far have their widgets and pictures; the others
    // cost nothing yet, though their models are there from the start.
    struct Page {
        int built = 0;
        int drawn = 0;
        int buttons = 0;
        bool operator==(const Page&) const = default;
    };
    auto onPage = [this](int page) {
        Page found;
        for (const int button : gui::buttonsInReadingOrder(page)) {
            ++found.buttons;
            const auto* picture = window->findChild<QLabel*>(QStringLiteral("imgWXMenu_%1").arg(button));
            const auto* caption = window->findChild<QLabel*>(QStringLiteral("lblWXMenu_%1").arg(button));
            if (picture && caption) ++found.built;
            if (picture && !picture->pixmap().isNull()) ++found.drawn;
        }
        return found;
    };
    QCOMPARE(onPage(0), (Page{19, 19, 19}));
    for (int page = 1; page < 7; ++page) QCOMPARE(onPage(page).built, 0);
    // A model change on a page not built yet is there when the page comes.
    window->form().field.lblWXMenu[gui::buttonsInReadingOrder(3).front()].setCaption("Erst später gezeigt");
    window->syncChanges();

    widget<QScrollBar>(QStringLiteral("VScroll1"))->setValue(3);
    QCOMPARE(onPage(3), (Page{18, 18, 18}));
    QCOMPARE(
        widget<QLabel>(QStringLiteral("lblWXMenu_%1").arg(gui::buttonsInReadingOrder(3).front()))->text(),
        QStringLiteral("Erst später gezeigt"));
    QCOMPARE(onPage(0).drawn, 19);  // kept for going back
    QCOMPARE(onPage(2).built, 0);

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

void MainWindowScrollingTest::closingUnloadsOnceAndWritesSettings() {
    const QString settings = folder->filePath(QString::fromUtf8(files::kSettingsFileName));
    QVERIFY(!QFile::exists(settings));
    window->close();
    QVERIFY(window->form().closed());
    QVERIFY(QFile::exists(settings));
    QFile::remove(settings);
    window->close();  // a second close must not unload again
    QVERIFY(!QFile::exists(settings));
}

void MainWindowScrollingTest::closingSavesTheMenuBeforeWritingTheSettings() {
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

void MainWindowScrollingTest::endMenuItemClosesTheWindow() {
    QVERIFY(window->isVisible());
    widget<QAction>(QStringLiteral("mnuDEnde"))->trigger();
    QVERIFY(window->form().closed());
    QVERIFY(!window->isVisible());
}

QTEST_MAIN(MainWindowScrollingTest)
#include "MainWindowScrollingTest.moc"
