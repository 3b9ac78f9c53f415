#include "BrushSelection.h"

#include "InfoValueText.h"
#include "SpriteCatalogue.h"

void BrushSelection::SetTile(int slot, qint16 tile) {
    m_Tiles[slot == 1 ? 1 : 0] = tile;
    if (slot != 1)
        ClearStamp();
    emit tileChanged(slot == 1 ? 1 : 0);
}

void BrushSelection::SetStamp(const Stamp& stamp) {
    const CellBlock& block = stamp.Block();
    if (block.Width() * block.Height() == 1 && block.HasTiles() && block.Holds(0, 0)) {
        SetTile(0, block.Tile(0, 0));
        return;
    }
    if (stamp == m_Stamp)
        return;
    m_Stamp = stamp;
    emit stampChanged();
}

void BrushSelection::ClearStamp() {
    if (m_Stamp.IsEmpty())
        return;
    m_Stamp = Stamp();
    emit stampChanged();
}

void BrushSelection::SetSprite(qint16 sprite) {
    m_Sprite = sprite;
    emit spriteChanged();
}

void BrushSelection::SetValueText(const QString& text) {
    m_ValueText = text;
    const InfoValueText::Parsed typed = InfoValueText::Parse(text);
    m_Typed = typed.state == InfoValueText::State::Valid ? std::optional<qint16>(typed.value)
                                                         : std::nullopt;
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
        SetValueText(InfoValueText::Format(value));
        emit valuePicked(m_ValueText);
        return;
    }
    ChooseSprite(static_cast<qint16>(SpriteCatalogue::SpriteForPick(value)));
}

void BrushSelection::ChooseSprite(qint16 sprite) {
    SetValueText(QString());
    emit valuePicked(m_ValueText);
    SetSprite(sprite);
}
