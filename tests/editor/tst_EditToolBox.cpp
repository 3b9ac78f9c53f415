// The tool box without its window: Select Same Tile (S), the Magic Wand (W)
// with Shift and Ctrl, and the one selection they share with Rectangle
// Select, which stays across tool changes (the Bucket keeps to it, the
// canvas's preview shows it under every tool) until Esc, driven by a short
// script of tool keys, clicks and commands per row.
#include "BrushSelection.h"
#include "BrushTool.h"
#include "EditToolBox.h"
#include "LevelDocument.h"
#include "PreviewSource.h"
#include "ScriptedPrompts.h"
#include "SelectTool.h"

#include "TestMain.h"
#include <QTest>
#include <QWidget>

namespace {

constexpr qint16 Empty = 143;
constexpr qint16 Seven = 7; // the left button's tile

// A 20 x 10 level of the empty tile with tile 7 in three joined cells at
// (2, 2), (3, 2), (2, 3) and alone at (10, 5) and (12, 5).
struct Box {
    LevelDocument document;
    BrushSelection brush;
    BrushTool brushTool{document, brush};
    QWidget owner;
    EditToolBox tools{document, brush, brushTool, [] { return QPoint(15, 7); }, &owner};

    Box() {
        document.NewLevel(20, 10, 1, 1);
        std::vector<CellChange> cells;
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 20; ++x) {
                const bool seven =
                    QList<QPoint>{{2, 2}, {3, 2}, {2, 3}, {10, 5}, {12, 5}}.contains(QPoint(x, y));
                cells.push_back({CellChange::TilePlane, x, y, 0, seven ? Seven : Empty});
            }
        document.SetCells(std::move(cells));
        document.undoStack().clear();
        brush.SetTile(0, Seven);
        brush.SetTile(1, 9);
    }

    void press(int x, int y, Qt::KeyboardModifiers modifiers, bool release = true) {
        ToolEvent event{x, y, true, Qt::LeftButton, Qt::NoButton, modifiers};
        tools.Current().Press(event);
        if (release)
            tools.Current().Release(event);
        tools.Refresh();
    }
    // Runs steps such as "S; click 2 2 shift; drag 1 1 3 3; esc".
    void run(const QString& script) {
        const QHash<QString, EditToolBox::Tool> keys{
            {"B", EditToolBox::Brush},      {"M", EditToolBox::Select},
            {"S", EditToolBox::SameTile},   {"W", EditToolBox::MagicWand},
            {"F", EditToolBox::BucketFill},
        };
        for (const QString& step : script.split(';', Qt::SkipEmptyParts)) {
            const QStringList w = step.split(' ', Qt::SkipEmptyParts);
            const auto n = [&w](int i) { return w[i].toInt(); };
            if (keys.contains(w[0])) {
                tools.SetCurrent(keys[w[0]]);
            } else if (w[0] == "click") {
                Qt::KeyboardModifiers held;
                held.setFlag(Qt::ShiftModifier, w.contains("shift"));
                held.setFlag(Qt::ControlModifier, w.contains("ctrl"));
                press(n(1), n(2), held);
            } else if (w[0] == "drag") {
                press(n(1), n(2), {}, false);
                const ToolEvent to{n(3), n(4), true, Qt::NoButton, Qt::LeftButton, {}};
                tools.Current().Move(to);
                tools.Current().Release(to);
                tools.Refresh();
            } else if (w[0] == "esc") {
                tools.SelectNone();
            } else if (w[0] == "copy") {
                tools.Copy();
            } else if (w[0] == "paste") {
                tools.Paste();
            } else {
                qFatal("unknown step %s", qPrintable(step));
            }
        }
    }
    int sevens() const {
        int count = 0;
        for (qint16 tile : document.level().TilePlane())
            count += tile == Seven;
        return count;
    }
};

} // namespace

class tst_EditToolBox : public QObject {
    Q_OBJECT

private slots:
    void selectionAcrossTools_data();
    void selectionAcrossTools();
};

void tst_EditToolBox::selectionAcrossTools_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<QList<QPoint>>("selected"); // every selected cell
    QTest::addColumn<int>("sevens");             // cells of tile 7 afterwards
    QTest::addColumn<bool>("previewShown");      // the canvas draws the selection
    const QList<QPoint> joined{{2, 2}, {3, 2}, {2, 3}};
    const QList<QPoint> all = joined + QList<QPoint>{{10, 5}, {12, 5}};
    QList<QPoint> square;
    for (int i = 0; i < 9; ++i)
        square << QPoint(1 + i % 3, 1 + i / 3);
    QTest::newRow("S: every cell of the tile") << "S; click 3 2" << all << 5 << true;
    QTest::newRow("M, then Shift+W adds")
        << "M; drag 1 1 1 1; W; click 10 5 shift" << QList<QPoint>{{1, 1}, {10, 5}} << 5 << true;
    QTest::newRow("S, then Ctrl+W removes")
        << "S; click 10 5; W; click 2 2 ctrl" << QList<QPoint>{{10, 5}, {12, 5}} << 5 << true;
    QTest::newRow("brush and back to select") << "M; drag 1 1 3 3; B; M" << square << 5 << true;
    QTest::newRow("kept under the brush") << "W; click 2 2; B" << joined << 5 << true;
    QTest::newRow("Esc under the brush clears")
        << "W; click 2 2; B; esc" << QList<QPoint>{} << 5 << false;
    QTest::newRow("bucket keeps to the selection")
        << "M; drag 1 1 2 2; F; click 1 1" << QList<QPoint>{{1, 1}, {2, 1}, {1, 2}, {2, 2}} << 8
        << true;
    QTest::newRow("bucket outside the selection")
        << "M; drag 1 1 2 2; F; click 15 8" << QList<QPoint>{{1, 1}, {2, 1}, {1, 2}, {2, 2}} << 5
        << true;
    QTest::newRow("a paste floats until another tool; the selection stays")
        << "W; click 2 2; copy; paste; B" << joined << 5 << true;
}

void tst_EditToolBox::selectionAcrossTools() {
    QFETCH(QString, script);
    QFETCH(QList<QPoint>, selected);
    QFETCH(int, sevens);
    QFETCH(bool, previewShown);
    ScriptedPrompts prompts;
    ScopedPrompts installed(prompts);
    Box box;
    box.run(script);
    QCOMPARE(prompts.messages.size(), size_t(0));
    const CellMask& cells = box.tools.Selector().Selection().Cells();
    QCOMPARE(cells.Count(), int(selected.size()));
    for (const QPoint& cell : selected)
        QVERIFY2(cells.Contains(cell), qPrintable(QString("%1,%2").arg(cell.x()).arg(cell.y())));
    QCOMPARE(box.sevens(), sevens);
    QVERIFY(!box.tools.Selector().IsFloating());
    // The Ctrl of the wand never picks: the brush keeps its tile.
    QCOMPARE(box.brush.Tile(0), Seven);
    QCOMPARE(box.tools.Preview().PreviewCells().isEmpty(), !previewShown);
    if (!cells.IsEmpty())
        QVERIFY(box.tools.Preview().PreviewCells().contains(cells.BoundingRect()));
}

GM_TEST_MAIN(tst_EditToolBox)
#include "tst_EditToolBox.moc"
