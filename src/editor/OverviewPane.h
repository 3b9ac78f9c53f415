#pragma once

#include "OverviewGeometry.h"

#include <QList>
#include <QMetaObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <memory>

class LevelEditorWindow;
class OverviewPicture;
class SpriteSet;
class TileSet;

// What the Overview dock shows: the whole level of one editor window drawn
// small, with the rectangle of the cells its canvas shows. A press moves the
// view there and a drag moves it along (OverviewGeometry). Edits are
// gathered and drawn once per turn of the event loop, only the pixels they
// changed; a new level, new sets or a new size draw the picture anew.
class OverviewPane : public QWidget {
    Q_OBJECT
public:
    explicit OverviewPane(QWidget* parent = nullptr);
    ~OverviewPane() override;

    // Shows `editor`'s level (nullptr: none).
    void Follow(LevelEditorWindow* editor);
    LevelEditorWindow* Editor() const;
    // The canvas's view rectangle in the pane's pixels; empty for none.
    QRect ViewPixels() const;
    // The picture and its geometry as last drawn (tests, the bench).
    const OverviewPicture* Picture() const { return m_Picture.get(); }
    OverviewGeometry Geometry() const;

    // Small beside the editor windows; the user widens the dock at will.
    QSize sizeHint() const override { return QSize(220, 180); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Asks for a drawing at the next turn of the event loop.
    void Schedule();
    // Draws what is due: everything when stale, else the changed cells.
    void Refresh();
    void TakeSets();
    // The view rectangle moved: the pixels it leaves and enters.
    void ViewMoved();
    void MoveViewTo(QPoint pixel);

    QPointer<LevelEditorWindow> m_Editor;
    QList<QMetaObject::Connection> m_Connections;
    // Kept as long as the picture draws with them.
    std::shared_ptr<const TileSet> m_Tiles;
    std::shared_ptr<const SpriteSet> m_Sprites;
    std::unique_ptr<OverviewPicture> m_Picture;
    // The picture must be drawn whole (new level, sets or size).
    bool m_Stale = true;
    QTimer m_Refresh;
    QRect m_ViewPixels;
    // The cell of the view held under the pointer while dragging.
    QPoint m_Grip;
    bool m_Dragging = false;
};
