#include "BenchFixtures.h"

#include "Benchmark.h"
#include "BitmapSource.h"
#include "Surface.h"

#include <QImage>
#include <QPainter>
#include <cstring>

namespace {

QImage episodeSizedSheet() {
    QImage sheet(13 * 16, 47 * 16, QImage::Format_RGB32);
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            sheet.setPixel(x, y, qRgb((x * 7) & 0xFF, (y * 3) & 0xFF, ((x ^ y) * 5) & 0xFF));
    return sheet;
}

// Sprite bitmaps of three frames (image, mask, unused) of varied sizes.
class GeneratedSprites : public BitmapSource {
public:
    IoResult Load(const QString& name, QImage& image) const override {
        const int n = name.mid(5, 3).toInt();
        const int w = 16 + (n % 5) * 8;
        const int h = 16 + (n % 3) * 12;
        QImage bitmap(3 * w, h, QImage::Format_RGB32);
        bitmap.fill(Qt::black);
        QPainter p(&bitmap);
        p.fillRect(w, 0, w, h, Qt::white);                   // see-through mask
        p.fillRect(w + 2, 2, w - 4, h - 4, Qt::black);       // opaque middle
        p.fillRect(2, 2, w - 4, h - 4, QColor(200, 60, 40)); // the sprite
        p.end();
        image = bitmap;
        return IoResult::success();
    }
};

} // namespace

double BenchFixtures::canvasCopySeconds() {
    QImage source(CanvasWidth, CanvasHeight, QImage::Format_RGB32);
    source.fill(qRgb(10, 20, 30));
    QImage target(CanvasWidth, CanvasHeight, QImage::Format_RGB32);
    target.fill(0);
    volatile uchar sink = 0;
    return secondsPerCall([&] {
        std::memcpy(target.bits(), source.constBits(), size_t(source.sizeInBytes()));
        sink = sink + target.constBits()[12345];
    });
}

BenchHost::BenchHost(bool withSprites) {
    m_Tiles.LoadFromImage(episodeSizedSheet());
    if (withSprites) {
        Surface scratch;
        m_Sprites.LoadFromSource(1, GeneratedSprites(), scratch);
    }
}
