// Command captions in their 80 x 30 strip: two lines, broken at blanks,
// shrunk only as far as needed, and every caption of the three languages
// readable without being cut.
#include <QFontMetricsF>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "TestHost.h"
#include "catalogue/CommandRowData.h"
#include "gui/CaptionLabel.h"
#include "gui/MainWindow.h"

using namespace vostrel;

namespace {

QString normalisedWords(const QString& text) { return text.simplified(); }

}  // namespace

class CaptionLabelTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void captionsBreakAtBlanksOnly_data();
    void captionsBreakAtBlanksOnly();
    void everyCommandCaptionFitsItsStrip_data();
    void everyCommandCaptionFitsItsStrip();
    void overlongCaptionIsCutWithEllipsis();

private:
    // The strip and font the window gives a command caption.
    QSize strip;
    QFont font;
};

void CaptionLabelTest::initTestCase() {
    QTemporaryDir folder;
    testsupport::TestHost host;
    gui::MainWindow window(folder.path(), &host);
    auto* label = window.findChild<gui::CaptionLabel*>(QStringLiteral("lblWXMenu_39"));
    QVERIFY(label);
    strip = label->size();
    font = label->font();
    QCOMPARE(strip, QSize(80, 30));
    // The label paints its own layout but keeps the core's caption as its text.
    QCOMPARE(label->text(), QStringLiteral("Über Zwischenziel planen"));
    QCOMPARE(label->fitted().lines.size(), 2);
}

void CaptionLabelTest::captionsBreakAtBlanksOnly_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("mustBeLines");  // lines that must appear as they are
    QTest::newRow("after hyphen and blank")
        << QStringLiteral("Hintergrund- beleuchtung")
        << QStringList{QStringLiteral("Hintergrund-"), QStringLiteral("beleuchtung")};
    QTest::newRow("hyphen inside a word") << QStringLiteral("GPS-Status anzeigen") << QStringList{};
    QTest::newRow("slash inside a word") << QStringLiteral("Activer/désactiver Bluetooth") << QStringList{};
    QTest::newRow("three German lines before") << QStringLiteral("Über Zwischenziel planen") << QStringList{};
    QTest::newRow("short") << QStringLiteral("Multimedia") << QStringList{QStringLiteral("Multimedia")};
}

void CaptionLabelTest::captionsBreakAtBlanksOnly() {
    QFETCH(QString, caption);
    QFETCH(QStringList, mustBeLines);
    const gui::FittedCaption fitted = gui::fitCaption(caption, font, strip);
    QVERIFY(!fitted.elided);
    QVERIFY(fitted.lines.size() <= 2);
    // Whole words only: joined again at blanks the lines give the caption back.
    QCOMPARE(fitted.lines.join(QLatin1Char(' ')), normalisedWords(caption));
    for (const QString& line : mustBeLines) QVERIFY2(fitted.lines.contains(line), qPrintable(line));
    // Nothing shrinks that fits in the label's own font.
    const QFontMetricsF own(font);
    if (own.horizontalAdvance(caption) <= strip.width()) {
        QCOMPARE(fitted.font.pointSizeF(), font.pointSizeF());
        QCOMPARE(fitted.lines.size(), 1);
    }
}

void CaptionLabelTest::everyCommandCaptionFitsItsStrip_data() {
    QTest::addColumn<QString>("caption");
    for (const catalogue::CommandRowData& row : catalogue::kCommandRows)
        for (const std::string_view text : {row.german, row.english, row.french}) {
            const QString caption = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
            QTest::newRow(qPrintable(caption)) << caption;
        }
}

void CaptionLabelTest::everyCommandCaptionFitsItsStrip() {
    QFETCH(QString, caption);
    const gui::FittedCaption fitted = gui::fitCaption(caption, font, strip);
    QVERIFY(fitted.lines.size() <= 2);
    QVERIFY(fitted.font.pointSizeF() >= font.pointSizeF() * gui::kSmallestCaptionShare);
    QVERIFY(fitted.font.pointSizeF() <= font.pointSizeF());
    const QFontMetricsF metrics(fitted.font);
    QVERIFY(metrics.lineSpacing() * static_cast<qreal>(fitted.lines.size()) <= strip.height());
    for (const QString& line : fitted.lines)
        QVERIFY2(metrics.horizontalAdvance(line) <= strip.width(), qPrintable(line));
    // Legible beats whole: the few captions too long for two lines at the
    // smallest size end in an ellipsis; every other one is set whole.
    if (fitted.elided)
        QVERIFY(fitted.lines.last().endsWith(QChar(0x2026)));
    else
        QCOMPARE(fitted.lines.join(QLatin1Char(' ')), normalisedWords(caption));
}

void CaptionLabelTest::overlongCaptionIsCutWithEllipsis() {
    const QString caption =
        QStringLiteral("Donaudampfschifffahrtsgesellschaftskapitänsmütze und noch viel mehr Text");
    const gui::FittedCaption fitted = gui::fitCaption(caption, font, strip);
    QVERIFY(fitted.elided);
    QCOMPARE(fitted.lines.size(), 2);
    QCOMPARE(fitted.font.pointSizeF(), font.pointSizeF() * gui::kSmallestCaptionShare);
    QVERIFY(fitted.lines.last().endsWith(QChar(0x2026)));
    const QFontMetricsF metrics(fitted.font);
    for (const QString& line : fitted.lines) QVERIFY(metrics.horizontalAdvance(line) <= strip.width());
}

QTEST_MAIN(CaptionLabelTest)
#include "CaptionLabelTest.moc"
