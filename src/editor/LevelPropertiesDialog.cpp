#include "LevelPropertiesDialog.h"

#include "DecimalText.h"
#include "DialogButtons.h"
#include "Level.h"
#include "PlayableSize.h"
#include "Prompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int NumberCap = 999999;

bool onlyDigits(const QString& text) {
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

// The largest size accepted: the limit, or the level's own size when that
// is larger.
int upperLimit(int max, int current) {
    return std::max(max, current);
}

// A size is accepted within min .. upperLimit, and the level's own size
// even below the minimum.
bool sizeAccepted(int value, int min, int max, int current) {
    return (value >= min && value <= upperLimit(max, current)) || value == current;
}

} // namespace

LevelPropertiesDialog::LevelPropertiesDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Level Properties"));
    setModal(true);
    createControls();
    m_Episode->setCurrentIndex(0);
}

void LevelPropertiesDialog::createControls() {
    auto* widthLabel = new QLabel(tr("Level &Width:"), this);
    m_Width = new QLineEdit(this);
    m_Width->setObjectName(QStringLiteral("widthEdit"));
    auto* heightLabel = new QLabel(tr("Level &Height:"), this);
    m_Height = new QLineEdit(this);
    m_Height->setObjectName(QStringLiteral("heightEdit"));
    auto* episodeLabel = new QLabel(tr("&Episode:"), this);
    m_Episode = new QComboBox(this);
    m_Episode->setObjectName(QStringLiteral("episodeList"));
    m_Episode->setEditable(false);
    m_Episode->addItems(
        {tr("1 - Marooned on Mars"), tr("2 - The Earth Explodes"), tr("3 - Keen Must Die!")});
    m_MapLevel = new QCheckBox(tr("&Map Level"), this);
    m_MapLevel->setObjectName(QStringLiteral("mapLevelCheck"));
    m_SizeWarning = new QLabel(this);
    m_SizeWarning->setObjectName(QStringLiteral("sizeWarningLabel"));
    m_SizeWarning->setStyleSheet(QStringLiteral("color: #b00000"));
    connect(m_Width, &QLineEdit::textChanged, this, &LevelPropertiesDialog::showSizeWarning);
    connect(m_Height, &QLineEdit::textChanged, this, &LevelPropertiesDialog::showSizeWarning);
    widthLabel->setBuddy(m_Width);
    heightLabel->setBuddy(m_Height);
    episodeLabel->setBuddy(m_Episode);
    makeDigitBox(m_Width);
    makeDigitBox(m_Height);

    const DialogButtons okCancel = DialogButtons::Make(*this);
    QPushButton* ok = okCancel.ok;
    QPushButton* cancel = okCancel.cancel;

    auto* grid = new QGridLayout;
    grid->addWidget(widthLabel, 0, 0);
    grid->addWidget(m_Width, 0, 1);
    grid->addWidget(heightLabel, 1, 0);
    grid->addWidget(m_Height, 1, 1);
    grid->addWidget(episodeLabel, 2, 0);
    grid->addWidget(m_Episode, 2, 1);
    grid->addWidget(m_MapLevel, 3, 1);
    grid->addWidget(m_SizeWarning, 4, 0, 1, 2);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    // The dialog grows and shrinks with the warning line.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

// Typing is filtered key by key; pasting, dropping and input-method text
// would bypass that, so they are shut off as well.
void LevelPropertiesDialog::makeDigitBox(QLineEdit* box) {
    box->setContextMenuPolicy(Qt::NoContextMenu);
    box->setAcceptDrops(false);
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    box->installEventFilter(this);
}

bool LevelPropertiesDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_Width && watched != m_Height)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress:
        return refusesKey(*static_cast<QKeyEvent*>(event));
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        // The middle button pastes the selection on X11.
        return static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton;
    case QEvent::InputMethod:
        return !onlyDigits(static_cast<QInputMethodEvent*>(event)->commitString());
    case QEvent::Drop:
    case QEvent::DragEnter:
    case QEvent::DragMove:
        return true;
    default:
        return QDialog::eventFilter(watched, event);
    }
}

