// Level, Properties: the level's size, episode and map-level flag through
// the properties dialog. A change is one step on the document's undo stack,
// and so makes the level modified like any other edit.

#include "LevelEditorWindow.h"

#include "EditTool.h"
#include "EditorHost.h"
#include "GameLimits.h"
#include "LevelDocument.h"
#include "LevelPropertiesDialog.h"
#include "PictureBox.h"
#include "Prompts.h"

namespace {

qint16 ToLevelSize(int value) {
    return static_cast<qint16>(qBound(0, value, 32767));
}

} // namespace

void LevelEditorWindow::showProperties() {
    LevelPropertiesDialog dialog(this);
    // The level's own size is offered as it is, also when it lies outside
    // the dialog's limits, so that changing only the episode or the map
    // flag never cuts the level.
    dialog.setCurrentSize(m_Level.Width(), m_Level.Height());
    dialog.setEpisode(m_Level.Episode());
    dialog.setMapLevel(m_Level.Number() == GameLimits::MapLevelNumber);

    Prompts::Current().RunModal(dialog);
    if (dialog.result() != QDialog::Accepted)
        return;
    // OK insists on a choice; an episode outside 1..3 never gets as far as
    // the main window's set lists.
    const int episode = dialog.chosenEpisode();
    if (episode < 1 || episode > 3)
        return;

    CurrentTool().Cancel();
    Level after = m_Level;
    // Resized before the episode changes: new cells get the wall and fill
    // tiles of the episode the level had.
    after.Resize(ToLevelSize(dialog.chosenWidth()), ToLevelSize(dialog.chosenHeight()));
    after.SetEpisode(static_cast<qint16>(episode));
    if (dialog.isMapLevel())
        after.SetNumber(GameLimits::MapLevelNumber);
    if (after != m_Level) {
        // One undo step; the window follows the replaced level.
        m_Document->ReplaceLevel(after, tr("Properties"));
        return;
    }
    // Nothing changed, but the episode's sets are taken afresh all the same.
    TakeEpisodeSets();
}

void LevelEditorWindow::RelayoutAfterNewSets() {
    LayOut();
    RelayoutCanvas();
    // The selectors' scroll ranges follow the new sets' counts and sizes.
    layOutTileSelector();
    layOutSpriteSelector();
    // The views drawn from the old sets and the old level are drawn again,
    // as the platform's paint events would once the dialog uncovers them.
    RedrawEdit();
    paintTileStrip();
    paintSelectedTile(0);
    paintSelectedTile(1);
    paintSelectedSprite();
}
