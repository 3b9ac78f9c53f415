// Reading clipboard text as a block of cells: the text of the largest block
// a level holds (182 x 180 cells, both planes) with Windows line ends, and
// a text of 20 million characters in short rows with Windows line ends,
// which no level can hold. Figures are
// times against one plain copy of the same text.
#include "Benchmark.h"

#include "CellBlock.h"
#include "ClipboardCodec.h"

#include <QStringList>
#include <cstring>
#include <vector>

namespace {

// Keeps the compiler from dropping work whose result is never read.
void consume(const void* pointer) {
    asm volatile("" : : "r"(pointer) : "memory");
}

// Rows of comma-separated numbers of `width` x `height` cells, CR LF after
// each, with the longest numbers the cells can hold.
QString windowsRows(int width, int height) {
    QString text;
    for (int y = 0; y < height; ++y) {
        QStringList row;
        for (int x = 0; x < width; ++x)
            row << QString::number(-32768 + (x * 7 + y) % 100);
        text += row.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return text;
}

double copySeconds(const QString& text, int calls) {
    std::vector<char16_t> to(size_t(text.size()));
    return fastestCall(
        [&] {
            std::memcpy(to.data(), text.utf16(), to.size() * sizeof(char16_t));
            consume(to.data());
        },
        calls);
}

// The fastest of `calls` reads, against the fastest of as many copies.
double readRatio(const QString& text, int calls) {
    const double read = fastestCall(
        [&] {
            CellBlock block;
            const IoResult result = ClipboardCodec::FromText(text, block);
            consume(&result);
        },
        calls);
    return read / copySeconds(text, calls);
}

void run(QTextStream& out) {
    const QString largest = windowsRows(182, 180) + QStringLiteral("\r\n") + windowsRows(182, 180);
    out << "plain copy of the same text: 1.00\n";
    out << "the largest block's text (" << largest.size()
        << " characters, CR LF): " << QString::number(readRatio(largest, 10), 'f', 2) << "\n";
    // Short rows: many line ends, as in a long column from a spreadsheet.
    const QString huge = windowsRows(2, 1).repeated(20 * 1000 * 1000 / 15);
    out << "a text of " << QString::number(huge.size() / 1e6, 'f', 1)
        << " million characters with CR LF, refused: "
        << QString::number(readRatio(huge, 3), 'f', 4) << " (aim: well below 1)\n";
}

const Benchmark clipboardBenchmark("clipboard", run,
                                   "reading clipboard text: the largest block, 20 MB refused");

} // namespace
