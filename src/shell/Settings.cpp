#include "Settings.h"

#include "BoundedFileReader.h"
#include "DataFolder.h"
#include "FileWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringDecoder>

#include <vector>

namespace {

const QString SettingsFileName = QStringLiteral("Gridmason.ini");
// The profile reader hands back at most a 256-character buffer, NUL included.
constexpr int MaxValueLength = 255;

QString g_ProgramDirForTesting;
QString g_ConfigDirForTesting;

QString programDir() {
    return g_ProgramDirForTesting.isEmpty() ? QCoreApplication::applicationDirPath()
                                            : g_ProgramDirForTesting;
}

QString configDir() {
    return g_ConfigDirForTesting.isEmpty()
               ? QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)
               : g_ConfigDirForTesting;
}

QString fileInFolder(QString folder) {
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder + SettingsFileName;
}

// Whether the file at `path` can be (re)placed: QSaveFile writes a temporary
// file beside it and renames it, so the folder must be writable too.
bool canReplace(const QString& path) {
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    return folder.isDir() && folder.isWritable() && (!file.exists() || file.isWritable());
}

// ---- The line format -------------------------------------------------------

// One line of the file, its line break included, so that untouched lines are
// written back byte for byte.
using Lines = std::vector<QByteArray>;

enum class LineKind { Section, Key, Other };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    QByteArray name;  // section name or key, trimmed
    QByteArray value; // the text after "=", trimmed
};

// The UTF-8 byte-order mark that some editors put at the start of a text
// file. It is no part of the first line; a file that has it keeps it.
const QByteArray ByteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");

QByteArray withoutByteOrderMark(const QByteArray& data) {
    return data.startsWith(ByteOrderMark) ? data.mid(ByteOrderMark.size()) : data;
}

Lines splitLines(const QByteArray& data) {
    Lines lines;
    qsizetype start = 0;
    while (start < data.size()) {
        qsizetype end = data.indexOf('\n', start);
        end = end < 0 ? data.size() : end + 1;
        lines.push_back(data.mid(start, end - start));
        start = end;
    }
    return lines;
}

ParsedLine parseLine(const QByteArray& line) {
    const QByteArray text = line.trimmed();
    ParsedLine parsed;
    if (text.startsWith('[')) {
        const qsizetype close = text.indexOf(']');
        parsed.kind = LineKind::Section;
        parsed.name = text.mid(1, close < 0 ? -1 : close - 1).trimmed();
    } else if (!text.startsWith(';') && text.contains('=')) {
        const qsizetype equals = text.indexOf('=');
        parsed.kind = LineKind::Key;
        parsed.name = text.left(equals).trimmed();
        parsed.value = text.mid(equals + 1).trimmed();
    }
    return parsed;
}

// Text written by this program is UTF-8; a file edited elsewhere in an 8-bit
// code page still reads, as Latin-1.
QString decode(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

bool sameName(const QByteArray& stored, const QString& wanted) {
    return decode(stored).compare(wanted.trimmed(), Qt::CaseInsensitive) == 0;
}

bool isQuoted(const QString& text) {
    return text.size() >= 2 && text.front() == text.back() &&
           (text.front() == QLatin1Char('"') || text.front() == QLatin1Char('\''));
}

QString unquote(const QString& text) {
    return isQuoted(text) ? text.mid(1, text.size() - 2) : text;
}

// Quotes a value that would otherwise not read back unchanged: one with
// spaces at either end (they are trimmed) or one already in quotes.
QString quoteIfNeeded(const QString& value) {
    if (value != value.trimmed() || isQuoted(value))
        return QLatin1Char('"') + value + QLatin1Char('"');
    return value;
}

QString cutToMaxLength(QString value) {
    if (value.size() <= MaxValueLength)
        return value;
    value.truncate(MaxValueLength);
    if (value.back().isHighSurrogate())
        value.chop(1);
    return value;
}

// Index of the first line holding `key` inside a `section`, or -1.
qsizetype findKey(const Lines& lines, const QString& section, const QString& key) {
    bool inSection = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        const ParsedLine parsed = parseLine(lines[i]);
        if (parsed.kind == LineKind::Section)
            inSection = sameName(parsed.name, section);
        else if (inSection && parsed.kind == LineKind::Key && sameName(parsed.name, key))
            return qsizetype(i);
    }
    return -1;
}

// Index just after the last non-blank line of the first `section`, so that a
// new key joins its section ahead of any blank separator lines; -1 when the
// section is missing.
qsizetype endOfSection(const Lines& lines, const QString& section) {
    qsizetype found = -1;
    for (size_t i = 0; i < lines.size(); ++i) {
        const ParsedLine parsed = parseLine(lines[i]);
        if (parsed.kind == LineKind::Section) {
            if (found >= 0)
                break;
            if (sameName(parsed.name, section))
                found = qsizetype(i) + 1;
        } else if (found >= 0 && !lines[i].trimmed().isEmpty()) {
            found = qsizetype(i) + 1;
        }
    }
    return found;
}

QByteArray lineBreakOf(const QByteArray& data) {
    return data.contains("\r\n") ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\n");
}

void insertLine(Lines& lines, qsizetype at, const QByteArray& line, const QByteArray& eol) {
    if (at > 0 && !lines[size_t(at - 1)].endsWith('\n'))
        lines[size_t(at - 1)] += eol;
    lines.insert(lines.begin() + at, line);
}

