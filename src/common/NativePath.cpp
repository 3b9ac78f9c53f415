#include "NativePath.h"

#include <QDir>

#include <cerrno>
#include <climits>
#include <cstring>
#include <dirent.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Where each stray byte goes: U+DC80..U+DCFF for the bytes 0x80..0xFF.
constexpr char16_t EscapeBase = 0xDC00;

bool isContinuation(uchar byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of the valid UTF-8 sequence at the start of `b` (`n` bytes
// left), or 0 when none starts there: no overlong forms, no surrogates,
// nothing above U+10FFFF.
int sequenceLength(const uchar* b, qsizetype n) {
    const uchar lead = b[0];
    if (lead < 0x80)
        return 1;
    int length = 0;
    uchar low = 0x80, high = 0xBF; // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (n < length || b[1] < low || b[1] > high)
        return 0;
    for (int i = 2; i < length; ++i) {
        if (!isContinuation(b[i]))
            return 0;
    }
    return length;
}

char32_t codePoint(const uchar* b, int length) {
    static const uchar leadMask[5] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t value = b[0] & leadMask[length];
    for (int i = 1; i < length; ++i)
        value = (value << 6) | (b[i] & 0x3F);
    return value;
}

void appendUtf8(QByteArray& out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

} // namespace

namespace NativePath {

QString Decode(QByteArrayView bytes) {
    QString text;
    text.reserve(bytes.size());
    const auto* b = reinterpret_cast<const uchar*>(bytes.data());
    for (qsizetype i = 0; i < bytes.size();) {
        const int length = sequenceLength(b + i, bytes.size() - i);
        if (length == 0) {
            text += QChar(char16_t(EscapeBase + b[i]));
            ++i;
            continue;
        }
        const char32_t c = codePoint(b + i, length);
        if (QChar::requiresSurrogates(c)) {
            text += QChar(QChar::highSurrogate(c));
            text += QChar(QChar::lowSurrogate(c));
        } else {
            text += QChar(char16_t(c));
        }
        i += length;
    }
    return text;
}

QByteArray Encode(QStringView path) {
    QByteArray bytes;
    bytes.reserve(path.size());
    for (qsizetype i = 0; i < path.size(); ++i) {
        const char16_t c = path[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < path.size() && path[i + 1].isLowSurrogate()) {
            appendUtf8(bytes, QChar::surrogateToUcs4(c, path[i + 1].unicode()));
            ++i;
        } else if (c >= EscapeBase + 0x80 && c <= EscapeBase + 0xFF) {
            bytes += char(c - EscapeBase);
        } else {
            // Any other lone surrogate stands for nothing; Qt writes U+FFFD.
            appendUtf8(bytes, QChar::isSurrogate(c) ? char32_t(0xFFFD) : char32_t(c));
        }
    }
    return bytes;
}

QStringList Arguments(int argc, const char* const* argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << Decode(argv[i]);
    return arguments;
}

QString Absolute(const QString& path) {
    if (QDir::isAbsolutePath(path))
        return QDir::cleanPath(path);
    QByteArray current(PATH_MAX, '\0');
    if (::getcwd(current.data(), size_t(current.size())) == nullptr)
        return QDir::cleanPath(QDir::current().absoluteFilePath(path));
    return QDir::cleanPath(Decode(current.constData()) + QLatin1Char('/') + path);
}

QStringList Entries(const QString& folder) {
    QStringList names;
    DIR* dir = ::opendir(folder.isEmpty() ? "." : Encode(folder).constData());
    if (dir == nullptr)
        return names;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArrayView name(entry->d_name);
        if (name != "." && name != "..")
            names << Decode(name);
    }
    ::closedir(dir);
    return names;
}

QString MakeFolders(const QString& path) {
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(Encode(path).toStdString()), error);
    if (error)
        return QString::fromLocal8Bit(error.message().c_str());
    return IsFolder(path) ? QString() : QString::fromLocal8Bit(std::strerror(ENOTDIR));
}

bool Stat(const QString& path, struct stat& info) {
    return ::stat(Encode(path).constData(), &info) == 0;
}

bool Exists(const QString& path) {
    struct stat info {};
    return Stat(path, info);
}

bool IsFile(const QString& path) {
    struct stat info {};
    return Stat(path, info) && S_ISREG(info.st_mode);
}

bool IsFolder(const QString& path) {
    struct stat info {};
    return Stat(path, info) && S_ISDIR(info.st_mode);
}

} // namespace NativePath
