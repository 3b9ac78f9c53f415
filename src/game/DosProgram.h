#pragma once

#include "IoResult.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// A DOS program (an "MZ" .EXE file) as the game's tables are found in it.
//
// The load module is what DOS copies into memory when it starts the
// program: the bytes after the EXE header up to the end of the image the
// header declares, before DOS adds the load segment to the relocated
// words. Offsets into a program's data (the tile table at 0x130F8 of
// episode 1's, and the offsets of the game's patch scripts) count from the
// start of the load module. A program packed by LZEXE holds its load module
// compressed; it is unpacked here to the same bytes an unpacked copy of the
// program would hold.
class DosProgram {
    Q_DECLARE_TR_FUNCTIONS(DosProgram)
public:
    // What the EXE header says, in bytes from the start of the file.
    struct Header {
        qint64 headerBytes = 0;
        // Where the image the header declares ends; past the file's end when
        // the file is cut short.
        qint64 imageEnd = 0;
        // The initial code segment, in paragraphs from the load module's start.
        quint16 codeSegment = 0;
    };

    // The longest program file read: many times the game's own (51 KB
    // packed, 98 KB unpacked), and more than DOS can load.
    static constexpr qint64 MaxFileBytes = qint64(1024) * 1024;

    // Reads the header of `program`; on failure the result gives the reason
    // alone ("it is not a DOS program").
    static IoResult ReadHeader(const QByteArray& program, Header& header);

    // Whether `program` carries LZEXE's mark ("LZ91", or "LZ09" of its
    // previous version, at byte 0x1C).
    static bool IsLzexePacked(const QByteArray& program);

    // The load module of `program`, unpacked when LZEXE packed it. `name`
    // names the program in messages. On failure `module` is unchanged and
    // the message names the program and the reason.
    static IoResult LoadModule(const QByteArray& program, const QString& name, QByteArray& module);

    // Reads the program file at `path` and gives its load module.
    static IoResult LoadModuleFile(const QString& path, QByteArray& module);
};
