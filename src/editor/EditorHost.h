#pragma once

#include <QImage>
#include <QList>
#include <QString>

#include <memory>
#include <vector>

class EpisodeTileBehaviour;
class QWidget;
class SpriteSet;
class TileSet;
class LevelEditorWindow;

// What an editor window needs of the main window that holds it: the File
// menu's shared commands, the graphics sets of each episode and what their
// tiles do.
class EditorHost {
public:
    virtual ~EditorHost() = default;
    virtual void newLevel() = 0;
    virtual void openLevels() = 0;
    virtual void exitProgram() = 0;
    virtual void setPaths() = 0;
    // The sets of episode index + 1 (index 0..2), one of each per episode,
    // shared read-only by every window of the episode; never null.
    virtual std::shared_ptr<const TileSet> TileSets(int index) const = 0;
    virtual std::shared_ptr<const SpriteSet> SpriteSets(int index) const = 0;
    // Each episode's tile behaviour table; null when none is known.
    virtual const EpisodeTileBehaviour* TileBehaviours() const { return nullptr; }
    // The window that owns the editors' dialogs.
    virtual QWidget* HostWindow() = 0;
    // An editor wrote its level to `fileName`.
    virtual void LevelSaved(const QString& /*fileName*/) {}
    // Level, Check Level in `editor`: the findings of its level, shown at
    // once.
    virtual void ShowLevelCheck(LevelEditorWindow& /*editor*/) {}
    // Edit, Find Tile or Value in `editor`: the search, ready to start.
    virtual void ShowFind(LevelEditorWindow& /*editor*/) {}
    // Find Next (forward) or Find Previous in `editor`: the next hit of the
    // last search, shown.
    virtual void FindNext(LevelEditorWindow& /*editor*/, bool /*forward*/) {}
    // The folder levels were last opened from or saved in, or where they
    // are looked for first; "" for none.
    virtual QString LevelFolder() const { return QString(); }
    // The other open editors whose levels are of the same episode as
    // `editor`'s (Edit, Replace Tile in every open level).
    virtual std::vector<LevelEditorWindow*>
    EpisodeEditors(const LevelEditorWindow& /*editor*/) const {
        return {};
    }
    // The open editor windows, in the order they were opened.
    virtual QList<LevelEditorWindow*> Editors() const { return {}; }
    // The level file an entrance of the world map leads to was asked for:
    // it opens, or its window comes to the front.
    virtual void OpenLevelFromMap(const QString& /*fileName*/) {}
    // The Episode panel's picture of the level file, when it shows it.
    virtual QImage LevelThumbnail(const QString& /*fileName*/) const { return {}; }
};
