#include "ToolCall.h"

#include "ToolCommand.h"

#include <QCommandLineParser>

ToolCall::ToolCall(const ToolCommand& command, const QStringList& arguments,
                   const QCommandLineParser& parser, QTextStream& out, QTextStream& err)
    : m_Command(command), m_Arguments(arguments), m_Parser(parser), m_Out(out), m_Err(err) {}

QStringList ToolCall::Positional() const {
    return m_Parser.positionalArguments();
}

int ToolCall::UsageError(const QString& reason) const {
    if (!reason.isEmpty())
        m_Err << "gridmason-tool " << m_Command.name << ": " << reason << "\n";
    m_Err << "usage: gridmason-tool " << m_Command.usage << "\n"
          << "(gridmason-tool help " << m_Command.name << " tells more)\n";
    return ToolUsage;
}

int ToolCall::BadInput(const QString& message) const {
    m_Err << "gridmason-tool: " << message << "\n";
    return ToolBadInput;
}
