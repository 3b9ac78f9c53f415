// The picker buttons: holding m_TilePicker or m_SpritePicker opens the tile or
// sprite selector over the edit area, dragging picks or scrolls it and the
// release picks and closes it (the sprite picker only once the pointer has
// left the sprite the selector put it on, see SpritePick); holding the
// corner button of the canvas opens the level preview, and dragging moves
// the canvas's view. Qt sends the moves and the release to the pressed
// button wherever the pointer goes.

#include "LevelEditorWindow.h"

#include "EditTool.h"
#include "EditToolBox.h"
#include "LevelCanvas.h"
#include "LevelDocument.h"
#include "MousePointer.h"
#include "PaletteGeometry.h"
#include "PickerButton.h"
#include "PickerGeometry.h"
#include "PictureBox.h"
#include "Rounding.h"
#include "SelectorPanel.h"
#include "Stamp.h"

#include <QCursor>
#include <QScrollBar>
#include <QToolButton>
#include <QToolTip>

#include <algorithm>

namespace {

// The pointer, reported relative to `button`, in the window's inner area.
// The button's position is counted inside its container's inner area, as
// the container's border and its place in the window are added back.
QPointF PointerInWindow(const LevelEditorWindow& window, const PickerButton* button,
                        const QWidget* container, double x, double y) {
    const auto* box = qobject_cast<const PictureBox*>(container);
    const int border = box ? box->BorderWidth() : 0;
    const QPoint containerPos = container->mapTo(&window, QPoint(0, 0));
    return QPointF(
        PickerGeometry::PointerToWindow(button->x() - border, x, 2 * border, containerPos.x()),
        PickerGeometry::PointerToWindow(button->y() - border, y, 2 * border, containerPos.y()));
}

// The pointer at (x, y) relative to `button`, in screen pixels.
QPoint OnScreen(const PickerButton* button, double x, double y) {
    return button->mapToGlobal(QPointF(x, y)).toPoint();
}

// A pointer position as a whole pixel (halves to even), kept within int.
int Whole(double value) {
    return int(std::clamp<long long>(roundToInteger(value), -(1LL << 30), 1LL << 30));
}

} // namespace

// ---- Tile picker ----

void LevelEditorWindow::tilePickerPressed(Qt::MouseButton button, Qt::KeyboardModifiers, double,
                                          double) {
    m_ModeButton[0]->setChecked(true);
    const int slot = ToolEvent::SlotOf(button);
    m_StampCorner = -1;
    m_TileSelector->Open(SelectedTile(slot));
}

void LevelEditorWindow::tilePickerMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                                        double x, double y) {
    if (buttons == Qt::NoButton || !m_TileSelector->IsOpen())
        return;
    const QPointF p = PointerInWindow(*this, m_TilePicker, m_TileStrip, x, y);
    if (m_TileSelector->DragScroll(p.y()))
        return;
    PickTileAt(buttons, Whole(p.x()), Whole(p.y()));
    // The tile and what it does follow the pointer, as the sprites' names.
    const int tile = m_TileSelector->ItemAt(Whole(p.x()), Whole(p.y()));
    // With Ctrl held, the left button's drag spans a block of tiles from
    // the tile it was over when Ctrl went down: the brush's stamp on release.
    const bool block = buttons == Qt::LeftButton && ToolEvent::Picks(modifiers);
    if (!block)
        m_StampCorner = -1;
    else if (m_StampCorner < 0)
        m_StampCorner = tile;
    if (tile < 0) {
        QToolTip::hideText();
        return;
    }
    const QSize size =
        PaletteGeometry::SelectorSpan(m_TileSelector->Grid(), m_StampCorner, tile).size();
    QToolTip::showText(mapToGlobal(p.toPoint()),
                       block && m_StampCorner >= 0
                           ? tr("Stamp of %1 x %2 tiles").arg(size.width()).arg(size.height())
                           : TileText(tile),
                       m_TileSelectorBox);
}