QByteArray applyWrite(const QByteArray& file, const QString& section, const QString& key,
                      const std::optional<QString>& value) {
    const QByteArray data = withoutByteOrderMark(file);
    Lines lines = splitLines(data);
    const QByteArray eol = lineBreakOf(data);
    const QByteArray keyLine =
        value ? (key.trimmed() + QLatin1Char('=') + quoteIfNeeded(*value)).toUtf8() + eol
              : QByteArray();
    const qsizetype keyAt = findKey(lines, section, key);
    if (keyAt >= 0) {
        if (value)
            lines[size_t(keyAt)] =
                lines[size_t(keyAt)].endsWith('\n') ? keyLine : keyLine.chopped(eol.size());
        else
            lines.erase(lines.begin() + keyAt);
    } else if (value) {
        const qsizetype sectionEnd = endOfSection(lines, section);
        if (sectionEnd >= 0) {
            insertLine(lines, sectionEnd, keyLine, eol);
        } else {
            const QByteArray header = ('[' + section.trimmed() + ']').toUtf8() + eol;
            insertLine(lines, qsizetype(lines.size()), header, eol);
            lines.push_back(keyLine);
        }
    }
    QByteArray result = data.size() < file.size() ? ByteOrderMark : QByteArray();
    for (const QByteArray& line : lines)
        result += line;
    return result;
}

bool hasLineBreak(const QString& text) {
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')) ||
           text.contains(QChar(0));
}

// Names and values that the line format could not hold or would misread.
bool canBeStored(const QString& section, const QString& key, const std::optional<QString>& value) {
    const QString s = section.trimmed();
    const QString k = key.trimmed();
    if (s.isEmpty() || hasLineBreak(s) || s.contains(QLatin1Char(']')))
        return false;
    if (k.isEmpty() || hasLineBreak(k) || k.contains(QLatin1Char('=')) ||
        k.startsWith(QLatin1Char('[')) || k.startsWith(QLatin1Char(';')))
        return false;
    return !value || !hasLineBreak(*value);
}

IoResult saveWhole(const QString& path, const QByteArray& data) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    return FileWriter::WriteWhole(path, data);
}

} // namespace

QString Settings::FilePath() {
    const QString inProgramDir = fileInFolder(programDir());
    // An installed program keeps its settings per user even where it could
    // write beside itself (run by root, or installed under a home folder).
    if (canReplace(inProgramDir) && !IsInstalledProgram(programDir()))
        return inProgramDir;
    const QString inConfigDir = fileInFolder(configDir());
    if (QFileInfo::exists(inConfigDir) || !QFileInfo::exists(inProgramDir))
        return inConfigDir;
    // A settings file shipped with a read-only installation: read it until
    // the first write moves the settings to the configuration folder.
    return inProgramDir;
}

namespace {

// A settings file is a few hundred bytes; one that is not an ordinary file
// (a link to a device, a pipe) or is absurdly long is not read at all.
constexpr qint64 MaxSettingsBytes = qint64(1024) * 1024;

QString settingsFileWhat() {
    return QCoreApplication::translate("Settings", "settings file");
}

// Text holds no control characters but tabs, line breaks, form feeds and
// the end mark of DOS editors; anything else is another kind of file in the
// settings file's place (or one damaged on disk), whose lines would be
// misread and which a write must not replace.
QString notText(const QByteArray& bytes) {
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const uchar c = uchar(bytes[i]);
        if (c < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f' && c != 0x1A)
            return QCoreApplication::translate(
                       "Settings", "it is not a text file (byte %1 is the control character 0x%2)")
                .arg(i)
                .arg(c, 2, 16, QLatin1Char('0'));
    }
    return QString();
}

IoResult readSettingsFile(const QString& path, QByteArray& bytes) {
    QByteArray read;
    const IoResult result =
        BoundedFileReader::Read(path, MaxSettingsBytes, settingsFileWhat(), read);
    if (!result)
        return result;
    const QString problem = notText(read);
    if (!problem.isEmpty())
        return BoundedFileReader::CannotRead(settingsFileWhat(), path, problem);
    bytes = read;
    return IoResult::success();
}

} // namespace

IoResult Settings::CheckFile() {
    const QString path = FilePath();
    // None yet (or a link to none): the first setting stored makes it.
    if (!QFileInfo::exists(path))
        return IoResult::success();
    QByteArray bytes;
    return readSettingsFile(path, bytes);
}

QString Settings::Read(const QString& section, const QString& key) {
    QByteArray bytes;
    if (!readSettingsFile(FilePath(), bytes).ok)
        return QString();
    const Lines lines = splitLines(withoutByteOrderMark(bytes));
    const qsizetype at = findKey(lines, section, key);
    if (at < 0)
        return QString();
    return cutToMaxLength(unquote(decode(parseLine(lines[size_t(at)]).value)));
}

IoResult Settings::Write(const QString& section, const QString& key,
                         const std::optional<QString>& value) {
    if (!canBeStored(section, key, value))
        return IoResult::failure(
            QCoreApplication::translate("Settings",
                                        "The setting \"%1\" cannot be stored in the settings file.")
                .arg(key));
    const QString path = FilePath();
    QByteArray old;
    const bool existed = QFileInfo::exists(path);
    if (existed) {
        // The other lines could not be kept.
        const IoResult read = readSettingsFile(path, old);
        if (!read)
            return read;
    }
    const QByteArray updated = applyWrite(old, section, key, value);
    if (updated == old && (existed || !value))
        return IoResult::success();
    const QString target = canReplace(path) ? path : fileInFolder(configDir());
    return saveWhole(target, updated);
}

void Settings::SetFoldersForTesting(const QString& programDir, const QString& configDir) {
    g_ProgramDirForTesting = programDir;
    g_ConfigDirForTesting = configDir;
}
