#pragma once

// Drives an editor window as its user does: finds its controls by object
// name, triggers its actions, clicks the canvas with real mouse events, and
// reads the level through the document and the pixels through the canvas.
//
//   EditorDriver driver(*window);
//   driver.click({5, 5});
//   driver.trigger("pasteAction");
//   QCOMPARE(driver.level().GetTile(5, 5), 7);

#include "CanvasGeometry.h"
#include "CanvasView.h"
#include "Level.h"
#include "LevelCanvas.h"
#include "LevelDocument.h"
#include "LevelEditorWindow.h"
#include "PickerButton.h"
#include "PictureBox.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

class EditorDriver {
public:
    explicit EditorDriver(LevelEditorWindow& window) : m_Window(window) {}

    // The window's control of that object name; the test stops with the
    // name when there is none.
    template <typename T = QWidget> T* widget(const char* name) const {
        T* found = m_Window.findChild<T*>(QLatin1String(name));
        if (found == nullptr)
            qFatal("the editor window has no %s", name);
        return found;
    }
    QAction* action(const char* name) const { return widget<QAction>(name); }
    // What choosing the menu item does.
    void trigger(const char* name) const { action(name)->trigger(); }

    // The canvas's picture of the level, which takes the pointer, the wheel
    // and the keys.
    PictureBox* canvas() const { return widget<PictureBox>("canvasPicture"); }
    // The canvas with its scroll bars and preview button.
    LevelCanvas* levelCanvas() const { return widget<LevelCanvas>("levelCanvas"); }
    // The corner button that opens the level preview.
    PickerButton* previewButton() const { return widget<PickerButton>("levelPreviewButton"); }
    QScrollBar* scrollX() const { return widget<QScrollBar>("canvasScrollX"); }
    QScrollBar* scrollY() const { return widget<QScrollBar>("canvasScrollY"); }
    // The tile mode (0) and sprite mode (1) buttons.
    QToolButton* modeButton(int mode) const {
        return widget<QToolButton>(mode == 0 ? "tileModeButton" : "spriteModeButton");
    }
    // The boxes and labels of the left (0) and right (1) buttons' tiles.
    PictureBox* tileBox(int slot) const {
        return widget<PictureBox>(slot == 0 ? "leftTileBox" : "rightTileBox");
    }
    QLabel* tileLabel(int slot) const {
        return widget<QLabel>(slot == 0 ? "leftTileLabel" : "rightTileLabel");
    }

    // A click on the middle of cell (cx, cy) as the canvas now shows it.
    void click(QPoint cell, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = {}) const {
        QTest::mouseClick(canvas(), button, modifiers, pointOf(cell));
    }
    // The canvas widget's point over the middle of cell (cx, cy).
    QPoint pointOf(QPoint cell) const {
        const QRect pixels = m_Window.Canvas().Geometry().PixelsOf(QRect(cell, QSize(1, 1)));
        const int border = canvas()->BorderWidth();
        return pixels.center() + QPoint(border, border);
    }
    // A key chord sent to the window that has the focus.
    void keys(const QKeySequence& chord) const {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &m_Window;
        QTest::keySequence(target, chord);
    }

    // The control drawn afresh, as when it is shown again.
    void redraw(const char* name) const {
        QWidget* target = widget(name);
        target->hide();
        target->show();
        target->repaint();
    }

    // Holds `button` down on the picker button `name` ("tilePicker",
    // "spritePicker"), which opens its selector.
    void pressPicker(const char* name, Qt::MouseButton button = Qt::LeftButton) const {
        QWidget* picker = widget(name);
        send(picker, QEvent::MouseButtonPress, picker->rect().center(), button, button);
    }
    // Moves the held button to point `at` of the window and lets go there.
    void releasePicker(const char* name, QPoint at, Qt::MouseButton button = Qt::LeftButton) const {
        QWidget* picker = widget(name);
        const QPoint local = picker->mapFrom(&m_Window, at);
        send(picker, QEvent::MouseMove, local, Qt::NoButton, button);
        send(picker, QEvent::MouseButtonRelease, local, button, Qt::NoButton);
    }

    // Lets go of the held button where it was pressed.
    void releaseButton(const char* name, Qt::MouseButton button = Qt::LeftButton) const {
        QWidget* target = widget(name);
        send(target, QEvent::MouseButtonRelease, target->rect().center(), button, Qt::NoButton);
    }

    const Level& level() const { return m_Window.Document().level(); }
    // Pixel (x, y) of the canvas's inner area as the widget shows it.
    QRgb canvasPixel(int x, int y) const {
        const int border = canvas()->BorderWidth();
        return canvas()->grab().toImage().pixel(x + border, y + border);
    }

private:
    static void send(QWidget* target, QEvent::Type type, QPoint pos, Qt::MouseButton button,
                     Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(pos), QPointF(target->mapToGlobal(pos)), button, buttons,
                          {});
        QApplication::sendEvent(target, &event);
    }

    LevelEditorWindow& m_Window;
};

inline EditorDriver drive(LevelEditorWindow& window) {
    return EditorDriver(window);
}
