// Run with QT_QPA_PLATFORM=offscreen.
#include "gui/Artwork.h"

#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QSet>
#include <QtTest>

#include "catalogue/CommandRowData.h"

using namespace vostrel::gui;

namespace {

// Pixels inside the tile's frame that stand out from its paper: the glyph (and badge) only.
int inkedPixels(const QImage& image) {
    const int w = image.width();
    const int h = image.height();
    const QRgb paper = image.pixel(w / 2, 3 * h / 50);  // just inside the top edge, above the glyph
    int count = 0;
    for (int y = 4 * h / 50; y < h - 4 * h / 50; ++y) {
        for (int x = 4 * w / 80; x < w - 4 * w / 80; ++x) {
            const QRgb pixel = image.pixel(x, y);
            const int difference = qAbs(qRed(pixel) - qRed(paper)) + qAbs(qGreen(pixel) - qGreen(paper)) +
                                   qAbs(qBlue(pixel) - qBlue(paper));
            if (difference > 120) ++count;
        }
    }
    return count;
}

int distinctColours(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
    return int(colours.size());
}

}  // namespace

class ArtworkTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void iconFontIsBundledAsResource() {
        QVERIFY(QFile::exists(QStringLiteral(":/fonts/MaterialIcons-Regular.ttf")));
        QCOMPARE(iconFontFamily(), QStringLiteral("Material Icons"));
    }

    void everyGlyphExistsInTheFont() {
        for (int index = 1; index <= kCommandPictureCount; ++index) {
            const char16_t code = commandIconCodepoint(index);
            QVERIFY2(code >= 0xe000, qPrintable(QString::number(index)));
            QVERIFY2(iconFontHasGlyph(code),
                     qPrintable(QStringLiteral("button %1: %2").arg(index).arg(commandIconName(index))));
        }
    }

    void everyCommandPictureIsATileWithItsGlyph() {
        for (int index = 1; index <= kCommandPictureCount; ++index) {
            const QString what = QStringLiteral("button %1 (%2)").arg(index).arg(commandIconName(index));
            const QPixmap picture = commandPicture(index);
            QVERIFY2(!picture.isNull(), qPrintable(what));
            QCOMPARE(picture.size(), QSize(80, 50));
            const QImage image = picture.toImage();
            QVERIFY2(distinctColours(image) > 8, qPrintable(what));
            // An empty tile inks no pixel inside its frame; the thinnest glyph we use
            // (last_page) still inks over a hundred.
            QVERIFY2(inkedPixels(image) > 60,
                     qPrintable(what + QStringLiteral(": %1 inked pixels").arg(inkedPixels(image))));
        }
    }

    void everyCommandHasAPictureOfItsOwn() {
        QList<QImage> images;
        for (int index = 1; index <= kCommandPictureCount; ++index)
            images.append(commandPicture(index).toImage());
        for (int a = 0; a < images.size(); ++a)
            for (int b = a + 1; b < images.size(); ++b)
                QVERIFY2(images[a] != images[b],
                         qPrintable(QStringLiteral("buttons %1 and %2 look alike").arg(a + 1).arg(b + 1)));
    }

    void picturesAreCached() { QCOMPARE(commandPicture(35).cacheKey(), commandPicture(35).cacheKey()); }

    void indexOutOfRangeGivesNothing_data() {
        QTest::addColumn<int>("index");
        QTest::newRow("0") << 0;
        QTest::newRow("115") << 115;
        QTest::newRow("-1") << -1;
    }
    void indexOutOfRangeGivesNothing() {
        QFETCH(int, index);
        QVERIFY(commandPicture(index).isNull());
        QCOMPARE(buttonPage(index), -1);
        QVERIFY(commandIconName(index).isEmpty());
    }

    void pagesFollowThePageTables_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("page");
        QTest::newRow("navigate_to") << 35 << 0;
        QTest::newRow("page") << 36 << 2;
        QTest::newRow("page1") << 37 << 2;
        QTest::newRow("Block_cursor") << 101 << 6;
        QTest::newRow("pair_with_phone") << 89 << 5;
        QTest::newRow("set_keyboard_size") << 52 << 1;
        QTest::newRow("sdk1") << 85 << 3;
        QTest::newRow("help_general") << 16 << 4;
        QTest::newRow("travel_via") << 114 << 6;
        QTest::newRow("about") << 1 << 2;
    }
    void pagesFollowThePageTables() {
        QFETCH(int, index);
        QFETCH(int, page);
        QCOMPARE(buttonPage(index), page);
    }

    void pagesHoldTheirNumberOfButtons() {
        QList<int> counts(7, 0);
        for (int index = 1; index <= kCommandPictureCount; ++index) ++counts[buttonPage(index)];
        QCOMPARE(counts, (QList<int>{19, 20, 18, 18, 15, 10, 14}));
    }

    void namesFitTheCommands_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::newRow("navigate_to") << 35 << QStringLiteral("navigation");
        QTest::newRow("set_voice") << 61 << QStringLiteral("record_voice_over");
        QTest::newRow("traffic_update") << 81 << QStringLiteral("traffic");
        QTest::newRow("phone") << 38 << QStringLiteral("phone");
        QTest::newRow("page") << 36 << QStringLiteral("arrow_forward");
        QTest::newRow("page1") << 37 << QStringLiteral("last_page");
        QTest::newRow("sdk6") << 100 << QStringLiteral("extension");
    }
    void namesFitTheCommands() {
        QFETCH(int, index);
        QFETCH(QString, name);
        QCOMPARE(commandIconName(index), name);
    }

    void artFollowsTheCommandTable() {
        for (int index = 1; index <= kCommandPictureCount; ++index)
            QCOMPARE(QString::fromUtf8(commandArtName(index)),
                     QString::fromUtf8(vostrel::catalogue::kCommandRows[std::size_t(index - 1)].command));
    }

    void picturesAreCrispAtDoubleScale() {
        const QPixmap picture = commandPicture(35, 2.0);
        QCOMPARE(picture.size(), QSize(160, 100));
        QCOMPARE(picture.devicePixelRatio(), 2.0);
        QCOMPARE(picture.deviceIndependentSize(), QSizeF(80, 50));
        QVERIFY(inkedPixels(picture.toImage()) > 4 * 60);
        // Not the 1x picture blown up.
        QVERIFY(picture.toImage() !=
                commandPicture(35).toImage().scaled(160, 100).convertToFormat(picture.toImage().format()));
        const QPixmap next = nextPagePicture(2.0);
        QCOMPARE(next.size(), QSize(160, 60));
        QCOMPARE(next.devicePixelRatio(), 2.0);
    }

    void controlPictures() {
        for (const QPixmap& picture : {nextPagePicture(), menuEndPicture()}) {
            QVERIFY(!picture.isNull());
            QCOMPARE(picture.size(), QSize(80, 30));
            QVERIFY(distinctColours(picture.toImage()) > 8);
        }
        QVERIFY(nextPagePicture().toImage() != menuEndPicture().toImage());
    }

    void flags() {
        QList<QImage> images;
        for (FlagLanguage language : {FlagLanguage::German, FlagLanguage::English, FlagLanguage::French}) {
            const QIcon icon = flagIcon(language);
            QVERIFY(!icon.isNull());
            const QPixmap pixmap = icon.pixmap(QSize(32, 32));
            QVERIFY(!pixmap.isNull());
            QCOMPARE(pixmap.deviceIndependentSize(), QSizeF(32, 32));
            images.append(pixmap.toImage().convertToFormat(QImage::Format_ARGB32));
        }
        // German: black on top, gold below; French: blue on the left, red on the right.
        const QImage& german = images[0];
        QCOMPARE(qGray(german.pixel(16, 8)) < 40, true);
        QVERIFY(qRed(german.pixel(16, 23)) > 200 && qGreen(german.pixel(16, 23)) > 150);
        const QImage& french = images[2];
        QVERIFY(qBlue(french.pixel(5, 16)) > 120 && qRed(french.pixel(5, 16)) < 60);
        QVERIFY(qRed(french.pixel(27, 16)) > 200 && qBlue(french.pixel(27, 16)) < 100);
        // Union Jack: red cross in the middle, blue in the corners' fields.
        const QImage& english = images[1];
        QVERIFY(qRed(english.pixel(16, 16)) > 150 && qBlue(english.pixel(16, 16)) < 100);
        QVERIFY(qBlue(english.pixel(11, 7)) > 60 && qRed(english.pixel(11, 7)) < 60);
        QVERIFY(images[0] != images[1] && images[1] != images[2]);
    }

    void programIconHasAllSizes() {
        const QIcon icon = programIcon();
        QVERIFY(!icon.isNull());
        const QList<QSize> sizes = icon.availableSizes();
        for (int size : {16, 32, 48, 64, 256})
            QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
    }
};

QTEST_MAIN(ArtworkTest)
#include "ArtworkTest.moc"
