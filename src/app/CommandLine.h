#pragma once

#include <QString>
#include <QStringList>

// What gridmason's command line asks for: the level files to open, the
// help or the version. It needs no application object, so that --help and
// --version answer in a terminal without a screen, before the program
// starts its windows.
class CommandLine {
public:
    enum class Request { OpenFiles, Help, Version, Invalid };

    // Parses `arguments`, the program's name first.
    explicit CommandLine(const QStringList& arguments);

    Request Requested() const { return m_Request; }
    // The level files named, in order (OpenFiles).
    const QStringList& Files() const { return m_Files; }
    // Why the command line is not understood (Invalid).
    const QString& Error() const { return m_Error; }

    // What --help prints.
    static QString HelpText();
    // What --version prints: "gridmason 0.5".
    static QString VersionText();

private:
    Request m_Request = Request::OpenFiles;
    QStringList m_Files;
    QString m_Error;
};
