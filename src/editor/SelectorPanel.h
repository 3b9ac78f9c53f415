#pragma once

#include "PaletteGeometry.h"

#include <QObject>

class PictureBox;
class QScrollBar;
class SelectorSource;

// One pop-up selector over the edit area: a grid of items with a vertical
// scroll bar whose value is the row at the top. The tile and the sprite
// selector are both one of these, differing only in their source.
class SelectorPanel : public QObject {
    Q_OBJECT
public:
    SelectorPanel(PictureBox& box, QScrollBar& bar, const SelectorSource& source,
                  QObject* parent = nullptr);

    // The grid the panel's drawn area holds.
    PaletteGeometry::Grid Grid() const;
    // Places the scroll bar along the right edge and sets its range for the
    // source's count.
    void Resize();
    // Draws every cell: the item and its frame.
    void Paint();
    // The item under point (x, y) of the window the panel lies in, or -1.
    int ItemAt(int x, int y) const;
    // Shows the panel in front of everything, scrolled so that item `s` is
    // in its middle row, and puts the pointer on that item.
    void Open(int s);
    // A drag at window height `y`: above or below the panel scrolls it one
    // row and draws it again (true); over it nothing scrolls (false).
    bool DragScroll(double y);
    bool IsOpen() const;
    void Close();

private:
    // The grid at the panel's widget size: a hidden panel's drawing area
    // only follows its size once it is shown.
    PaletteGeometry::Grid WidgetGrid() const;

    PictureBox& m_Box;
    QScrollBar& m_Bar;
    const SelectorSource& m_Source;
};
