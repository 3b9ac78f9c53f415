#pragma once

#include "CellChange.h"

#include <vector>

class Level;

// Follows one press-and-drag on the canvas: it keeps both planes as they
// were when the drag began, so that the drag's net change, however many
// cells and moves it took, can be told as one list of cell changes when it
// ends. Cells painted back to what they held count as unchanged.
class PaintRecorder {
public:
    bool IsOpen() const { return m_Open; }
    // Starts following `level` as it is now.
    void Begin(const Level& level);
    // Cell (x, y) of `level` may just have been written; keeps HasChanges
    // up to date without comparing the whole level on every move.
    void Note(const Level& level, int x, int y);
    // Whether a cell noted so far differs from what it held at Begin.
    bool HasChanges() const { return m_DifferingCells > 0; }
    // Ends the drag and returns every cell of `level` that differs from the
    // start, tile plane first, row by row. Empty when nothing changed or
    // when the level no longer has the size it had at Begin.
    std::vector<CellChange> Finish(const Level& level);
    // Ends the drag without a result.
    void Cancel();

private:
    bool m_Open = false;
    int m_Width = 0;
    int m_Height = 0;
    std::vector<qint16> m_Tiles;
    std::vector<qint16> m_Infos;
    // Per cell: whether a noted write left it different from the start.
    std::vector<bool> m_Differs;
    int m_DifferingCells = 0;
};
