#pragma once

#include "IoResult.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <vector>

// A patch script of the game's patcher (a ".PAT" file beside the game): the
// patcher loads the program, writes the script's bytes over its load module
// and runs it, so a mod changes what the game does without changing the
// program file. What matters here are the commands that write bytes:
//
//   %ext ck1                       the episode the script is for
//   %patchfile $130F8 TILES.TLI    the whole file, at that offset
//   %patch $1234 $90 $0102W "text" bytes, 16-bit words (W), 32-bit (L)
//   %end                           nothing after it is read
//
// "#" starts a comment; a command's arguments run on to the next command,
// over several lines if need be. Numbers are decimal, or hexadecimal after
// "$" or "0x". Other commands (%version, %level.file, %dump...) change no
// bytes of the program and are passed over.
class PatchScript {
    Q_DECLARE_TR_FUNCTIONS(PatchScript)
public:
    struct Patch {
        qint64 offset = 0;
        QByteArray bytes;
        // The script's line that gave it, for messages.
        int line = 0;
    };

    // The longest script, and the longest file a script may load: more
    // than a whole program.
    static constexpr qint64 MaxScriptBytes = qint64(1024) * 1024;
    static constexpr qint64 MaxFileBytes = qint64(1024) * 1024;

    // Reads the script at `path`. When it is for episode `episode` (its
    // %ext is "ckN") its patches are read too, with the files it loads from
    // beside it (names in any letter case, "\" or "/" between folders); a
    // script for another episode is read no further. On failure the
    // message names the script, the line and the reason.
    static IoResult Read(const QString& path, int episode, PatchScript& script);
    // The same for the script's text, named `name`, whose files lie in
    // `folder`.
    static IoResult Parse(const QString& text, const QString& name, const QString& folder,
                          int episode, PatchScript& script);

    QString Name() const { return m_Name; }
    // The episode named by %ext, 0 when there is none or another game's.
    int Episode() const { return m_Episode; }
    const std::vector<Patch>& Patches() const { return m_Patches; }

    // Writes the patches over `module`. Bytes past its end are left out:
    // they fall in memory the program's file does not fill, where no table
    // of it lies.
    void Apply(QByteArray& module) const;

private:
    QString m_Name;
    int m_Episode = 0;
    std::vector<Patch> m_Patches;
};
