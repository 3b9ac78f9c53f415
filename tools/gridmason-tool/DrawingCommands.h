#pragma once

#include <QString>

class QCommandLineParser;
class ToolCall;

// The commands that draw. Their command lines are declared in
// DrawingCommandLines.cpp, which both programs hold; their bodies need
// QtGui and live only in gridmason-tool-draw. gridmason-tool itself hands
// them to that program (DrawingForward.cpp), so that its other commands
// never load QtGui and its many libraries.
namespace DrawingCommands {

// The name of the program that runs them, beside gridmason-tool.
inline constexpr char Program[] = "gridmason-tool-draw";

// Options of render.
inline const QString OutputOption = QStringLiteral("output");
inline const QString GraphicsOption = QStringLiteral("graphics");
inline const QString ZoomOption = QStringLiteral("zoom");
inline const QString InfoValuesOption = QStringLiteral("info-values");
// Options of render-episode besides those of render.
inline const QString EpisodeOption = QStringLiteral("episode");

int Render(const ToolCall& call);
int RenderEpisode(const ToolCall& call);
int ExportGraphics(const ToolCall& call);

} // namespace DrawingCommands
