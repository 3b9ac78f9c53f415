#include "FileWriter.h"

#include <QDir>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString quoted(const QString& path) {
    return QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"');
}

IoResult cannotWrite(const QString& path, const QString& reason) {
    return IoResult::failure(QStringLiteral("Cannot write %1: %2.").arg(quoted(path), reason));
}

// Qt's text for the failure, or the system's when Qt has none worth showing.
QString reasonFor(const QSaveFile& file, int systemError) {
    const QString qtReason = file.errorString();
    if (systemError != 0 && (qtReason.isEmpty() || qtReason == QLatin1String("Unknown error")))
        return QString::fromLocal8Bit(std::strerror(systemError));
    return qtReason.isEmpty() ? QStringLiteral("the write failed") : qtReason;
}

} // namespace

IoResult FileWriter::WriteWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return cannotWrite(path, reasonFor(file, errno));
    errno = 0;
    // The write and the flush are checked each, so that a short write
    // anywhere (the file device buffers small writes) is seen before the
    // temporary file could replace the old one.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        // Cancelling replaces the error text, so the reason is taken first.
        const QString reason = reasonFor(file, errno);
        file.cancelWriting();
        return cannotWrite(path, reason);
    }
    // Some file systems report a full disk only when the data reaches it.
    errno = 0;
    if (::fsync(file.handle()) != 0) {
        const int error = errno;
        file.cancelWriting();
        return cannotWrite(path, QString::fromLocal8Bit(std::strerror(error)));
    }
    struct stat written {};
    if (::fstat(file.handle(), &written) != 0 || qint64(written.st_size) != bytes.size()) {
        file.cancelWriting();
        return cannotWrite(path, QStringLiteral("only %1 of its %2 bytes reached the disk")
                                     .arg(qint64(written.st_size))
                                     .arg(bytes.size()));
    }
    errno = 0;
    if (!file.commit())
        return cannotWrite(path, reasonFor(file, errno));
    return IoResult::success();
}
