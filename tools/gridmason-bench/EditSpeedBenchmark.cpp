// The editor's two everyday costs on a 1600 x 1000 canvas, at every zoom,
// each as a ratio to one plain copy of a 1600 x 1000 image in the same run:
//
// - paint-move: one mouse move of a paint stroke onto a new cell, sent as a
//   real event to an editor window, with the repaint it asks for handled as
//   the event loop would (the change to the level, the drawing of what
//   changed and its copy to the screen). Aim: 0.1 at most.
// - scroll-notch: one notch of the mouse wheel over the canvas, sent as a
//   real event: the view's new picture (the pixels already drawn kept, the
//   uncovered strip drawn). Aim: 1 at most. Also shown with what follows
//   when each notch is shown (the window system moves what the screen
//   shows and the uncovered strip is copied to it). Aim: 1.3 at most.
//
// Each also prints what drawing the whole canvas again costs (what every
// move and notch did before the canvas drew only what changed).
#include "BenchFixtures.h"
#include "Benchmark.h"

#include "BitmapSource.h"
#include "CanvasView.h"
#include "EditorHost.h"
#include "LevelDocument.h"
#include "LevelEditorWindow.h"
#include "PictureBox.h"
#include "SpriteSet.h"
#include "Surface.h"
#include "TileSet.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <cstring>

namespace {

using BenchFixtures::CanvasHeight;
using BenchFixtures::CanvasWidth;
constexpr int LevelSize = 170;

// An editor window on a 170 x 170 level with scattered sprites, its canvas
// 1600 x 1000 pixels.
struct Window : BenchWindow {
    LevelEditorWindow& form = BenchWindow::form;
    Window() : BenchWindow(LevelSize, LevelSize) {
        for (int y = 2; y < LevelSize - 2; y += 7)
            for (int x = 2; x < LevelSize - 2; x += 9)
                form.Document().SetCell(CellChange::InfoPlane, x, y, qint16(1 + (x + y) % 10));
        QApplication::processEvents();
        form.SetSelectedTile(0, 150);
    }
    void SetZoom(int zoom) {
        form.SetCanvasZoom(0);
        for (int z = 0; z < zoom; ++z)
            form.findChild<QAction*>(QStringLiteral("zoomInAction"))->trigger();
        for (int z = 0; z > zoom; --z)
            form.findChild<QAction*>(QStringLiteral("zoomOutAction"))->trigger();
        BenchFixtures::scrollX(form)->setValue(0);
        BenchFixtures::scrollY(form)->setValue(0);
        QApplication::processEvents();
    }
    double WholeRedrawSeconds() {
        return secondsPerCall([&] {
            form.Canvas().Redraw(form.ViewOrigin().x(), form.ViewOrigin().y());
            QApplication::processEvents();
        });
    }
};

QString ratio(double seconds, double copy) {
    return QString::number(seconds / copy, 'f', 2);
}

void paintMove(QTextStream& out) {
    Window w;
    const double copy = BenchFixtures::canvasCopySeconds();
    out << "plain copy of a 1600 x 1000 image: 1.00\n";
    for (int zoom = -4; zoom <= 3; ++zoom) {
        w.SetZoom(zoom);
        const int cell = std::max(1, int(w.form.Tiles().RenderWidth(w.form.CanvasZoom())));
        // A stroke over cells of the level's visible part, one new cell a
        // move, back and forth along a row.
        const int columns = std::min(LevelSize, CanvasWidth / cell) - 1;
        PictureBox* canvas = BenchFixtures::picture(w.form);
        auto point = [&](int i) {
            const int c = i % (2 * columns);
            const int x = c < columns ? c : 2 * columns - c;
            return QPoint(x * cell + cell / 2, cell / 2 + (i / (2 * columns)) % 4 * cell);
        };
        BenchFixtures::sendMouse(canvas, QEvent::MouseButtonPress, point(0), Qt::LeftButton,
                                 Qt::LeftButton);
        QApplication::processEvents();
        int i = 1;
        const double seconds = secondsPerCall([&] {
            BenchFixtures::sendMouse(canvas, QEvent::MouseMove, point(i++), Qt::NoButton,
                                     Qt::LeftButton);
            QApplication::processEvents();
        });
        BenchFixtures::sendMouse(canvas, QEvent::MouseButtonRelease, point(i), Qt::LeftButton,
                                 Qt::NoButton);
        QApplication::processEvents();
        const double whole = w.WholeRedrawSeconds();
        out << "zoom " << zoom << ": paint move " << ratio(seconds, copy)
            << " (aim: at most 0.1); whole-canvas redraw " << ratio(whole, copy) << "\n";
    }
}

void scrollNotch(QTextStream& out) {
    Window w;
    const double copy = BenchFixtures::canvasCopySeconds();
    out << "plain copy of a 1600 x 1000 image: 1.00\n";
    for (int zoom = -4; zoom <= 3; ++zoom) {
        w.SetZoom(zoom);
        QScrollBar* bar = BenchFixtures::scrollY(w.form);
        if (bar->maximum() == 0) {
            out << "zoom " << zoom << ": the level fits the canvas, nothing to scroll\n";
            continue;
        }
        PictureBox* canvas = BenchFixtures::picture(w.form);
        const QPointF pos(400, 300);
        int direction = -1; // down first
        auto notch = [&] {
            // Down to the end and back up, a notch at a time.
            if (bar->value() == bar->maximum())
                direction = 1;
            else if (bar->value() == 0)
                direction = -1;
            QWheelEvent event(pos, canvas->mapToGlobal(pos), QPoint(), QPoint(0, 120 * direction),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(canvas, &event);
        };
        const double seconds = secondsPerCall(notch);
        // The same with the whole canvas copied to the screen after each
        // notch, as when notches come slower than the screen is refreshed.
        const double shown = secondsPerCall([&] {
            notch();
            QApplication::processEvents();
        });
        // What showing the whole canvas costs by itself (the window system's
        // part), the floor of any scroll that is shown.
        const double repaint = secondsPerCall([&] {
            canvas->Refresh();
            QApplication::processEvents();
        });
        const double whole = secondsPerCall(
            [&] { w.form.Canvas().Redraw(w.form.ViewOrigin().x(), w.form.ViewOrigin().y()); });
        out << "zoom " << zoom << ": wheel notch " << ratio(seconds, copy)
            << " (aim: at most 1); with the copy to the screen " << ratio(shown, copy)
            << " (aim: at most 1.3)"
            << " (showing the canvas alone " << ratio(repaint, copy) << "); whole-canvas redraw "
            << ratio(whole, copy) << "\n";
    }
}

const Benchmark paintMoveBenchmark(
    "paint-move", paintMove,
    "one move of a paint stroke (change, redraw of what changed, copy to the screen)");
const Benchmark scrollNotchBenchmark("scroll-notch", scrollNotch,
                                     "one wheel notch of scrolling the canvas at every zoom");

} // namespace
