#include "PatchScript.h"

#include "BoundedFileReader.h"
#include "FolderBitmapSource.h"
#include "PathText.h"

#include <QDir>
#include <QFileInfo>
#include <QtEndian>
#include <algorithm>

namespace {

struct Token {
    QString text;
    bool quoted = false;
    int line = 0;
};

struct Command {
    QString name; // lower case, without the "%"
    int line = 0;
    std::vector<Token> args;
};

// Splits the script into words and quoted strings, leaving out comments.
// False, with the line, when a string is not closed.
bool tokenise(const QString& text, std::vector<Token>& tokens, int& badLine) {
    int line = 1;
    for (qsizetype i = 0; i < text.size();) {
        const QChar c = text[i];
        if (c == QLatin1Char('\n'))
            ++line;
        if (c.isSpace()) {
            ++i;
        } else if (c == QLatin1Char('#')) {
            while (i < text.size() && text[i] != QLatin1Char('\n'))
                ++i;
        } else if (c == QLatin1Char('"')) {
            const qsizetype end = text.indexOf(QLatin1Char('"'), i + 1);
            if (end < 0 || text.mid(i, end - i).contains(QLatin1Char('\n'))) {
                badLine = line;
                return false;
            }
            tokens.push_back({text.mid(i + 1, end - i - 1), true, line});
            i = end + 1;
        } else {
            qsizetype end = i;
            while (end < text.size() && !text[end].isSpace() && text[end] != QLatin1Char('#') &&
                   text[end] != QLatin1Char('"'))
                ++end;
            tokens.push_back({text.mid(i, end - i), false, line});
            i = end;
        }
    }
    return true;
}

// A number as the patcher writes them: "$1F", "0x1F" or "31". False when
// the text is none.
bool readNumber(const QString& text, quint64& value) {
    bool ok = false;
    if (text.startsWith(QLatin1Char('$')))
        value = text.mid(1).toULongLong(&ok, 16);
    else if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        value = text.mid(2).toULongLong(&ok, 16);
    else
        value = text.toULongLong(&ok, 10);
    return ok;
}

// The script's episode: "ck1" gives 1.
int episodeOf(const QString& extension) {
    const QString lower = extension.toLower();
    if (lower.size() == 3 && lower.startsWith(QLatin1String("ck")) &&
        lower[2] >= QLatin1Char('1') && lower[2] <= QLatin1Char('3'))
        return lower[2].digitValue();
    return 0;
}

} // namespace

IoResult PatchScript::Read(const QString& path, int episode, PatchScript& script) {
    QByteArray bytes;
    const IoResult read = BoundedFileReader::Read(path, MaxScriptBytes, tr("patch script"), bytes);
    if (!read)
        return read;
    const QFileInfo info(path);
    // The game's own tools write these in the DOS code page; only the
    // commands and file names matter here, which are plain ASCII.
    return Parse(QString::fromLatin1(bytes), info.fileName(), info.path(), episode, script);
}

IoResult PatchScript::Parse(const QString& text, const QString& name, const QString& folder,
                            int episode, PatchScript& script) {
    int line = 0;
    auto fail = [&](const QString& reason) {
        return IoResult::failure(tr("The patch script \"%1\" cannot be used: line %2: %3.")
                                     .arg(name)
                                     .arg(line)
                                     .arg(reason));
    };
    std::vector<Token> tokens;
    if (!tokenise(text, tokens, line))
        return fail(tr("a quotation mark is not closed on its line"));

    std::vector<Command> commands;
    for (const Token& token : tokens) {
        if (!token.quoted && token.text.startsWith(QLatin1Char('%'))) {
            commands.push_back({token.text.mid(1).toLower(), token.line, {}});
        } else if (commands.empty()) {
            line = token.line;
            return fail(tr("\"%1\" stands before the first command").arg(token.text));
        } else {
            commands.back().args.push_back(token);
        }
    }

    PatchScript read;
    read.m_Name = name;
    for (const Command& command : commands) {
        if (command.name == QLatin1String("end") || command.name == QLatin1String("abort"))
            break;
        if (command.name == QLatin1String("ext") && !command.args.empty())
            read.m_Episode = episodeOf(command.args.front().text);
    }
    if (read.m_Episode != episode) {
        script = read;
        return IoResult::success();
    }

    for (const Command& command : commands) {
        line = command.line;
        if (command.name == QLatin1String("end") || command.name == QLatin1String("abort"))
            break;
        const bool patchFile = command.name == QLatin1String("patchfile");
        if (!patchFile && command.name != QLatin1String("patch"))
            continue;
        quint64 offset = 0;
        if (command.args.empty() || command.args.front().quoted ||
            !readNumber(command.args.front().text, offset) || offset > quint64(MaxFileBytes))
            return fail(tr("%%1 needs an offset into the program first").arg(command.name));
        Patch patch;
        patch.offset = qint64(offset);
        patch.line = command.line;
        if (patchFile) {
            if (command.args.size() != 2)
                return fail(tr("%patchfile needs an offset and one file name"));
            const QString file = command.args[1].text;
            const QString subfolder =
                PathText::Folder(file).replace(QLatin1Char('\\'), QLatin1Char('/'));
            const QString found = FolderBitmapSource::FindFile(
                subfolder.isEmpty() ? folder : folder + QLatin1Char('/') + subfolder,
                PathText::BareName(file));
            if (found.isEmpty())
                return fail(tr("the file \"%1\" it loads is not in the folder \"%2\"")
                                .arg(file, QDir::toNativeSeparators(folder)));
            const IoResult loaded =
                BoundedFileReader::Read(found, MaxFileBytes, tr("patch file"), patch.bytes);
            if (!loaded)
                return IoResult::failure(
                    tr("%1 It is loaded by line %2 of the patch script \"%3\".")
                        .arg(loaded.error)
                        .arg(line)
                        .arg(name));
        } else {
            for (size_t i = 1; i < command.args.size(); ++i) {
                const Token& value = command.args[i];
                if (value.quoted) {
                    patch.bytes += value.text.toLatin1();
                    continue;
                }
                // A "W" or "L" at the end makes a 16- or 32-bit value; an
                // "R" before it marks one the patcher relocates, which no
                // table holds, so it is written as it stands.
                QString digits = value.text;
                int width = 1;
                if (digits.endsWith(QLatin1Char('W'), Qt::CaseInsensitive))
                    width = 2;
                else if (digits.endsWith(QLatin1Char('L'), Qt::CaseInsensitive))
                    width = 4;
                digits.chop(width > 1 ? 1 : 0);
                if (width > 1 && digits.endsWith(QLatin1Char('R'), Qt::CaseInsensitive))
                    digits.chop(1);
                quint64 number = 0;
                if (!readNumber(digits, number))
                    return fail(tr("\"%1\" is neither a number nor a quoted text").arg(value.text));
                if (number >> (8 * width) != 0)
                    return fail(tr("%1 is too large for %2 bits").arg(value.text).arg(8 * width));
                for (int b = 0; b < width; ++b)
                    patch.bytes += char(number >> (8 * b));
            }
        }
        read.m_Patches.push_back(patch);
    }
    script = read;
    return IoResult::success();
}

void PatchScript::Apply(QByteArray& module) const {
    for (const Patch& patch : m_Patches) {
        if (patch.offset >= module.size())
            continue;
        const qsizetype length =
            std::min<qsizetype>(patch.bytes.size(), module.size() - patch.offset);
        std::copy_n(patch.bytes.constData(), length, module.data() + patch.offset);
    }
}
