#include "PngFile.h"

#include "FileWriter.h"
#include "IndexedImage.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QImageWriter>

namespace {

// Qt's PNG compression from 0 to 100: 20 is zlib's fastest level.
constexpr int PngCompression = 20;

} // namespace

IoResult PngFile::Write(const QImage& image, const QString& path) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    // At Qt's default level zlib takes most of a render's time; a low one
    // costs a little size. Few colours go as a palette, faster still.
    writer.setCompression(PngCompression);
    const QImage indexed = IndexedImage::Exact(image);
    if (!writer.write(indexed.isNull() ? image : indexed))
        return IoResult::failure(QCoreApplication::translate("PngFile", "cannot write %1: %2")
                                     .arg(QDir::toNativeSeparators(path), writer.errorString()));
    return FileWriter::WriteWhole(path, bytes);
}
