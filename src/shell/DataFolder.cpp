#include "DataFolder.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString installedDataFolder(const QString& programFolder) {
    return QDir::cleanPath(QDir(programFolder).filePath(QStringLiteral("../share/gridmason")));
}

bool holdsGraphics(const QString& folder) {
    return QFileInfo(QDir(folder).filePath(QStringLiteral("graphics"))).isDir();
}

} // namespace

bool IsInstalledProgram(const QString& programFolder) {
    return !holdsGraphics(programFolder) && QFileInfo(installedDataFolder(programFolder)).isDir();
}

QString DemoDataFolder(const QString& programFolder) {
    return IsInstalledProgram(programFolder) ? installedDataFolder(programFolder) : programFolder;
}

QString DocumentationFolder(const QString& programFolder) {
    const QDir program(programFolder);
    return QDir::cleanPath(program.filePath(IsInstalledProgram(programFolder)
                                                ? QStringLiteral("../share/doc/gridmason")
                                                : QStringLiteral("doc")));
}

QString TranslationsFolder(const QString& programFolder) {
    return QDir(DemoDataFolder(programFolder)).filePath(QStringLiteral("translations"));
}
