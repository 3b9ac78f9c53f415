#include "ClipboardCodec.h"

#include "CellBlock.h"
#include "Level.h"

#include <QCoreApplication>
#include <QLocale>
#include <QMimeData>
#include <QtEndian>

#include <limits>
#include <vector>

namespace {

// The private form: a header, then the tile plane and, when flagged, the
// info plane, each row by row as little-endian 16-bit words, then, when
// flagged, one byte a cell row by row saying whether the block holds it (1)
// or leaves it out (0), for a block copied from a selection of any shape.
const char Magic[4] = {'G', 'M', 'C', 'B'};
constexpr quint16 FormatVersion = 1;
constexpr int HeaderSize = 4 + 2 + 2 + 2 + 2 + 1;
constexpr quint8 HasInfoFlag = 1;
constexpr quint8 HasGapsFlag = 2;

void appendWord(QByteArray& bytes, quint16 value) {
    bytes.append(static_cast<char>(value & 0xFF));
    bytes.append(static_cast<char>(value >> 8));
}

quint16 wordAt(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<quint16>(bytes.constData() + offset);
}

IoResult damaged(const QString& reason) {
    return IoResult::failure(
        QCoreApplication::translate("ClipboardCodec", "The cells on the clipboard are damaged: %1.")
            .arg(reason));
}

IoResult badText(const QString& reason) {
    return IoResult::failure(
        QCoreApplication::translate("ClipboardCodec",
                                    "The clipboard text is not a block of cells: %1.")
            .arg(reason));
}

QString tooManyCells() {
    return QCoreApplication::translate("ClipboardCodec",
                                       "it holds more than %1 cells, the most a level can have")
        .arg(QLocale(QLocale::English).toString(Level::MaxCells));
}

// The longest text of a block of cells: both planes of the most cells a
// level can have, every value in its longest form ("-32768") followed by a
// separator of up to two characters (", ", or a line's end as CR LF), and a
// blank line between the planes.
constexpr qsizetype LongestNumber = 6;
constexpr qsizetype LongestSeparator = 2;
constexpr qsizetype MaxTextLength =
    2 * qsizetype(Level::MaxCells) * (LongestNumber + LongestSeparator) + LongestSeparator;

// One block of numbers in the text, row by row.
struct Grid {
    int width = 0;
    int rows = 0;
    std::vector<qint16> values;
};

// Quotes a piece of the user's text in a message, shortened if long.
QString quoted(QStringView field) {
    constexpr int Longest = 20;
    const QString shown = field.size() > Longest
                              ? field.left(Longest).toString() + QStringLiteral("...")
                              : field.toString();
    return QStringLiteral("\"%1\"").arg(shown);
}

// Adds one non-blank line to `grid`; on failure returns the reason.
QString addRow(Grid& grid, QStringView line, int lineNumber) {
    const QChar separator = line.contains(QLatin1Char('\t')) ? QLatin1Char('\t') : QLatin1Char(',');
    const qsizetype count = line.count(separator) + 1;
    if (count > Level::MaxCells)
        return tooManyCells();
    if (grid.rows > 0 && count != grid.width) {
        return QCoreApplication::translate(
                   "ClipboardCodec", "line %1 has %2 values where the lines before it have %3")
            .arg(lineNumber)
            .arg(count)
            .arg(grid.width);
    }
    grid.width = static_cast<int>(count);
    if (static_cast<qint64>(grid.rows + 1) * grid.width > Level::MaxCells)
        return tooManyCells();
    int column = 0;
    for (QStringView field : line.split(separator)) {
        ++column;
        bool ok = false;
        const int value = field.trimmed().toInt(&ok);
        if (!ok) {
            return QCoreApplication::translate("ClipboardCodec",
                                               "value %1 on line %2 is not a whole number: %3")
                .arg(column)
                .arg(lineNumber)
                .arg(quoted(field.trimmed()));
        }
        if (value < std::numeric_limits<qint16>::min() ||
            value > std::numeric_limits<qint16>::max()) {
            return QCoreApplication::translate(
                       "ClipboardCodec", "value %1 on line %2, %3, is outside -32768 to 32767")
                .arg(column)
                .arg(lineNumber)
                .arg(value);
        }
        grid.values.push_back(static_cast<qint16>(value));
    }
    ++grid.rows;
    return {};
}

// The end of the line that starts at `start`; `next` becomes the start of
// the line after it. A line ends at a line feed, a carriage return or both
// (Windows), and the last one at the end of the text.
qsizetype lineEnd(QStringView text, qsizetype start, qsizetype& next) {
    for (qsizetype i = start; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\n')) {
            next = i + 1;
            return i;
        }
        if (text[i] == QLatin1Char('\r')) {
            const bool windows = i + 1 < text.size() && text[i + 1] == QLatin1Char('\n');
            next = windows ? i + 2 : i + 1;
            return i;
        }
    }
    next = text.size() + 1;
    return text.size();
}

