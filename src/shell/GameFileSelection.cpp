#include "GameFileSelection.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace {

bool isGameFile(const QString& name, int episode) {
    return name.compare(QStringLiteral("KEEN%1.EXE").arg(episode), Qt::CaseInsensitive) == 0 ||
           name.endsWith(QStringLiteral(".CK%1").arg(episode), Qt::CaseInsensitive);
}

} // namespace

QList<GameFileSelection::File> GameFileSelection::List(const QString& folder) {
    QList<File> files;
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo& entry : entries)
        // The filter lets through links to what is not an ordinary file.
        if (entry.isFile())
            files.append({entry.fileName(), entry.size()});
    return files;
}

GameFileSelection GameFileSelection::Select(const QList<File>& files, int episode,
                                            const QString& levelName) {
    GameFileSelection selection;
    for (const File& file : files) {
        if (file.name.compare(levelName, Qt::CaseInsensitive) == 0)
            continue;
        if (isGameFile(file.name, episode) || file.size <= SmallFileLimit)
            selection.copied.append(file);
        else
            selection.skipped.append(file);
    }
    return selection;
}

qint64 GameFileSelection::CopiedBytes() const {
    qint64 bytes = 0;
    for (const File& file : copied)
        bytes += file.size;
    return bytes;
}

QString GameFileSelection::SkippedText() const {
    if (skipped.isEmpty())
        return {};
    QStringList names;
    for (const File& file : skipped)
        names << tr("%1 (%2)").arg(
            file.name,
            QLocale().formattedDataSize(file.size, 1, QLocale::DataSizeTraditionalFormat));
    return tr("Not copied (larger than %1 MB and not the game's): %2")
        .arg(QString::number(SmallFileLimit / (qint64(1024) * 1024)),
             names.join(QStringLiteral(", ")));
}
