#pragma once

#include <QPushButton>

// A button that reports its raw press, move and release with the editor's
// button and modifier codes (see PictureBox) and the pointer position in
// pixels relative to the button's top-left corner. Qt sends the moves and
// the release to the pressed button wherever the pointer goes.
class PickerButton : public QPushButton {
    Q_OBJECT
public:
    explicit PickerButton(QWidget* parent = nullptr);

signals:
    void MouseDown(int button, int shift, double x, double y);
    void MouseMove(int button, int shift, double x, double y);
    void MouseUp(int button, int shift, double x, double y);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
