// The conversions between the core's dialog requests and Qt's dialogs.
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "gui/QtHost.h"

using namespace vostrel;

class QtHostTest : public QObject {
    Q_OBJECT

private slots:
    void filtersBecomeQtNameFilters_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("descriptions with patterns")
            << QStringLiteral("Dateien (*.mnu)|*.mnu|Alle Dateien (*.*)|*.*")
            << QStringList{QStringLiteral("Dateien (*.mnu)"), QStringLiteral("Alle Dateien (*.*)")};
        QTest::newRow("description without pattern")
            << QStringLiteral("Menüs|*.mnu") << QStringList{QStringLiteral("Menüs (*.mnu)")};
        QTest::newRow("several patterns")
            << QStringLiteral("Texte|*.txt;*.mnu") << QStringList{QStringLiteral("Texte (*.txt *.mnu)")};
        QTest::newRow("dangling description")
            << QStringLiteral("Dateien (*.mnu)|*.mnu|Rest") << QStringList{QStringLiteral("Dateien (*.mnu)")};
        QTest::newRow("empty") << QString() << QStringList{};
    }
    void filtersBecomeQtNameFilters() {
        QFETCH(QString, filter);
        QFETCH(QStringList, expected);
        QCOMPARE(gui::nameFiltersOf(filter.toStdString()), expected);
    }

    void textsKeepTheirLineBreaks_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("CR LF") << QStringLiteral("Zeile 1\r\nZeile 2") << QStringLiteral("Zeile 1\nZeile 2");
        QTest::newRow("two breaks") << QStringLiteral("a\r\n\r\nb") << QStringLiteral("a\n\nb");
        QTest::newRow("lone CR") << QStringLiteral("a\rb") << QStringLiteral("a\nb");
        QTest::newRow("umlauts survive")
            << QStringLiteral("Menü Löschen ß") << QStringLiteral("Menü Löschen ß");
    }
    void textsKeepTheirLineBreaks() {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(gui::displayText(text.toStdString()), shown);
    }

    void emptyTitleIsTheProgramName() {
        QCOMPARE(gui::dialogTitle(""), QStringLiteral("RU6 Vostrel"));
        QCOMPARE(gui::dialogTitle("Öffnen Menü"), QStringLiteral("Öffnen Menü"));
    }

    // The reason of a failed save or open shows beneath the message, as the box's informative text.
    void detailIsTheInformativeText() {
        QString text;
        QString informative;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            text = box->text();
            informative = box->informativeText();
            box->accept();
        });
        gui::QtHost host;
        host.messageBox({app::MessageIcon::Warning, app::MessageButtons::Ok, "T",
                         "Fehler beim Schreiben der Datei.", "Permission denied"});
        QCOMPARE(text, QStringLiteral("Fehler beim Schreiben der Datei."));
        QCOMPARE(informative, QStringLiteral("Permission denied"));
    }
};

QTEST_MAIN(QtHostTest)
#include "QtHostTest.moc"
