// Level commands of gridmason-tool: info, dump, new and resave. Each reads
// or writes level files only through Level, so the tool sees exactly what
// the editor sees.

#include "Level.h"
#include "PlayableSize.h"
#include "ToolCall.h"
#include "ToolCommand.h"

#include <QCommandLineParser>
#include <map>
#include <optional>

namespace {

// A whole decimal number in the range of a signed 16-bit word, or nothing.
std::optional<qint16> parseWord(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok || value < -32768 || value > 32767)
        return std::nullopt;
    return qint16(value);
}

std::optional<Level> loadLevel(const QString& fileName, const ToolCall& call) {
    Level level;
    const IoResult result = level.Load(fileName);
    if (!result) {
        call.BadInput(result.error);
        return std::nullopt;
    }
    return level;
}

void declareFile(QCommandLineParser& parser) {
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("the level file"));
}

// --- info ----------------------------------------------------------------

int runInfo(const ToolCall& call) {
    const QStringList args = call.Positional();
    if (args.size() != 1)
        return call.UsageError();
    const std::optional<Level> level = loadLevel(args[0], call);
    if (!level)
        return ToolBadInput;
    QTextStream& out = call.Out();
    out << "episode: " << level->Episode() << "\n"
        << "number: " << level->Number() << "\n"
        << "width: " << level->Width() << "\n"
        << "height: " << level->Height() << "\n";
    // The file is read and shown as it is; the game itself would fail on it.
    const QString tooLarge = PlayableSize::Warning(level->Width(), level->Height());
    if (!tooLarge.isEmpty())
        out << "warning: " << tooLarge << "\n";
    std::map<qint16, int> counts;
    for (qint16 value : level->InfoPlane())
        if (value != 0)
            ++counts[value];
    for (const auto& [value, count] : counts)
        out << "info " << value << ": " << count << "\n";
    return ToolOk;
}

const ToolCommand infoCommand(
    "info", "info FILE",
    "Prints a level's episode, number and size, and how often each info value occurs.",
    "Prints \"episode: E\", \"number: N\", \"width: W\" and \"height: H\", one a line; the\n"
    "episode and number come from the file's name (LEVEL05.CK1 is level 5 of\n"
    "episode 1). A level too large for the game to load adds a \"warning:\" line.\n"
    "Then, for every info value other than 0 in increasing order (as a signed\n"
    "number), \"info VALUE: COUNT\" with the number of cells holding it.\n",
    ToolCommand::Needs::Core, declareFile, runInfo);

// --- dump ----------------------------------------------------------------

const QString PlaneOption = QStringLiteral("plane");

void declareDump(QCommandLineParser& parser) {
    declareFile(parser);
    parser.addOption({PlaneOption, QStringLiteral("the plane to print (tiles unless given)"),
                      QStringLiteral("tiles|info"), QStringLiteral("tiles")});
}

int runDump(const ToolCall& call) {
    const QStringList args = call.Positional();
    const QString plane = call.Args().value(PlaneOption);
    if (args.size() != 1)
        return call.UsageError();
    if (plane != QLatin1String("tiles") && plane != QLatin1String("info"))
        return call.UsageError(QStringLiteral("no plane called '%1'").arg(plane));
    const std::optional<Level> level = loadLevel(args[0], call);
    if (!level)
        return ToolBadInput;
    const bool tiles = plane == QLatin1String("tiles");
    QTextStream& out = call.Out();
    for (int y = 0; y < level->Height(); ++y) {
        for (int x = 0; x < level->Width(); ++x) {
            if (x > 0)
                out << ',';
            out << (tiles ? level->Tile(x, y) : level->Info(x, y));
        }
        out << '\n';
    }
    return ToolOk;
}

const ToolCommand
    dumpCommand("dump", "dump FILE [--plane tiles|info]",
                "Prints one plane of a level as rows of comma-separated numbers.",
                "Prints the tile plane, or with --plane info the info plane, one row of cells a\n"
                "line from the top, each cell's value as a signed decimal number, the cells of\n"
                "a row separated by commas.\n",
                ToolCommand::Needs::Core, declareDump, runDump);

