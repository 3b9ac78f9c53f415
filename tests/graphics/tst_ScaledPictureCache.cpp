#include "ScaledPictureCache.h"
#include "TestMain.h"

#include <QStringList>
#include <QTest>

namespace {

// One picture whose single pixel says which zoom it was made for.
ScaledPictureCache::Pictures pictureOf(int zoom) {
    QImage image(1, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, QRgb(0xFF000000 | quint32(zoom + 100)));
    return {image};
}

int zoomShown(const ScaledPictureCache::Entry& entry) {
    return int(entry->front().pixel(0, 0) & 0xFFFFFF) - 100;
}

} // namespace

class tst_ScaledPictureCache : public QObject {
    Q_OBJECT
private slots:
    // Requests "zoom:pixels" in turn against a budget; `made` lists the
    // zooms whose pictures had to be made ("-" for a request refused as
    // larger than the budget), `kept` the pixels kept at the end.
    void keepsZoomsWithinTheBudget_data() {
        QTest::addColumn<qint64>("budget");
        QTest::addColumn<QString>("requests");
        QTest::addColumn<QString>("made");
        QTest::addColumn<qint64>("kept");
        QTest::newRow("each zoom made once") << qint64(100) << "1:40 2:40 1:40 2:40"
                                             << "1 2" << qint64(80);
        QTest::newRow("the least recently used makes room")
            << qint64(100) << "1:40 2:40 1:40 3:40 1:40 2:40"
            << "1 2 3 2" << qint64(80);
        QTest::newRow("a zoom as large as the budget drops all others")
            << qint64(100) << "1:30 2:30 3:100 1:30"
            << "1 2 3 1" << qint64(30);
        QTest::newRow("larger than the budget: never made, nothing dropped")
            << qint64(100) << "1:60 2:101 1:60 2:101"
            << "1 - -" << qint64(60);
    }

    void keepsZoomsWithinTheBudget() {
        QFETCH(qint64, budget);
        QFETCH(QString, requests);
        QFETCH(QString, made);
        QFETCH(qint64, kept);
        ScaledPictureCache cache(budget);
        QStringList makes;
        for (const QString& request : requests.split(' ')) {
            const int zoom = request.section(':', 0, 0).toInt();
            const qint64 pixels = request.section(':', 1, 1).toLongLong();
            const ScaledPictureCache::Entry entry = cache.Get(
                ZoomLevel(zoom), [&] { return pixels; },
                [&] {
                    makes << QString::number(zoom);
                    return pictureOf(zoom);
                });
            if (pixels > budget) {
                QVERIFY(!entry);
                makes << QStringLiteral("-");
            } else {
                QCOMPARE(zoomShown(entry), zoom);
            }
        }
        QCOMPARE(makes.join(' '), made);
        QCOMPARE(cache.KeptPixels(), kept);
    }

    void droppedPicturesLastWhileHeld() {
        ScaledPictureCache cache(10);
        const auto get = [&](int zoom) {
            return cache.Get(
                ZoomLevel(zoom), [] { return qint64(10); }, [&] { return pictureOf(zoom); });
        };
        const ScaledPictureCache::Entry held = get(1);
        get(2); // drops zoom 1
        QCOMPARE(zoomShown(held), 1);
        QCOMPARE(zoomShown(get(1)), 1);
        QCOMPARE(cache.KeptPixels(), qint64(10));
    }

    void nothingMadeIsNotKept() {
        ScaledPictureCache cache(100);
        int makes = 0;
        for (int i = 0; i < 2; ++i)
            QVERIFY(!cache.Get(
                ZoomLevel(2), [] { return qint64(10); },
                [&] {
                    ++makes;
                    return ScaledPictureCache::Pictures();
                }));
        QCOMPARE(makes, 2);
        QCOMPARE(cache.KeptPixels(), qint64(0));
    }
};

GM_TEST_APPLESS_MAIN(tst_ScaledPictureCache)
#include "tst_ScaledPictureCache.moc"
