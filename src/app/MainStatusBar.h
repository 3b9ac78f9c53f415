#pragma once

#include "LevelEditorWindow.h"

#include <QPointer>
#include <QStatusBar>

class QLabel;

// The main window's status bar: for the cell under the pointer on the
// active editor's canvas its column and row, tile number and info value,
// what the editor's tools report (the selection, a pasted block), and that
// editor's zoom as a percentage. Blank parts where there is no
// such cell or no editor. The editor reports the cell and the zoom.
class MainStatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit MainStatusBar(QWidget* parent = nullptr);

    // The editor whose canvas is reported; nullptr for none.
    void SetEditor(LevelEditorWindow* editor);
    LevelEditorWindow* Editor() const { return m_Guard ? m_Editor : nullptr; }
    // Shows the current state of the editor's level and zoom.
    void Refresh();

    // The zoom exponent as a percentage of the bitmap size: "100%" at 0,
    // "200%" at 1, "6.25%" at -4.
    static QString ZoomText(int zoom);

private:
    void showPointerCell(QPoint cell);

    // The parts, named "cellLabel", "tileLabel", "infoLabel", "toolLabel"
    // and "zoomLabel".
    QLabel* m_Cell = nullptr;
    QLabel* m_Tile = nullptr;
    QLabel* m_Info = nullptr;
    QLabel* m_Tool = nullptr;
    QLabel* m_Zoom = nullptr;

    // The editor, valid while the guard is set.
    LevelEditorWindow* m_Editor = nullptr;
    QPointer<QObject> m_Guard;
    int m_CellX = -1;
    int m_CellY = -1;
    QList<QMetaObject::Connection> m_Connections;
};
