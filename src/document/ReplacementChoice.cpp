#include "ReplacementChoice.h"

#include "InfoValueText.h"
#include "LevelDocument.h"

ReplacementChoice::ReplacementChoice(LevelDocument& document, const CellMask& selection,
                                     std::vector<LevelDocument*> others, int tileCount)
    : m_Document(document), m_Selection(selection), m_Others(std::move(others)),
      m_TileCount(tileCount) {
    m_Scope = Offers(Scope::Selection) ? Scope::Selection : Scope::Level;
    Update();
}

void ReplacementChoice::Choose(CellChange::Plane plane, const QString& from, const QString& to,
                               Scope scope) {
    m_Plane = plane;
    m_FromText = from;
    m_ToText = to;
    m_Scope = Offers(scope) ? scope : Scope::Level;
    Update();
}

bool ReplacementChoice::Offers(Scope scope) const {
    switch (scope) {
    case Scope::Selection:
        return !m_Selection.IsEmpty();
    case Scope::OpenLevels:
        return !m_Others.empty();
    default:
        return true;
    }
}

void ReplacementChoice::Update() {
    m_Replacement.reset();
    m_Count = 0;
    m_ChangedLevels = 0;
    const bool tiles = m_Plane == CellChange::TilePlane;
    const InfoValueText::Parsed from = InfoValueText::Parse(m_FromText);
    const InfoValueText::Parsed to = InfoValueText::Parse(m_ToText);
    if (from.state != InfoValueText::State::Valid) {
        m_Problem = tiles ? tr("Type the tile to replace.")
                          : tr("Type the info value to replace (a sprite's number or a raw "
                               "value such as 0x8003).");
        return;
    }
    if (to.state != InfoValueText::State::Valid) {
        m_Problem = tiles ? tr("Type the tile to put in its place.")
                          : tr("Type the info value to put in its place (0 for none).");
        return;
    }
    if (tiles && m_TileCount > 0 && (to.value < 0 || to.value >= m_TileCount)) {
        m_Problem = tr("Tile %1 is not one of the episode's tiles (0 to %2).")
                        .arg(to.value)
                        .arg(m_TileCount - 1);
        return;
    }
    m_Problem.clear();
    m_Replacement.emplace(m_Plane, from.value, to.value);
    for (const LevelDocument* document : Documents()) {
        const int count = m_Replacement->Count(document->level(), Within());
        m_Count += count;
        m_ChangedLevels += count > 0 ? 1 : 0;
    }
}

std::vector<LevelDocument*> ReplacementChoice::Documents() const {
    std::vector<LevelDocument*> documents{&m_Document};
    if (m_Scope == Scope::OpenLevels)
        documents.insert(documents.end(), m_Others.begin(), m_Others.end());
    return documents;
}

const CellMask* ReplacementChoice::Within() const {
    return m_Scope == Scope::Selection ? &m_Selection : nullptr;
}

QString ReplacementChoice::Summary() const {
    if (!m_Problem.isEmpty())
        return m_Problem;
    if (m_Count == 0)
        return tr("No cell will change.");
    QString text =
        m_Count == 1 ? tr("1 cell will change") : tr("%1 cells will change").arg(m_Count);
    if (m_Scope == Scope::OpenLevels) {
        text += m_ChangedLevels == 1 ? tr(" in 1 level") : tr(" in %1 levels").arg(m_ChangedLevels);
    }
    return text + QLatin1Char('.');
}

int ReplacementChoice::Apply() {
    if (!CanApply())
        return 0;
    int count = 0;
    for (LevelDocument* document : Documents())
        count += m_Replacement->Apply(*document, Within());
    Update();
    return count;
}
