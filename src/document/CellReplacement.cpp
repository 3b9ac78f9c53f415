#include "CellReplacement.h"

#include "EditOperations.h"
#include "LevelDocument.h"

#include <QCoreApplication>

QString CellReplacement::StepText() const {
    return m_Plane == CellChange::TilePlane
               ? QCoreApplication::translate("CellReplacement", "Replace Tile")
               : QCoreApplication::translate("CellReplacement", "Replace Value");
}

CellMask CellReplacement::Cells(const Level& level, const CellMask* within) const {
    if (m_From == m_To)
        return CellMask(QSize(level.Width(), level.Height()));
    return EditOperations::SameValue(level, m_Plane, m_From, within);
}

int CellReplacement::Count(const Level& level, const CellMask* within) const {
    return Cells(level, within).Count();
}

int CellReplacement::Count(const std::vector<LevelDocument*>& documents) const {
    int count = 0;
    for (const LevelDocument* document : documents)
        count += Count(document->level());
    return count;
}

int CellReplacement::Apply(LevelDocument& document, const CellMask* within) const {
    CellMask cells = Cells(document.level(), within);
    const int count = cells.Count();
    document.ApplyReplacement(StepText(), m_Plane, std::move(cells), m_From, m_To);
    return count;
}

int CellReplacement::Apply(const std::vector<LevelDocument*>& documents) const {
    int count = 0;
    for (LevelDocument* document : documents)
        count += Apply(*document);
    return count;
}
