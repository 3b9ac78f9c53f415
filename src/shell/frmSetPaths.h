#pragma once

#include <QDialog>

class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;

// The modal dialog that asks for the three folders holding each episode's
// exported bitmaps. The caller fills txtPath, shows the dialog, then reads
// Cancelled and txtPath. OK refuses to close until every folder holds a
// bitmap file or the episode's own game graphics files; the full check is
// the loading of the graphics.
class frmSetPaths : public QDialog {
    Q_OBJECT
public:
    explicit frmSetPaths(QWidget* parent = nullptr);

    // True until the dialog is closed by an OK that passed the check.
    bool Cancelled = true;

    QLabel* Label1[3] = {nullptr, nullptr, nullptr};
    QLineEdit* txtPath[3] = {nullptr, nullptr, nullptr};
    QPushButton* cmdBrowse[3] = {nullptr, nullptr, nullptr};
    // What each folder holds: exported bitmaps or the game's own files.
    QLabel* lblKind[3] = {nullptr, nullptr, nullptr};
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

    void cmdBrowse_Click(int index);
    void cmdOK_Click();
    void cmdCancel_Click();

    // The folder of a chosen file: the path up to its last "/" or "\".
    // A file with no folder before it gives ""; a file directly in the
    // root "/" gives "/".
    static QString FolderOfFile(const QString& path);
    // True when `folder` is not empty and holds a file, not hidden, whose
    // extension is BMP in any letter case. "\" is read as "/".
    static bool HoldsBitmap(const QString& folder);
    // The text shown under a row for `folder` of `episode`.
    static QString KindText(const QString& folder, int episode);

    // A row passes the check when its folder holds a bitmap, or the game's
    // own graphics files of the row's episode.
    bool IsValidRow(int index) const;

    // Optional game folders, one per episode (frmSetPaths_game.cpp): read
    // from the settings file when the dialog is made, stored by OK.
    QLabel* lblGamePath[3] = {nullptr, nullptr, nullptr};
    QLineEdit* txtGamePath[3] = {nullptr, nullptr, nullptr};
    QPushButton* cmdGameBrowse[3] = {nullptr, nullptr, nullptr};
    void cmdGameBrowse_Click(int index);
    // Asks for the episode's program (KEEN1.EXE ...) with the file dialog;
    // the folder holding it, or "" when cancelled.
    static QString ChooseGameFolder(int episode, const QString& initialDir, QWidget* owner);
    // False (after telling the user) when a folder given lacks the
    // episode's program; otherwise stores the folders.
    bool CheckAndStoreGameFolders();

private:
    void CreateControls();
    QLayout* CreateGameFolderControls();
    void UpdateKind(int index);
};