// A key that would type anything but digits. Pasting could bring in any
// text; the box's other editing keys (select all, copy, cut, undo, word
// moves) only ever leave digits, and keys that type no printable character
// (Backspace, Delete, arrows, Enter, Escape, Tab) edit or belong to the
// dialog.
bool LevelPropertiesDialog::refusesKey(const QKeyEvent& event) {
    if (event.matches(QKeySequence::Paste))
        return true;
    // Ctrl keys edit and type nothing; only AltGr (Ctrl+Alt) keys may type
    // a character, which must then be a digit as well.
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if ((modifiers & (Qt::ControlModifier | Qt::MetaModifier)) && !(modifiers & Qt::AltModifier))
        return false;
    const QString text = event.text();
    return !text.isEmpty() && text.at(0).isPrint() && !onlyDigits(text);
}

void LevelPropertiesDialog::setCurrentSize(int width, int height) {
    m_CurrentWidth = width;
    m_CurrentHeight = height;
    m_Width->setText(QString::number(width));
    m_Height->setText(QString::number(height));
}

void LevelPropertiesDialog::offerSize(int width, int height) {
    m_Width->setText(QString::number(width));
    m_Height->setText(QString::number(height));
    m_Width->selectAll();
}

void LevelPropertiesDialog::setEpisode(int episode) {
    m_Episode->setCurrentIndex(episode >= 1 && episode <= 3 ? episode - 1 : -1);
}

void LevelPropertiesDialog::setMapLevel(bool mapLevel) {
    m_MapLevel->setChecked(mapLevel);
}

int LevelPropertiesDialog::chosenWidth() const {
    return ReadLeadingDecimal(m_Width->text(), NumberCap);
}

int LevelPropertiesDialog::chosenHeight() const {
    return ReadLeadingDecimal(m_Height->text(), NumberCap);
}

int LevelPropertiesDialog::chosenEpisode() const {
    const int index = m_Episode->currentIndex();
    return index >= 0 && index <= 2 ? index + 1 : 0;
}

bool LevelPropertiesDialog::isMapLevel() const {
    return m_MapLevel->isChecked();
}

void LevelPropertiesDialog::showSizeWarning() {
    const QString warning = PlayableSize::Warning(chosenWidth(), chosenHeight());
    m_SizeWarning->setText(warning.isEmpty()
                               ? QString()
                               : warning.at(0).toUpper() + warning.mid(1) + QLatin1Char('.'));
}

QString LevelPropertiesDialog::problem() const {
    const int width = chosenWidth();
    const int height = chosenHeight();
    if (!sizeAccepted(width, MinWidth, MaxWidth, m_CurrentWidth))
        return tr("Width should be between %1 and %2")
            .arg(MinWidth)
            .arg(upperLimit(MaxWidth, m_CurrentWidth));
    if (!sizeAccepted(height, MinHeight, MaxHeight, m_CurrentHeight))
        return tr("Height should be between %1 and %2")
            .arg(MinHeight)
            .arg(upperLimit(MaxHeight, m_CurrentHeight));
    // Only up to a level's own size may a side lie beyond the limits; with
    // it, the other side could make a level larger than a level file can
    // hold, which could then never be saved.
    if (qint64(width) * height > Level::MaxCells)
        return tr("A level of %1 x %2 cells is too large: a level file holds at most %3 cells.")
            .arg(width)
            .arg(height)
            .arg(Level::MaxCells);
    if (chosenEpisode() == 0)
        return tr("Please choose an episode");
    return QString();
}

void LevelPropertiesDialog::accept() {
    const QString why = problem();
    if (!why.isEmpty()) {
        Prompts::Current().Message(this, why, tr("Error"), Prompts::Buttons::Ok,
                                   Prompts::Icon::Exclamation);
        return;
    }
    QDialog::accept();
}
