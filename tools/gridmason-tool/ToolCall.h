#pragma once

#include <QStringList>
#include <QTextStream>

class QCommandLineParser;
struct ToolCommand;

// One run of a command: its parsed command line, the two output streams,
// and the two ways every command fails.
class ToolCall {
public:
    ToolCall(const ToolCommand& command, const QStringList& arguments,
             const QCommandLineParser& parser, QTextStream& out, QTextStream& err);

    const ToolCommand& Command() const { return m_Command; }
    // The arguments after the command's name, as given.
    const QStringList& Arguments() const { return m_Arguments; }
    const QCommandLineParser& Args() const { return m_Parser; }
    QStringList Positional() const;
    QTextStream& Out() const { return m_Out; }
    QTextStream& Err() const { return m_Err; }

    // Prints `reason` (if any) and the command's usage line on stderr;
    // returns ToolUsage.
    int UsageError(const QString& reason = QString()) const;
    // Prints the message on stderr; returns ToolBadInput.
    int BadInput(const QString& message) const;

private:
    const ToolCommand& m_Command;
    QStringList m_Arguments;
    const QCommandLineParser& m_Parser;
    QTextStream& m_Out;
    QTextStream& m_Err;
};
