#include "PickerButton.h"

#include "PictureBox.h"

#include <QMouseEvent>

PickerButton::PickerButton(QWidget* parent) : QPushButton(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void PickerButton::mousePressEvent(QMouseEvent* event) {
    setDown(true);
    emit MouseDown(PictureBox::ButtonCode(event->button()),
                   PictureBox::ShiftCode(event->modifiers()), event->position().x(),
                   event->position().y());
}

void PickerButton::mouseMoveEvent(QMouseEvent* event) {
    emit MouseMove(PictureBox::ButtonsCode(event->buttons()),
                   PictureBox::ShiftCode(event->modifiers()), event->position().x(),
                   event->position().y());
}

void PickerButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->buttons() == Qt::NoButton)
        setDown(false);
    emit MouseUp(PictureBox::ButtonCode(event->button()), PictureBox::ShiftCode(event->modifiers()),
                 event->position().x(), event->position().y());
}