// --- new -----------------------------------------------------------------

void declareNew(QCommandLineParser& parser) {
    parser.addPositionalArgument(QStringLiteral("WIDTH"), QStringLiteral("cells across"));
    parser.addPositionalArgument(QStringLiteral("HEIGHT"), QStringLiteral("cells down"));
    parser.addPositionalArgument(QStringLiteral("EPISODE"), QStringLiteral("1, 2 or 3"));
    parser.addPositionalArgument(QStringLiteral("NUMBER"), QStringLiteral("the level's number"));
    parser.addPositionalArgument(QStringLiteral("OUT"), QStringLiteral("the file to write"));
}

int runNew(const ToolCall& call) {
    const QStringList args = call.Positional();
    if (args.size() != 5)
        return call.UsageError();
    const std::optional<qint16> width = parseWord(args[0]);
    const std::optional<qint16> height = parseWord(args[1]);
    const std::optional<qint16> episode = parseWord(args[2]);
    const std::optional<qint16> number = parseWord(args[3]);
    if (!width || !height || !episode || !number)
        return call.UsageError(QStringLiteral("WIDTH, HEIGHT, EPISODE and NUMBER are whole "
                                              "numbers from -32768 to 32767"));
    if (*width < 1 || *height < 1 || int(*width) * *height > Level::MaxCells)
        return call.BadInput(QStringLiteral("a level of %1x%2 cells does not fit in a level file "
                                            "(1 to %3 cells)")
                                 .arg(*width)
                                 .arg(*height)
                                 .arg(Level::MaxCells));
    if (*episode < 1 || *episode > 3)
        return call.BadInput(QStringLiteral("episode %1 is not 1, 2 or 3").arg(*episode));
    Level level;
    level.Create(*width, *height, *episode, *number);
    const IoResult saved = level.Save(args[4]);
    return saved ? ToolOk : call.BadInput(saved.error);
}

const ToolCommand
    newCommand("new", "new WIDTH HEIGHT EPISODE NUMBER OUT",
               "Writes a new level as File, New makes it: walled with the episode's border tile.",
               "Writes a level of WIDTH x HEIGHT cells to OUT: a frame two cells thick of the\n"
               "border tile of EPISODE (1, 2 or 3) around its fill tile, and no sprites or\n"
               "other info values. WIDTH x HEIGHT is at most 32760 cells (the game loads at\n"
               "most 16376). NUMBER is not stored in the file: the game and Gridmason take a\n"
               "level's number and episode from its file name, so name OUT after them\n"
               "(LEVEL05.CK1 is level 5 of episode 1). An existing OUT is replaced only by a\n"
               "complete new file.\n",
               ToolCommand::Needs::Core, declareNew, runNew);

// --- resave --------------------------------------------------------------

void declareResave(QCommandLineParser& parser) {
    parser.addPositionalArgument(QStringLiteral("IN"), QStringLiteral("the level to read"));
    parser.addPositionalArgument(QStringLiteral("OUT"), QStringLiteral("the file to write"));
}

int runResave(const ToolCall& call) {
    const QStringList args = call.Positional();
    if (args.size() != 2)
        return call.UsageError();
    const std::optional<Level> level = loadLevel(args[0], call);
    if (!level)
        return ToolBadInput;
    const IoResult saved = level->Save(args[1]);
    return saved ? ToolOk : call.BadInput(saved.error);
}

const ToolCommand
    resaveCommand("resave", "resave IN OUT",
                  "Reads a level and writes it again as the editor saves it.",
                  "Reads the level file IN and writes its tiles and info values, unchanged, to\n"
                  "OUT in the packed format File, Save writes. An existing OUT is replaced only\n"
                  "by a complete new file.\n",
                  ToolCommand::Needs::Core, declareResave, runResave);

} // namespace
