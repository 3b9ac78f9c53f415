#include "Surface.h"

#include <QTest>

namespace {

// A picture whose pixel (x, y) is qRgb(x, y, 7).
QImage ramp(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x, y, 7));
    return image;
}

Surface filledSurface(int w, int h, QRgb colour) {
    Surface surface(w, h);
    surface.SetBackColor(colour);
    surface.Cls();
    return surface;
}

QRgb at(const Surface& s, int x, int y) {
    return s.image().pixel(x, y);
}

// Number of pixels of `s` that differ from `colour` outside `box`.
int changedOutside(const Surface& s, const QRect& box, QRgb colour) {
    int changed = 0;
    for (int y = 0; y < s.ScaleHeight(); ++y)
        for (int x = 0; x < s.ScaleWidth(); ++x)
            if (!box.contains(x, y) && s.image().pixel(x, y) != colour)
                ++changed;
    return changed;
}

} // namespace

class tst_Surface : public QObject {
    Q_OBJECT
private slots:
    void newSurfaceIsWhiteAndSized() {
        Surface s(5, 3);
        QCOMPARE(s.ScaleWidth(), 5);
        QCOMPARE(s.ScaleHeight(), 3);
        QCOMPARE(s.image().format(), QImage::Format_RGB32);
        QCOMPARE(at(s, 4, 2), QRgb(0xFFFFFFFF));
        QCOMPARE(s.ForeColor(), QRgb(0xFF000000));
        QCOMPARE(s.DrawStyle(), Surface::DrawStyleSolid);
    }

    void unscaledCopyIsExactAndClipped() {
        Surface s = filledSurface(10, 8, 0xFF112233);
        const QImage src = ramp(6, 5);
        s.PaintPicture(src, 2, 1, 3, 2, 1, 2, 3, 2);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x)
                QCOMPARE(at(s, 2 + x, 1 + y), qRgb(1 + x, 2 + y, 7));
        QCOMPARE(changedOutside(s, QRect(2, 1, 3, 2), 0xFF112233), 0);

