#pragma once

#include <QCoreApplication>
#include <QPoint>
#include <QString>

class MapIndex;

// What one cell of the world map leads to, as the map's window tells it
// under the pointer and opens it: an entrance to a level, a blocker that
// opens once a level is finished, or nothing.
struct MapLink {
    Q_DECLARE_TR_FUNCTIONS(MapLink)
public:
    enum class Kind { None, Entrance, Blocker };

    Kind kind = Kind::None;
    int level = 0;

    // The link of `cell` on the map indexed by `map`.
    static MapLink At(const MapIndex& map, QPoint cell);
    // The level file of `level` beside the map's file `mapFile`, of the
    // map's episode, named in any letter case; "" when the folder has none.
    static QString LevelFile(const QString& mapFile, int level);

    bool IsLink() const { return kind != Kind::None; }
    // What the pointer's tooltip says: "Level 7", "Opens once level 7 is
    // finished"; "" for no link.
    QString Text() const;
};
