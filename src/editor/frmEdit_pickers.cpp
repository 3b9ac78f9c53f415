// The picker buttons: holding cmdTiles or cmdSprites opens the tile or
// sprite selector over the edit area, dragging picks or scrolls it and the
// release picks and closes it; holding the corner button cmdLevelPreview
// opens the level preview, and dragging moves the canvas's view. Qt sends
// the moves and the release to the pressed button wherever the pointer goes.

#include "frmEdit.h"

#include "PaletteGeometry.h"
#include "PickerButton.h"
#include "PickerGeometry.h"
#include "PictureBox.h"
#include "Utils.h"
#include "VbMath.h"

#include <QScrollBar>
#include <QToolButton>
#include <QToolTip>

#include <algorithm>

namespace {

// The pointer, reported relative to `button`, in the window's inner area.
// The button's position is counted inside its container's inner area, as
// the container's border and its place in the window are added back.
QPointF PointerInWindow(const frmEdit& window, const PickerButton* button,
                        const PictureBox* container, double x, double y) {
    const int border = container->BorderWidth();
    const QPoint containerPos = container->mapTo(&window, QPoint(0, 0));
    return QPointF(
        PickerGeometry::PointerToWindow(button->x() - border, x, 2 * border, containerPos.x()),
        PickerGeometry::PointerToWindow(button->y() - border, y, 2 * border, containerPos.y()));
}

// A pointer position as a whole pixel (halves to even), kept within int.
int Whole(double value) {
    return int(std::clamp<long long>(VbMath::roundEven(value), -(1LL << 30), 1LL << 30));
}

// What differs between the tile and the sprite selector.
struct SelectorParts {
    PictureBox* selector;
    QScrollBar* bar;
    int pitchW;
    int pitchH;
};

// The grid the selector's layout shows at its present size. A hidden
// selector only learns its size once it is shown, so it is shown first.
PaletteGeometry::Grid GridOf(const SelectorParts& parts) {
    const int inner = parts.selector->width() - 2 * parts.selector->BorderWidth();
    const int innerH = parts.selector->height() - 2 * parts.selector->BorderWidth();
    return PaletteGeometry::SelectorGrid(inner, innerH, parts.bar->width(), parts.pitchW,
                                         parts.pitchH);
}

// Shows the selector in front of everything, scrolled so that selection `s`
// is in its middle row, and puts the pointer on that selection.
void OpenSelector(const SelectorParts& parts, int s) {
    parts.selector->raise();
    parts.selector->show();
    const PaletteGeometry::Grid grid = GridOf(parts);
    const int top = PickerGeometry::OpeningTopRow(s, grid.columns, grid.rows, parts.bar->minimum(),
                                                  parts.bar->maximum());
    parts.bar->setValue(top);
    const QPoint target = PickerGeometry::OpeningPointer(s, grid.columns, parts.pitchW,
                                                         parts.pitchH, parts.bar->value());
    PlaceCursor(parts.selector, target.x(), target.y());
}

// The step of a drag over an open selector: above or below it scrolls one
// row and redraws it (true), inside it nothing is scrolled (false).
bool ScrollSelector(const SelectorParts& parts, double windowY) {
    switch (PickerGeometry::DragZoneOf(windowY, parts.selector->y(), parts.selector->height())) {
    case PickerGeometry::DragZone::Above:
        if (parts.bar->value() > 0)
            parts.bar->setValue(parts.bar->value() - 1);
        return true;
    case PickerGeometry::DragZone::Below:
        if (parts.bar->value() < parts.bar->maximum())
            parts.bar->setValue(parts.bar->value() + 1);
        return true;
    case PickerGeometry::DragZone::Inside:
        break;
    }
    return false;
}

SelectorParts TileParts(frmEdit& w) {
    return {w.picTileSelector, w.scrTileSelector, Whole(w.m_PaletteTiles.RenderWidth() + 4),
            Whole(w.m_PaletteTiles.RenderHeight() + 4)};
}

SelectorParts SpriteParts(frmEdit& w) {
    return {w.picSpriteSelector, w.scrSpriteSelector, w.m_PaletteSprites.MaxRenderWidth() + 4,
            w.m_PaletteSprites.MaxRenderHeight() + 4};
}

// A panel is open exactly while it is shown; moves and releases that reach
// a button whose panel is closed (another mouse button's release closed it)
// do nothing.
bool IsOpen(const QWidget* panel) {
    return !panel->isHidden();
}

} // namespace

