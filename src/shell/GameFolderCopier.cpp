#include "GameFolderCopier.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QStorageInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Large enough that a big file copies at the disk's pace, small enough
// that a stop is seen at once.
constexpr qint64 Piece = qint64(1024) * 1024;

QString quoted(const QString& path) {
    return QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"');
}

QString size(qint64 bytes) {
    return QLocale().formattedDataSize(bytes, 1, QLocale::DataSizeTraditionalFormat);
}

IoResult cannotWrite(const QString& path, const QString& reason) {
    return IoResult::failure(
        GameFolderCopier::tr("Cannot write %1: %2.").arg(quoted(path), reason));
}

// Qt's text for a failed write, or the system's when Qt has none worth
// showing.
QString writeError(const QFile& file, int systemError) {
    const QString reason = file.errorString();
    if (systemError != 0 && (reason.isEmpty() || reason == QLatin1String("Unknown error")))
        return QString::fromLocal8Bit(std::strerror(systemError));
    return reason;
}

IoResult copyOne(const QString& from, const QString& to, qint64 length, qint64& done,
                 const std::function<bool()>& goOn) {
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return IoResult::failure(
            GameFolderCopier::tr("Cannot read %1: %2.").arg(quoted(from), source.errorString()));
    QFile target(to);
    // Unbuffered, so that each write's failure is seen at that write.
    if (!target.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        return cannotWrite(to, target.errorString());
    QByteArray buffer(int(std::min(Piece, std::max<qint64>(length, 1))), Qt::Uninitialized);
    qint64 written = 0;
    while (written < length) {
        const qint64 read = source.read(buffer.data(), std::min<qint64>(length - written, Piece));
        if (read < 0)
            return IoResult::failure(GameFolderCopier::tr("Cannot read %1: %2.")
                                         .arg(quoted(from), source.errorString()));
        if (read == 0) // it has become shorter: what is there is copied
            break;
        errno = 0;
        if (target.write(buffer.constData(), read) != read)
            return cannotWrite(to, writeError(target, errno));
        written += read;
        done += read;
        if (!goOn())
            return IoResult::failure(GameFolderCopier::tr("The copy was stopped."));
    }
    // Some file systems report a full disk only when the data reaches it.
    struct stat onDisk {};
    if (::fsync(target.handle()) != 0)
        return cannotWrite(to, QString::fromLocal8Bit(std::strerror(errno)));
    if (::fstat(target.handle(), &onDisk) != 0 || qint64(onDisk.st_size) != written)
        return cannotWrite(to, GameFolderCopier::tr("the copy is incomplete"));
    return IoResult::success();
}

} // namespace

IoResult GameFolderCopier::Copy(const QString& from, const QString& to,
                                const QList<GameFileSelection::File>& files,
                                const Progress& progress) {
    qint64 done = 0;
    for (const GameFileSelection::File& file : files) {
        if (!progress(done, file.name))
            return IoResult::failure(tr("The copy was stopped."));
        const IoResult copied =
            copyOne(QDir(from).filePath(file.name), QDir(to).filePath(file.name), file.size, done,
                    [&] { return progress(done, file.name); });
        if (!copied)
            return copied;
    }
    return IoResult::success();
}

IoResult GameFolderCopier::CheckRoom(const QString& folder, qint64 bytes) {
    const QStorageInfo disk(folder);
    const qint64 free = disk.isValid() ? disk.bytesAvailable() : -1;
    // An unknown amount is left to the writes to find out.
    if (free < 0 || free >= bytes)
        return IoResult::success();
    return IoResult::failure(tr("The game's files need %1 in %2, and only %3 are free there. Make "
                                "room there, or set TMPDIR to a folder on another disk.")
                                 .arg(size(bytes), quoted(folder), size(free)));
}
