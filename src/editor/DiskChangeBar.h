#pragma once

#include "LevelDocument.h"

#include <QFrame>

class QLabel;
class QPushButton;

// The bar across the top of an editor window that says, without stopping
// the user, that another program changed or removed the level's file, and
// offers to reload it ("Reload") or to go on with the level as it is in
// the window ("Keep mine").
class DiskChangeBar : public QFrame {
    Q_OBJECT
public:
    explicit DiskChangeBar(QWidget* parent = nullptr);

    // Says what happened to the file of the level named `levelName`; hides
    // the bar when the file is as it was loaded or saved.
    void ShowState(LevelDocument::DiskState state, const QString& levelName);

signals:
    void reloadClicked();
    void keepClicked();
    // The bar was shown or hidden: the window lays itself out again.
    void shownChanged();

private:
    QLabel* m_Text = nullptr;
    QPushButton* m_Reload = nullptr;
    QPushButton* m_Keep = nullptr;
};
