#pragma once

#include <QDialog>

#include <array>

class QLabel;
class QLayout;
class QLineEdit;

// File, Set Paths: the folder of each episode's graphics (exported bitmaps
// or the game's own graphics files), and optionally the folder of each
// episode's game, for Level, Test in Game. The caller gives the graphics
// folders, runs the dialog and, when it was accepted, takes them back; the
// game folders are read from the settings file when the dialog is made and
// stored there by OK.
class GamePathsDialog : public QDialog {
    Q_OBJECT
public:
    explicit GamePathsDialog(QWidget* parent = nullptr);

    // The graphics folder of `episode` (1 to 3) as its box holds it.
    void setGraphicsFolder(int episode, const QString& folder);
    QString graphicsFolder(int episode) const;

    // Asks for the episode's program (KEEN1.EXE ...) with the file dialog,
    // starting in `initialDir`: the folder holding it, or "" when cancelled.
    static QString chooseGameFolder(int episode, const QString& initialDir, QWidget* owner);

public slots:
    // OK closes the dialog only when every graphics folder holds a bitmap
    // or the episode's own graphics files (the full check is the loading of
    // the graphics) and every game folder given holds the episode's
    // program; it then stores the game folders that changed. Otherwise it
    // says why and the dialog stays open.
    void accept() override;

private slots:
    void browseGraphics(int row);
    void browseGame(int row);
    void showGraphicsKind(int row);

private:
    void createControls();
    QLayout* createGameFolderControls();
    bool graphicsRowIsValid(int row) const;
    bool gameFoldersAreValid();
    void storeGameFolders();
    // The text shown under a row for `folder` of `episode`.
    static QString graphicsKindText(const QString& folder, int episode);

    std::array<QLineEdit*, 3> m_GraphicsFolders{};
    // What each graphics folder holds: exported bitmaps or the game's files.
    std::array<QLabel*, 3> m_GraphicsKinds{};
    std::array<QLineEdit*, 3> m_GameFolders{};
};
