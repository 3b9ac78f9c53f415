#include "FolderBitmapSource.h"

#include "BoundedFileReader.h"
#include "PathText.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>

FolderBitmapSource::FolderBitmapSource(const QString& folder)
    : m_Folder(PathText::Slashed(folder)) {}

QString FolderBitmapSource::FindFile(const QString& folder, const QString& name) {
    const QString normalFolder = PathText::Slashed(folder);
    const QDir dir(normalFolder.isEmpty() ? QStringLiteral(".") : normalFolder);
    if (name.isEmpty() || !dir.exists())
        return {};
    const QFileInfo exact(dir.filePath(name));
    if (exact.isFile())
        return exact.filePath();
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return {};
}

QString FolderBitmapSource::FindEntry(const QString& folder, const QString& name) {
    const QString file = FindFile(folder, name);
    if (!file.isEmpty())
        return file;
    const QString normalFolder = PathText::Slashed(folder);
    const QDir dir(normalFolder.isEmpty() ? QStringLiteral(".") : normalFolder);
    if (name.isEmpty() || !dir.exists())
        return {};
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return {};
}

namespace {

// The longest bitmap file read: the whole budget at 32 bits a pixel, plus
// room for headers and palettes.
constexpr qint64 MaxBitmapBytes = FolderBitmapSource::SetPixelBudget * 4 + 64 * 1024;

IoResult badBitmap(const QString& path, const QString& reason) {
    return IoResult::failure(
        QStringLiteral("The bitmap \"%1\" cannot be used: %2.").arg(path, reason));
}

} // namespace

IoResult FolderBitmapSource::LoadFile(const QString& path, QImage& image) {
    qint64 pixelsLeft = SetPixelBudget;
    return LoadFile(path, image, pixelsLeft);
}

IoResult FolderBitmapSource::LoadFile(const QString& path, QImage& image, qint64& pixelsLeft) {
    const QString normal = PathText::Slashed(path);
    const QString found = FindEntry(PathText::Folder(normal), PathText::BareName(normal));
    if (found.isEmpty())
        return IoResult::failure(QStringLiteral("File not found: %1").arg(normal));
    QByteArray bytes;
    const IoResult read =
        BoundedFileReader::Read(found, MaxBitmapBytes, QStringLiteral("bitmap"), bytes);
    if (!read)
        return read;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!reader.canRead() || !size.isValid())
        return badBitmap(found, QStringLiteral("it is not a bitmap, or its header is damaged"));
    const qint64 pixels = qint64(size.width()) * size.height();
    if (pixels > pixelsLeft)
        return badBitmap(found, QStringLiteral("it declares %1 x %2 pixels, more than the %3 "
                                               "left of the %4 its set of graphics may take")
                                    .arg(size.width())
                                    .arg(size.height())
                                    .arg(pixelsLeft)
                                    .arg(SetPixelBudget));
    QImage loaded = reader.read();
    if (loaded.isNull())
        return badBitmap(found, QStringLiteral("its pixel data is damaged or cut short (%1)")
                                    .arg(reader.errorString()));
    QImage converted = loaded.convertToFormat(QImage::Format_RGB32);
    if (converted.isNull())
        return badBitmap(found, QStringLiteral("there is not enough memory for it"));
    pixelsLeft -= pixels;
    image = converted;
    return IoResult::success();
}

IoResult FolderBitmapSource::Load(const QString& name, QImage& image) const {
    QString path = m_Folder;
    if (!path.isEmpty() && !path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return LoadFile(path + name, image, m_PixelsLeft);
}
