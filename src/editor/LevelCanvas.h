#pragma once

#include "EditTool.h"
#include "Navigation.h"
#include "ZoomLevel.h"

#include <QPoint>
#include <QPointF>
#include <QWidget>

#include <memory>

class CanvasView;
class LevelDocument;
class PickerButton;
class PictureBox;
class QScrollBar;
class QTimer;
class SpriteSet;
class TileSet;

// The level's canvas as the user sees it: the picture of the level, its two
// scroll bars and the level preview's button in the corner between them. It
// owns the view: the zoom, the first cell shown (the scroll bars' values),
// the cell under the pointer, the wheel and the navigation keys. The rules
// live in CanvasGeometry, Navigation and CanvasView; this widget only joins
// them to the events. Pointer events reach the owner in cells, as the tools
// take them.
class LevelCanvas : public QWidget {
    Q_OBJECT
public:
    explicit LevelCanvas(const LevelDocument& document, QWidget* parent = nullptr);

    // What draws the picture (sets, view options, the tool's preview).
    CanvasView& View() const { return *m_View; }
    // The pixels as shown, with the tool's preview over them.
    QImage Shown() const;

    void SetSets(std::shared_ptr<const TileSet> tiles, std::shared_ptr<const SpriteSet> sprites);

    // The zoom the canvas is drawn at.
    ZoomLevel Zoom() const;
    // Sets the zoom (as far as the tiles allow), lays the scroll bars out
    // for it and draws the canvas again.
    void SetZoom(int exponent);
    void ZoomIn();
    void ZoomOut();
    // Zooms in (steps > 0) or out, keeping the cell at pixel `at` of the
    // canvas under that point as far as the scroll ranges allow.
    void ZoomAt(int steps, QPointF at);
    // The largest zoom at which the whole level shows, from its first cell.
    void FitLevel();

    // The first level cell shown, and the largest it can be.
    QPoint Origin() const;
    QPoint OriginMax() const;
    // Shows the level from `origin` on (within the scroll ranges), with one
    // drawing of what comes into view.
    void ScrollTo(QPoint origin);
    // Puts `cell` in the middle of the canvas as far as the ranges allow
    // and draws the whole canvas again.
    void CenterOn(QPoint cell);
    // The number of cells that cover the picture, across and down.
    QSize CellsShown() const;

    // The level cell under the pointer (which may lie outside the level)
    // at its last move over the canvas, (-1, -1) before any.
    QPoint PointerCell() const { return m_PointerCell; }
    // Where a pasted block starts: the pointer's last cell while the view
    // shows it, else the first cell shown.
    QPoint PasteCell() const;

    // While locked (the level preview is open) the view follows ScrollTo
    // alone: the wheel, the keys and the scroll bars do nothing.
    void SetLocked(bool locked) { m_Locked = locked; }
    bool Locked() const { return m_Locked; }

    // The scroll ranges after a change of the level's size or the sets.
    void Relayout();
    // Draws the whole canvas again.
    void Redraw();
    // Shows the pick pointer over the canvas, or the default one.
    void SetPickPointer(bool pick, const QPixmap& picture);

    // The corner button that opens the level preview.
    PickerButton* PreviewButton() const { return m_PreviewButton; }

signals:
    // The level cell under the pointer changed (a move, a scroll, a zoom);
    // (-1, -1) when the pointer is over no cell of the level or left the
    // canvas.
    void pointerCellChanged(QPoint cell);
    void zoomChanged(int exponent);
    // The cells shown may have changed: a scroll, a zoom, a new size or a
    // drawing of the whole canvas (Origin, CellsShown).
    void viewChanged();
    // A press, move or release on the canvas, in cells. `newCell` says the
    // move brought another cell under the pointer.
    void pressed(const ToolEvent& event);
    void moved(const ToolEvent& event, bool newCell);
    void released(const ToolEvent& event);
    // The pointer rested over `cell` (a tooltip is due at `globalPos`).
    void toolTipAt(QPoint cell, QPoint globalPos);
    // A double-click on `cell`, after its press reached the tools.
    void doubleClicked(QPoint cell, Qt::KeyboardModifiers modifiers);
    // The menu key, or a right click with Ctrl (a plain right click paints),
    // over `cell`.
    void contextMenuAt(QPoint cell, QPoint globalPos);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ToolEvent EventAt(Qt::KeyboardModifiers modifiers, QPointF at) const;
    // The level cell under the picture's point `at` (which may lie outside
    // the level).
    QPoint CellAt(QPointF at) const;
    void PointerMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPointF at);
    void Wheel(QPoint angle, QPoint pixels, Qt::KeyboardModifiers modifiers, QPointF at);
    bool Key(int key, Qt::KeyboardModifiers modifiers);
    void BarMoved();
    // Shows the level from `origin` on, as ScrollTo, the pointer's cell
    // left to the caller.
    void MoveView(QPoint origin);
    // After a scroll or a zoom another cell may lie under a pointer that
    // did not move: the cell under the pointer where it is now, or none
    // when it is not over the picture.
    void FollowPointer();
    void ReportPointer(const ToolEvent& event);
    // The scroll bars show where the wheel took the view at most once a
    // frame, however fast its notches come.
    void HoldBarPaint();

    const LevelDocument& m_Document;
    PictureBox* m_Picture = nullptr;
    QScrollBar* m_ScrollX = nullptr;
    QScrollBar* m_ScrollY = nullptr;
    PickerButton* m_PreviewButton = nullptr;
    CanvasView* m_View = nullptr;
    Navigation::WheelState m_Wheel;
    QPoint m_PointerCell{-1, -1};
    // The cell last reported as under the pointer.
    QPoint m_Reported{-1, -1};
    bool m_Locked = false;
    // Set while both bars are moved for one drawing.
    bool m_Quiet = false;
    // Runs while the bars' repaint waits for the end of the frame.
    QTimer* m_BarPaint = nullptr;
};
