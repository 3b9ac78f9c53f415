#pragma once

#include <QRect>
#include <QSize>

// Where a new editor window goes in the main window's area: cascaded below
// and right of the windows already open, 9/10 of the area in size and
// shrunk so that it lies fully inside the area, never below the editor's
// minimum size. When even the minimum no longer fits at the next step, the
// cascade starts again at the top-left corner.
class EditorPlacement {
public:
    // The cascade's step: about one title bar.
    static constexpr int Step = 24;

    // `area`: the visible size of the area; `openWindows`: how many editor
    // windows are open already; `minimum`: the editor's smallest outer size.
    static QRect NextWindow(QSize area, int openWindows, QSize minimum);
    // `window` moved, and shrunk where it must, so that it lies inside an
    // area of size `area` (a dock took part of it), never below `minimum`.
    static QRect Inside(QRect window, QSize area, QSize minimum);
};