        // Off every edge: only the part on the surface is drawn, from the
        // matching source pixels.
        Surface t = filledSurface(4, 4, 0xFF000000);
        t.PaintPicture(src, -2, -1, 6, 5, 0, 0, 6, 5);
        QCOMPARE(at(t, 0, 0), qRgb(2, 1, 7));
        QCOMPARE(at(t, 3, 3), qRgb(5, 4, 7));
    }

    void stretchingSamplesNearestPixel() {
        const QImage src = ramp(4, 4);
        Surface s = filledSurface(8, 8, 0xFF000000);
        s.PaintPicture(src, 0, 0, 8, 8, 0, 0, 4, 4);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                QCOMPARE(at(s, x, y), qRgb(x / 2, y / 2, 7));

        // Shrinking takes the pixel under each destination pixel's centre.
        Surface half = filledSurface(4, 4, 0xFF000000);
        half.PaintPicture(ramp(16, 16), 0, 0, 2, 2, 0, 0, 16, 16);
        QCOMPARE(at(half, 0, 0), qRgb(4, 4, 7));
        QCOMPARE(at(half, 1, 1), qRgb(12, 12, 7));
        QCOMPARE(at(half, 2, 0), QRgb(0xFF000000));

        // A fractional size is rounded: 33 pixels at an eighth are 4.125,
        // drawn 4 wide.
        Surface frac = filledSurface(8, 2, 0xFF000000);
        frac.PaintPicture(ramp(33, 1), 1, 0, 4.125, 1, 0, 0, 33, 1);
        QCOMPARE(at(frac, 0, 0), QRgb(0xFF000000));
        QCOMPARE(at(frac, 1, 0), qRgb(4, 0, 7));
        QCOMPARE(at(frac, 4, 0), qRgb(28, 0, 7));
        QCOMPARE(at(frac, 5, 0), QRgb(0xFF000000));
    }

    void sourceOutsidePictureDrawsNothingThere() {
        Surface s = filledSurface(4, 1, 0xFF123456);
        s.PaintPicture(ramp(2, 1), 0, 0, 4, 1, 0, 0, 4, 1);
        QCOMPARE(at(s, 1, 0), qRgb(1, 0, 7));
        QCOMPARE(at(s, 2, 0), QRgb(0xFF123456));
        QCOMPARE(at(s, 3, 0), QRgb(0xFF123456));
    }

    void rasterOperations() {
        QImage src(2, 1, QImage::Format_RGB32);
        src.setPixel(0, 0, 0xFF0F0F0F);
        src.setPixel(1, 0, 0xFFF0F000);
        Surface s = filledSurface(2, 1, 0xFF3C3C3C);
        s.PaintPicture(src, 0, 0, 2, 1, 0, 0, 2, 1, RasterOp::SrcAnd);
        QCOMPARE(at(s, 0, 0), QRgb(0xFF0C0C0C));
        QCOMPARE(at(s, 1, 0), QRgb(0xFF303000));
        s.PaintPicture(src, 0, 0, 2, 1, 0, 0, 2, 1, RasterOp::SrcPaint);
        QCOMPARE(at(s, 0, 0), QRgb(0xFF0F0F0F));
        QCOMPARE(at(s, 1, 0), QRgb(0xFFF0F000));
        s.SetBackColor(0xFF0000AA);
        s.Cls();
        s.PaintPicture(src, 0, 0, 2, 1, 0, 0, 2, 1, RasterOp::SrcPaint);
        QCOMPARE(at(s, 0, 0), QRgb(0xFF0F0FAF));
        s.PaintPicture(src, 0, 0, 2, 1, 0, 0, 2, 1, RasterOp::SrcCopy);
        QCOMPARE(at(s, 1, 0), QRgb(0xFFF0F000));
    }

    void otherSourceFormatsAreReadAsColours() {
        QImage indexed(2, 1, QImage::Format_Indexed8);
        indexed.setColorTable({0xFF102030, 0xFFFFFFFF});
        indexed.setPixel(0, 0, 0);
        indexed.setPixel(1, 0, 1);
        Surface s = filledSurface(2, 1, 0xFF00FF00);
        s.PaintPicture(indexed, 0, 0, 2, 1, 0, 0, 2, 1, RasterOp::SrcAnd);
        QCOMPARE(at(s, 0, 0), QRgb(0xFF002000));
        QCOMPARE(at(s, 1, 0), QRgb(0xFF00FF00));

        // A see-through pixel of an image with alpha still leaves the
        // surface opaque.
        QImage alpha(1, 1, QImage::Format_ARGB32);
        alpha.setPixel(0, 0, 0x00405060);
        s.PaintPicture(alpha, 0, 0, 1, 1, 0, 0, 1, 1);
        QCOMPARE(at(s, 0, 0), QRgb(0xFF405060));
    }

    void boxesIncludeBothCorners() {
        Surface s = filledSurface(8, 6, 0xFFFFFFFF);
        s.Line(5, 4, 1, 1, 0xFF808080, true); // corners in either order
        for (int y = 1; y <= 4; ++y)
            for (int x = 1; x <= 5; ++x)
                QCOMPARE(at(s, x, y), QRgb(0xFF808080));
        QCOMPARE(changedOutside(s, QRect(QPoint(1, 1), QPoint(5, 4)), 0xFFFFFFFF), 0);

        Surface o = filledSurface(8, 6, 0xFFFFFFFF);
        o.Line(1, 1, 5, 4, 0xFF000000, false);
        QCOMPARE(at(o, 1, 1), QRgb(0xFF000000));
        QCOMPARE(at(o, 5, 4), QRgb(0xFF000000));
        QCOMPARE(at(o, 3, 1), QRgb(0xFF000000));
        QCOMPARE(at(o, 1, 3), QRgb(0xFF000000));
        QCOMPARE(at(o, 3, 2), QRgb(0xFFFFFFFF));
        QCOMPARE(changedOutside(o, QRect(QPoint(1, 1), QPoint(5, 4)), 0xFFFFFFFF), 0);

        // A single pixel, and boxes reaching past the edges, are clipped.
        Surface p = filledSurface(3, 3, 0xFFFFFFFF);
        p.Line(2, 0, 2, 0, 0xFF010203, true);
        QCOMPARE(at(p, 2, 0), QRgb(0xFF010203));
        p.Line(-5, -5, 1e300, 0, 0xFF0000FF, true);
        QCOMPARE(at(p, 0, 0), QRgb(0xFF0000FF));
        QCOMPARE(at(p, 2, 0), QRgb(0xFF0000FF));
        QCOMPARE(at(p, 0, 1), QRgb(0xFFFFFFFF));
    }

    void absurdCoordinatesDrawNothingAndDoNotCrash() {
        Surface s = filledSurface(4, 4, 0xFFFFFFFF);
        const QImage src = ramp(4, 4);
        s.PaintPicture(src, 1e18, 0, 4, 4, 0, 0, 4, 4);
        s.PaintPicture(src, 0, 0, qInf(), 4, 0, 0, 4, 4);
        s.PaintPicture(src, 0, 0, qQNaN(), 4, 0, 0, 4, 4);
        s.PaintPicture(src, 0, 0, -4, 4, 0, 0, 4, 4);
        s.PaintPicture(src, 0, 0, 4, 4, 0, 0, 0, 4);
        s.PaintPicture(QImage(), 0, 0, 4, 4, 0, 0, 4, 4);
        s.Line(qQNaN(), 0, 3, 3, 0xFF000000, true);
        s.Line(1e300, 1e300, 2e300, 2e300, 0xFF000000, true);
        QCOMPARE(changedOutside(s, QRect(), 0xFFFFFFFF), 0);

        Surface empty;
        empty.PaintPicture(src, 0, 0, 4, 4, 0, 0, 4, 4);
        empty.Line(0, 0, 3, 3, 0xFF000000, true);
        empty.Cls();
        QVERIFY(empty.Image().isNull());
    }

    void resizeKeepsOverlapAndFillsWithBackColour() {
        Surface s = filledSurface(3, 2, 0xFF00FF00);
        s.image().setPixel(2, 1, 0xFF0000FF);
        s.SetBackColor(0xFF808080);
        s.Move(7, 9, 5, 4);
        QCOMPARE(s.Left(), 7);
        QCOMPARE(s.Top(), 9);
        QCOMPARE(s.ScaleWidth(), 5);
        QCOMPARE(s.ScaleHeight(), 4);
        QCOMPARE(at(s, 0, 0), QRgb(0xFF00FF00));
        QCOMPARE(at(s, 2, 1), QRgb(0xFF0000FF));
        QCOMPARE(at(s, 3, 0), QRgb(0xFF808080));
        QCOMPARE(at(s, 0, 3), QRgb(0xFF808080));
        s.Resize(2, 1);
        QCOMPARE(at(s, 1, 0), QRgb(0xFF00FF00));
        s.Cls();
        QCOMPARE(at(s, 1, 0), QRgb(0xFF808080));
    }

    void imageIsAnIndependentSnapshot() {
        Surface s = filledSurface(2, 2, 0xFF00FF00);
        const QImage snapshot = s.Image();
        s.Line(0, 0, 1, 1, 0xFF000000, true);
        QCOMPARE(snapshot.pixel(0, 0), QRgb(0xFF00FF00));
        QVERIFY(snapshot.constBits() != s.image().constBits());
    }

    void replacedImageOfAnotherFormatIsStillDrawnOn() {
        Surface s(2, 1);
        QImage argb(2, 1, QImage::Format_ARGB32_Premultiplied);
        argb.fill(0xFF000000);
        s.image() = argb;
        s.PaintPicture(ramp(2, 1), 0, 0, 2, 1, 0, 0, 2, 1);
        QCOMPARE(s.image().format(), QImage::Format_RGB32);
        QCOMPARE(at(s, 1, 0), qRgb(1, 0, 7));
    }
};

QTEST_GUILESS_MAIN(tst_Surface)
#include "tst_Surface.moc"
