// The window as a desktop user handles it: resized or maximised it zooms its
// layout; a refused click says why in the status line; Escape closes the
// secondary windows; Tab leaves the command field in one press.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QPointer>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "EditorUnderTest.h"
#include "gui/ButtonGrid.h"
#include "gui/CommandButton.h"
#include "gui/FocusRing.h"
#include "gui/MainWindow.h"

using namespace vostrel;

Q_DECLARE_METATYPE(QWidget* (vostrel::gui::MainWindow::*)() const)

class WindowHandlingTest : public QObject, private guitest::EditorUnderTest {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void resizingZoomsTheLayout_data();
    void resizingZoomsTheLayout();
    void tabWalksOnceRoundTheWindow();
    void refusedClickSaysWhyInTheStatusLine_data();
    void refusedClickSaysWhyInTheStatusLine();
    void secondaryWindowsCloseByKeyOrButton_data();
    void secondaryWindowsCloseByKeyOrButton();

private:
    // A widget's rectangle in the coordinates of the window's client area.
    QRect inClient(const QString& name) const {
        QWidget* w = widget(name);
        QWidget* client = widget(QStringLiteral("client"));
        return QRect(w->mapTo(client, QPoint(0, 0)), w->size());
    }
};

void WindowHandlingTest::init() { QVERIFY(openEditor(true)); }

void WindowHandlingTest::cleanup() { closeEditor(); }

void WindowHandlingTest::resizingZoomsTheLayout_data() {
    QTest::addColumn<QSize>("grow");  // added to the client's start size
    QTest::addColumn<qreal>("factor");
    QTest::newRow("start size") << QSize(0, 0) << 1.0;
    QTest::newRow("twice as large") << QSize(697, 494) << 2.0;
    QTest::newRow("wider only: the height decides") << QSize(600, 247) << 1.5;
    QTest::newRow("smaller than the start: stays at 1") << QSize(-100, -50) << 1.0;
}

void WindowHandlingTest::resizingZoomsTheLayout() {
    QFETCH(QSize, grow);
    QFETCH(qreal, factor);
    QWidget* client = widget(QStringLiteral("client"));
    const QSize start = client->size();
    // The start size is the layout's own, with its controls at their places.
    QCOMPARE(window->zoomFactor(), 1.0);
    const QRect frame5 = inClient(QStringLiteral("Frame5"));
    const QRect picture = inClient(QStringLiteral("imgWXMenu_35"));
    const qreal captionPoints = widget(QStringLiteral("lblWXMenu_35"))->font().pointSizeF();

    window->resize(window->size() + grow);
    QTRY_COMPARE(window->zoomFactor(), factor);
    // The layout is zoomed and centred: the space it leaves is shared equally.
    const QSize used = (QSizeF(start) * factor).toSize();
    const QPoint origin((client->width() - used.width()) / 2, (client->height() - used.height()) / 2);
    QVERIFY(origin.x() >= 0 && origin.y() >= 0);
    auto near = [](QRect actual, QRect expected) {
        // Edges are rounded one by one: a pixel either way.
        return std::abs(actual.left() - expected.left()) <= 1 &&
               std::abs(actual.top() - expected.top()) <= 1 &&
               std::abs(actual.right() - expected.right()) <= 1 &&
               std::abs(actual.bottom() - expected.bottom()) <= 1;
    };
    auto zoomed = [&](QRect r) {
        return QRect(origin + (QPointF(r.topLeft()) * factor).toPoint(),
                     (QSizeF(r.size()) * factor).toSize());
    };
    QVERIFY(near(inClient(QStringLiteral("Frame5")), zoomed(frame5)));
    QVERIFY(near(inClient(QStringLiteral("imgWXMenu_35")), zoomed(picture)));
    // Text grows with the controls.
    QCOMPARE(widget(QStringLiteral("lblWXMenu_35"))->font().pointSizeF(), captionPoints * factor);
    // A page first shown at this size is built at it: its pictures as large
    // as 35, its captions' text too.
    const int twin = gui::buttonsInReadingOrder(1).front();
    widget<QScrollBar>(QStringLiteral("VScroll1"))->setValue(1);
    QCOMPARE(inClient(QStringLiteral("imgWXMenu_%1").arg(twin)).size(),
             inClient(QStringLiteral("imgWXMenu_35")).size());
    QCOMPARE(widget(QStringLiteral("lblWXMenu_%1").arg(twin))->font().pointSizeF(), captionPoints * factor);
    // Nothing ends below the client: the list and its scroll bars stop short of the edge.
    for (const char* name : {"cboMenu", "Frame4", "Frame5", "Frame2"})
        QVERIFY2(inClient(QString::fromUtf8(name)).bottom() < client->height() - 1, name);
}

