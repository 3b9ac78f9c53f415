// The sprite palette: the selected-sprite box and the pop-up sprite
// selector, a grid of cells as large as the largest sprite.
#include "frmEdit.h"

#include "InfoOverlay.h"
#include "InfoValueText.h"
#include "PaletteGeometry.h"
#include "PictureBox.h"
#include "VbMath.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace {

constexpr QRgb FrameColour = 0xFF000000;
constexpr int CellGap = 4;

double pitchX(const SpriteSet& sprites) {
    return double(sprites.MaxRenderWidth()) + CellGap;
}
double pitchY(const SpriteSet& sprites) {
    return double(sprites.MaxRenderHeight()) + CellGap;
}

PaletteGeometry::Grid spriteGrid(const PictureBox* selector, const QScrollBar* bar,
                                 const SpriteSet& sprites) {
    return PaletteGeometry::SelectorGrid(selector->ScaleWidth(), selector->ScaleHeight(),
                                         bar->width(), pitchX(sprites), pitchY(sprites));
}

} // namespace

void frmEdit::SetSelectedSprite(qint16 sprite) {
    m_SelectedSprite = sprite;
    ShowLeftButtonSprite();
}

void frmEdit::ShowLeftButtonSprite() {
    picSelectedSprite_Paint();
    lblSelectedSprite->setText(TypedInfoValue() ? tr("Value")
                                                : VbMath::numberText(m_SelectedSprite));
}

void frmEdit::picSelectedSprite_Paint() {
    Surface& box = picSelectedSprite->surface();
    box.Cls();
    if (const std::optional<qint16> value = TypedInfoValue()) {
        // The value the left button writes, lettered as the canvas's
        // overlay letters it, as large as fits, in the middle of the box.
        const QString text = InfoOverlay::Text(*value);
        QImage stamp;
        for (int scale = 4; scale >= 1; --scale) {
            stamp = InfoOverlay::Stamp(InfoOverlay::Lines(text, box.ScaleWidth(), scale), scale);
            if (stamp.width() <= box.ScaleWidth() && stamp.height() <= box.ScaleHeight())
                break;
        }
        QPainter painter(&box.image());
        painter.drawImage((box.ScaleWidth() - stamp.width()) / 2,
                          (box.ScaleHeight() - stamp.height()) / 2, stamp);
    } else {
        // Drawn opaque on the box's own background; a sprite larger than the
        // box is cut off by it.
        m_PaletteSprites.Draw(m_SelectedSprite, box, 0, 0, true);
    }
    picSelectedSprite->Refresh();
}

void frmEdit::picSpriteSelector_Resize() {
    const int w = picSpriteSelector->ScaleWidth();
    const int h = picSpriteSelector->ScaleHeight();
    const int barWidth = scrSpriteSelector->width();
    const int border = picSpriteSelector->BorderWidth();
    scrSpriteSelector->setGeometry(w - barWidth + border, border, barWidth, std::max(0, h));
    const PaletteGeometry::ScrollRange range = PaletteGeometry::SelectorRange(
        m_PaletteSprites.Count(),
        spriteGrid(picSpriteSelector, scrSpriteSelector, m_PaletteSprites));
    scrSpriteSelector->setMinimum(0);
    scrSpriteSelector->setMaximum(range.maximum);
    scrSpriteSelector->setEnabled(range.enabled);
    scrSpriteSelector->setPageStep(range.largeChange);
    scrSpriteSelector->setSingleStep(1);
}

void frmEdit::picSpriteSelector_Paint() {
    // Whatever an earlier layout or sprite set left behind goes first, so
    // the gaps and the cells past the last sprite show the background.
    Surface& surface = picSpriteSelector->surface();
    surface.Cls();
    picSpriteSelector->Refresh();
    const PaletteGeometry::Grid grid =
        spriteGrid(picSpriteSelector, scrSpriteSelector, m_PaletteSprites);
    if (!grid.Usable())
        return;
    const double pw = pitchX(m_PaletteSprites);
    const double ph = pitchY(m_PaletteSprites);
    const long long count = m_PaletteSprites.Count();
    const long long firstRow = scrSpriteSelector->value();
    for (long long r = 0; r < grid.rows; ++r) {
        for (long long c = 0; c < grid.columns; ++c) {
            const long long sprite = PaletteGeometry::SelectorCell(grid, firstRow, r, c);
            const double left = pw * double(c);
            const double top = ph * double(r);
            // Cells past the last sprite keep only their frame.
            if (sprite < count)
                m_PaletteSprites.Draw(static_cast<qint16>(sprite), surface,
                                      static_cast<int>(left) + 4, static_cast<int>(top) + 4, true);
            surface.Line(left + 3, top + 3, pw * double(c + 1), ph * double(r + 1), FrameColour,
                         false);
        }
    }
    picSpriteSelector->Refresh();
}

void frmEdit::PickSpriteAt(int x, int y) {
    const int sprite = SpriteAt(x, y);
    if (sprite < 0)
        return;
    SetSelectedSprite(static_cast<qint16>(sprite));
    // A sprite chosen in the palette is what the left button places next,
    // not a value left in the tool bar's box.
    txtInfoValue->clear();
}

int frmEdit::SpriteAt(int x, int y) const {
    const PaletteGeometry::Grid grid =
        spriteGrid(picSpriteSelector, scrSpriteSelector, m_PaletteSprites);
    const QPoint inner = PaletteGeometry::InnerPoint(x, y, picSpriteSelector->geometry(),
                                                     picSpriteSelector->ScaleWidth(),
                                                     picSpriteSelector->ScaleHeight());
    const int sprite = PaletteGeometry::SelectorPick(
        inner.x(), inner.y(), picSpriteSelector->ScaleWidth(), picSpriteSelector->ScaleHeight(),
        pitchX(m_PaletteSprites), pitchY(m_PaletteSprites), grid, scrSpriteSelector->value(),
        m_PaletteSprites.Count());
    return sprite < 0 ? -1 : sprite;
}
