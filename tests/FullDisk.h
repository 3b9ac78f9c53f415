#pragma once

// A really full disk for tests: a small tmpfs mounted in a mount namespace
// of the test's own, so nothing outside the test sees it. The namespace is
// entered before main() starts any thread (unsharing needs a process with a
// single thread); as root a mount namespace does, otherwise a user
// namespace is made too. Tests skip with the reason where neither works.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace fulldisk {

inline bool writeProcFile(const char* path, const QByteArray& text) {
    const int fd = ::open(path, O_WRONLY);
    if (fd < 0)
        return false;
    const bool ok = ::write(fd, text.constData(), size_t(text.size())) == text.size();
    ::close(fd);
    return ok;
}

// Empty when the test may mount; otherwise why it may not.
inline QString enterPrivateMounts() {
    const uid_t uid = ::getuid();
    const gid_t gid = ::getgid();
    if (::unshare(CLONE_NEWNS) != 0) {
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
            return QStringLiteral("no private mount namespace: %1").arg(std::strerror(errno));
        writeProcFile("/proc/self/setgroups", "deny");
        if (!writeProcFile("/proc/self/uid_map",
                           QByteArray::number(uid) + " " + QByteArray::number(uid) + " 1") ||
            !writeProcFile("/proc/self/gid_map",
                           QByteArray::number(gid) + " " + QByteArray::number(gid) + " 1"))
            return QStringLiteral("no user namespace mapping: %1").arg(std::strerror(errno));
    }
    if (::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return QStringLiteral("mounts cannot be made private: %1").arg(std::strerror(errno));
    return QString();
}

inline const QString& unavailableReason() {
    static const QString reason = enterPrivateMounts();
    return reason;
}

// Entered while the process still has one thread.
inline const bool enteredBeforeMain = (unavailableReason(), true);

// A tmpfs of `bytes` mounted on `folder` (which must exist) for the
// object's lifetime.
class Disk {
public:
    Disk(const QString& folder, qint64 bytes) : m_Folder(folder) {
        if (!unavailableReason().isEmpty()) {
            m_Error = unavailableReason();
            return;
        }
        const QByteArray options = "size=" + QByteArray::number(bytes);
        if (::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0,
                    options.constData()) != 0)
            m_Error = QStringLiteral("cannot mount a tmpfs: %1").arg(std::strerror(errno));
        else
            m_Mounted = true;
    }
    ~Disk() {
        if (m_Mounted)
            ::umount2(QFile::encodeName(m_Folder).constData(), MNT_DETACH);
    }
    Disk(const Disk&) = delete;
    Disk& operator=(const Disk&) = delete;

    // Empty when mounted; the reason to skip otherwise.
    QString Error() const { return m_Error; }

    // Fills the disk with a filler file, then frees about `leaveFree`
    // bytes of it again (whole pages).
    bool Fill(qint64 leaveFree = 0) {
        const QByteArray path = QFile::encodeName(QDir(m_Folder).filePath("filler"));
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0)
            return false;
        const QByteArray block(4096, 'f');
        qint64 size = 0;
        for (;;) {
            const ssize_t n = ::write(fd, block.constData(), size_t(block.size()));
            if (n <= 0)
                break;
            size += n;
        }
        const bool full = errno == ENOSPC;
        const bool ok = full && ::ftruncate(fd, std::max<qint64>(0, size - leaveFree)) == 0;
        ::close(fd);
        return ok;
    }

    // Makes the disk read-only, as a folder of an installation or a
    // write-protected medium is, even to root.
    bool MakeReadOnly() {
        return ::mount(nullptr, QFile::encodeName(m_Folder).constData(), nullptr,
                       MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

private:
    QString m_Folder;
    QString m_Error;
    bool m_Mounted = false;
};

} // namespace fulldisk