void WindowHandlingTest::tabWalksOnceRoundTheWindow() {
    // Two commands, so that the preview has two places to walk between.
    for (const char* name : {"imgWXMenu_35", "imgWXMenu_29"})
        QTest::mouseClick(widget(QString::fromUtf8(name)), Qt::LeftButton);
    QCOMPARE(window->form().PageButtonCount, 2);
    const QString place = widget(QStringLiteral("imgMenH_0"))->isVisible() ? QStringLiteral("imgMenH_")
                                                                           : QStringLiteral("imgMenQ_");
    QWidget* start = widget(QStringLiteral("imgWXMenu_35"));
    start->setFocus(Qt::TabFocusReason);
    QStringList walk;
    for (int press = 0; press < 40 && walk.size() < 40; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focused = QApplication::focusWidget();
        if (focused == start) break;
        walk << focused->objectName();
        // Every stop shows where the focus is: the pictures by their own frame, the rest by the
        // ring.
        if (!qobject_cast<gui::CommandButton*>(focused)) {
            auto* ring = window->findChild<gui::FocusRing*>();
            QCOMPARE(ring->target(), focused);
            QVERIFY(ring->isVisible() && ring->geometry().contains(
                                             QRect(focused->mapTo(window.get(), QPoint()), focused->size())));
        }
    }
    // Once round: no second command button, one place of the preview, and
    // the show-menu button on the way (the list is locked while auto-run builds).
    QVERIFY2(walk.size() < 8, qPrintable(walk.join(QLatin1Char(' '))));
    QCOMPARE(walk.filter(QStringLiteral("imgWXMenu_")).size(), 0);
    QCOMPARE(walk.filter(place).size(), 1);
    QVERIFY(walk.contains(QStringLiteral("cmdWXButton_9")));

    // Inside the preview the arrows walk; Tab leaves, Shift+Tab comes back to where they were.
    widget(place + QLatin1Char('0'))->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QCOMPARE(QApplication::focusWidget()->objectName(), place + QLatin1Char('1'));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(!QApplication::focusWidget()->objectName().startsWith(place));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget()->objectName(), place + QLatin1Char('1'));
}

void WindowHandlingTest::refusedClickSaysWhyInTheStatusLine_data() {
    QTest::addColumn<QString>("language");  // the flag clicked first; empty for German
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<QString>("says");
    QTest::newRow("locked button")
        << QString() << "imgWXMenu_35"
        << "Button gesperrt: der Befehl steht schon im Menü (Extras > Button Sperren "
           "schaltet die Sperre aus).";
    QTest::newRow("locked button, English")
        << "cmdWXButton_5"
        << "imgWXMenu_35"
        << "Button locked: the command is already in the menu (Extras > Lock "
           "Button turns the lock off).";
    QTest::newRow("caption, French") << "cmdWXButton_7"
                                     << "lblWXMenu_29"
                                     << "Cliquez sur l'image au-dessus du libellé pour ajouter la commande.";
}

void WindowHandlingTest::refusedClickSaysWhyInTheStatusLine() {
    QFETCH(QString, language);
    QFETCH(QString, clicked);
    QFETCH(QString, says);
    // The language switch asks whether the begun block may go (Yes); auto-run begins it again.
    if (!language.isEmpty()) QTest::mouseClick(widget(language), Qt::LeftButton);
    QTest::mouseClick(widget(QStringLiteral("imgWXMenu_35")), Qt::LeftButton);
    const int lines = window->form().cboMenu.count();
    const std::size_t questions = host->messages.size();
    QVERIFY(window->statusBar()->currentMessage().isEmpty());

    QTest::mouseClick(widget(clicked), Qt::LeftButton);
    QCOMPARE(window->statusBar()->currentMessage(), says);
    // A passing note only: no box, no line.
    QCOMPARE(host->messages.size(), questions);
    QCOMPARE(window->form().cboMenu.count(), lines);
}

void WindowHandlingTest::secondaryWindowsCloseByKeyOrButton_data() {
    using Opened = QWidget* (gui::MainWindow::*)() const;
    QTest::addColumn<QString>("item");
    QTest::addColumn<Opened>("opened");
    QTest::addColumn<QString>("button");  // clicked instead of pressing Escape
    QTest::newRow("manual, Escape") << "mnuAnleitung" << Opened(&gui::MainWindow::textWindow) << QString();
    QTest::newRow("information, Escape") << "mnuInfo" << Opened(&gui::MainWindow::infoWindow) << QString();
    QTest::newRow("findings, Escape") << "mnuECheck" << Opened(&gui::MainWindow::checkWindow) << QString();
    QTest::newRow("information, close button")
        << "mnuInfo" << Opened(&gui::MainWindow::infoWindow) << "cmdClose";
}

void WindowHandlingTest::secondaryWindowsCloseByKeyOrButton() {
    using Opened = QWidget* (gui::MainWindow::*)() const;
    QFETCH(QString, item);
    QFETCH(Opened, opened);
    QFETCH(QString, button);
    window->findChild<QAction*>(item)->trigger();
    QPointer<QWidget> secondary = (window.get()->*opened)();
    QVERIFY(secondary);
    secondary->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(secondary));
    // One typeface in every window: no title or text box in a face of its own.
    for (const QWidget* child : secondary->findChildren<QWidget*>())
        QVERIFY2(child->font().family() == window->font().family(), qPrintable(child->objectName()));
    if (button.isEmpty()) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : secondary.data(),
                        Qt::Key_Escape);
    } else {
        auto* box = secondary->findChild<QDialogButtonBox*>(button);
        QVERIFY(box);
        QTest::mouseClick(box->buttons().constFirst(), Qt::LeftButton);
    }
    // The core has let the window go, and the window went with it.
    QVERIFY(!(window.get()->*opened)());
    QVERIFY(!window->form().frmWXText && !window->form().frmWXInfo && !window->form().frmWXCheck);
}

QTEST_MAIN(WindowHandlingTest)
#include "WindowHandlingTest.moc"
