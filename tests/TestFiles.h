#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <filesystem>

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
