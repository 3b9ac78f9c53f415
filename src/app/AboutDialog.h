#pragma once

#include <QDialog>

class QLabel;

// Help, About Gridmason: the version, the licence and where the settings
// are kept.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);

    // The text shown, with `settingsFile` as the settings file's path.
    static QString Text(const QString& settingsFile);

    QLabel* lblText = nullptr;
};
