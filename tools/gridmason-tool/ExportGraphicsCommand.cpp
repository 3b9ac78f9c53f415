// gridmason-tool export-graphics: writes the bitmaps that the editor reads
// (the tile sheet and one bitmap per sprite, under their exported names)
// made from the game's own graphics files.

#include "GameGraphics.h"
#include "PathText.h"
#include "ToolCommand.h"

#include "FileWriter.h"

#include <QBuffer>
#include <QDir>

namespace {

const char* const ExportUsage = "export-graphics GAMEDIR EPISODE OUTDIR";

int fail(QTextStream& err, const QString& message) {
    err << "gridmason-tool: " << message << "\n";
    return ToolBadInput;
}

// Writes one bitmap whole: an existing file is replaced only once the new
// one is complete.
IoResult writeBitmap(const QString& path, const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "BMP"))
        return IoResult::failure(
            QStringLiteral("could not make the bitmap \"%1\": not enough memory").arg(path));
    return FileWriter::WriteWhole(path, bytes);
}

int runExport(const QStringList& args, QTextStream& out, QTextStream& err) {
    if (args.size() != 3) {
        err << "usage: gridmason-tool " << ExportUsage << "\n";
        return ToolUsage;
    }
    bool number = false;
    const int episode = args[1].toInt(&number);
    if (!number || episode < 1 || episode > 3) {
        err << "gridmason-tool: the episode must be 1, 2 or 3\n"
            << "usage: gridmason-tool " << ExportUsage << "\n";
        return ToolUsage;
    }
    GameGraphics graphics;
    const IoResult loaded = graphics.Load(args[0], episode);
    if (!loaded)
        return fail(err, loaded.error);

    // Damaged sprite entries are found before anything is written; each
    // image is then written as soon as it is made, so memory holds one at a
    // time however many sprites the header lists.
    const IoResult checked = graphics.CheckSprites();
    if (!checked)
        return fail(err, checked.error);
    const QString outDir = PathText::Slashed(args[2]);
    if (!QDir().mkpath(outDir))
        return fail(err, QStringLiteral("could not make the folder \"%1\"").arg(outDir));
    const QStringList names = graphics.BitmapNames();
    for (const QString& name : names) {
        QImage image;
        IoResult done = graphics.Bitmap(name, image);
        if (done)
            done = writeBitmap(QDir(outDir).filePath(name), image);
        if (!done)
            return fail(err, done.error);
    }
    out << "wrote " << names.size() << " bitmaps of episode " << episode << " to " << outDir
        << "\n";
    return ToolOk;
}

const ToolCommand exportGraphicsCommand("export-graphics", ExportUsage, runExport);

} // namespace
