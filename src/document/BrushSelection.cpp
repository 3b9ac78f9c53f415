#include "BrushSelection.h"

#include "InfoValueText.h"
#include "SpriteCatalogue.h"

void BrushSelection::SetTile(int slot, qint16 tile) {
    m_Tiles[slot == 1 ? 1 : 0] = tile;
    emit tileChanged(slot == 1 ? 1 : 0);
}

void BrushSelection::SetSprite(qint16 sprite) {
    m_Sprite = sprite;
    emit spriteChanged();
}

qint16 BrushSelection::InfoToPlace() const {
    return m_Typed ? *m_Typed : SpriteCatalogue::InfoForSprite(m_Sprite);
}

void BrushSelection::PickValue(qint16 value, int levelNumber) {
    if (value == 0)
        return;
    const bool namesSprite =
        SpriteCatalogue::SpriteForInfo(value, qint16(levelNumber), qint16(m_SpriteCount)) !=
        SpriteCatalogue::NoSprite;
    if (!namesSprite) {
        // The sprite selection stays a sprite of the palette; the box shows
        // the value instead of it while the value is there.
        emit valuePicked(InfoValueText::Format(value));
        return;
    }
    emit valuePicked(QString());
    SetSprite(static_cast<qint16>(SpriteCatalogue::SpriteForPick(value)));
}
