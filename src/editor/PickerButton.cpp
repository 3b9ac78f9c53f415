#include "PickerButton.h"

#include <QMouseEvent>

PickerButton::PickerButton(QWidget* parent) : QPushButton(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void PickerButton::mousePressEvent(QMouseEvent* event) {
    setDown(true);
    emit MouseDown(event->button(), event->modifiers(), event->position().x(),
                   event->position().y());
}

void PickerButton::mouseMoveEvent(QMouseEvent* event) {
    emit MouseMove(event->buttons(), event->modifiers(), event->position().x(),
                   event->position().y());
}

void PickerButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->buttons() == Qt::NoButton)
        setDown(false);
    emit MouseUp(event->button(), event->modifiers(), event->position().x(), event->position().y());
}
