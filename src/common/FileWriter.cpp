#include "FileWriter.h"

#include "NativePath.h"

#include <QDir>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The system itself follows at most 40 links in a row.
constexpr int MaxLinks = 40;

QString quoted(const QString& path) {
    return QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"');
}

IoResult cannotWrite(const QString& path, const QString& reason) {
    return IoResult::failure(FileWriter::tr("Cannot write %1: %2.").arg(quoted(path), reason));
}

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

QString kindOf(mode_t mode) {
    if (S_ISDIR(mode))
        return FileWriter::tr("a folder");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return FileWriter::tr("a device");
    if (S_ISFIFO(mode))
        return FileWriter::tr("a pipe");
    if (S_ISSOCK(mode))
        return FileWriter::tr("a socket");
    return FileWriter::tr("something other than a file");
}

// The entry a write to a path replaces, every link followed.
struct Target {
    QByteArray native;
    bool exists = false;
    struct stat info {};
};

QByteArray folderOf(const QByteArray& native) {
    const qsizetype slash = native.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : native.left(slash);
}

// Why the entry at the end of `links` links is not written.
QString notAFile(int links, const QByteArray& native, mode_t mode) {
    if (links == 0)
        return FileWriter::tr("it is %1, not an ordinary file").arg(kindOf(mode));
    return FileWriter::tr("it is a link to %1, which is %2, not an ordinary file")
        .arg(quoted(NativePath::Decode(native)), kindOf(mode));
}

IoResult resolve(const QString& path, Target& target) {
    QByteArray current = NativePath::Encode(path);
    for (int links = 0;; ++links) {
        struct stat info {};
        if (::lstat(current.constData(), &info) != 0) {
            // Nothing there yet (a link may point there): a new file.
            if (errno != ENOENT)
                return cannotWrite(path, systemReason(errno));
            target = {current, false, {}};
            return IoResult::success();
        }
        if (!S_ISLNK(info.st_mode)) {
            if (!S_ISREG(info.st_mode))
                return cannotWrite(path, notAFile(links, current, info.st_mode));
            target = {current, true, info};
            return IoResult::success();
        }
        if (links == MaxLinks)
            return cannotWrite(path, systemReason(ELOOP));
        char buffer[PATH_MAX];
        const ssize_t length = ::readlink(current.constData(), buffer, sizeof buffer);
        if (length < 0 || size_t(length) == sizeof buffer)
            return cannotWrite(path, systemReason(length < 0 ? errno : ENAMETOOLONG));
        const QByteArray pointsTo(buffer, length);
        // A relative link is relative to the folder the link lies in.
        const qsizetype slash = current.lastIndexOf('/');
        current =
            pointsTo.startsWith('/') || slash < 0 ? pointsTo : current.left(slash + 1) + pointsTo;
    }
}

// A new file beside the target, never one that exists; -1 with errno set
// when none can be made. A file that replaces an existing one starts
// private and gets that one's permissions once written.
int createTemporary(const Target& target, QByteArray& name) {
    const QByteArray base = target.native.mid(target.native.lastIndexOf('/') + 1).left(200);
    const QByteArray start = folderOf(target.native) + "/." + base + '.';
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = start + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        const int handle = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                                  target.exists ? 0600 : 0666);
        if (handle >= 0 || errno != EEXIST)
            return handle;
    }
    return -1;
}

// Writes, syncs and measures the file; the reason when the bytes did not
// all reach the disk, empty when they did. Some file systems report a full
// disk only when the data reaches it, at the sync.
QString writeAll(int handle, const QByteArray& bytes) {
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t written =
            ::write(handle, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return systemReason(written < 0 ? errno : ENOSPC);
        done += written;
    }
    if (::fsync(handle) != 0)
        return systemReason(errno);
    struct stat info {};
    if (::fstat(handle, &info) != 0)
        return systemReason(errno);
    if (qint64(info.st_size) != bytes.size())
        return FileWriter::tr("only %1 of its %2 bytes reached the disk")
            .arg(qint64(info.st_size))
            .arg(bytes.size());
    return QString();
}

// The old file's owner and group where the system lets them be set (only
// root may give a file away; an owner may choose any group of their own),
// then its permissions, which a change of owner may have cleared. Where the
// owner cannot be kept the file belongs to the writer, as a new one would.
void keepOwnerAndMode(int handle, const struct stat& old) {
    struct stat now {};
    if (::fstat(handle, &now) == 0 && (now.st_uid != old.st_uid || now.st_gid != old.st_gid)) {
        if (::fchown(handle, old.st_uid, old.st_gid) != 0 &&
            ::fchown(handle, uid_t(-1), old.st_gid) != 0) {
            // Neither may be kept.
        }
    }
    if (::fchmod(handle, old.st_mode & 07777) != 0) {
        // A file system without permissions (FAT) has nothing to keep.
    }
}

// So that the renamed file is found after a power cut, too.
void syncFolder(const QByteArray& folder) {
    const int handle = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0)
        return;
    ::fsync(handle);
    ::close(handle);
}

} // namespace

IoResult FileWriter::WriteWhole(const QString& path, const QByteArray& bytes) {
    Target target;
    const IoResult resolved = resolve(path, target);
    if (!resolved)
        return resolved;
    // Renaming would replace a file that may not be written as well.
    if (target.exists && ::access(target.native.constData(), W_OK) != 0)
        return cannotWrite(path, systemReason(errno));
    QByteArray temporary;
    const int handle = createTemporary(target, temporary);
    if (handle < 0)
        return cannotWrite(path, systemReason(errno));
    QString problem = writeAll(handle, bytes);
    if (problem.isEmpty() && target.exists)
        keepOwnerAndMode(handle, target.info);
    if (::close(handle) != 0 && problem.isEmpty())
        problem = systemReason(errno);
    if (problem.isEmpty() && ::rename(temporary.constData(), target.native.constData()) != 0)
        problem = systemReason(errno);
    if (!problem.isEmpty()) {
        ::unlink(temporary.constData());
        return cannotWrite(path, problem);
    }
    syncFolder(folderOf(target.native));
    return IoResult::success();
}