// Splits the text into blocks of numbers separated by blank lines, in one
// pass over it.
QString parseGrids(QStringView text, std::vector<Grid>& grids) {
    Grid current;
    int lineNumber = 0;
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype next = 0;
        const qsizetype end = lineEnd(text, start, next);
        QStringView line = text.mid(start, end - start);
        start = next;
        ++lineNumber;
        if (line.trimmed().isEmpty()) {
            if (current.rows > 0)
                grids.push_back(std::move(current));
            current = Grid();
            continue;
        }
        if (grids.size() == 2)
            return QCoreApplication::translate("ClipboardCodec",
                                               "it has more than two blocks of numbers (line %1)")
                .arg(lineNumber);
        const QString problem = addRow(current, line, lineNumber);
        if (!problem.isEmpty())
            return problem;
    }
    if (current.rows > 0)
        grids.push_back(std::move(current));
    if (grids.empty())
        return QCoreApplication::translate("ClipboardCodec", "it holds no numbers");
    if (grids.size() == 2 && (grids[0].width != grids[1].width || grids[0].rows != grids[1].rows)) {
        return QCoreApplication::translate("ClipboardCodec",
                                           "the info values are %1 by %2 cells, the tiles %3 by %4")
            .arg(grids[1].width)
            .arg(grids[1].rows)
            .arg(grids[0].width)
            .arg(grids[0].rows);
    }
    return {};
}

void appendRows(QString& text, const CellBlock& block, bool info) {
    for (int y = 0; y < block.Height(); ++y) {
        for (int x = 0; x < block.Width(); ++x) {
            if (x > 0)
                text += QLatin1Char(',');
            text += QString::number(info ? block.Info(x, y) : block.Tile(x, y));
        }
        text += QLatin1Char('\n');
    }
}

} // namespace

