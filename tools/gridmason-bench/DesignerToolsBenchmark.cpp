// The designer's tools through the document, without drawing (the canvas
// draws what the document says changed as it does for any paint), each as
// a ratio to one plain copy of a 1600 x 1000 image in the same run:
//
// - stamp move: one pointer move of a brush stroke with a 4 x 4 stamp that
//   lays the stamp once more (the cells worked out, written, merged into
//   the stroke's undo step). Aim: 0.1 at most.
// - Select Same Tile on a 182 x 180 level (32,760 cells), half of whose
//   cells hold the clicked tile, the selection replaced. Aim: 1 at most.
// - Replace of a tile held by every cell of such a level, one undo step.
//   Aim: 1 at most. The Magic Wand over the whole level is shown beside.
// - the overview's update after one painted cell, on a 182 x 180 level with
//   sprites, its picture at two pixels a cell. Aim: 0.05 at most.
#include "BenchFixtures.h"
#include "Benchmark.h"

#include "BrushSelection.h"
#include "BrushTool.h"
#include "CellReplacement.h"
#include "CellSelection.h"
#include "LevelDocument.h"
#include "MagicWandTool.h"
#include "OverviewPicture.h"

namespace {

constexpr int Width = 182;
constexpr int Height = 180;

QString ratio(double seconds, double copy) {
    return QString::number(seconds / copy, 'f', 2);
}

ToolEvent at(int x, int y, Qt::MouseButton button, Qt::MouseButtons buttons) {
    return ToolEvent{x, y, true, button, buttons, Qt::NoModifier};
}

// A level of `Width` x `Height` cells of tile 5, every other cell of tile 6
// in a checkerboard when `checkered`.
void fillLevel(LevelDocument& document, bool checkered) {
    document.NewLevel(Width, Height, 1, 1);
    std::vector<CellChange> cells;
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x)
            cells.push_back(
                {CellChange::TilePlane, x, y, 0, qint16(checkered && (x + y) % 2 ? 6 : 5)});
    document.SetCells(std::move(cells));
    document.undoStack().clear();
}

double stampMoveSeconds() {
    LevelDocument document;
    document.undoStack().setUndoLimit(4);
    fillLevel(document, true);
    BrushSelection brush;
    brush.SetStamp(Stamp::FromLevel(document.level(), QRect(10, 10, 4, 4)));
    BrushTool tool(document, brush);
    // Back and forth along a row, four cells a move: a new place each time.
    int step = 0;
    tool.Press(at(2, 50, Qt::LeftButton, Qt::LeftButton));
    const double seconds = secondsPerCall([&] {
        const int k = step % 88;
        const int x = 2 + 4 * (k < 44 ? k : 87 - k);
        ++step;
        tool.Move(at(x, 50 + (step / 88) % 4 * 4, Qt::NoButton, Qt::LeftButton));
    });
    tool.Release(at(2, 50, Qt::LeftButton, Qt::NoButton));
    return seconds;
}

double selectSeconds(MagicWandTool::Kind kind, bool checkered) {
    LevelDocument document;
    fillLevel(document, checkered);
    CellSelection selection;
    MagicWandTool tool(document, selection, kind);
    return secondsPerCall([&] { tool.Press(at(90, 90, Qt::LeftButton, Qt::LeftButton)); });
}

double replaceSeconds() {
    LevelDocument document;
    document.undoStack().setUndoLimit(4);
    fillLevel(document, false);
    qint16 tile = 5;
    return secondsPerCall([&] {
        const qint16 next = tile == 5 ? 6 : 5;
        CellReplacement(CellChange::TilePlane, tile, next).Apply(document);
        tile = next;
    });
}

double overviewUpdateSeconds() {
    LevelDocument document;
    document.undoStack().setUndoLimit(4);
    fillLevel(document, true);
    for (int y = 2; y < Height - 2; y += 7)
        for (int x = 2; x < Width - 2; x += 9)
            document.SetCell(CellChange::InfoPlane, x, y, qint16(1 + (x + y) % 10));
    const BenchHost host;
    OverviewPicture overview(*host.TileSets(0), *host.SpriteSets(0));
    overview.Reset(document.level(), QSize(400, 400));
    QObject::connect(&document, &LevelDocument::cellsChanged,
                     [&](const QRect& cells) { overview.CellsChanged(cells); });
    int step = 0;
    return secondsPerCall([&] {
        ++step;
        document.SetCell(CellChange::TilePlane, 20 + step % 140, 50 + step / 140 % 80,
                         qint16(step % 600));
        overview.Update(document.level());
    });
}

void run(QTextStream& out) {
    const double copy = BenchFixtures::canvasCopySeconds();
    out << "plain copy of a 1600 x 1000 image: 1.00\n";
    out << "stamp brush, one move laying a 4 x 4 stamp: "
        << QString::number(stampMoveSeconds() / copy, 'f', 3) << " (aim: at most 0.1)\n";
    out << "Select Same Tile on a 182 x 180 level, half its cells: "
        << ratio(selectSeconds(MagicWandTool::Kind::SameTile, true), copy) << " (aim: at most 1)\n";
    out << "Replace Tile in every cell of a 182 x 180 level, one undo step: "
        << ratio(replaceSeconds(), copy) << " (aim: at most 1)\n";
    out << "Magic Wand over a whole 182 x 180 level: "
        << ratio(selectSeconds(MagicWandTool::Kind::Connected, false), copy) << "\n";
    out << "overview update after one painted cell: "
        << QString::number(overviewUpdateSeconds() / copy, 'f', 3) << " (aim: at most 0.05)\n";
}

const Benchmark
    designerTools("designer-tools", run,
                  "stamp brush move, Select Same Tile, Replace Tile, Magic Wand, overview update");

} // namespace
