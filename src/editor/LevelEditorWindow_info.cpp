// Info values in the editor window: the overlay that writes every non-zero
// info value over its cell, the tool bar's "Value" box that places any
// value in sprite mode, and the sprites' names as tooltips of the sprite
// selector and the selected-sprite box.
#include "LevelEditorWindow.h"

#include "GameLimits.h"
#include "InfoOverlay.h"
#include "InfoValueText.h"
#include "PictureBox.h"
#include "SpriteCatalogue.h"

#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QToolButton>
#include <QToolTip>

#include <functional>

namespace {

// Place of the box in the tool bar: under the position label, right of the
// mode buttons.
constexpr int ValueLeft = 230;
constexpr int ValueTop = 36;
constexpr int ValueLabelWidth = 34;
constexpr int ValueBoxWidth = 72;
constexpr int ValueBoxHeight = 20;

const char* const ValueHelp = QT_TRANSLATE_NOOP(
    "LevelEditorWindow", "An info value to place in sprite mode instead of the selected "
                         "sprite: -32768 to 32767, or 0x0000 to 0xFFFF. Empty: place the "
                         "selected sprite.");
const char* const InvalidHelp = QT_TRANSLATE_NOOP(
    "LevelEditorWindow", "Not an info value, so the selected sprite is placed: type "
                         "-32768 to 32767, or 0x0000 to 0xFFFF.");

// Answers tooltip requests of a widget with the text `tip` gives for the
// pointer's position in the widget; an empty text shows no tooltip.
class TipHook : public QObject {
public:
    TipHook(QWidget* watched, std::function<QString(QPoint)> tip)
        : QObject(watched), m_Watched(watched), m_Tip(std::move(tip)) {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::ToolTip)
            return false;
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString text = m_Tip(help->pos());
        if (text.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), text, m_Watched);
        }
        return true;
    }

private:
    QWidget* m_Watched;
    std::function<QString(QPoint)> m_Tip;
};

} // namespace

void LevelEditorWindow::CreateInfoValueControls() {
    m_ViewMenu->addSeparator();
    m_InfoValuesAction = m_ViewMenu->addAction(tr("Show &Info Values"));
    m_InfoValuesAction->setCheckable(true);
    m_InfoValuesAction->setChecked(m_ShowInfoValues);
    m_InfoValuesAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    connect(m_InfoValuesAction, &QAction::triggered, this, [this] { toggleInfoValues(); });

    m_InfoValueLabel = new QLabel(tr("Value"), m_ToolPanel);
    m_InfoValueLabel->setGeometry(ValueLeft, ValueTop + 1, ValueLabelWidth, ValueBoxHeight - 3);
    m_InfoValueEdit = new QLineEdit(m_ToolPanel);
    m_InfoValueEdit->setGeometry(ValueLeft + ValueLabelWidth, ValueTop - 1, ValueBoxWidth,
                                 ValueBoxHeight);
    m_InfoValueEdit->setClearButtonEnabled(true);
    m_InfoValueEdit->setToolTip(tr(ValueHelp));
    m_InfoValueLabel->setBuddy(m_InfoValueEdit);
    connect(m_InfoValueEdit, &QLineEdit::textChanged, this, [this] { infoValueEdited(); });
    // Enter gives the keyboard back to the window, for its shortcuts.
    connect(m_InfoValueEdit, &QLineEdit::returnPressed, this, [this] { setFocus(); });
    // The box only means something in sprite mode.
    m_InfoValueEdit->setEnabled(m_ModeButton[1]->isChecked());
    connect(m_ModeButton[1], &QToolButton::toggled, m_InfoValueEdit, &QWidget::setEnabled);

    new TipHook(m_SpriteSelectorBox, [this](QPoint pos) {
        const QPoint p = m_SpriteSelectorBox->mapTo(this, pos);
        return SpriteTip(SpriteAt(p.x(), p.y()));
    });
    new TipHook(m_SelectedSpriteBox, [this](QPoint) {
        if (const std::optional<qint16> value = TypedInfoValue())
            return tr("Info value %1 (from the Value box)").arg(*value);
        return SpriteTip(SelectedSprite());
    });
    connect(&m_Selection, &BrushSelection::valuePicked, m_InfoValueEdit, &QLineEdit::setText);
}

void LevelEditorWindow::toggleInfoValues() {
    m_ShowInfoValues = m_InfoValuesAction->isChecked();
    RedrawEdit();
}

void LevelEditorWindow::infoValueEdited() {
    m_Selection.SetValueText(m_InfoValueEdit->text());
    const bool invalid =
        InfoValueText::Parse(m_InfoValueEdit->text()).state == InfoValueText::State::Invalid;
    QPalette palette = QApplication::palette(m_InfoValueEdit);
    if (invalid)
        palette.setColor(QPalette::Text, Qt::red);
    m_InfoValueEdit->setPalette(palette);
    m_InfoValueEdit->setToolTip(invalid ? tr(InvalidHelp) : tr(ValueHelp));
    // The selected-sprite box always shows what the left button places.
    ShowLeftButtonSprite();
}

std::optional<qint16> LevelEditorWindow::TypedInfoValue() const {
    return m_Selection.TypedValue();
}

qint16 LevelEditorWindow::InfoValueToPlace() const {
    return m_Selection.InfoToPlace();
}

void LevelEditorWindow::PickInfoValue(qint16 value) {
    m_Selection.PickValue(value, m_Level.Number());
}

QString LevelEditorWindow::SpriteTip(int sprite) const {
    const QString name = SpriteCatalogue::SpriteName(
        m_Level.Episode(), sprite, m_Level.Number() == GameLimits::MapLevelNumber);
    if (name.isEmpty())
        return {};
    return QStringLiteral("%1 (%2)").arg(name).arg(
        SpriteCatalogue::InfoForSprite(static_cast<qint16>(sprite)));
}
