#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class ReplacementChoice;

// Edit, Replace Tile...: the plane, the value replaced and its replacement,
// and where, with the number of cells that will change shown as the fields
// change. OK is offered only when something will change; the caller
// replaces through the choice once the dialog was accepted.
class ReplaceTileDialog : public QDialog {
    Q_OBJECT
public:
    // The fields start as `choice` reads; `episode` names the open levels'
    // scope.
    ReplaceTileDialog(ReplacementChoice& choice, int episode, QWidget* parent = nullptr);

private:
    // The fields were edited: the choice reads them, the count follows.
    void FieldsChanged();

    ReplacementChoice& m_Choice;
    QRadioButton* m_Tiles = nullptr;
    QRadioButton* m_Values = nullptr;
    QLineEdit* m_From = nullptr;
    QLineEdit* m_To = nullptr;
    QRadioButton* m_InSelection = nullptr;
    QRadioButton* m_InLevel = nullptr;
    QRadioButton* m_InOpenLevels = nullptr;
    QLabel* m_Count = nullptr;
    QPushButton* m_Ok = nullptr;
};
