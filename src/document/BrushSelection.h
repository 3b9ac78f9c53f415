#pragma once

#include "Stamp.h"

#include <QObject>
#include <QString>

#include <optional>

// What the brush puts down and picks up: the mode (tiles or sprites), the
// tile of each mouse button, the selected sprite and the text of the tool
// bar's Value box, whose info value in sprite mode is placed instead of the
// sprite. The palettes and boxes of the editor window show it and follow
// its signals. The left button's brush may instead hold a stamp, a block of
// cells painted as one.
class BrushSelection : public QObject {
    Q_OBJECT
public:
    enum Mode { TileMode = 0, SpriteMode = 1 };

    int Mode() const { return m_Mode; }
    void SetMode(int mode) { m_Mode = mode; }
    // slot 0 for the left button, 1 for the right.
    qint16 Tile(int slot) const { return m_Tiles[slot == 1 ? 1 : 0]; }
    // Choosing the left button's tile returns its brush to that one tile.
    void SetTile(int slot, qint16 tile);

    // The stamp the left button paints; empty for the single tile or sprite.
    const Stamp& CurrentStamp() const { return m_Stamp; }
    bool HasStamp() const { return !m_Stamp.IsEmpty(); }
    // A stamp of one cell is no stamp: the brush takes its tile instead.
    void SetStamp(const Stamp& stamp);
    // Esc: back to the single tile.
    void ClearStamp();
    qint16 Sprite() const { return m_Sprite; }
    void SetSprite(qint16 sprite);
    // The Value box's text as the user left it, whether or not it reads as
    // an info value.
    void SetValueText(const QString& text);
    QString ValueText() const { return m_ValueText; }
    // The box's info value, when its text is one.
    std::optional<qint16> TypedValue() const { return m_Typed; }
    // The number of sprites of the episode's set (which values show one).
    void SetSpriteCount(int count) { m_SpriteCount = count; }

    // What the left button writes in sprite mode: the typed value, else the
    // selected sprite's info value.
    qint16 InfoToPlace() const;
    // After a pick of a cell holding `value` on level `levelNumber`: 0 does
    // nothing; a value that shows no sprite goes to the tool bar's box, the
    // sprite selection staying as it was; a sprite's value selects that
    // sprite and empties the box, so that it is what is placed next.
    void PickValue(qint16 value, int levelNumber);
    // A sprite chosen in the sprite selector: it is what the left button
    // places next, so the box empties.
    void ChooseSprite(qint16 sprite);

signals:
    void tileChanged(int slot);
    void spriteChanged();
    void stampChanged();
    // The tool bar's box should now read `text` (ValueText already does).
    void valuePicked(const QString& text);

private:
    int m_Mode = TileMode;
    qint16 m_Tiles[2] = {0, 0};
    qint16 m_Sprite = 0;
    Stamp m_Stamp;
    QString m_ValueText;
    std::optional<qint16> m_Typed;
    int m_SpriteCount = 0;
};
