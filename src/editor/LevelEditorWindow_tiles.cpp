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

void LevelEditorWindow::picTiles_Paint() {
    Surface& surface = picTiles->surface();
    const double pitch = m_Tiles->RenderWidth(EditGeometry::PaletteZoom) + CellGap;
    const double tileHeight = m_Tiles->RenderHeight(EditGeometry::PaletteZoom);
    // Counting cells by the tile width rather than the pitch draws a few more
    // than fit; the surface clips them.
    const long long cells =
        m_Tiles->PixelWToTiles(picTiles->ScaleWidth(), EditGeometry::PaletteZoom) + 1;
    const long long first = scrTiles->value();
    for (long long i = 0; i < cells; ++i) {
        const double left = pitch * double(i);
        m_Tiles->Draw(drawableIndex(first + i), surface, static_cast<int>(left) + 4, 2,
                      EditGeometry::PaletteZoom);
        surface.Line(left + 3, 1, pitch * double(i + 1), tileHeight + 2, FrameColour, false);
    }
    picTiles->Refresh();
}

void LevelEditorWindow::scrTiles_Change() {
    picTiles_Paint();
}

void LevelEditorWindow::scrTiles_Scroll() {
    picTiles_Paint();
}

void LevelEditorWindow::picTiles_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, double x,
                                           double /*y*/) {
    const double pitch = m_Tiles->RenderWidth(EditGeometry::PaletteZoom) + CellGap;
    const int tile = PaletteGeometry::StripTileAt(x, scrTiles->value(), pitch, m_Tiles->Count());
    if (tile < 0)
        return; // an empty set offers nothing to choose
    SetSelectedTile(static_cast<qint16>(ToolEvent::SlotOf(button)), static_cast<qint16>(tile));
}

void LevelEditorWindow::picTiles_Resize() {
    const int w = picTiles->ScaleWidth();
    const int h = picTiles->ScaleHeight();
    const int buttons = cmdTiles->width() + cmdSprites->width();
    placeInside(picTiles, scrTiles, 0, h - scrTiles->height(), w - buttons, scrTiles->height());
    placeInside(picTiles, cmdTiles, w - buttons, cmdTiles->y() - picTiles->BorderWidth(),
                cmdTiles->width(), cmdTiles->height());
    placeInside(picTiles, cmdSprites, w - cmdSprites->width(),
                cmdSprites->y() - picTiles->BorderWidth(), cmdSprites->width(),
                cmdSprites->height());
}

// ---- Selected tiles ----

void LevelEditorWindow::picSelectedTile_Paint(int index) {
    if (index < 0 || index > 1)
        return;
    m_Tiles->Draw(SelectedTile(index), picSelectedTile[index]->surface(), 0, 0,
                  EditGeometry::PaletteZoom);
    picSelectedTile[index]->Refresh();
}

void LevelEditorWindow::SetSelectedTile(qint16 index, qint16 tile) {
    if (index < 0 || index > 1)
        return;
    m_Selection.SetTile(index, tile);
}

void LevelEditorWindow::selection_TileChanged(int index) {
    const qint16 tile = SelectedTile(index);
    picSelectedTile_Paint(index);
    lblSelectedTile[index]->setText(DecimalWithSignSpace(tile));
    // Bring the tile to the middle of the strip; a changed value redraws the
    // strip through the scroll bar's change handler.
    scrTiles->setValue(PaletteGeometry::StripCentre(tile, scrTiles->width(),
                                                    m_Tiles->RenderWidth(EditGeometry::PaletteZoom),
                                                    scrTiles->minimum(), scrTiles->maximum()));
}

// ---- Tile selector ----

void LevelEditorWindow::picTileSelector_Resize() {
    m_TileSelector->Resize();
}

void LevelEditorWindow::picTileSelector_Paint() {
    m_TileSelector->Paint();
}

void LevelEditorWindow::PickTileAt(Qt::MouseButtons buttons, int x, int y) {
    const int tile = m_TileSelector->ItemAt(x, y);
    if (tile < 0)
        return;
    SetSelectedTile(static_cast<qint16>(ToolEvent::SlotOf(buttons)), static_cast<qint16>(tile));
}
