#pragma once

#include <QByteArray>
#include <QString>

// What a file held when the program last read or wrote it: whether it
// existed, its size and a SHA-256 hash of its bytes. Comparing the stamp
// with the file as it is now tells whether another program changed it
// since. The bytes decide, not the modification time: a file touched but
// not changed is the same file, and a file rewritten within the clock's
// resolution is still seen to differ.
class FileStamp {
public:
    // No file.
    FileStamp() = default;
    // The stamp of a file holding exactly `bytes`.
    static FileStamp OfBytes(const QByteArray& bytes);
    // The stamp of `path` as it is now, read through the bounded reader; a
    // file that cannot be read (gone, a folder, longer than `maxBytes`) is
    // the stamp of no file, or of an unreadable one.
    static FileStamp OfFile(const QString& path, qint64 maxBytes);

    bool Exists() const { return m_Exists; }
    qint64 Size() const { return m_Size; }

    bool operator==(const FileStamp& other) const;
    bool operator!=(const FileStamp& other) const { return !(*this == other); }

private:
    bool m_Exists = false;
    // A file that exists but could not be read: never equal to a stamp of
    // bytes, so it counts as changed; equal to another of its size.
    bool m_Unreadable = false;
    qint64 m_Size = 0;
    QByteArray m_Hash;
};
