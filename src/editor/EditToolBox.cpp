#include "EditToolBox.h"

#include "BrushSelection.h"
#include "BrushTool.h"
#include "BucketFillTool.h"
#include "CellBlock.h"
#include "ClipboardCodec.h"
#include "GameLimits.h"
#include "LevelDocument.h"
#include "LineTool.h"
#include "MagicWandTool.h"
#include "Prompts.h"
#include "RectangleFillTool.h"
#include "SelectTool.h"
#include "SelectionPreview.h"
#include "Stamp.h"
#include "ToolIcons.h"

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QToolBar>

namespace {

struct ToolInfo {
    const char* objectName;
    const char* name;
    Qt::Key key;
    QIcon (*icon)();
    const char* help;
};

const ToolInfo Tools[EditToolBox::ToolCount] = {
    {"brushToolAction", QT_TRANSLATE_NOOP("EditToolBox", "&Brush"), Qt::Key_B, ToolIcons::Brush,
     QT_TRANSLATE_NOOP("EditToolBox", "paint the button's tile or sprite")},
    {"selectToolAction", QT_TRANSLATE_NOOP("EditToolBox", "Rectangle &Select"), Qt::Key_M,
     ToolIcons::Select,
     QT_TRANSLATE_NOOP("EditToolBox",
                       "drag to select, Shift extends, drag inside the selection to move it")},
    {"sameTileToolAction", QT_TRANSLATE_NOOP("EditToolBox", "Select Same &Tile"), Qt::Key_S,
     ToolIcons::SameTile,
     QT_TRANSLATE_NOOP(
         "EditToolBox",
         "click to select every cell of the level holding that tile, Shift+click adds, Ctrl+click "
         "removes")},
    {"magicWandToolAction", QT_TRANSLATE_NOOP("EditToolBox", "Magic &Wand"), Qt::Key_W,
     ToolIcons::MagicWand,
     QT_TRANSLATE_NOOP(
         "EditToolBox",
         "click to select the area of equal tiles joined to the cell, Shift+click adds, Ctrl+click "
         "removes")},
    {"bucketFillToolAction", QT_TRANSLATE_NOOP("EditToolBox", "Bucket &Fill"), Qt::Key_F,
     ToolIcons::BucketFill,
     QT_TRANSLATE_NOOP("EditToolBox", "fill the area of equal tiles under the pointer, within the "
                                      "selection if there is one (tile mode)")},
    {"rectangleFillToolAction", QT_TRANSLATE_NOOP("EditToolBox", "&Rectangle Fill"), Qt::Key_R,
     ToolIcons::RectangleFill, QT_TRANSLATE_NOOP("EditToolBox", "drag to fill a rectangle")},
    {"lineToolAction", QT_TRANSLATE_NOOP("EditToolBox", "&Line"), Qt::Key_L, ToolIcons::Line,
     QT_TRANSLATE_NOOP("EditToolBox", "drag to draw a straight line of cells")},
};

} // namespace

EditToolBox::EditToolBox(LevelDocument& document, BrushSelection& brush, BrushTool& brushTool,
                         std::function<QPoint()> pasteCell, QWidget* owner)
    : QObject(owner), m_Document(document), m_Brush(brush), m_BrushTool(brushTool),
      m_Select(std::make_unique<SelectTool>(document, brush)),
      m_Bucket(std::make_unique<BucketFillTool>(document, brush)),
      m_Rectangle(std::make_unique<RectangleFillTool>(document, brush)),
      m_Line(std::make_unique<LineTool>(document, brush)),
      m_SameTile(std::make_unique<MagicWandTool>(document, m_Select->Selection(),
                                                 MagicWandTool::Kind::SameTile)),
      m_Wand(std::make_unique<MagicWandTool>(document, m_Select->Selection(),
                                             MagicWandTool::Kind::Connected)),
      m_Preview(std::make_unique<SelectionPreview>(m_Select->Selection())),
      m_PasteCell(std::move(pasteCell)), m_Owner(owner) {
    m_Bucket->SetSelection(&m_Select->Selection());
    m_Preview->SetTool(&Current());
    CreateActions();
    UpdateActions();
    // Esc also takes the brush back from a stamp to its single tile.
    connect(&m_Brush, &BrushSelection::stampChanged, this, &EditToolBox::UpdateActions);
}

EditToolBox::~EditToolBox() = default;

