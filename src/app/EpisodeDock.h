#pragma once

#include "IoResult.h"

#include <QDockWidget>

class EpisodeFilterModel;
class EpisodeModel;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListView;
class QModelIndex;
class QProgressBar;
class QToolButton;

// The Episode panel: every level file of an episode's folder as a
// thumbnail with its number, size, check summary and, for an open level,
// its unsaved state and modified mark (EpisodeModel), sorted by number and
// narrowed by number or to the levels with problems (EpisodeFilterModel).
// A row's tooltip lists its findings, its own and those across the
// episode. Double-click or Return on a level asks for it to be opened;
// choosing one reports its number, for the world map to mark its doors.
class EpisodeDock : public QDockWidget {
    Q_OBJECT
public:
    explicit EpisodeDock(QWidget* parent = nullptr);

    EpisodeModel& Model() const { return *m_Model; }
    // Shows the levels of `folder` (0: the folder's own episode).
    IoResult ShowFolder(const QString& folder, int episode = 0);
    // Whether a folder is shown.
    bool HasFolder() const;
    // The number of the level chosen in the list; 0 for none.
    int SelectedNumber() const;
    // The bar the main window's status bar shows while thumbnails are
    // drawn; hidden otherwise.
    QProgressBar* ProgressBar() const { return m_Progress; }
    // The contact sheet of the levels shown, through a save dialog.
    void ExportContactSheet();

signals:
    void levelActivated(const QString& fileName);
    // The level chosen in the list; 0 when none is.
    void levelSelected(int number);

private:
    void UpdateTitle();
    void UpdateNote();
    void FilterTyped(const QString& text);
    void Progress(int done, int total);
    void Activated(const QModelIndex& index);
    void CurrentChanged(const QModelIndex& current);

    EpisodeModel* m_Model = nullptr;
    EpisodeFilterModel* m_Filter = nullptr;
    QLineEdit* m_FilterEdit = nullptr;
    QCheckBox* m_ProblemsOnly = nullptr;
    QToolButton* m_Export = nullptr;
    QListView* m_List = nullptr;
    QLabel* m_Note = nullptr;
    QProgressBar* m_Progress = nullptr;
};
