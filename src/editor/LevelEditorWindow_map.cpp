// The world map as the episode's index: what an entrance or a blocker
// leads to under the pointer, Ctrl+double-click and the context menu to
// open the level, and the doors of the level chosen in the Episode panel
// marked on the canvas.

#include "LevelEditorWindow.h"

#include "CanvasGeometry.h"
#include "EditorHost.h"
#include "GameLimits.h"
#include "LevelCanvas.h"
#include "LevelDocument.h"
#include "MapIndex.h"
#include "MapLink.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPainter>
#include <QToolTip>

namespace {

// The largest side of the thumbnail in an entrance's tooltip, pixels.
constexpr int TipThumbnailSide = 240;

QString pngDataUrl(const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return QStringLiteral("data:image/png;base64,") + QString::fromLatin1(png.toBase64());
}

void drawDoors(QPainter& painter, const CanvasGeometry& geometry,
               const std::vector<MapIndex::Door>& doors, const QColor& color) {
    for (const MapIndex::Door& door : doors) {
        const QRect box = geometry.PixelsOf(door.Bounds()).adjusted(-3, -3, 2, 2);
        painter.setPen(QPen(Qt::black, 5));
        painter.drawRect(box);
        painter.setPen(QPen(color, 3));
        painter.drawRect(box);
    }
}

} // namespace

void LevelEditorWindow::ConnectMapIndex() {
    connect(m_LevelCanvas, &LevelCanvas::toolTipAt, this, &LevelEditorWindow::mapToolTip);
    connect(m_LevelCanvas, &LevelCanvas::doubleClicked, this,
            [this](QPoint cell, Qt::KeyboardModifiers modifiers) {
                if (modifiers & Qt::ControlModifier)
                    openMapLink(cell);
            });
    connect(m_LevelCanvas, &LevelCanvas::contextMenuAt, this, &LevelEditorWindow::mapContextMenu);
}

bool LevelEditorWindow::IsWorldMap() const {
    return m_Level.Number() == GameLimits::MapLevelNumber;
}

MapLink LevelEditorWindow::MapLinkAt(QPoint cell) const {
    if (!IsWorldMap())
        return {};
    return MapLink::At(MapIndex::Build(m_Level.Width(), m_Level.Height(), m_Level.InfoPlane()),
                       cell);
}

void LevelEditorWindow::mapToolTip(QPoint cell, QPoint globalPos) {
    const MapLink link = MapLinkAt(cell);
    if (!link.IsLink()) {
        QToolTip::hideText();
        return;
    }
    QString html = link.Text().toHtmlEscaped();
    if (link.kind == MapLink::Kind::Entrance) {
        const QString file = MapLink::LevelFile(FileName(), link.level);
        const QImage thumbnail = file.isEmpty() ? QImage() : m_Host.LevelThumbnail(file);
        if (file.isEmpty())
            html +=
                QStringLiteral("<br>") + tr("No file of this level beside the map").toHtmlEscaped();
        else if (!thumbnail.isNull())
            html += QStringLiteral("<br><img src=\"%1\">")
                        .arg(pngDataUrl(thumbnail.width() > TipThumbnailSide ||
                                                thumbnail.height() > TipThumbnailSide
                                            ? thumbnail.scaled(TipThumbnailSide, TipThumbnailSide,
                                                               Qt::KeepAspectRatio)
                                            : thumbnail));
    }
    QToolTip::showText(globalPos, html, m_LevelCanvas);
}

bool LevelEditorWindow::openMapLink(QPoint cell) {
    const MapLink link = MapLinkAt(cell);
    if (link.kind != MapLink::Kind::Entrance)
        return false;
    const QString file = MapLink::LevelFile(FileName(), link.level);
    if (file.isEmpty())
        return false;
    m_Host.OpenLevelFromMap(file);
    return true;
}

void LevelEditorWindow::mapContextMenu(QPoint cell, QPoint globalPos) {
    const MapLink link = MapLinkAt(cell);
    if (link.kind != MapLink::Kind::Entrance)
        return;
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("mapLinkMenu"));
    QAction* open = menu.addAction(tr("Open Level %1").arg(link.level));
    open->setObjectName(QStringLiteral("openMapLevelAction"));
    open->setEnabled(!MapLink::LevelFile(FileName(), link.level).isEmpty());
    if (menu.exec(globalPos) == open)
        openMapLink(cell);
}

void LevelEditorWindow::MarkMapLevel(int level) {
    if (level == m_MapMarkLevel)
        return;
    m_MapMarkLevel = level;
    RedrawEdit();
}

void LevelEditorWindow::DrawMapMarks(QPainter& painter, const CanvasGeometry& geometry) const {
    if (m_MapMarkLevel == 0 || !IsWorldMap())
        return;
    const MapIndex index = MapIndex::Build(m_Level.Width(), m_Level.Height(), m_Level.InfoPlane());
    painter.setBrush(Qt::NoBrush);
    drawDoors(painter, geometry, index.EntrancesTo(m_MapMarkLevel), Qt::cyan);
    drawDoors(painter, geometry, index.BlockersOpenedBy(m_MapMarkLevel), QColor(255, 128, 0));
}
