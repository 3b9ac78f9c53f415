#include "LevelFolders.h"

#include "Settings.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString FilesSection = QStringLiteral("Files");
const QString LastFolderKey = QStringLiteral("LastFolder");

QString folderOf(const QString& file) {
    return file.isEmpty() ? QString() : QFileInfo(file).absolutePath();
}

bool usable(const QString& folder, bool writable) {
    if (folder.isEmpty())
        return false;
    const QFileInfo info(folder);
    return info.isDir() && (!writable || info.isWritable());
}

QString pick(const QString& levelFile, const QString& remembered, bool writable) {
    for (const QString& folder : {folderOf(levelFile), remembered}) {
        if (usable(folder, writable))
            return QDir::cleanPath(folder);
    }
    return QDir::homePath();
}

} // namespace

namespace LevelFolders {

QString Last() {
    const QString folder = Settings::Read(FilesSection, LastFolderKey);
    return usable(folder, false) ? folder : QString();
}

void Remember(const QString& levelFile) {
    const QString folder = folderOf(levelFile);
    if (!folder.isEmpty())
        Settings::Write(FilesSection, LastFolderKey, folder);
}

QString ForOpening(const QString& levelFile, const QString& remembered) {
    return pick(levelFile, remembered, false);
}

QString ForSaving(const QString& levelFile, const QString& remembered) {
    return pick(levelFile, remembered, true);
}

} // namespace LevelFolders
