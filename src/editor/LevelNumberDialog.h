#pragma once

#include <QDialog>

class QSpinBox;

// Level, Test in Game for a level without one of the game's file names:
// which level number it is played as in the game. The caller gives the
// number offered, runs the dialog and, when it was accepted, takes the
// chosen one.
class LevelNumberDialog : public QDialog {
    Q_OBJECT
public:
    explicit LevelNumberDialog(QWidget* parent = nullptr);

    // A number outside 1..99 offers 1.
    void setNumber(int number);
    int number() const;

private:
    QSpinBox* m_Number = nullptr;
};
