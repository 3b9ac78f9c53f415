#pragma once

#include <QDialog>

class QLabel;

// Help, About Gridmason: the version, the licence and where the settings
// are kept.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    // `documentation` is the folder holding the licence ("copyright").
    explicit AboutDialog(const QString& documentation, QWidget* parent = nullptr);

    // The text shown, with `settingsFile` as the settings file's path and
    // `licenceFile` as the licence's.
    static QString Text(const QString& settingsFile, const QString& licenceFile);

private:
    // Named "aboutText".
    QLabel* m_Text = nullptr;
};
