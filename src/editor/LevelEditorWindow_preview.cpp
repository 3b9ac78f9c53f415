// The level preview: a map of the whole level at one eighth of the tile
// size, opened by the corner button between the canvas's scroll bars. While
// the button is held the canvas follows the pointer over the map.

#include "LevelEditorWindow.h"

#include "CanvasView.h"
#include "EditGeometry.h"
#include "LevelCanvas.h"
#include "PickerButton.h"
#include "PictureBox.h"
#include "PreviewGeometry.h"

namespace {

// A picture box's outer minus inner size. It is taken from the border
// because the surface of a hidden box is only resized once it is shown.
QSize BorderDiff(const PictureBox* box) {
    return QSize(2 * box->BorderWidth(), 2 * box->BorderWidth());
}

} // namespace

void LevelEditorWindow::paintLevelPreview() {
    m_Level.Display(m_PreviewMap->surface(), 0, 0, *m_Tiles, *m_Sprites, EditGeometry::PreviewZoom,
                    0, 0, -1, -1, Level::AllLayers, m_Canvas->Animation().get(), m_Canvas->Frame());
    m_PreviewMap->Refresh();
}

void LevelEditorWindow::OpenLevelPreview() {
    const QSize outer = PreviewGeometry::OuterSize(
        m_Level.Width(), m_Level.Height(), m_Tiles->RenderWidth(EditGeometry::PreviewZoom),
        m_Tiles->RenderHeight(EditGeometry::PreviewZoom), BorderDiff(m_PreviewMap));
    // The corner button's top-left corner in the window's inner area.
    const QPoint corner = m_LevelCanvas->PreviewButton()->mapTo(this, QPoint(0, 0));
    const QPoint place = PreviewGeometry::Position(corner, outer, size());
    m_PreviewMap->setGeometry(QRect(place, outer));
    m_PreviewMap->raise();
    m_PreviewMap->show();
    m_LevelCanvas->SetLocked(true);
}

void LevelEditorWindow::FollowLevelPreview(int x, int y) {
    const QSize border = BorderDiff(m_PreviewMap);
    const int cellsX = m_Canvas->CellsAcross(qint16(qBound(0, m_LevelCanvas->width(), 32767)));
    const int cellsY = m_Canvas->CellsDown(qint16(qBound(0, m_LevelCanvas->height(), 32767)));
    const QPoint max = m_LevelCanvas->OriginMax();
    const int vx =
        PreviewGeometry::ScrollValue(x, m_PreviewMap->x(), border.width(), cellsX, 0, max.x());
    const int vy =
        PreviewGeometry::ScrollValue(y, m_PreviewMap->y(), border.height(), cellsY, 0, max.y());
    // Both bars move for one drawing of the canvas.
    m_LevelCanvas->ScrollTo(QPoint(vx, vy));
}

void LevelEditorWindow::CloseLevelPreview() {
    m_PreviewMap->hide();
    m_LevelCanvas->SetLocked(false);
}
