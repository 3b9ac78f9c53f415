#include "BenchFixtures.h"

#include "Benchmark.h"
#include "BitmapSource.h"
#include "PictureBox.h"
#include "Surface.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <cstring>
#include <functional>

namespace {

// Copies a canvas-sized image with `measure`, the way the figure beside it
// is measured.
double canvasCopy(const std::function<double(const std::function<void()>&)>& measure) {
    QImage source(BenchFixtures::CanvasWidth, BenchFixtures::CanvasHeight, QImage::Format_RGB32);
    source.fill(qRgb(10, 20, 30));
    QImage target(BenchFixtures::CanvasWidth, BenchFixtures::CanvasHeight, QImage::Format_RGB32);
    target.fill(0);
    volatile uchar sink = 0;
    return measure([&] {
        std::memcpy(target.bits(), source.constBits(), size_t(source.sizeInBytes()));
        sink = sink + target.constBits()[12345];
    });
}

} // namespace

double BenchFixtures::canvasCopySeconds() {
    return canvasCopy([](const std::function<void()>& work) { return secondsPerCall(work); });
}

double BenchFixtures::fastestCanvasCopySeconds(int calls) {
    return canvasCopy(
        [calls](const std::function<void()>& work) { return fastestCall(work, calls); });
}

QImage BenchFixtures::tileSheet(int count) {
    constexpr int TilesPerRow = 13;
    const int rows = (count + TilesPerRow - 1) / TilesPerRow;
    QImage sheet(TilesPerRow * 16, rows * 16, QImage::Format_RGB32);
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            sheet.setPixel(x, y, qRgb(x * 3 + y, y * 5 + x, (x ^ y) * 7));
    return sheet;
}

IoResult BenchFixtures::GeneratedSprites::Load(const QString& name, QImage& image) const {
    const int number = name.mid(4, 4).toInt();
    const int w = 16 + number % 25, h = 16 + (number * 7) % 17;
    QImage bitmap(3 * w, h, QImage::Format_RGB32);
    bitmap.fill(0xFF000000);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const bool clear = (x - w / 2) * (x - w / 2) + (y - h / 2) * (y - h / 2) > w * h / 5;
            bitmap.setPixel(x, y, clear ? 0xFF000000 : qRgb(number * 2, x * 6, y * 6));
            bitmap.setPixel(w + x, y, clear ? 0xFFFFFFFF : 0xFF000000);
        }
    }
    image = bitmap;
    return IoResult::success();
}

BenchHost::BenchHost(bool withSprites) {
    m_Tiles->LoadFromImage(BenchFixtures::tileSheet(611));
    if (withSprites) {
        Surface scratch;
        m_Sprites->LoadFromSource(1, BenchFixtures::GeneratedSprites(), scratch);
    }
}

BenchWindow::BenchWindow(int width, int height, bool withSprites) : host(withSprites) {
    form.SetTiles(host.TileSets(0));
    form.SetSprites(host.SpriteSets(0));
    form.NewLevel(width, height, 1, 1);
    form.Display();
    const QSize extra = form.size() - BenchFixtures::picture(form)->size();
    form.resize(QSize(BenchFixtures::CanvasWidth, BenchFixtures::CanvasHeight) + extra);
    QApplication::processEvents();
}

void BenchFixtures::sendMouse(QWidget* target, QEvent::Type type, QPoint pos,
                              Qt::MouseButton button, Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(pos), target->mapToGlobal(QPointF(pos)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

PictureBox* BenchFixtures::picture(const QWidget& window) {
    return window.findChild<PictureBox*>(QStringLiteral("canvasPicture"));
}

QScrollBar* BenchFixtures::scrollX(const QWidget& window) {
    return window.findChild<QScrollBar*>(QStringLiteral("canvasScrollX"));
}

QScrollBar* BenchFixtures::scrollY(const QWidget& window) {
    return window.findChild<QScrollBar*>(QStringLiteral("canvasScrollY"));
}
