// The window as a desktop user handles it: resized or maximised it zooms its
// layout; a refused click says why in the status line; Escape closes the
// secondary windows; Tab leaves the command field in one press.
#include <QApplication>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "gui/CommandButton.h"
#include "gui/FocusRing.h"
#include "gui/MainWindow.h"
#include "ScriptedHost.h"

using namespace vostrel;

class WindowHandlingTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void resizingZoomsTheLayout_data();
    void resizingZoomsTheLayout();
    void tabWalksOnceRoundTheWindow();

private:
    template <class T = QWidget>
    T* widget(const QString& name) const {
        T* found = window->findChild<T*>(name);
        if (!found) qFatal("no widget %s", qPrintable(name));
        return found;
    }
    // A widget's rectangle in the coordinates of the window's client area.
    QRect inClient(const QString& name) const {
        QWidget* w = widget(name);
        QWidget* client = widget(QStringLiteral("client"));
        return QRect(w->mapTo(client, QPoint(0, 0)), w->size());
    }

    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<guitest::ScriptedHost> host;
    std::unique_ptr<gui::MainWindow> window;
};

void WindowHandlingTest::init() {
    folder = std::make_unique<QTemporaryDir>();
    QVERIFY(folder->isValid());
    host = std::make_unique<guitest::ScriptedHost>();
    window = std::make_unique<gui::MainWindow>(folder->path(), host.get());
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
}

void WindowHandlingTest::cleanup() {
    window.reset();
    host.reset();
    folder.reset();
}

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
        return std::abs(actual.left() - expected.left()) <= 1 && std::abs(actual.top() - expected.top()) <= 1 &&
               std::abs(actual.right() - expected.right()) <= 1 && std::abs(actual.bottom() - expected.bottom()) <= 1;
    };
    auto zoomed = [&](QRect r) {
        return QRect(origin + (QPointF(r.topLeft()) * factor).toPoint(), (QSizeF(r.size()) * factor).toSize());
    };
    QVERIFY(near(inClient(QStringLiteral("Frame5")), zoomed(frame5)));
    QVERIFY(near(inClient(QStringLiteral("imgWXMenu_35")), zoomed(picture)));
    // Text grows with the controls.
    QCOMPARE(widget(QStringLiteral("lblWXMenu_35"))->font().pointSizeF(), captionPoints * factor);
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
        // Every stop shows where the focus is: the pictures by their own frame, the rest by the ring.
        if (!qobject_cast<gui::CommandButton*>(focused)) {
            auto* ring = window->findChild<gui::FocusRing*>();
            QCOMPARE(ring->target(), focused);
            QVERIFY(ring->isVisible() && ring->geometry().contains(QRect(focused->mapTo(window.get(), QPoint()), focused->size())));
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

QTEST_MAIN(WindowHandlingTest)
#include "WindowHandlingTest.moc"