namespace ClipboardCodec {

QString MimeType() {
    return QStringLiteral("application/x-gridmason-cells");
}

QByteArray ToBytes(const CellBlock& block) {
    QByteArray bytes(Magic, sizeof Magic);
    appendWord(bytes, FormatVersion);
    appendWord(bytes, static_cast<quint16>(block.Episode()));
    appendWord(bytes, static_cast<quint16>(block.Width()));
    appendWord(bytes, static_cast<quint16>(block.Height()));
    bytes.append(static_cast<char>((block.HasInfo() ? HasInfoFlag : 0) |
                                   (block.HasGaps() ? HasGapsFlag : 0)));
    for (qint16 tile : block.Tiles())
        appendWord(bytes, static_cast<quint16>(tile));
    for (qint16 info : block.Infos())
        appendWord(bytes, static_cast<quint16>(info));
    for (int y = 0; block.HasGaps() && y < block.Height(); ++y)
        for (int x = 0; x < block.Width(); ++x)
            bytes.append(block.Holds(x, y) ? '\1' : '\0');
    return bytes;
}

IoResult FromBytes(const QByteArray& bytes, CellBlock& block) {
    if (bytes.size() < HeaderSize || !bytes.startsWith(QByteArray(Magic, sizeof Magic)))
        return damaged(QCoreApplication::translate(
            "ClipboardCodec", "they do not start with the mark of a block of cells"));
    if (wordAt(bytes, 4) != FormatVersion)
        return damaged(QCoreApplication::translate(
            "ClipboardCodec", "they were written by another version of the program"));
    const qint16 episode = static_cast<qint16>(wordAt(bytes, 6));
    const int width = wordAt(bytes, 8);
    const int height = wordAt(bytes, 10);
    const quint8 flags = static_cast<quint8>(bytes[12]);
    if (episode < 0 || episode > 3)
        return damaged(
            QCoreApplication::translate("ClipboardCodec", "episode %1 is not one of 1 to 3")
                .arg(episode));
    if (width == 0 || height == 0)
        return damaged(QCoreApplication::translate("ClipboardCodec", "the block has no cells"));
    if (qint64(width) * height > Level::MaxCells)
        return damaged(tooManyCells());
    if ((flags & ~(HasInfoFlag | HasGapsFlag)) != 0)
        return damaged(
            QCoreApplication::translate("ClipboardCodec", "unknown flags %1").arg(flags));
    const bool hasInfo = (flags & HasInfoFlag) != 0;
    const bool hasGaps = (flags & HasGapsFlag) != 0;
    const qint64 expected =
        HeaderSize + qint64(width) * height * (2 * (hasInfo ? 2 : 1) + (hasGaps ? 1 : 0));
    if (bytes.size() != expected) {
        return damaged(
            QCoreApplication::translate("ClipboardCodec",
                                        "they are %1 bytes long where a block of %2 by %3 takes %4")
                .arg(bytes.size())
                .arg(width)
                .arg(height)
                .arg(expected));
    }
    CellBlock result(width, height, episode, hasInfo);
    int offset = HeaderSize;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x, offset += 2)
            result.SetTile(x, y, static_cast<qint16>(wordAt(bytes, offset)));
    for (int y = 0; hasInfo && y < height; ++y)
        for (int x = 0; x < width; ++x, offset += 2)
            result.SetInfo(x, y, static_cast<qint16>(wordAt(bytes, offset)));
    for (int y = 0; hasGaps && y < height; ++y) {
        for (int x = 0; x < width; ++x, ++offset) {
            const char held = bytes[offset];
            if (held != 0 && held != 1)
                return damaged(
                    QCoreApplication::translate(
                        "ClipboardCodec", "cell %1,%2 is marked %3, neither held nor left out")
                        .arg(x)
                        .arg(y)
                        .arg(int(quint8(held))));
            if (held == 0)
                result.LeaveOut(x, y);
        }
    }
    block = std::move(result);
    return IoResult::success();
}

QString ToText(const CellBlock& block) {
    QString text;
    appendRows(text, block, false);
    if (block.HasInfo()) {
        text += QLatin1Char('\n');
        appendRows(text, block, true);
    }
    return text;
}

IoResult FromText(const QString& text, CellBlock& block) {
    // Longer text cannot be a block a level holds; it is refused before it
    // is read, however long it is.
    if (text.size() > MaxTextLength) {
        const QLocale english(QLocale::English);
        return badText(
            QCoreApplication::translate("ClipboardCodec",
                                        "it is %1 characters long, more than the %2 of the largest "
                                        "block a level can hold")
                .arg(english.toString(qint64(text.size())),
                     english.toString(qint64(MaxTextLength))));
    }
    std::vector<Grid> grids;
    const QString problem = parseGrids(text, grids);
    if (!problem.isEmpty())
        return badText(problem);
    const Grid& tiles = grids[0];
    const bool hasInfo = grids.size() == 2;
    CellBlock result(tiles.width, tiles.rows, 0, hasInfo);
    for (int y = 0; y < tiles.rows; ++y) {
        for (int x = 0; x < tiles.width; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * tiles.width + x;
            result.SetTile(x, y, tiles.values[i]);
            if (hasInfo)
                result.SetInfo(x, y, grids[1].values[i]);
        }
    }
    block = std::move(result);
    return IoResult::success();
}

void Store(const CellBlock& block, QMimeData& data) {
    data.setData(MimeType(), ToBytes(block));
    data.setText(ToText(block));
}

IoResult Read(const QMimeData& data, CellBlock& block) {
    if (data.hasFormat(MimeType()))
        return FromBytes(data.data(MimeType()), block);
    if (data.hasText())
        return FromText(data.text(), block);
    return IoResult::failure(
        QCoreApplication::translate("ClipboardCodec", "The clipboard holds no cells and no text."));
}

} // namespace ClipboardCodec
