#include "frmProperties.h"

#include "DecimalText.h"

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

constexpr int Backspace = 8;
constexpr int NumberCap = 999999;

bool isDialogKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape ||
           key == Qt::Key_Tab || key == Qt::Key_Backtab;
}

bool onlyDigits(const QString& text) {
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

} // namespace

frmProperties::frmProperties(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Level Properties"));
    setModal(true);
    CreateControls();
    Cancelled = true;
    lstEpisode->setCurrentIndex(0);
}

void frmProperties::CreateControls() {
    Label1 = new QLabel(QStringLiteral("Level &Width:"), this);
    txtWidth = new QLineEdit(this);
    Label2 = new QLabel(QStringLiteral("Level &Height:"), this);
    txtHeight = new QLineEdit(this);
    Label3 = new QLabel(QStringLiteral("&Episode:"), this);
    lstEpisode = new QComboBox(this);
    lstEpisode->setEditable(false);
    lstEpisode->addItems({QStringLiteral("1 - Marooned on Mars"),
                          QStringLiteral("2 - The Earth Explodes"),
                          QStringLiteral("3 - Keen Must Die!")});
    chkMapLevel = new QCheckBox(QStringLiteral("&Map Level"), this);
    lblSizeWarning = new QLabel(this);
    lblSizeWarning->setStyleSheet(QStringLiteral("color: #b00000"));
    connect(txtWidth, &QLineEdit::textChanged, this, &frmProperties::UpdateSizeWarning);
    connect(txtHeight, &QLineEdit::textChanged, this, &frmProperties::UpdateSizeWarning);
    Label1->setBuddy(txtWidth);
    Label2->setBuddy(txtHeight);
    Label3->setBuddy(lstEpisode);
    MakeDigitBox(txtWidth);
    MakeDigitBox(txtHeight);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setAutoDefault(false);
    connect(OKButton, &QPushButton::clicked, this, &frmProperties::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &frmProperties::CancelButton_Click);

    auto* grid = new QGridLayout;
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(txtWidth, 0, 1);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(txtHeight, 1, 1);
    grid->addWidget(Label3, 2, 0);
    grid->addWidget(lstEpisode, 2, 1);
    grid->addWidget(chkMapLevel, 3, 1);
    grid->addWidget(lblSizeWarning, 4, 0, 1, 2);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    buttons->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    // The dialog grows and shrinks with the warning line.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

// Typing is filtered key by key; pasting, dropping and input-method text
// would bypass that, so they are shut off as well.
void frmProperties::MakeDigitBox(QLineEdit* box) {
    box->setContextMenuPolicy(Qt::NoContextMenu);
    box->setAcceptDrops(false);
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    box->installEventFilter(this);
}

bool frmProperties::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box == nullptr || (box != txtWidth && box != txtHeight))
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress:
        return FilterKeyEvent(box, static_cast<QKeyEvent*>(event));
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

// True when the key is discarded.
bool frmProperties::FilterKeyEvent(QLineEdit* box, QKeyEvent* event) {
    const bool control = event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
    if (isDialogKey(event->key()) && !control)
        return false; // Enter, Escape and Tab belong to the dialog
    // Pasting could bring in any text; the box's other editing keys
    // (select all, copy, cut, undo, word moves) only ever leave digits.
    if (event->matches(QKeySequence::Paste))
        return true;
    if (control) {
        // Ctrl keys edit and type nothing; only AltGr (Ctrl+Alt) keys may
        // type a character, which must then be a digit as well.
        const QString text = event->text();
        const bool types =
            (event->modifiers() & Qt::AltModifier) && !text.isEmpty() && text.at(0).isPrint();
        return types && FilterKeyAscii(text.at(0).unicode()) == 0;
    }

    int keyAscii = 0;
    if (event->key() == Qt::Key_Backspace)
        keyAscii = Backspace;
    else if (!event->text().isEmpty())
        keyAscii = event->text().at(0).unicode();
    else
        return false; // arrows, Home, End, Delete: no character

    if (box == txtWidth)
        txtWidth_KeyPress(keyAscii);
    else
        txtHeight_KeyPress(keyAscii);
    return keyAscii == 0;
}

int frmProperties::FilterKeyAscii(int keyAscii) {
    if ((keyAscii >= '0' && keyAscii <= '9') || keyAscii == Backspace)
        return keyAscii;
    return 0;
}

void frmProperties::txtWidth_KeyPress(int& KeyAscii) {
    KeyAscii = FilterKeyAscii(KeyAscii);
}

void frmProperties::txtHeight_KeyPress(int& KeyAscii) {
    KeyAscii = FilterKeyAscii(KeyAscii);
}

int frmProperties::NumberValue(const QString& text) {
    return ReadLeadingDecimal(text, NumberCap);
}

void frmProperties::SetCurrentSize(int width, int height) {
    m_CurrentWidth = width;
    m_CurrentHeight = height;
    txtWidth->setText(QString::number(width));
    txtHeight->setText(QString::number(height));
}

void frmProperties::SetEpisode(int episode) {
    lstEpisode->setCurrentIndex(episode >= 1 && episode <= 3 ? episode - 1 : -1);
}

int frmProperties::ChosenEpisode() const {
    const int index = lstEpisode->currentIndex();
    return index >= 0 && index <= 2 ? index + 1 : 0;
}

int frmProperties::WidthValue() const {
    return NumberValue(txtWidth->text());
}

int frmProperties::HeightValue() const {
    return NumberValue(txtHeight->text());
}

QString frmProperties::SizeError(const QString& name, int value, int min, int max, int current) {
    // The level's own size stays acceptable even below the minimum.
    const int upper = std::max(max, current);
    if ((value >= min && value <= upper) || value == current)
        return QString();
    return QStringLiteral("%1 should be between %2 and %3").arg(name).arg(min).arg(upper);
}

void frmProperties::UpdateSizeWarning() {
    const QString warning = PlayableSize::Warning(WidthValue(), HeightValue());
    lblSizeWarning->setText(warning.isEmpty()
                                ? QString()
                                : warning.at(0).toUpper() + warning.mid(1) + QLatin1Char('.'));
}

void frmProperties::ShowError(const QString& text) {
    Prompts::Current().Message(this, text, QStringLiteral("Error"), Prompts::Buttons::Ok,
                               Prompts::Icon::Exclamation);
}

void frmProperties::OKButton_Click() {
    const QString widthError =
        SizeError(QStringLiteral("Width"), WidthValue(), MinWidth, MaxWidth, m_CurrentWidth);
    if (!widthError.isEmpty()) {
        ShowError(widthError);
        return;
    }
    const QString heightError =
        SizeError(QStringLiteral("Height"), HeightValue(), MinHeight, MaxHeight, m_CurrentHeight);
    if (!heightError.isEmpty()) {
        ShowError(heightError);
        return;
    }
    // Only up to a level's own size may a side lie beyond the limits; with
    // it, the other side could make a level larger than a level file can
    // hold, which could then never be saved.
    if (WidthValue() * HeightValue() > Level::MaxCells) {
        ShowError(QStringLiteral("A level of %1 x %2 cells is too large: a level file holds at "
                                 "most %3 cells.")
                      .arg(WidthValue())
                      .arg(HeightValue())
                      .arg(Level::MaxCells));
        return;
    }
    if (ChosenEpisode() == 0) {
        ShowError(QStringLiteral("Please choose an episode"));
        return;
    }
    Cancelled = false;
    accept();
}

void frmProperties::CancelButton_Click() {
    Cancelled = true;
    reject();
}
