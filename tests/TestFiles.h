#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <filesystem>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

// Whole files for tests: the inputs a test lays down and the bytes the
// program wrote back.

// A marker that no file written by the program holds stands for a file that
// cannot be read, so a comparison with the expected bytes fails.
inline QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Removes a folder and everything in it when it goes out of scope, by the
// names the system stores: Qt cannot remove what lies under a name that is
// not UTF-8, as its listings leave such names out.
class RemovedAtEnd {
public:
    explicit RemovedAtEnd(const QString& folder) : m_Folder(QFile::encodeName(folder)) {}
    ~RemovedAtEnd() {
        std::error_code ignored;
        std::filesystem::remove_all(std::filesystem::path(m_Folder.toStdString()), ignored);
    }
    RemovedAtEnd(const RemovedAtEnd&) = delete;
    RemovedAtEnd& operator=(const RemovedAtEnd&) = delete;

private:
    QByteArray m_Folder;
};

// A device for a link to point at in a test of what writes through links.
// Never a real one that a faulty writer could replace: as root (who could
// replace anything in /dev) a node like /dev/null made in `folder`; as
// another user /dev/null itself, which only root may replace. Empty when
// root may not make a device node here.
inline QString deviceForLinks(const QString& folder) {
    if (::geteuid() != 0)
        return QStringLiteral("/dev/null");
    const QString node = folder + QStringLiteral("/device");
    const bool made =
        ::mknod(QFile::encodeName(node).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    return made ? node : QString();
}
