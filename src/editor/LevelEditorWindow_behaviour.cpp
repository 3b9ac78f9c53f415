// What the game's tiles do, in the editor window: View, Show Tile Behaviour
// (the overlay over the canvas), View, Animate Tiles (the tiles' loops on
// the canvas, the tile strip and the level preview) and the tiles' names.
// The episode's table comes from the host's EpisodeTileBehaviour.
#include "LevelEditorWindow.h"

#include "CanvasView.h"
#include "CellPixels.h"
#include "EditGeometry.h"
#include "EditorHost.h"
#include "EpisodeTileBehaviour.h"
#include "LevelCanvas.h"
#include "PictureBox.h"
#include "TileAnimation.h"

#include <QAction>
#include <QMenu>
#include <QTimer>

void LevelEditorWindow::CreateTileBehaviourControls() {
    m_ViewMenu->addSeparator();
    m_ShowBehaviourAction = m_ViewMenu->addAction(tr("Show Tile &Behaviour"));
    m_ShowBehaviourAction->setCheckable(true);
    m_ShowBehaviourAction->setShortcut(QKeySequence(Qt::Key_T));
    m_AnimateTilesAction = m_ViewMenu->addAction(tr("&Animate Tiles"));
    m_AnimateTilesAction->setCheckable(true);
    // The menu shows why a command is disabled.
    m_ViewMenu->setToolTipsVisible(true);
    m_AnimationTimer = new QTimer(this);
    m_AnimationTimer->setInterval(TileAnimation::FrameMilliseconds);
    connect(m_ShowBehaviourAction, &QAction::triggered, this, [this] { toggleTileBehaviour(); });
    connect(m_AnimateTilesAction, &QAction::triggered, this, [this] { toggleTileAnimation(); });
    connect(m_AnimationTimer, &QTimer::timeout, this, [this] { animateTiles(); });
    TakeTileBehaviour();
}

void LevelEditorWindow::TakeTileBehaviour() {
    const EpisodeTileBehaviour* behaviours = m_Host.TileBehaviours();
    const int episode = m_Level.Episode();
    m_Behaviour = behaviours ? behaviours->Table(episode) : nullptr;
    m_Canvas->SetBehaviourOverlay(behaviours ? behaviours->Overlay(episode) : nullptr);
    auto animation = m_Behaviour
                         ? std::make_shared<const TileAnimation>(*m_Behaviour, m_Tiles->Count())
                         : nullptr;
    m_Animation = animation && !animation->IsStill() ? std::move(animation) : nullptr;

    QString reason = behaviours ? behaviours->Reason(episode) : QString();
    if (reason.isEmpty())
        reason = tr("No table of what the tiles do was read for this episode.");
    const QString missing = tr("Unavailable: %1").arg(reason);
    m_ShowBehaviourAction->setEnabled(m_Behaviour != nullptr);
    m_ShowBehaviourAction->setToolTip(
        m_Behaviour ? tr("Mark what each tile does in the game: blocked sides, killing tiles, "
                         "tiles in front of Keen, items, doors, keys and the exit")
                    : missing);
    m_AnimateTilesAction->setEnabled(m_Animation != nullptr);
    m_AnimateTilesAction->setToolTip(
        m_Animation   ? tr("Cycle the tiles of the game's animation loops as the game does")
        : m_Behaviour ? tr("Unavailable: no tile of this episode animates.")
                      : missing);
    for (QAction* action : {m_ShowBehaviourAction, m_AnimateTilesAction})
        action->setStatusTip(action->toolTip());
    ApplyTileBehaviour();
}

QString LevelEditorWindow::TileText(int tile) const {
    // A host without tables names tiles as a table never read does.
    static const EpisodeTileBehaviour none;
    const EpisodeTileBehaviour* behaviours = m_Host.TileBehaviours();
    return (behaviours ? *behaviours : none).Describe(m_Level.Episode(), tile);
}

LevelCheckModel::TileRules LevelEditorWindow::TileRules() const {
    const EpisodeTileBehaviour* behaviours = m_Host.TileBehaviours();
    if (!behaviours)
        return {};
    return {behaviours->Table(m_Level.Episode()), behaviours->Reason(m_Level.Episode())};
}

void LevelEditorWindow::toggleTileBehaviour() {
    ApplyTileBehaviour();
}

void LevelEditorWindow::toggleTileAnimation() {
    ApplyTileBehaviour();
}

bool LevelEditorWindow::Animating() const {
    return m_Animation && m_AnimateTilesAction->isChecked();
}

void LevelEditorWindow::ApplyTileBehaviour() {
    m_Canvas->SetShowBehaviour(m_ShowBehaviourAction->isChecked());
    // Off, or with another table, the tiles show themselves again; the
    // pictures change only when the frame or, away from the first frame,
    // the loops do.
    std::shared_ptr<const TileAnimation> animation = Animating() ? m_Animation : nullptr;
    const int frame = animation ? m_Canvas->Frame() : 0;
    const bool changed =
        frame != m_Canvas->Frame() || (frame != 0 && animation != m_Canvas->Animation());
    m_Canvas->SetAnimation(animation, frame);
    if (changed) {
        m_LevelCanvas->Redraw();
        paintTileStrip();
        if (!m_PreviewMap->isHidden())
            paintLevelPreview();
    }
    FollowAnimationTimer();
}

void LevelEditorWindow::FollowAnimationTimer() {
    // A hidden or minimised window shows nothing that moves.
    if (Animating() && isVisible() && !window()->isMinimized())
        m_AnimationTimer->start();
    else
        m_AnimationTimer->stop();
}

void LevelEditorWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    FollowAnimationTimer();
}

void LevelEditorWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // A minimised main window hides its children without making them
    // invisible: the hide itself stops the timer.
    m_AnimationTimer->stop();
}

void LevelEditorWindow::animateTiles() {
    if (!Animating())
        return;
    const int from = m_Canvas->Frame();
    const int to = (from + 1) % TileAnimation::DistinctFrames;
    m_Canvas->ShowFrame(to);
    PaintStripCells(true);
    AnimatePreview(from, to);
}

void LevelEditorWindow::AnimatePreview(int from, int to) {
    if (m_PreviewMap->isHidden() || !m_Animation)
        return;
    QImage& image = m_PreviewMap->surface().image();
    const ZoomLevel zoom = EditGeometry::PreviewZoom;
    const QRect level(0, 0, m_Level.Width(), m_Level.Height());
    for (const QRect& run : m_Animation->ChangedCells(m_Level, level, from, to)) {
        const QRect pixels =
            CellPixels::Of(run, m_Tiles->RenderWidth(zoom), m_Tiles->RenderHeight(zoom), QPoint()) &
            image.rect();
        if (pixels.isEmpty())
            continue;
        // Drawn in place, as the whole preview would draw those pixels.
        Surface part;
        part.image() = QImage(
            image.bits() + qsizetype(pixels.y()) * image.bytesPerLine() + qsizetype(pixels.x()) * 4,
            pixels.width(), pixels.height(), image.bytesPerLine(), image.format());
        m_Level.Display(part, 0, 0, *m_Tiles, *m_Sprites, zoom, -pixels.x(), -pixels.y(),
                        m_Level.Width(), m_Level.Height(), Level::AllLayers, m_Animation.get(), to);
        m_PreviewMap->RefreshArea(pixels);
    }
}

qint16 LevelEditorWindow::ShownTile(qint16 tile) const {
    return Animating() ? m_Animation->Shown(tile, m_Canvas->Frame()) : tile;
}
