// The sprite palette: the selected-sprite box and the pop-up sprite
// selector, a grid of cells as large as the largest sprite.
#include "LevelEditorWindow.h"

#include "DecimalText.h"
#include "EditGeometry.h"
#include "InfoOverlay.h"
#include "InfoValueText.h"
#include "PaletteGeometry.h"
#include "PictureBox.h"
#include "SelectorPanel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

void LevelEditorWindow::SetSelectedSprite(qint16 sprite) {
    m_Selection.SetSprite(sprite);
}

void LevelEditorWindow::selectedSpriteChanged() {
    ShowLeftButtonSprite();
}

void LevelEditorWindow::ShowLeftButtonSprite() {
    paintSelectedSprite();
    m_SelectedSpriteLabel->setText(TypedInfoValue() ? tr("Value")
                                                    : DecimalWithSignSpace(SelectedSprite()));
}

void LevelEditorWindow::paintSelectedSprite() {
    Surface& box = m_SelectedSpriteBox->surface();
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
        m_Sprites->Draw(SelectedSprite(), box, 0, 0, EditGeometry::PaletteZoom, true);
    }
    m_SelectedSpriteBox->Refresh();
}

void LevelEditorWindow::layOutSpriteSelector() {
    m_SpriteSelector->Resize();
}

void LevelEditorWindow::paintSpriteSelector() {
    m_SpriteSelector->Paint();
}

void LevelEditorWindow::PickSpriteAt(int x, int y) {
    const int sprite = SpriteAt(x, y);
    if (sprite >= 0)
        m_Selection.ChooseSprite(static_cast<qint16>(sprite));
}

int LevelEditorWindow::SpriteAt(int x, int y) const {
    return m_SpriteSelector->ItemAt(x, y);
}
