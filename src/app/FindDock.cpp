#include "FindDock.h"

#include "FindResults.h"
#include "InfoValueText.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

FindDock::FindDock(QWidget* parent) : QDockWidget(parent) {
    setObjectName(QStringLiteral("findDock"));
    setWindowTitle(tr("Find"));
    m_Results = new FindResults(this);

    auto* contents = new QWidget(this);
    m_Plane = new QComboBox(contents);
    m_Plane->setObjectName(QStringLiteral("findPlane"));
    m_Plane->addItems({tr("Tile"), tr("Info value")});
    m_Value = new QLineEdit(contents);
    m_Value->setObjectName(QStringLiteral("findValue"));
    m_Value->setAccessibleName(tr("Tile or value to find"));
    m_Value->setToolTip(tr("A tile number, or an info value: a number from -32768 to 32767, or "
                           "0x and up to four hexadecimal digits"));
    m_Scope = new QComboBox(contents);
    m_Scope->setObjectName(QStringLiteral("findScope"));
    m_Scope->addItems({tr("In this level"), tr("In every level of its folder")});
    m_FindButton = new QPushButton(tr("Find"), contents);
    m_FindButton->setObjectName(QStringLiteral("findButton"));
    m_Outcome = new QLabel(contents);
    m_Outcome->setObjectName(QStringLiteral("findOutcome"));
    m_Outcome->setWordWrap(true);
    m_List = new QListView(contents);
    m_List->setObjectName(QStringLiteral("findResults"));
    m_List->setAccessibleName(tr("Cells found"));
    m_List->setModel(m_Results);
    m_List->setUniformItemSizes(true);
    m_List->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_List->setToolTip(tr("Double-click a line or press Return to go to its cell; F3 goes to the "
                          "next one, Shift+F3 to the one before"));

    auto* fields = new QGridLayout;
    fields->setContentsMargins(0, 0, 0, 0);
    fields->addWidget(m_Plane, 0, 0);
    fields->addWidget(m_Value, 0, 1);
    fields->addWidget(m_Scope, 1, 0);
    fields->addWidget(m_FindButton, 1, 1);
    auto* layout = new QVBoxLayout(contents);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(fields);
    layout->addWidget(m_Outcome);
    layout->addWidget(m_List);
    setWidget(contents);

    connect(m_FindButton, &QPushButton::clicked, this, &FindDock::Find);
    connect(m_Value, &QLineEdit::returnPressed, this, &FindDock::Find);
    connect(m_List, &QListView::activated, this, &FindDock::LineActivated);
}

void FindDock::Prepare(CellFinder::Plane plane, qint16 value) {
    m_Plane->setCurrentIndex(plane == CellFinder::Plane::Tiles ? 0 : 1);
    m_Value->setText(plane == CellFinder::Plane::Tiles ? QString::number(value)
                                                       : InfoValueText::Format(value));
    show();
    raise();
    m_Value->setFocus();
    m_Value->selectAll();
}

void FindDock::ShowOutcome(const QString& text) {
    m_Outcome->setText(text);
}

void FindDock::ShowRow(int row) {
    m_List->setCurrentIndex(m_Results->index(row));
}

void FindDock::Find() {
    const bool tiles = m_Plane->currentIndex() == 0;
    const InfoValueText::Parsed typed = InfoValueText::Parse(m_Value->text());
    if (typed.state != InfoValueText::State::Valid || (tiles && typed.value < 0)) {
        ShowOutcome(tiles ? tr("\"%1\" is not a tile number.").arg(m_Value->text().trimmed())
                          : tr("\"%1\" is not an info value: type a number from -32768 to 32767, "
                               "or 0x and up to four hexadecimal digits.")
                                .arg(m_Value->text().trimmed()));
        m_Value->setFocus();
        return;
    }
    emit searchRequested(tiles ? CellFinder::Plane::Tiles : CellFinder::Plane::Info, typed.value,
                         m_Scope->currentIndex() == 1);
}

void FindDock::LineActivated(const QModelIndex& index) {
    if (index.isValid())
        emit rowChosen(index.row());
}
