#pragma once

#include "CellChange.h"
#include "CellMask.h"
#include "CellReplacement.h"

#include <QCoreApplication>
#include <QString>

#include <optional>
#include <vector>

class LevelDocument;

// What Edit, Replace Tile... is asked for, field by field as the dialog's
// user fills them in: the plane (tiles or info values), the value replaced
// and its replacement as typed (decimal, or "0x" and the 16-bit word, as the
// Value box reads them), and where: the selection, the level, or every
// open level of the episode. It says before anything is done what is wrong
// with the fields or how many cells will change, and does the replacement,
// one undo step in each level that changes.
class ReplacementChoice {
    Q_DECLARE_TR_FUNCTIONS(ReplacementChoice)
public:
    enum class Scope { Selection, Level, OpenLevels };

    // `document` is the level of the window asking, `selection` its selected
    // cells (empty for none), `others` the other open levels of its
    // episode; `tileCount` is the number of the episode's tiles, which a
    // replacement tile must be one of (0: any).
    ReplacementChoice(LevelDocument& document, const CellMask& selection,
                      std::vector<LevelDocument*> others, int tileCount);

    // The fields as they read now; a scope that is not offered is taken as
    // the level.
    void Choose(CellChange::Plane plane, const QString& from, const QString& to, Scope scope);
    CellChange::Plane Plane() const { return m_Plane; }
    QString FromText() const { return m_FromText; }
    QString ToText() const { return m_ToText; }
    Scope CurrentScope() const { return m_Scope; }
    // The selection with cells, and other open levels, are there to choose.
    bool Offers(Scope scope) const;

    // Why the fields ask for nothing that can be done; empty when they can.
    QString Problem() const { return m_Problem; }
    // The cells that will change, and in how many levels.
    int Count() const { return m_Count; }
    int ChangedLevels() const { return m_ChangedLevels; }
    // The problem, or "12 cells will change" (with "in 3 levels" for every
    // open level), or "No cell will change".
    QString Summary() const;
    bool CanApply() const { return m_Problem.isEmpty() && m_Count > 0; }

    // Replaces as asked; the number of cells changed (0 when it cannot).
    int Apply();

private:
    // Reads the fields again and counts.
    void Update();
    // The levels the scope covers, the asking one first.
    std::vector<LevelDocument*> Documents() const;
    const CellMask* Within() const;

    LevelDocument& m_Document;
    CellMask m_Selection;
    std::vector<LevelDocument*> m_Others;
    int m_TileCount;
    CellChange::Plane m_Plane = CellChange::TilePlane;
    QString m_FromText;
    QString m_ToText;
    Scope m_Scope = Scope::Level;
    std::optional<CellReplacement> m_Replacement;
    QString m_Problem;
    int m_Count = 0;
    int m_ChangedLevels = 0;
};
