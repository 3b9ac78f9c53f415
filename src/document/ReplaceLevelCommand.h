#pragma once

#include "Level.h"

#include <QUndoCommand>

class LevelDocument;

// The whole level replaced as one undo step (Level, Properties): the level
// before and after, whole, so that cells a smaller size cut off come back
// exactly.
class ReplaceLevelCommand : public QUndoCommand {
public:
    ReplaceLevelCommand(LevelDocument& document, Level before, Level after, const QString& text);

    void undo() override;
    void redo() override;

private:
    LevelDocument& m_Document;
    Level m_Before;
    Level m_After;
};
