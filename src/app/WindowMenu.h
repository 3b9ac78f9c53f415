#pragma once

#include <QMenu>

class QAction;
class QActionGroup;
class QMdiArea;

// The Window menu: "&Tile" and "&Cascade" for the area's windows, then one
// item per open window in the order they were opened, the current one
// ticked; choosing an item brings its window to the front. Built afresh
// each time it opens.
class WindowMenu : public QMenu {
    Q_OBJECT
public:
    explicit WindowMenu(QMdiArea* area, QWidget* parent = nullptr);

    void Rebuild();
    // Adds an item that shows or hides one of the main window's panels
    // (a dock's toggle), after Tile and Cascade.
    void AddPanel(QAction* toggle);

    // The item's text for the `index`th (0-based) window with the caption
    // `title`.
    static QString ItemText(int index, const QString& title);
    // The caption as the window shows it: with "*" for "[*]" while it is
    // modified, without it otherwise.
    static QString ShownTitle(const QWidget& window);

private:
    // Named "tileWindowsAction" and "cascadeWindowsAction".
    QAction* m_TileAction = nullptr;
    QAction* m_CascadeAction = nullptr;
    QMdiArea* m_Area;
    // The window items, replaced on every rebuild.
    QActionGroup* m_Group = nullptr;
    // The panels' toggles, owned by their docks.
    QList<QAction*> m_Panels;
};
