#include "BoundedFileReader.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <sys/stat.h>

namespace {

IoResult cannotRead(const QString& what, const QString& path, const QString& reason) {
    return IoResult::failure(QStringLiteral("The %1 \"%2\" cannot be read: %3.")
                                 .arg(what, QDir::toNativeSeparators(path), reason));
}

} // namespace

IoResult BoundedFileReader::Read(const QString& path, qint64 maxBytes, const QString& what,
                                 QByteArray& data) {
    QFile file(path);
    // Opening a FIFO for reading waits for a writer, so its kind is looked
    // at before it is opened, and again on the open file in case it changed.
    struct stat before {};
    const QByteArray native = QFile::encodeName(path);
    if (::stat(native.constData(), &before) == 0 && S_ISDIR(before.st_mode))
        return cannotRead(what, path, QStringLiteral("it is a folder, not a file"));
    if (::stat(native.constData(), &before) == 0 && !S_ISREG(before.st_mode))
        return cannotRead(what, path,
                          QStringLiteral("it is not an ordinary file (a device, pipe or socket)"));
    if (!file.open(QIODevice::ReadOnly))
        return cannotRead(what, path, file.errorString());
    struct stat opened {};
    if (::fstat(file.handle(), &opened) != 0 || !S_ISREG(opened.st_mode))
        return cannotRead(what, path,
                          QStringLiteral("it is not an ordinary file (a device, pipe or socket)"));
    if (qint64(opened.st_size) > maxBytes)
        return cannotRead(what, path,
                          QStringLiteral("it is %1 bytes long, more than the %2 a %3 can hold")
                              .arg(qint64(opened.st_size))
                              .arg(maxBytes)
                              .arg(what));
    // Read in pieces rather than at the size asked for up front, so memory
    // follows what is really there; one byte more than allowed shows a file
    // that grew since it was looked at.
    QByteArray read;
    read.reserve(qsizetype(opened.st_size));
    while (read.size() <= maxBytes) {
        const QByteArray piece = file.read(std::min<qint64>(64 * 1024, maxBytes + 1 - read.size()));
        if (file.error() != QFileDevice::NoError)
            return cannotRead(what, path, file.errorString());
        if (piece.isEmpty())
            break;
        read += piece;
    }
    if (read.size() > maxBytes)
        return cannotRead(
            what, path,
            QStringLiteral("it is more than the %1 bytes a %2 can hold").arg(maxBytes).arg(what));
    data = read;
    return IoResult::success();
}