void LevelEditorWindow::tilePickerReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                                           double x, double y) {
    if (!m_TileSelector->IsOpen())
        return;
    const QPointF p = PointerInWindow(*this, m_TilePicker, m_TileStrip, x, y);
    PickTileAt(button, Whole(p.x()), Whole(p.y()));
    const int tile = m_TileSelector->ItemAt(Whole(p.x()), Whole(p.y()));
    if (button == Qt::LeftButton && ToolEvent::Picks(modifiers) && m_StampCorner >= 0 &&
        tile >= 0 && tile != m_StampCorner) {
        const PaletteGeometry::Grid grid = m_TileSelector->Grid();
        const Stamp stamp =
            Stamp::FromTileGrid(PaletteGeometry::SelectorSpan(grid, m_StampCorner, tile),
                                int(grid.columns), m_Tiles->Count(), m_Document->level().Episode());
        if (!stamp.IsEmpty())
            m_Tools->UseStamp(stamp);
    }
    m_StampCorner = -1;
    QToolTip::hideText();
    m_TileSelector->Close();
    MousePointer::MoveTo(m_TilePicker, int(halfOfTruncated(m_TilePicker->width())),
                         int(halfOfTruncated(m_TilePicker->height())));
    // Keyboard commands go to this window again once the selector is gone.
    setFocus();
}

// ---- Sprite picker ----

void LevelEditorWindow::spritePickerPressed(Qt::MouseButton, Qt::KeyboardModifiers, double,
                                            double) {
    m_ModeButton[1]->setChecked(true);
    m_SpriteSelector->Open(SelectedSprite());
    m_SpritePick.Begin(QCursor::pos());
}

void LevelEditorWindow::spritePickerMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers, double x,
                                          double y) {
    if (buttons == Qt::NoButton || !m_SpriteSelector->IsOpen())
        return;
    const QPointF p = PointerInWindow(*this, m_SpritePicker, m_TileStrip, x, y);
    if (m_SpriteSelector->DragScroll(p.y())) {
        m_SpritePick.Move(OnScreen(m_SpritePicker, x, y), -1);
        return;
    }
    const int sprite = SpriteAt(Whole(p.x()), Whole(p.y()));
    m_SpritePick.Move(OnScreen(m_SpritePicker, x, y), sprite);
    // The sprite's name follows the pointer: tooltips do not come by
    // themselves while a button is held.
    QToolTip::showText(mapToGlobal(p.toPoint()), SpriteTip(sprite), m_SpriteSelectorBox);
}

void LevelEditorWindow::spritePickerReleased(Qt::MouseButton, Qt::KeyboardModifiers, double x,
                                             double y) {
    if (!m_SpriteSelector->IsOpen())
        return;
    const QPointF p = PointerInWindow(*this, m_SpritePicker, m_TileStrip, x, y);
    m_SpritePick.Release(OnScreen(m_SpritePicker, x, y), SpriteAt(Whole(p.x()), Whole(p.y())));
    QToolTip::hideText();
    m_SpriteSelector->Close();
    MousePointer::MoveTo(m_SpritePicker, int(halfOfTruncated(m_SpritePicker->width())),
                         int(halfOfTruncated(m_SpritePicker->height())));
    setFocus();
}

// ---- Level preview ----

void LevelEditorWindow::previewButtonPressed(Qt::MouseButton, Qt::KeyboardModifiers, double,
                                             double) {
    OpenLevelPreview();
}

void LevelEditorWindow::previewButtonMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers,
                                           double x, double y) {
    if (buttons == Qt::NoButton || m_PreviewMap->isHidden())
        return;
    const QPointF p = PointerInWindow(*this, m_LevelCanvas->PreviewButton(), m_LevelCanvas, x, y);
    FollowLevelPreview(Whole(p.x()), Whole(p.y()));
}

void LevelEditorWindow::previewButtonReleased(Qt::MouseButton, Qt::KeyboardModifiers, double,
                                              double) {
    CloseLevelPreview();
}
