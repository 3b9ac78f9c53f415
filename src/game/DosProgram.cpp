#include "DosProgram.h"

#include "BoundedFileReader.h"
#include "LzexeUnpacker.h"

#include <QDir>
#include <QtEndian>

namespace {

constexpr qint64 PageBytes = 512;
constexpr qint64 ParagraphBytes = 16;
// The fixed part of the EXE header, up to and including its first
// relocation's offset field (where LZEXE puts its mark).
constexpr qint64 FixedHeaderBytes = 0x20;

quint16 wordAt(const QByteArray& bytes, qint64 offset) {
    return qFromLittleEndian<quint16>(bytes.constData() + offset);
}

} // namespace

IoResult DosProgram::ReadHeader(const QByteArray& program, Header& header) {
    if (program.size() < FixedHeaderBytes)
        return IoResult::failure(tr("it is only %1 bytes long, shorter than a DOS program's header")
                                     .arg(program.size()));
    // DOS takes either order of the two letters.
    if (!program.startsWith("MZ") && !program.startsWith("ZM"))
        return IoResult::failure(tr("it is not a DOS program (it does not start with \"MZ\")"));
    const quint16 lastPageBytes = wordAt(program, 2);
    const quint16 pages = wordAt(program, 4);
    const quint16 headerParagraphs = wordAt(program, 8);
    Header read;
    read.headerBytes = qint64(headerParagraphs) * ParagraphBytes;
    read.imageEnd = qint64(pages) * PageBytes;
    if (lastPageBytes != 0 && pages > 0)
        read.imageEnd -= PageBytes - (lastPageBytes % PageBytes);
    read.codeSegment = wordAt(program, 0x16);
    if (read.headerBytes < FixedHeaderBytes || read.headerBytes > read.imageEnd)
        return IoResult::failure(
            tr("its header is damaged (a header of %1 bytes in an image of %2 bytes)")
                .arg(read.headerBytes)
                .arg(read.imageEnd));
    header = read;
    return IoResult::success();
}

bool DosProgram::IsLzexePacked(const QByteArray& program) {
    const QByteArray mark = program.mid(0x1C, 4);
    return program.size() >= FixedHeaderBytes && (mark == "LZ91" || mark == "LZ09");
}

IoResult DosProgram::LoadModule(const QByteArray& program, const QString& name,
                                QByteArray& module) {
    auto fail = [&name](const QString& reason) {
        return IoResult::failure(tr("The program \"%1\" cannot be read: %2.")
                                     .arg(QDir::toNativeSeparators(name), reason));
    };
    Header header;
    const IoResult headerRead = ReadHeader(program, header);
    if (!headerRead)
        return fail(headerRead.error);
    if (IsLzexePacked(program)) {
        QByteArray unpacked;
        const IoResult result = LzexeUnpacker::Unpack(program, header, unpacked);
        if (!result)
            return fail(result.error);
        module = unpacked;
        return IoResult::success();
    }
    // A file longer than its image carries data the program reads itself;
    // one shorter was cut short.
    if (header.imageEnd > program.size())
        return fail(tr("it is %1 bytes long, but its header declares %2")
                        .arg(program.size())
                        .arg(header.imageEnd));
    module = program.mid(header.headerBytes, header.imageEnd - header.headerBytes);
    return IoResult::success();
}

IoResult DosProgram::LoadModuleFile(const QString& path, QByteArray& module) {
    QByteArray program;
    const IoResult read = BoundedFileReader::Read(path, MaxFileBytes, tr("program"), program);
    if (!read)
        return read;
    return LoadModule(program, path, module);
}