void EditToolBox::CreateActions() {
    m_ToolsMenu = new QMenu(tr("&Tools"), m_Owner);
    m_ToolGroup = new QActionGroup(this);
    // SetCurrent keeps exactly one tool checked. Tools are commands with
    // keys, not a list of documents, as an exclusive group would read.
    m_ToolGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    for (int i = 0; i < ToolCount; ++i) {
        const ToolInfo& info = Tools[i];
        QAction* action = m_ToolsMenu->addAction(info.icon(), tr(info.name));
        action->setObjectName(QLatin1String(info.objectName));
        action->setCheckable(true);
        action->setShortcut(QKeySequence(info.key));
        const QString plain = tr(info.name).remove(QLatin1Char('&'));
        action->setToolTip(QStringLiteral("%1 (%2): %3")
                               .arg(plain, QKeySequence(info.key).toString(), tr(info.help)));
        m_ToolGroup->addAction(action);
        m_ToolActions[i] = action;
        connect(action, &QAction::triggered, this, [this, i] { SetCurrent(Tool(i)); });
    }
    m_ToolActions[Brush]->setChecked(true);

    const auto make = [this](const char* name, const QString& text, const QList<QKeySequence>& keys,
                             void (EditToolBox::*slot)()) {
        auto* action = new QAction(text, this);
        action->setObjectName(QLatin1String(name));
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    m_CutAction = make("cutAction", tr("Cu&t"), {QKeySequence::Cut}, &EditToolBox::Cut);
    m_CopyAction = make("copyAction", tr("&Copy"), {QKeySequence::Copy}, &EditToolBox::Copy);
    m_PasteAction = make("pasteAction", tr("&Paste"), {QKeySequence::Paste}, &EditToolBox::Paste);
    m_PasteTilesAction =
        make("pasteTilesAction", tr("Paste T&iles Only"),
             {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V)}, &EditToolBox::PasteTiles);
    m_PasteSpritesAction =
        make("pasteSpritesAction", tr("Paste &Sprites Only"), {}, &EditToolBox::PasteSprites);
    m_DeleteAction =
        make("deleteAction", tr("&Delete"), {QKeySequence(Qt::Key_Delete)}, &EditToolBox::Delete);
    m_SelectAllAction = make("selectAllAction", tr("Select &All"), {QKeySequence::SelectAll},
                             &EditToolBox::SelectAll);
    m_SelectNoneAction = make("selectNoneAction", tr("Select &None"),
                              {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A), Qt::Key_Escape},
                              &EditToolBox::SelectNone);
    m_PlaceAction = make("placeAction", tr("P&lace Pasted Block"), {Qt::Key_Return, Qt::Key_Enter},
                         &EditToolBox::Place);
    m_UseAsStampAction = make("useSelectionAsStampAction", tr("Use Selection as Sta&mp"), {},
                              &EditToolBox::UseSelectionAsStamp);
    m_PasteTilesAction->setToolTip(
        tr("Paste the tiles alone: the sprites and info values under the block stay"));
    m_PasteSpritesAction->setToolTip(
        tr("Paste the sprites and info values alone: the tiles under the block stay"));
}

QToolBar* EditToolBox::MakeToolBar(QWidget* parent) const {
    auto* bar = new QToolBar(parent);
    bar->setIconSize(QSize(24, 24));
    for (QAction* action : m_ToolActions)
        bar->addAction(action);
    return bar;
}

void EditToolBox::AddEditCommands(QMenu& edit) {
    // What Cut, Delete and the pastes do to the cells is told on resting
    // the pointer on them.
    edit.setToolTipsVisible(true);
    edit.addSeparator();
    edit.addActions({m_CutAction, m_CopyAction, m_PasteAction, m_PasteTilesAction,
                     m_PasteSpritesAction, m_DeleteAction});
    edit.addSeparator();
    edit.addActions({m_SelectAllAction, m_SelectNoneAction, m_PlaceAction, m_UseAsStampAction});
}

EditTool& EditToolBox::Current() const {
    switch (m_Current) {
    case Select:
        return *m_Select;
    case BucketFill:
        return *m_Bucket;
    case RectangleFill:
        return *m_Rectangle;
    case Line:
        return *m_Line;
    case SameTile:
        return *m_SameTile;
    case MagicWand:
        return *m_Wand;
    default:
        return m_BrushTool;
    }
}

const PreviewSource& EditToolBox::Preview() const {
    return *m_Preview;
}

void EditToolBox::SetCurrent(Tool tool) {
    if (tool == BucketFill && m_Brush.Mode() != BrushSelection::TileMode)
        tool = Brush;
    if (tool != m_Current) {
        Current().Cancel();
        // A pasted block follows the select tool's pointer alone: it is
        // dropped (the clipboard still holds it). The selection stays, drawn
        // under every tool's preview, for Copy, Cut, Delete and the fills.
        m_Select->DropFloating();
        m_Current = tool;
        m_Preview->SetTool(&Current());
    }
    for (int i = 0; i < ToolCount; ++i)
        m_ToolActions[i]->setChecked(i == tool);
    emit currentChanged();
    Refresh();
}

