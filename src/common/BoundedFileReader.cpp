#include "BoundedFileReader.h"

#include "NativePath.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

IoResult cannotRead(const QString& what, const QString& path, const QString& reason) {
    return BoundedFileReader::CannotRead(what, path, reason);
}

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Why an entry of this kind is not read; empty for an ordinary file.
QString notAFile(const struct stat& info) {
    if (S_ISDIR(info.st_mode))
        return BoundedFileReader::tr("it is a folder, not a file");
    if (!S_ISREG(info.st_mode))
        return BoundedFileReader::tr("it is not an ordinary file (a device, pipe or socket)");
    return QString();
}

} // namespace

IoResult BoundedFileReader::CannotRead(const QString& what, const QString& path,
                                       const QString& reason) {
    return IoResult::failure(BoundedFileReader::tr("The %1 \"%2\" cannot be read: %3.")
                                 .arg(what, QDir::toNativeSeparators(path), reason));
}

IoResult BoundedFileReader::Read(const QString& path, qint64 maxBytes, const QString& what,
                                 QByteArray& data) {
    // Opening a device may act on it and opening a FIFO waits for a writer,
    // so the kind is looked at before the file is opened (without waiting),
    // and again on the open file in case it changed in between.
    const QByteArray native = NativePath::Encode(path);
    struct stat before {};
    if (::stat(native.constData(), &before) == 0 && !notAFile(before).isEmpty())
        return cannotRead(what, path, notAFile(before));
    const int handle = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (handle < 0)
        return cannotRead(what, path, systemReason(errno));
    QFile file;
    if (!file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(handle);
        return cannotRead(what, path, file.errorString());
    }
    struct stat opened {};
    if (::fstat(handle, &opened) != 0)
        return cannotRead(what, path, systemReason(errno));
    if (!notAFile(opened).isEmpty())
        return cannotRead(what, path, notAFile(opened));
    if (qint64(opened.st_size) > maxBytes)
        return cannotRead(
            what, path,
            BoundedFileReader::tr("it is %1 bytes long, more than the %2 a %3 can hold")
                .arg(qint64(opened.st_size))
                .arg(maxBytes)
                .arg(what));
    // Read in pieces rather than at the size asked for up front, so memory
    // follows what is really there; one byte more than allowed shows a file
    // that grew since it was looked at.
    QByteArray read;
    read.reserve(qsizetype(opened.st_size));
    while (read.size() <= maxBytes) {
        const QByteArray piece =
            file.read(std::min<qint64>(qint64(64) * 1024, maxBytes + 1 - read.size()));
        if (file.error() != QFileDevice::NoError)
            return cannotRead(what, path, file.errorString());
        if (piece.isEmpty())
            break;
        read += piece;
    }
    if (read.size() > maxBytes)
        return cannotRead(what, path,
                          BoundedFileReader::tr("it is more than the %1 bytes a %2 can hold")
                              .arg(maxBytes)
                              .arg(what));
    data = read;
    return IoResult::success();
}
