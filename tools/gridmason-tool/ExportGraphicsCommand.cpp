// gridmason-tool export-graphics: writes the bitmaps that the editor reads
// (the tile sheet and one bitmap per sprite, under their exported names)
// made from the game's own graphics files.

#include "DrawingCommands.h"
#include "GameGraphics.h"
#include "PathText.h"
#include "ToolCall.h"
#include "ToolCommand.h"

#include "FileWriter.h"
#include "NativePath.h"

#include <QBuffer>
#include <QDir>

namespace {

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

    // Damaged sprite entries are found before anything is written; each
    // image is then written as soon as it is made, so memory holds one at a
    // time however many sprites the header lists.
    const IoResult checked = graphics.CheckSprites();
    if (!checked)
        return call.BadInput(checked.error);
    const QString outDir = PathText::Slashed(args[2]);
    const QString notMade = NativePath::MakeFolders(outDir);
    if (!notMade.isEmpty())
        return call.BadInput(
            QStringLiteral("could not make the folder \"%1\": %2").arg(outDir, notMade));
    const QStringList names = graphics.BitmapNames();
    for (const QString& name : names) {
        QImage image;
        IoResult done = graphics.Bitmap(name, image);
        if (done)
            done = writeBitmap(QDir(outDir).filePath(name), image);
        if (!done)
            return call.BadInput(done.error);
    }
    call.Out() << "wrote " << names.size() << " bitmaps of episode " << episode << " to " << outDir
               << "\n";
    return ToolOk;
}
