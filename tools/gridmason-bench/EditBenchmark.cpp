// Editing operations as undo steps, and the floating paste block: a bucket
// fill over a whole 182 x 180 level (32,760 cells) and the paste of a
// 170 x 170 block, each through the document (operation, undo step, cells
// written, views told; no drawing), and one pointer move of a floating
// 170 x 170 block on a 1600 x 1000 canvas with the repaint it asks for, and
// of the far corner of a rectangle and a line being dragged, each beside
// what showing the pixels that move changes costs by itself. Figures are
// times against one plain copy of a 1600 x 1000 image.
#include "BenchFixtures.h"
#include "Benchmark.h"

#include "CellBlock.h"
#include "EditOperations.h"
#include "EditTool.h"
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

struct PreviewMove {
    double move = 0;  // one move with its repaint
    double shown = 0; // the copy to the screen alone of what one move repaints
};

// What showing `changed` canvas pixels costs by itself, with no preview
// over them: the least any way of drawing a preview there can take.
double showingSeconds(LevelEditorWindow& form, const QRect& changed) {
    return secondsPerCall([&] {
        BenchFixtures::picture(form)->RefreshArea(changed);
        QApplication::processEvents();
    });
}

// Seconds per pointer move, each onto the next cell, of a floating 170 x 170
// block at `zoom`, with the repaint each move asks for; and what showing
// the pixels one move changes costs by itself.
PreviewMove floatingMoveSeconds(LevelEditorWindow& form, int zoom) {
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
        BenchFixtures::sendMouse(BenchFixtures::picture(form), QEvent::MouseMove,
                                 QPoint(k * cell + cell / 2, k * cell + cell / 2), Qt::NoButton,
                                 Qt::NoButton);
        QApplication::processEvents();
    });
    form.Tools().SelectNone();
    QApplication::processEvents();
    // A move by one cell changes the block's pixels and one cell beyond.
    return {seconds, showingSeconds(form, QRect(0, 0, 171 * cell, 171 * cell))};
}

// The same for the preview of a drag of `tool` from cell (2, 2) whose other
// end goes back and forth between cells (`far`, `far`) and (`far` + 1,
// `far` + 1), at zoom 0.
PreviewMove dragPreviewSeconds(LevelEditorWindow& form, EditToolBox::Tool tool, int far) {
    form.SetCanvasZoom(0);
    form.Tools().SetCurrent(tool);
    QApplication::processEvents();
    PictureBox* picture = BenchFixtures::picture(form);
    const auto centre = [](int cell) { return QPoint(cell * 16 + 8, cell * 16 + 8); };
    BenchFixtures::sendMouse(picture, QEvent::MouseButtonPress, centre(2), Qt::LeftButton,
                             Qt::LeftButton);
    QApplication::processEvents();
    int step = 0;
    const double seconds = secondsPerCall([&] {
        BenchFixtures::sendMouse(picture, QEvent::MouseMove, centre(far + step), Qt::NoButton,
                                 Qt::LeftButton);
        step = 1 - step;
        QApplication::processEvents();
    });
    // Ended without a change: the drag is cancelled before the release.
    form.Tools().Current().Cancel();
    form.Tools().Refresh();
    BenchFixtures::sendMouse(picture, QEvent::MouseButtonRelease, centre(far), Qt::LeftButton,
                             Qt::NoButton);
    QApplication::processEvents();
    const QRect changed(2 * 16, 2 * 16, (far - 1) * 16, (far - 1) * 16);
    return {seconds, showingSeconds(form, changed)};
}

QString ratio(double seconds, double copy) {
    return QString::number(seconds / copy, 'f', 2);
}

// The aim of a preview's move: at most 1.2 times what showing its changed
// pixels costs, plus 0.05 of a canvas copy.
QString previewLine(const PreviewMove& seconds, double copy) {
    return QStringLiteral("one move %1; showing its changed pixels alone %2 (aim: at most %3)")
        .arg(ratio(seconds.move, copy), ratio(seconds.shown, copy),
             ratio(1.2 * seconds.shown + 0.05 * copy, copy));
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
        const PreviewMove seconds = floatingMoveSeconds(form, zoom);
        const int side = int(170 * form.Tiles().RenderWidth(form.CanvasZoom()));
        out << "floating 170 x 170 block (" << std::min(side, CanvasWidth) << " x "
            << std::min(side, CanvasHeight) << " pixels shown) at zoom " << zoom << ": "
            << previewLine(seconds, copy) << "\n";
    }
    for (int far : {20, 60}) {
        out << "rectangle preview " << far - 1 << " x " << far - 1 << " cells at zoom 0: "
            << previewLine(dragPreviewSeconds(form, EditToolBox::RectangleFill, far), copy) << "\n";
        out << "line preview " << far - 1 << " cells across at zoom 0: "
            << previewLine(dragPreviewSeconds(form, EditToolBox::Line, far), copy) << "\n";
    }
}

const Benchmark
    editBenchmark("edit", run,
                  "bucket fill of a whole level, paste of a 170 x 170 block, floating block moves");

} // namespace
