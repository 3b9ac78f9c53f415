#include "FolderBitmapSource.h"

#include "PathText.h"

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

IoResult FolderBitmapSource::LoadFile(const QString& path, QImage& image) {
    const QString normal = PathText::Slashed(path);
    const QString found = FindFile(PathText::Folder(normal), PathText::BareName(normal));
    if (found.isEmpty())
        return IoResult::failure(QStringLiteral("File not found: %1").arg(normal));
    QImageReader reader(found);
    QImage loaded = reader.read();
    if (loaded.isNull())
        return IoResult::failure(
            QStringLiteral("Cannot read the bitmap %1: %2").arg(found, reader.errorString()));
    image = loaded.convertToFormat(QImage::Format_RGB32);
    return IoResult::success();
}

IoResult FolderBitmapSource::Load(const QString& name, QImage& image) const {
    QString path = m_Folder;
    if (!path.isEmpty() && !path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return LoadFile(path + name, image);
}
