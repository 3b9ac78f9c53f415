// gridmason-tool export-graphics: writes the bitmaps that the editor reads
// (the tile sheet and one bitmap per sprite, under their exported names)
// made from the game's own graphics files.

#include "DrawingCommands.h"
#include "GameGraphics.h"
#include "ToolCall.h"
#include "ToolCommand.h"

#include <QDir>
#include <QSaveFile>
#include <utility>
#include <vector>

namespace {

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

} // namespace

int DrawingCommands::ExportGraphics(const ToolCall& call) {
    const QStringList args = call.Positional();
    if (args.size() != 3)
        return call.UsageError();
    bool number = false;
    const int episode = args[1].toInt(&number);
    if (!number || episode < 1 || episode > 3)
        return call.UsageError(QStringLiteral("the episode must be 1, 2 or 3"));
    GameGraphics graphics;
    const IoResult loaded = graphics.Load(args[0], episode);
    if (!loaded)
        return call.BadInput(loaded.error);

    // Every image is made before anything is written, so damaged graphics
    // leave the output folder as it was.
    std::vector<std::pair<QString, QImage>> bitmaps;
    for (const QString& name : graphics.BitmapNames()) {
        QImage image;
        const IoResult made = graphics.Bitmap(name, image);
        if (!made)
            return call.BadInput(made.error);
        bitmaps.emplace_back(name, image);
    }

    QString outDir = args[2];
    outDir.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!QDir().mkpath(outDir))
        return call.BadInput(QStringLiteral("could not make the folder \"%1\"").arg(outDir));
    for (const auto& [name, image] : bitmaps) {
        QString error;
        if (!writeBitmap(QDir(outDir).filePath(name), image, error))
            return call.BadInput(error);
    }
    call.Out() << "wrote " << bitmaps.size() << " bitmaps of episode " << episode << " to "
               << outDir << "\n";
    return ToolOk;
}
