// The tile palette: the strip under the edit area, the two selected-tile
// boxes and the pop-up tile selector.
#include "LevelEditorWindow.h"

#include "DecimalText.h"
#include "EditGeometry.h"
#include "EditTool.h"
#include "PaletteGeometry.h"
#include "PickerButton.h"
#include "PictureBox.h"
#include "SelectorPanel.h"
#include "TileAnimation.h"

#include <QLabel>
#include <QScrollBar>

#include <algorithm>

namespace {

constexpr QRgb FrameColour = 0xFF000000;
// Tiles and frames sit this many pixels into their cell, leaving a gap of 4
// pixels between neighbouring tiles.
constexpr int CellGap = 4;

// A tile number to draw; numbers beyond the 16-bit range are past every
// set's last tile and draw as such.
qint16 drawableIndex(long long tile) {
    return static_cast<qint16>(std::clamp<long long>(tile, -1, 32767));
}

// Places a child of a picture box in the box's inner coordinates.
void placeInside(const PictureBox* box, QWidget* child, int left, int top, int width, int height) {
    const int border = box->BorderWidth();
    child->setGeometry(left + border, top + border, std::max(0, width), std::max(0, height));
}

} // namespace

// ---- Tile strip ----

void LevelEditorWindow::paintTileStrip() {
    PaintStripCells(false);
}

void LevelEditorWindow::PaintStripCells(bool animatedOnly) {
    Surface& surface = m_TileStrip->surface();
    const double pitch = m_Tiles->RenderWidth(EditGeometry::PaletteZoom) + CellGap;
    const double tileHeight = m_Tiles->RenderHeight(EditGeometry::PaletteZoom);
    // Counting cells by the tile width rather than the pitch draws a few more
    // than fit; the surface clips them.
    const long long cells =
        m_Tiles->PixelWToTiles(m_TileStrip->ScaleWidth(), EditGeometry::PaletteZoom) + 1;
    const long long first = m_TileStripScrollBar->value();
    for (long long i = 0; i < cells; ++i) {
        const qint16 tile = drawableIndex(first + i);
        if (animatedOnly && !m_Animation->Animates(tile))
            continue;
        const double left = pitch * double(i);
        m_Tiles->Draw(ShownTile(tile), surface, static_cast<int>(left) + 4, 2,
                      EditGeometry::PaletteZoom);
        surface.Line(left + 3, 1, pitch * double(i + 1), tileHeight + 2, FrameColour, false);
        if (animatedOnly)
            m_TileStrip->RefreshArea(QRect(int(left) + 3, 1, int(pitch) + 1, int(tileHeight) + 2));
    }
    if (!animatedOnly)
        m_TileStrip->Refresh();
}

void LevelEditorWindow::scrollTileStrip() {
    paintTileStrip();
}

void LevelEditorWindow::dragTileStrip() {
    paintTileStrip();
}

void LevelEditorWindow::pickStripTile(Qt::MouseButton button, Qt::KeyboardModifiers, double x,
                                      double /*y*/) {
    const double pitch = m_Tiles->RenderWidth(EditGeometry::PaletteZoom) + CellGap;
    const int tile =
        PaletteGeometry::StripTileAt(x, m_TileStripScrollBar->value(), pitch, m_Tiles->Count());
    if (tile < 0)
        return; // an empty set offers nothing to choose
    SetSelectedTile(static_cast<qint16>(ToolEvent::SlotOf(button)), static_cast<qint16>(tile));
}

void LevelEditorWindow::nameStripTile(double x) {
    const double pitch = m_Tiles->RenderWidth(EditGeometry::PaletteZoom) + CellGap;
    const int tile =
        PaletteGeometry::StripTileAt(x, m_TileStripScrollBar->value(), pitch, m_Tiles->Count());
    const QString help = tr("Tiles: click with the left or right button to choose the tile "
                            "that button paints");
    m_TileStrip->setToolTip(tile < 0 ? help : TileText(tile) + QLatin1Char('\n') + help);
}

void LevelEditorWindow::layOutTileStrip() {
    const int w = m_TileStrip->ScaleWidth();
    const int h = m_TileStrip->ScaleHeight();
    const int buttons = m_TilePicker->width() + m_SpritePicker->width();
    placeInside(m_TileStrip, m_TileStripScrollBar, 0, h - m_TileStripScrollBar->height(),
                w - buttons, m_TileStripScrollBar->height());
    placeInside(m_TileStrip, m_TilePicker, w - buttons,
                m_TilePicker->y() - m_TileStrip->BorderWidth(), m_TilePicker->width(),
                m_TilePicker->height());
    placeInside(m_TileStrip, m_SpritePicker, w - m_SpritePicker->width(),
                m_SpritePicker->y() - m_TileStrip->BorderWidth(), m_SpritePicker->width(),
                m_SpritePicker->height());
}

// ---- Selected tiles ----

void LevelEditorWindow::paintSelectedTile(int index) {
    if (index < 0 || index > 1)
        return;
    m_Tiles->Draw(SelectedTile(index), m_SelectedTileBox[index]->surface(), 0, 0,
                  EditGeometry::PaletteZoom);
    m_SelectedTileBox[index]->Refresh();
}

void LevelEditorWindow::SetSelectedTile(qint16 index, qint16 tile) {
    if (index < 0 || index > 1)
        return;
    m_Selection.SetTile(index, tile);
}

void LevelEditorWindow::selectedTileChanged(int index) {
    const qint16 tile = SelectedTile(index);
    paintSelectedTile(index);
    m_SelectedTileLabel[index]->setText(DecimalWithSignSpace(tile));
    // Bring the tile to the middle of the strip; a changed value redraws the
    // strip through the scroll bar's change handler.
    m_TileStripScrollBar->setValue(PaletteGeometry::StripCentre(
        tile, m_TileStripScrollBar->width(), m_Tiles->RenderWidth(EditGeometry::PaletteZoom),
        m_TileStripScrollBar->minimum(), m_TileStripScrollBar->maximum()));
}

// ---- Tile selector ----

void LevelEditorWindow::layOutTileSelector() {
    m_TileSelector->Resize();
}

void LevelEditorWindow::paintTileSelector() {
    m_TileSelector->Paint();
}

void LevelEditorWindow::PickTileAt(Qt::MouseButtons buttons, int x, int y) {
    const int tile = m_TileSelector->ItemAt(x, y);
    if (tile < 0)
        return;
    SetSelectedTile(static_cast<qint16>(ToolEvent::SlotOf(buttons)), static_cast<qint16>(tile));
}
