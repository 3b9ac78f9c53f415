// The Overview dock's cost on an editor window: one painted cell of a
// 182 x 180 level with sprites, with the dock's pane (400 x 400, two pixels
// a cell) following the window, measured as what the event loop does after
// the paint (the changed cells drawn into the small picture and that
// rectangle shown) beyond what it does without the pane. A ratio to one
// plain copy of a 1600 x 1000 image in the same run. Aim: 0.05 at most.
#include "BenchFixtures.h"
#include "Benchmark.h"

#include "LevelDocument.h"
#include "LevelEditorWindow.h"
#include "OverviewPane.h"

#include <QApplication>

namespace {

constexpr int Width = 182;
constexpr int Height = 180;

// One painted cell and the event loop's turn after it, per call.
double paintSeconds(BenchWindow& window) {
    LevelDocument& document = window.form.Document();
    int step = 0;
    return secondsPerCall([&] {
        ++step;
        document.SetCell(CellChange::TilePlane, 20 + step % 140, 50 + step / 140 % 80,
                         qint16(step % 600));
        QApplication::processEvents();
    });
}

void run(QTextStream& out) {
    BenchWindow window(Width, Height);
    window.form.Document().undoStack().setUndoLimit(4);
    for (int y = 2; y < Height - 2; y += 7)
        for (int x = 2; x < Width - 2; x += 9)
            window.form.Document().SetCell(CellChange::InfoPlane, x, y, qint16(1 + (x + y) % 10));
    QApplication::processEvents();
    const double copy = BenchFixtures::canvasCopySeconds();
    const double without = paintSeconds(window);
    OverviewPane pane;
    pane.resize(400, 400);
    pane.show();
    pane.Follow(&window.form);
    QApplication::processEvents();
    const double with = paintSeconds(window);
    out << "plain copy of a 1600 x 1000 image: 1.00\n";
    out << "one painted cell on a 1600 x 1000 canvas, without the overview: "
        << QString::number(without / copy, 'f', 3) << "\n";
    out << "the overview's update after one painted cell (with it, less without): "
        << QString::number(std::max(0.0, with - without) / copy, 'f', 3)
        << " (aim: at most 0.05)\n";
}

const Benchmark overview("overview", run,
                         "the Overview dock's update after one painted cell on an editor window");

} // namespace
