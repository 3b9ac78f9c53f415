#pragma once

#include "DosProgram.h"

// Unpacks the load module of a program packed by LZEXE 0.90 or 0.91, as the
// game's programs are.
//
// The packed program's code segment starts with LZEXE's own header (the
// original registers, then the packed data's size in paragraphs and the
// paragraphs the unpacked module grows by), and the packed data ends right
// before it. The data is a stream of 16-bit control words, read lowest bit
// first, between the bytes they govern; the next control word is read as
// soon as the last bit of one is used. Bit 1: one literal byte. Bits 0, 0
// and two more: a copy of 2 to 5 bytes from up to 256 bytes back, the
// distance in the next byte. Bits 0, 1: two bytes with a 13-bit distance
// back and a length of 3 to 9, or with length bits 0 a third byte: 0 ends
// the data, 1 marks a new segment (nothing to copy), otherwise the length
// less one.
//
// Every read is checked against the packed data's end and every copy against
// the output written so far; the output is capped by what the header allows
// (the packed paragraphs plus the growth) and by an absolute limit.
class LzexeUnpacker {
    Q_DECLARE_TR_FUNCTIONS(LzexeUnpacker)
public:
    // The most the unpacked load module may take, whatever a header claims:
    // more than DOS can load.
    static constexpr qint64 MaxModuleBytes = qint64(1024) * 1024;

    // Unpacks `program`, whose EXE header is `header`, into `module`. On
    // failure the result gives the reason alone ("its packed data ends
    // before its end mark") and `module` is unchanged.
    static IoResult Unpack(const QByteArray& program, const DosProgram::Header& header,
                           QByteArray& module);
};
