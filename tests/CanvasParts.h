#pragma once

// The parts of an editor window's canvas, found by their objectName, for
// tests that work them with real events or read what they show.
//
//   QTest::mouseClick(canvasparts::picture(window), Qt::LeftButton, {}, QPoint(8, 8));
//   QCOMPARE(canvasparts::scrollY(window)->value(), 3);

#include "Controls.h"
#include "LevelCanvas.h"
#include "PickerButton.h"
#include "PictureBox.h"

#include <QScrollBar>

namespace canvasparts {

inline LevelCanvas* canvas(const QObject& window) {
    return &controls::find<LevelCanvas>(window, QStringLiteral("levelCanvas"));
}
// The picture of the level, which takes the pointer, the wheel and the keys.
inline PictureBox* picture(const QObject& window) {
    return &controls::find<PictureBox>(window, QStringLiteral("canvasPicture"));
}
inline QScrollBar* scrollX(const QObject& window) {
    return &controls::find<QScrollBar>(window, QStringLiteral("canvasScrollX"));
}
inline QScrollBar* scrollY(const QObject& window) {
    return &controls::find<QScrollBar>(window, QStringLiteral("canvasScrollY"));
}
// The corner button that opens the level preview.
inline PickerButton* previewButton(const QObject& window) {
    return &controls::find<PickerButton>(window, QStringLiteral("levelPreviewButton"));
}

} // namespace canvasparts
