// Editing operations as undo steps, and the floating paste block: a bucket
// fill over a whole 182 x 180 level (32,760 cells) and the paste of a
// 170 x 170 block, each through the document (operation, undo step, cells
// written, views told; no drawing), and one pointer move of a floating
// 170 x 170 block on a 1600 x 1000 canvas with the repaint it asks for.
// Figures are times against one plain copy of a 1600 x 1000 image.
#include "BenchFixtures.h"
#include "Benchmark.h"

#include "CellBlock.h"
#include "EditOperations.h"
#include "EditToolBox.h"
#include "EditorHost.h"
#include "LevelDocument.h"
#include "LevelEditorWindow.h"
#include "PictureBox.h"
#include "SelectTool.h"
#include "SpriteSet.h"
#include "TileSet.h"

#include <QApplication>

namespace {

using BenchFixtures::CanvasHeight;
using BenchFixtures::CanvasWidth;

// Seconds per fill of the whole level, alternating two tiles so that every
// fill changes every cell.
double bucketFillSeconds() {
    LevelDocument document;
    document.undoStack().setUndoLimit(4);
    document.NewLevel(182, 180, 1, 1);
    qint16 tile = 5;
    document.ApplyEdit("Fill", EditOperations::Clear(document.level(), QRect(0, 0, 182, 180), 5));
    return secondsPerCall([&] {
        tile = tile == 5 ? 6 : 5;
        document.ApplyEdit("Fill", EditOperations::BucketFill(document.level(), {90, 90}, tile));
    });
}

// Seconds per paste of a 170 x 170 block, alternating two blocks.
double pasteSeconds() {
    LevelDocument document;
    document.undoStack().setUndoLimit(4);
    document.NewLevel(180, 180, 1, 1);
    CellBlock blocks[2] = {CellBlock(170, 170, 1, true), CellBlock(170, 170, 1, true)};
    for (int y = 0; y < 170; ++y)
        for (int x = 0; x < 170; ++x) {
            blocks[0].SetTile(x, y, qint16((x * 3 + y) % 600));
            blocks[1].SetTile(x, y, qint16((x + y * 7) % 600));
            blocks[1].SetInfo(x, y, qint16(x % 9 == 0 ? 1 : 0));
        }
    int which = 0;
    return secondsPerCall([&] {
        which = 1 - which;
        document.ApplyEdit("Paste", EditOperations::Paste(document.level(), blocks[which], {5, 5}));
    });
}

struct FloatingMove {
    double move = 0;  // one move with its repaint
    double shown = 0; // the copy to the screen alone of what one move repaints
};

// Seconds per pointer move, each onto the next cell, of a floating 170 x 170
// block at `zoom`, with the repaint each move asks for; and what showing
// the pixels one move changes costs by itself, the least any way of drawing
// the block can take.
FloatingMove floatingMoveSeconds(LevelEditorWindow& form, int zoom) {
    form.SetCanvasZoom(zoom);
    QApplication::processEvents();
    const int cell = int(form.Tiles().RenderWidth(form.CanvasZoom()));
    CellBlock block(170, 170, 1, true);
    for (int y = 0; y < 170; ++y)
        for (int x = 0; x < 170; ++x)
            block.SetTile(x, y, qint16((x * 5 + y * 3) % 600));
    form.Tools().SetCurrent(EditToolBox::Select);
    form.Tools().Selector().StartPaste(block, {0, 0});
    form.Tools().Refresh();
    QApplication::processEvents();
    int step = 0;
    const double seconds = secondsPerCall([&] {
        // Back and forth over 20 cells along a diagonal.
        const int k = step < 20 ? step : 39 - step;
        step = (step + 1) % 40;
        BenchFixtures::sendMouse(
            form.findChild<PictureBox*>(QStringLiteral("canvas")), QEvent::MouseMove,
            QPoint(k * cell + cell / 2, k * cell + cell / 2), Qt::NoButton, Qt::NoButton);
        QApplication::processEvents();
    });
    // A move by one cell changes the block's pixels and one cell beyond.
    const QRect changed(0, 0, 171 * cell, 171 * cell);
    const double shown = secondsPerCall([&] {
        form.findChild<PictureBox*>(QStringLiteral("canvas"))->RefreshArea(changed);
        QApplication::processEvents();
    });
    form.Tools().SelectNone();
    return {seconds, shown};
}

void run(QTextStream& out) {
    const double copy = BenchFixtures::canvasCopySeconds();
    out << "plain copy of a 1600 x 1000 image: 1.00\n";
    out << "bucket fill of a whole 182 x 180 level, one undo step: "
        << QString::number(bucketFillSeconds() / copy, 'f', 2) << " (aim: at most 1)\n";
    out << "paste of a 170 x 170 block, one undo step: "
        << QString::number(pasteSeconds() / copy, 'f', 2) << " (aim: at most 1)\n";

    BenchWindow window(170, 170, false);
    LevelEditorWindow& form = window.form;
    for (int zoom : {-3, -2, -1, 0}) {
        const FloatingMove seconds = floatingMoveSeconds(form, zoom);
        const int side = int(170 * form.Tiles().RenderWidth(form.CanvasZoom()));
        out << "floating 170 x 170 block (" << std::min(side, CanvasWidth) << " x "
            << std::min(side, CanvasHeight) << " pixels shown) at zoom " << zoom
            << ", one move: " << QString::number(seconds.move / copy, 'f', 2)
            << " (aim: at most 0.5); showing its changed pixels alone: "
            << QString::number(seconds.shown / copy, 'f', 2) << "\n";
    }
}

const Benchmark
    editBenchmark("edit", run,
                  "bucket fill of a whole level, paste of a 170 x 170 block, floating block moves");

} // namespace
