#pragma once

#include "TileBehaviour.h"

#include <QCoreApplication>
#include <QString>
#include <array>
#include <memory>

class TileBehaviourOverlay;

// What each episode's tiles do, for the editor's views: the table read from
// the episode's game folder (its program) or, without the program there,
// from its graphics folder (the demo graphics' TILEINFO.CKn), with the
// reason when neither holds one. The main window keeps one and hands each
// view its episode's table and overlay; without a table the editor works
// as it would without this.
class EpisodeTileBehaviour {
    Q_DECLARE_TR_FUNCTIONS(EpisodeTileBehaviour)
public:
    static constexpr int Episodes = 3;

    // Reads the table of `episode` (1..3) from its folders, unless they are
    // the folders it was last read from. True when the table or the reason
    // it is missing changed.
    bool Update(int episode, const QString& gameFolder, const QString& graphicsFolder);
    // Reads it again from the same folders (the files changed). True when
    // the table or the reason changed.
    bool Reload(int episode);

    // The episode's table; null when there is none.
    std::shared_ptr<const TileBehaviour> Table(int episode) const;
    // Its marks as the canvas draws them; null when there is no table.
    std::shared_ptr<const TileBehaviourOverlay> Overlay(int episode) const;
    // Where the table came from ("KEEN1.EXE, table at 0x130F8"), or why
    // there is none; both empty before the episode's first Update.
    QString Source(int episode) const;
    QString Reason(int episode) const;

    // The text the tile strip, the selector's tooltips and the status bar
    // show for a tile: "Tile 159: exit", or "Tile 159" without a table.
    QString Describe(int episode, int tile) const;

private:
    struct Episode {
        bool read = false;
        QString gameFolder;
        QString graphicsFolder;
        std::shared_ptr<const TileBehaviour> table;
        std::shared_ptr<const TileBehaviourOverlay> overlay;
        QString source;
        QString reason;
    };
    const Episode* Find(int episode) const;
    bool Read(Episode& episode, int number);

    std::array<Episode, Episodes> m_Episodes;
};
