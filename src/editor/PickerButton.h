#pragma once

#include <QPushButton>

// A button that reports its raw press, move and release with Qt's button
// (on moves the buttons held) and modifiers and the pointer position in
// pixels relative to the button's top-left corner. Qt sends the moves and
// the release to the pressed button wherever the pointer goes.
class PickerButton : public QPushButton {
    Q_OBJECT
public:
    explicit PickerButton(QWidget* parent = nullptr);

signals:
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, double x, double y);
    void MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, double x, double y);
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, double x, double y);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
