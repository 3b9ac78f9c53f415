#pragma once

#include "IoResult.h"
#include "TileBehaviour.h"

#include <QCoreApplication>
#include <QString>

// Reads an episode's tile behaviour from a folder, as the game would run:
//
// - a folder with the episode's program (KEEN1.EXE, packed or not) gives
//   the table in the program, with the patch scripts (*.PAT) for the
//   episode beside it applied first, since the game's patcher writes them
//   over the program when it starts it;
// - a folder without the program may hold the table on its own, in the
//   form a patch file has ("TILEINFO.CK1"), as the demo graphics do.
//
// Every failure (no table, a damaged program, a table that cannot be told
// apart, patch scripts that disagree) comes back as a message that names
// the folder or file and the reason; the editor then works without it.
class TileBehaviourLoader {
    Q_DECLARE_TR_FUNCTIONS(TileBehaviourLoader)
public:
    // "TILEINFO.CK1" for episode 1.
    static QString TableFileName(int episode);
    // "KEEN1.EXE" for episode 1.
    static QString ProgramName(int episode);

    // Reads the table of `episode` from `folder` (file names in any letter
    // case). `source` says where it came from ("KEEN1.EXE, table at
    // 0x130F8").
    static IoResult Load(const QString& folder, int episode, TileBehaviour& table, QString& source);
    // The same for an episode's folders as the settings give them: the game
    // folder when it holds the program, otherwise the graphics folder.
    static IoResult LoadFor(int episode, const QString& gameFolder, const QString& graphicsFolder,
                            TileBehaviour& table, QString& source);
    // Reads a table file: six planes of little-endian words, as long as the
    // tile count makes them.
    static IoResult ReadTableFile(const QString& path, TileBehaviour& table);
};
