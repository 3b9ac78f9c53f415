#include "CellReplacement.h"

#include "EditOperations.h"
#include "LevelDocument.h"

#include <QCoreApplication>

QString CellReplacement::StepText() const {
    return m_Plane == CellChange::TilePlane
               ? QCoreApplication::translate("CellReplacement", "Replace Tile")
               : QCoreApplication::translate("CellReplacement", "Replace Value");
}

std::vector<CellChange> CellReplacement::Changes(const Level& level, const CellMask* within) const {
    return EditOperations::Replace(level, m_Plane, m_From, m_To, within);
}

int CellReplacement::Count(const Level& level, const CellMask* within) const {
    return int(Changes(level, within).size());
}

int CellReplacement::Count(const std::vector<LevelDocument*>& documents) const {
    int count = 0;
    for (const LevelDocument* document : documents)
        count += Count(document->level());
    return count;
}

int CellReplacement::Apply(LevelDocument& document, const CellMask* within) const {
    std::vector<CellChange> changes = Changes(document.level(), within);
    const int count = int(changes.size());
    document.ApplyEdit(StepText(), std::move(changes));
    return count;
}

int CellReplacement::Apply(const std::vector<LevelDocument*>& documents) const {
    int count = 0;
    for (LevelDocument* document : documents)
        count += Apply(*document);
    return count;
}
