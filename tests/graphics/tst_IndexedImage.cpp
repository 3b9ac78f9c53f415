#include "IndexedImage.h"
#include "TestMain.h"

#include <QTest>
#include <set>

namespace {

// A w x h picture whose pixel (x, y) is colour (x + y * w) % colours of a
// spread of distinct colours.
QImage pattern(int w, int h, int colours) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int c = (x + y * w) % colours;
            image.setPixel(x, y, qRgb(c * 37 % 256, c / 7 * 11 % 256, c % 7 * 30));
        }
    return image;
}

} // namespace

class tst_IndexedImage : public QObject {
    Q_OBJECT

private slots:
    void keepsEveryPixel_data() {
        QTest::addColumn<QImage>("image");
        QTest::addColumn<bool>("indexed");
        QTest::newRow("one colour") << pattern(5, 3, 1) << true;
        QTest::newRow("16 colours in long runs") << pattern(40, 40, 16).scaled(160, 80) << true;
        QTest::newRow("256 colours") << pattern(64, 8, 256) << true;
        QTest::newRow("257 colours") << pattern(64, 8, 257) << false;
        QTest::newRow("257th colour in the last pixel") << [] {
            QImage image = pattern(17, 16, 256);
            image.setPixel(16, 15, qRgb(1, 2, 3));
            return image;
        }() << false;
        QTest::newRow("with alpha")
            << pattern(4, 4, 2).convertToFormat(QImage::Format_ARGB32) << false;
    }

    void keepsEveryPixel() {
        QFETCH(QImage, image);
        QFETCH(bool, indexed);
        const QImage result = IndexedImage::Exact(image);
        QCOMPARE(!result.isNull(), indexed);
        if (!indexed)
            return;
        QCOMPARE(result.format(), QImage::Format_Indexed8);
        QCOMPARE(result.convertToFormat(QImage::Format_RGB32), image);
        std::set<QRgb> colours;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                colours.insert(image.pixel(x, y));
        QCOMPARE(result.colorCount(), int(colours.size()));
    }
};

GM_TEST_GUILESS_MAIN(tst_IndexedImage)
#include "tst_IndexedImage.moc"
