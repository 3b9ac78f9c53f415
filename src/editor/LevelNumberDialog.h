#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QSpinBox;

// Asks which level number a level without one of the game's file names is
// played as in the game. The caller sets spnNumber, shows the dialog, then
// reads Cancelled and spnNumber.
class LevelNumberDialog : public QDialog {
    Q_OBJECT
public:
    explicit LevelNumberDialog(QWidget* parent = nullptr);

    // True until the dialog is closed with OK.
    bool Cancelled = true;

    QLabel* lblNumber = nullptr;
    QSpinBox* spnNumber = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
};
