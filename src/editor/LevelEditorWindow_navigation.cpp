// Moving around the canvas with the mouse wheel and the keyboard: the wheel
// scrolls (sideways with Shift) and zooms about the pointer with Ctrl; the
// arrow and page keys scroll while the canvas has the focus.
#include "LevelEditorWindow.h"

#include "CanvasGeometry.h"
#include "CanvasView.h"
#include "PictureBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <cstdlib>
#include <functional>

namespace {

// Hands the canvas's wheel and key events to the window's handlers; the
// canvas itself has no use for them.
class CanvasNavigation : public QObject {
public:
    using WheelHandler = std::function<void(QPoint, QPoint, Qt::KeyboardModifiers, double, double)>;
    using KeyHandler = std::function<bool(int, Qt::KeyboardModifiers)>;
    CanvasNavigation(PictureBox* canvas, WheelHandler wheel, KeyHandler key)
        : QObject(canvas), m_Wheel(std::move(wheel)), m_Key(std::move(key)) {
        canvas->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Wheel) {
            const auto* wheel = static_cast<QWheelEvent*>(event);
            const int border = static_cast<PictureBox*>(watched)->BorderWidth();
            m_Wheel(wheel->angleDelta(), wheel->pixelDelta(), wheel->modifiers(),
                    wheel->position().x() - border, wheel->position().y() - border);
            event->accept();
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (m_Key(key->key(), key->modifiers())) {
                event->accept();
                return true;
            }
        }
        return false;
    }

private:
    WheelHandler m_Wheel;
    KeyHandler m_Key;
};

// A drawn cell's size in whole pixels, at least one.
int CellPixels(double renderSize) {
    return qMax(1, qRound(renderSize));
}

void MoveBar(QScrollBar* bar, int delta) {
    if (delta != 0)
        bar->setValue(Navigation::ScrollBy(bar->value(), delta, bar->maximum()));
}

} // namespace

void LevelEditorWindow::CreateNavigation() {
    picEdit->setFocusPolicy(Qt::StrongFocus);
    new CanvasNavigation(
        picEdit,
        [this](QPoint angle, QPoint pixels, Qt::KeyboardModifiers modifiers, double x, double y) {
            picEdit_MouseWheel(angle, pixels, modifiers, x, y);
        },
        [this](int key, Qt::KeyboardModifiers modifiers) {
            return picEdit_KeyDown(key, modifiers);
        });
}

void LevelEditorWindow::picEdit_MouseWheel(QPoint angle, QPoint pixels,
                                           Qt::KeyboardModifiers modifiers, double x, double y) {
    // While the level preview is open the view's origin is the preview's.
    if (m_SuppressRedraw)
        return;
    const Navigation::WheelAction action = Navigation::WheelMove(
        m_Wheel, angle, pixels, modifiers, QApplication::wheelScrollLines(),
        CellPixels(m_Canvas->CellWidth()), CellPixels(m_Canvas->CellHeight()));
    if (action.zoomSteps == 0 && action.columns == 0 && action.rows == 0)
        return;
    if (action.zoomSteps != 0)
        ZoomAtPoint(action.zoomSteps, x, y);
    MoveBar(scrEditX, action.columns);
    MoveBar(scrEditY, action.rows);
    // Another cell is under the pointer now: the position label and the
    // pointer follow as for a move, without painting.
    picEdit_MouseMove(Qt::NoButton, modifiers, x, y);
}

void LevelEditorWindow::ZoomAtPoint(int steps, double x, double y) {
    const PaletteGeometry::Cell cell = m_Canvas->Geometry().CellAt(x, y);
    for (int i = 0; i < std::abs(steps); ++i) {
        const ZoomLevel zoom = CanvasZoom();
        if (steps > 0)
            zoomIn();
        else
            zoomOut();
        if (CanvasZoom() == zoom)
            break;
    }
    // The cells from the canvas's edge to the pointer at the new size.
    const PaletteGeometry::Cell offset =
        CanvasGeometry(m_Canvas->CellWidth(), m_Canvas->CellHeight(), 0, 0).CellAt(x, y);
    scrEditX->setValue(CanvasGeometry::OriginKeepingCell(cell.x, offset.x, scrEditX->maximum()));
    scrEditY->setValue(CanvasGeometry::OriginKeepingCell(cell.y, offset.y, scrEditY->maximum()));
    // Touchpad movement kept for cells of the old size means nothing now.
    m_Wheel.pixelX = 0;
    m_Wheel.pixelY = 0;
}

bool LevelEditorWindow::picEdit_KeyDown(int key, Qt::KeyboardModifiers modifiers) {
    if (m_SuppressRedraw)
        return false;
    const Navigation::KeyAction action = Navigation::KeyMove(key, modifiers, scrEditY->pageStep());
    if (!action.handled)
        return false;
    MoveBar(scrEditX, action.columns);
    MoveBar(scrEditY, action.rows);
    return true;
}
