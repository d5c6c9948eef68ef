// How captions are read out: access-key marks and line breaks.
#include <QTest>

#include "gui/ControlWidgets.h"

class ControlWidgetsTest : public QObject {
    Q_OBJECT

private slots:
    void spokenCaptionDropsMarksAndBreaks_data();
    void spokenCaptionDropsMarksAndBreaks();
};

void ControlWidgetsTest::spokenCaptionDropsMarksAndBreaks_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("access key first") << "&Hauptmenü"
                                      << "Hauptmenü";
    QTest::newRow("access key inside") << "Menü &Zeigen"
                                       << "Menü Zeigen";
    QTest::newRow("doubled mark is a letter") << "Kopf && Fuß"
                                              << "Kopf & Fuß";
    QTest::newRow("marked mark then key") << "&&&A"
                                          << "&A";
    QTest::newRow("trailing mark") << "Ende&"
                                   << "Ende";
    QTest::newRow("line break") << "Seite 1\nFahren"
                                << "Seite 1 Fahren";
    QTest::newRow("CR LF and blanks") << " Route\r\n planen "
                                      << "Route planen";
    QTest::newRow("empty") << ""
                           << "";
}

void ControlWidgetsTest::spokenCaptionDropsMarksAndBreaks() {
    QFETCH(QString, caption);
    QFETCH(QString, spoken);
    QCOMPARE(vostrel::gui::spokenCaption(caption), spoken);
}

QTEST_APPLESS_MAIN(ControlWidgetsTest)
#include "ControlWidgetsTest.moc"
