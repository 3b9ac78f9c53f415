#include "FileStamp.h"

#include "BoundedFileReader.h"

#include <QCryptographicHash>
#include <QFileInfo>

FileStamp FileStamp::OfBytes(const QByteArray& bytes) {
    FileStamp stamp;
    stamp.m_Exists = true;
    stamp.m_Size = bytes.size();
    stamp.m_Hash = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
    return stamp;
}

FileStamp FileStamp::OfFile(const QString& path, qint64 maxBytes) {
    const QFileInfo info(path);
    if (!info.exists())
        return FileStamp();
    QByteArray bytes;
    if (BoundedFileReader::Read(path, maxBytes, QStringLiteral("file"), bytes))
        return OfBytes(bytes);
    FileStamp unreadable;
    unreadable.m_Exists = true;
    unreadable.m_Unreadable = true;
    unreadable.m_Size = info.size();
    return unreadable;
}

bool FileStamp::operator==(const FileStamp& other) const {
    if (m_Exists != other.m_Exists)
        return false;
    if (!m_Exists)
        return true;
    // Unreadable bytes are never the bytes of a stamp that read them.
    if (m_Unreadable != other.m_Unreadable)
        return false;
    return m_Size == other.m_Size && m_Hash == other.m_Hash;
}
