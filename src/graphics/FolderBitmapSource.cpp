#include "FolderBitmapSource.h"

#include "BmpLayout.h"
#include "BoundedFileReader.h"
#include "NativePath.h"
#include "PathText.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QImageReader>

#include <sys/stat.h>

FolderBitmapSource::FolderBitmapSource(const QString& folder)
    : m_Folder(PathText::Slashed(folder)) {}

namespace {

// `name` in `folder`: the entry of exactly that name when `accept` takes
// it, else the first in name order that matches in any letter case.
// Names are listed as the system stores them, so a folder whose name is not
// UTF-8 is searched too.
QString findIn(const QString& folder, const QString& name, bool (*accept)(const QString&)) {
    const QString normalFolder = PathText::Slashed(folder);
    const QDir dir(normalFolder.isEmpty() ? QStringLiteral(".") : normalFolder);
    if (name.isEmpty() || !NativePath::IsFolder(dir.path()))
        return {};
    const QString exact = dir.filePath(name);
    if (accept(exact))
        return exact;
    QStringList entries = NativePath::Entries(dir.path());
    entries.sort();
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0 && accept(dir.filePath(entry)))
            return dir.filePath(entry);
    }
    return {};
}

bool anyEntry(const QString& path) {
    struct stat info {};
    return ::lstat(NativePath::Encode(path).constData(), &info) == 0;
}

} // namespace

QString FolderBitmapSource::FindFile(const QString& folder, const QString& name) {
    return findIn(folder, name, NativePath::IsFile);
}

QString FolderBitmapSource::FindEntry(const QString& folder, const QString& name) {
    const QString file = FindFile(folder, name);
    return file.isEmpty() ? findIn(folder, name, anyEntry) : file;
}

namespace {

// The longest bitmap file read: the whole budget at 32 bits a pixel, plus
// room for headers and palettes.
constexpr qint64 MaxBitmapBytes = FolderBitmapSource::SetPixelBudget * 4 + qint64(64) * 1024;

IoResult badBitmap(const QString& path, const QString& reason) {
    return IoResult::failure(
        QCoreApplication::translate("FolderBitmapSource", "The bitmap \"%1\" cannot be used: %2.")
            .arg(path, reason));
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
        return IoResult::failure(
            QCoreApplication::translate("FolderBitmapSource", "File not found: %1").arg(normal));
    QByteArray bytes;
    const IoResult read = BoundedFileReader::Read(
        found, MaxBitmapBytes, QCoreApplication::translate("FolderBitmapSource", "bitmap"), bytes);
    if (!read)
        return read;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!reader.canRead() || !size.isValid())
        return badBitmap(
            found, QCoreApplication::translate("FolderBitmapSource",
                                               "it is not a bitmap, or its header is damaged"));
    const qint64 pixels = qint64(size.width()) * size.height();
    if (pixels > pixelsLeft)
        return badBitmap(found,
                         QCoreApplication::translate("FolderBitmapSource",
                                                     "it declares %1 x %2 pixels, more than the %3 "
                                                     "left of the %4 its set of graphics may take")
                             .arg(size.width())
                             .arg(size.height())
                             .arg(pixelsLeft)
                             .arg(SetPixelBudget));
    const QString cutShort = BmpLayout::CutShort(bytes);
    if (!cutShort.isEmpty())
        return IoResult::failure(
            QCoreApplication::translate("FolderBitmapSource", "The bitmap \"%1\" is cut short: %2.")
                .arg(found, cutShort));
    QImage loaded = reader.read();
    if (loaded.isNull())
        return badBitmap(found,
                         QCoreApplication::translate("FolderBitmapSource",
                                                     "its pixel data is damaged or cut short (%1)")
                             .arg(reader.errorString()));
    QImage converted = loaded.convertToFormat(QImage::Format_RGB32);
    if (converted.isNull())
        return badBitmap(found, QCoreApplication::translate("FolderBitmapSource",
                                                            "there is not enough memory for it"));
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