void EditToolBox::Refresh() {
    UpdateActions();
    emit previewChanged();
    emit statusChanged();
}

void EditToolBox::UpdateActions() {
    const bool selected = !m_Select->Selection().IsEmpty();
    for (QAction* action : {m_CutAction, m_CopyAction, m_DeleteAction})
        action->setEnabled(selected);
    m_UseAsStampAction->setEnabled(selected && !m_Select->IsFloating());
    m_PlaceAction->setEnabled(m_Select->IsFloating());
    m_SelectNoneAction->setEnabled(selected || m_Select->IsFloating() || m_Brush.HasStamp());
    m_ToolActions[BucketFill]->setEnabled(m_Brush.Mode() == BrushSelection::TileMode);
    const int empty = GameLimits::FillTile(m_Document.level().Episode());
    m_CutAction->setToolTip(tr("Copy the selection, then leave the level's empty tile (%1, the "
                               "tile a new level is filled with) and no info values in its cells")
                                .arg(empty));
    m_DeleteAction->setToolTip(tr("Leave the level's empty tile (%1, the tile a new level is "
                                  "filled with) and no info values in the selected cells")
                                   .arg(empty));
}

void EditToolBox::Copy() {
    const CellBlock block = m_Select->Copy();
    if (block.IsEmpty())
        return;
    auto* data = new QMimeData;
    ClipboardCodec::Store(block, *data);
    QGuiApplication::clipboard()->setMimeData(data);
}

void EditToolBox::Cut() {
    if (m_Select->Selection().IsEmpty())
        return;
    Copy();
    m_Select->Cut();
    Refresh();
}

void EditToolBox::Delete() {
    m_Select->Delete();
    Refresh();
}

void EditToolBox::Paste() {
    PastePlanes(CellBlock::BothPlanes);
}

void EditToolBox::PasteTiles() {
    PastePlanes(CellBlock::TilePlane);
}

void EditToolBox::PasteSprites() {
    PastePlanes(CellBlock::InfoPlane);
}

void EditToolBox::PastePlanes(int planes) {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    CellBlock block;
    IoResult read = data ? ClipboardCodec::Read(*data, block)
                         : IoResult::failure(tr("The clipboard is empty."));
    if (read && block.WithPlanes(planes).IsEmpty()) {
        read = IoResult::failure(planes == CellBlock::InfoPlane
                                     ? tr("The cells on the clipboard hold tiles only: there are "
                                          "no sprites or info values to paste.")
                                     : tr("The cells on the clipboard hold no tiles to paste."));
    }
    if (!read) {
        Prompts::Current().Message(m_Owner, read.error, tr("Paste"), Prompts::Buttons::Ok,
                                   Prompts::Icon::Exclamation);
        return;
    }
    const qint16 episode = m_Document.level().Episode();
    m_Note.clear();
    if (block.Episode() != 0 && block.Episode() != episode) {
        m_Note = tr("A block from episode %1: pasted as episode %2's numbers.")
                     .arg(block.Episode())
                     .arg(episode);
    }
    SetCurrent(Select);
    m_Select->StartPaste(block, m_PasteCell(), planes);
    Refresh();
}

void EditToolBox::SelectAll() {
    m_Select->SelectAll();
    Refresh();
}

void EditToolBox::SelectNone() {
    Current().Cancel();
    m_Select->Escape();
    m_Brush.ClearStamp();
    m_Note.clear();
    Refresh();
}

void EditToolBox::UseSelectionAsStamp() {
    if (m_Select->Selection().IsEmpty() || m_Select->IsFloating())
        return;
    UseStamp(Stamp::FromSelection(m_Document.level(), m_Select->Selection().Cells()));
}

void EditToolBox::UseStamp(const Stamp& stamp) {
    SetCurrent(Brush);
    m_Brush.SetStamp(stamp);
    Refresh();
}

void EditToolBox::Place() {
    m_Select->PlaceFloating();
    Refresh();
}

void EditToolBox::ModeChanged() {
    if (m_Current == BucketFill && m_Brush.Mode() != BrushSelection::TileMode)
        SetCurrent(Brush);
    UpdateActions();
}

void EditToolBox::LevelReplaced() {
    m_Select->LevelReplaced();
    m_Note.clear();
    Refresh();
}

QString EditToolBox::StatusText() const {
    QStringList parts{m_Select->StatusText()};
    // Select Same Tile and the Magic Wand say what a click does.
    if (m_Current == SameTile || m_Current == MagicWand) {
        const ToolInfo& info = Tools[m_Current];
        parts << tr(info.name).remove(QLatin1Char('&')) + QStringLiteral(": ") + tr(info.help);
    }
    parts << m_Note;
    parts.removeAll(QString());
    return parts.join(QStringLiteral("  "));
}
