#pragma once

#include <QtGlobal>

// One cell of one plane as a paint step changed it: what it held before the
// step and what it holds after.
struct CellChange {
    enum Plane : quint8 { TilePlane, InfoPlane };
    Plane plane = TilePlane;
    int x = 0;
    int y = 0;
    qint16 before = 0;
    qint16 after = 0;
};
