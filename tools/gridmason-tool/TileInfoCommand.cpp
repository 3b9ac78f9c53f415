// gridmason-tool tileinfo: what each tile of an episode does in the game, as
// the tile behaviour table read from the game's folder says, one CSV row a
// tile.

#include "TileBehaviour.h"
#include "TileBehaviourLoader.h"
#include "ToolCall.h"
#include "ToolCommand.h"

#include <QCommandLineParser>
#include <QDir>

namespace {

void declareTileInfo(QCommandLineParser& parser) {
    parser.addPositionalArgument(QStringLiteral("GAMEDIR"),
                                 QStringLiteral("the game's folder (or a folder with a "
                                                "TILEINFO.CKn table file)"));
    parser.addPositionalArgument(
        QStringLiteral("EPISODE"),
        QStringLiteral("1, 2 or 3; needed only when the folder holds more than one episode"),
        QStringLiteral("[EPISODE]"));
}

// The episodes whose program or table file `folder` holds.
QList<int> episodesIn(const QString& folder) {
    QList<int> found;
    const QStringList entries = QDir(folder).entryList(QDir::Files);
    for (int episode = 1; episode <= 3; ++episode)
        for (const QString& name : {TileBehaviourLoader::ProgramName(episode),
                                    TileBehaviourLoader::TableFileName(episode)})
            if (entries.contains(name, Qt::CaseInsensitive) && !found.contains(episode))
                found << episode;
    return found;
}

int runTileInfo(const ToolCall& call) {
    const QStringList args = call.Positional();
    if (args.isEmpty() || args.size() > 2)
        return call.UsageError();
    const QString& folder = args[0];
    int episode = 0;
    if (args.size() == 2) {
        bool ok = false;
        episode = args[1].toInt(&ok);
        if (!ok || episode < 1 || episode > 3)
            return call.UsageError(QStringLiteral("EPISODE is 1, 2 or 3, not '%1'").arg(args[1]));
    } else {
        const QList<int> episodes = episodesIn(folder);
        if (episodes.size() > 1)
            return call.UsageError(
                QStringLiteral("the folder holds episodes %1 and %2; give EPISODE")
                    .arg(episodes[0])
                    .arg(episodes[1]));
        episode = episodes.isEmpty() ? 1 : episodes.front();
    }
    TileBehaviour table;
    QString source;
    const IoResult loaded = TileBehaviourLoader::Load(folder, episode, table, source);
    if (!loaded)
        return call.BadInput(loaded.error);
    QTextStream& out = call.Out();
    out << "tile,animation,behaviour,top,right,bottom,left\n";
    for (int t = 0; t < table.Count(); ++t) {
        const TileBehaviour::Tile tile = table.At(t);
        out << t << ',' << tile.animation << ',' << TileBehaviour::BehaviourName(tile.behaviour)
            << ',' << tile.top << ',' << tile.right << ',' << tile.bottom << ',' << tile.left
            << '\n';
    }
    return ToolOk;
}

const ToolCommand
    tileInfoCommand("tileinfo", "tileinfo GAMEDIR [EPISODE]",
                    "Prints what each tile does in the game, read from the game's program, as CSV.",
                    "Reads the episode's tile behaviour table from the game's program in GAMEDIR\n"
                    "(KEENn.EXE, unpacked from its LZEXE packing when it is packed), with the\n"
                    "folder's patch scripts for the episode (*.PAT: %patchfile, %patch) applied\n"
                    "as the game would run; a folder without the program may hold the table\n"
                    "alone as TILEINFO.CKn. Prints one CSV row per tile after a header line:\n"
                    "\n"
                    "  tile,animation,behaviour,top,right,bottom,left\n"
                    "\n"
                    "animation is 1 for a still tile, 2 or 4 for a tile of a loop of that many;\n"
                    "behaviour is named (nothing, kills, foreground, exit, door 1, key 2, ...);\n"
                    "top, right, bottom and left say whether the tile blocks Keen from that side\n"
                    "(0 no, 1 yes; top 2 and 3 are special floors). EPISODE is needed only when\n"
                    "the folder holds more than one episode. Exits with 1 when the table cannot\n"
                    "be read, and says why.\n",
                    ToolCommand::Needs::Core, declareTileInfo, runTileInfo);

} // namespace