// ---- Tile picker ----

void frmEdit::cmdTiles_MouseDown(int button, int, double, double) {
    optMode[0]->setChecked(true);
    const int slot = PaletteGeometry::SelectionSlot(button);
    OpenSelector(TileParts(*this), m_SelectedTiles[slot]);
}

void frmEdit::cmdTiles_MouseMove(int button, int, double x, double y) {
    if (button == 0 || !IsOpen(picTileSelector))
        return;
    const QPointF p = PointerInWindow(*this, cmdTiles, picTiles, x, y);
    if (ScrollSelector(TileParts(*this), p.y()))
        picTileSelector_Paint();
    else
        PickTileAt(button, Whole(p.x()), Whole(p.y()));
}

void frmEdit::cmdTiles_MouseUp(int button, int, double x, double y) {
    if (!IsOpen(picTileSelector))
        return;
    const QPointF p = PointerInWindow(*this, cmdTiles, picTiles, x, y);
    PickTileAt(button, Whole(p.x()), Whole(p.y()));
    picTileSelector->hide();
    PlaceCursor(cmdTiles, int(VbMath::halfOf(cmdTiles->width())),
                int(VbMath::halfOf(cmdTiles->height())));
    // Keyboard commands go to this window again once the selector is gone.
    setFocus();
}

// ---- Sprite picker ----

void frmEdit::cmdSprites_MouseDown(int, int, double, double) {
    optMode[1]->setChecked(true);
    OpenSelector(SpriteParts(*this), m_SelectedSprite);
}

void frmEdit::cmdSprites_MouseMove(int button, int, double x, double y) {
    if (button == 0 || !IsOpen(picSpriteSelector))
        return;
    const QPointF p = PointerInWindow(*this, cmdSprites, picTiles, x, y);
    if (ScrollSelector(SpriteParts(*this), p.y())) {
        picSpriteSelector_Paint();
    } else {
        PickSpriteAt(Whole(p.x()), Whole(p.y()));
        // The sprite's name follows the pointer: tooltips do not come by
        // themselves while a button is held.
        const int sprite = SpriteAt(Whole(p.x()), Whole(p.y()));
        QToolTip::showText(mapToGlobal(p.toPoint()), SpriteTip(sprite), picSpriteSelector);
    }
}

void frmEdit::cmdSprites_MouseUp(int, int, double x, double y) {
    if (!IsOpen(picSpriteSelector))
        return;
    const QPointF p = PointerInWindow(*this, cmdSprites, picTiles, x, y);
    PickSpriteAt(Whole(p.x()), Whole(p.y()));
    QToolTip::hideText();
    picSpriteSelector->hide();
    PlaceCursor(cmdSprites, int(VbMath::halfOf(cmdSprites->width())),
                int(VbMath::halfOf(cmdSprites->height())));
    setFocus();
}

// ---- Level preview ----

void frmEdit::cmdLevelPreview_MouseDown(int, int, double, double) {
    OpenLevelPreview();
}

void frmEdit::cmdLevelPreview_MouseMove(int button, int, double x, double y) {
    if (button == 0 || !IsOpen(picLevelPreview))
        return;
    const QPointF p = PointerInWindow(*this, cmdLevelPreview, picEditHolder, x, y);
    FollowLevelPreview(Whole(p.x()), Whole(p.y()));
}

void frmEdit::cmdLevelPreview_MouseUp(int, int, double, double) {
    CloseLevelPreview();
}
