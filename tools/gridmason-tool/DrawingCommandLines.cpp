// The command lines of the commands that draw: what `help` shows and what
// the parser takes. See DrawingCommands.h for where their bodies run.

#include "DrawingCommands.h"
#include "ToolCommand.h"

#include <QCommandLineParser>

using namespace DrawingCommands;

namespace {

// --- render --------------------------------------------------------------

void declareRender(QCommandLineParser& parser) {
    parser.addPositionalArgument(QStringLiteral("LEVEL"), QStringLiteral("the level file"));
    parser.addOption({{QStringLiteral("o"), OutputOption},
                      QStringLiteral("the PNG file to write"),
                      QStringLiteral("OUT.png")});
    parser.addOption({GraphicsOption,
                      QStringLiteral("the episode's graphics: a folder of exported bitmaps "
                                     "or the game's own folder"),
                      QStringLiteral("DIR")});
    parser.addOption({ZoomOption,
                      QStringLiteral("draw each tile 2^Z pixels across per 16 (0 unless given)"),
                      QStringLiteral("Z"), QStringLiteral("0")});
    parser.addOption(
        {InfoValuesOption, QStringLiteral("write every non-zero info value over its cell")});
}

const ToolCommand
    renderCommand("render", "render LEVEL -o OUT.png --graphics DIR [--zoom Z] [--info-values]",
                  "Draws a whole level with its episode's graphics into a PNG file.",
                  "Draws every cell of LEVEL, its tiles and then its sprites, as the editor\n"
                  "shows them, into the PNG picture OUT.png. DIR is the episode's graphics: a\n"
                  "folder of bitmaps exported from the game or the game's own folder. With\n"
                  "--zoom 0 a tile is 16 pixels across; 1 doubles that, -1 halves it. A picture\n"
                  "larger than 32767 pixels a side is refused (exit code 2); choose a smaller\n"
                  "zoom. An existing OUT.png is replaced only by a complete new file.\n",
                  ToolCommand::Needs::Drawing, declareRender, Render);

// --- render-episode ------------------------------------------------------

void declareRenderEpisode(QCommandLineParser& parser) {
    parser.addPositionalArgument(QStringLiteral("DIR"),
                                 QStringLiteral("the folder of the episode's levels"));
    parser.addOption({{QStringLiteral("o"), OutputOption},
                      QStringLiteral("the PNG file to write"),
                      QStringLiteral("OUT.png")});
    parser.addOption({GraphicsOption,
                      QStringLiteral("the episode's graphics: a folder of exported bitmaps or the "
                                     "game's own folder (DIR unless given)"),
                      QStringLiteral("GRAPHICS")});
    parser.addOption({ZoomOption,
                      QStringLiteral("draw each tile 2^Z pixels across per 16 (-3 unless given)"),
                      QStringLiteral("Z"), QStringLiteral("-3")});
    parser.addOption({EpisodeOption,
                      QStringLiteral("the episode whose levels to draw (1, 2 or 3) when DIR holds "
                                     "several; the one with the most levels unless given"),
                      QStringLiteral("E")});
}

const ToolCommand renderEpisodeCommand(
    "render-episode",
    "render-episode DIR -o OUT.png [--zoom Z] [--graphics GRAPHICS] [--episode E]",
    "Draws every level of an episode's folder in a grid, each with its number under it, into "
    "a PNG file.",
    "Draws every level of the episode in DIR (LEVELnn.CKe in any letter case) into\n"
    "the PNG picture OUT.png: a grid of as many columns as the square root of the\n"
    "number of levels, in the order of their numbers, each with its number under\n"
    "it. --zoom is as for render, but -3 (two pixels a cell) unless given. The\n"
    "graphics are those of GRAPHICS (exported bitmaps or the game's own folder),\n"
    "or of DIR itself when it is the game's folder. When DIR holds levels of\n"
    "several episodes, the one with the most levels is drawn (stderr says so)\n"
    "unless --episode names one. A level that cannot be read is named on stderr\n"
    "and left off the sheet, and the exit code is 1.\n",
    ToolCommand::Needs::Drawing, declareRenderEpisode, RenderEpisode);

// --- export-graphics -----------------------------------------------------

void declareExport(QCommandLineParser& parser) {
    parser.addPositionalArgument(QStringLiteral("GAMEDIR"),
                                 QStringLiteral("the folder of the game's own graphics files"));
    parser.addPositionalArgument(QStringLiteral("EPISODE"), QStringLiteral("1, 2 or 3"));
    parser.addPositionalArgument(QStringLiteral("OUTDIR"),
                                 QStringLiteral("the folder to write the bitmaps to"));
}

const ToolCommand exportGraphicsCommand(
    "export-graphics", "export-graphics GAMEDIR EPISODE OUTDIR",
    "Writes the bitmaps the editor reads, made from the game's own graphics files.",
    "Reads EGAHEAD.CKn, EGALATCH.CKn and EGASPRIT.CKn of EPISODE (1, 2 or 3) from\n"
    "GAMEDIR and writes the tile sheet and one bitmap per sprite (1til0000.bmp,\n"
    "1spr0000.bmp, ...) to OUTDIR, which is made when missing, then prints how\n"
    "many it wrote. Nothing is written when the game's files are damaged.\n",
    ToolCommand::Needs::Drawing, declareExport, ExportGraphics);

} // namespace
