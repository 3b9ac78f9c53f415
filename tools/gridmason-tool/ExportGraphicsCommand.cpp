// gridmason-tool export-graphics: writes the bitmaps that the editor reads
// (the tile sheet and one bitmap per sprite, under their exported names)
// made from the game's own graphics files.

#include "GameGraphics.h"
#include "PathText.h"
#include "ToolCommand.h"

#include <QDir>
#include <QSaveFile>
#include <utility>
#include <vector>

namespace {

const char* const ExportUsage = "export-graphics GAMEDIR EPISODE OUTDIR";

int fail(QTextStream& err, const QString& message) {
    err << "gridmason-tool: " << message << "\n";
    return ToolBadInput;
}

// Writes one bitmap whole: an existing file is replaced only once the new
// one is complete.
bool writeBitmap(const QString& path, const QImage& image, QString& error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "BMP") || !file.commit()) {
        error = QStringLiteral("could not write \"%1\": %2").arg(path, file.errorString());
        return false;
    }
    return true;
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

    // Every image is made before anything is written, so damaged graphics
    // leave the output folder as it was.
    std::vector<std::pair<QString, QImage>> bitmaps;
    for (const QString& name : graphics.BitmapNames()) {
        QImage image;
        const IoResult made = graphics.Bitmap(name, image);
        if (!made)
            return fail(err, made.error);
        bitmaps.emplace_back(name, image);
    }

    const QString outDir = PathText::Slashed(args[2]);
    if (!QDir().mkpath(outDir))
        return fail(err, QStringLiteral("could not make the folder \"%1\"").arg(outDir));
    for (const auto& [name, image] : bitmaps) {
        QString error;
        if (!writeBitmap(QDir(outDir).filePath(name), image, error))
            return fail(err, error);
    }
    out << "wrote " << bitmaps.size() << " bitmaps of episode " << episode << " to " << outDir
        << "\n";
    return ToolOk;
}

const ToolCommand exportGraphicsCommand("export-graphics", ExportUsage, runExport);

} // namespace
