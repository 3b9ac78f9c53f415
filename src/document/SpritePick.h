#pragma once

#include <QPoint>

class BrushSelection;

// One press of the sprite picker button, from the press to the release.
// The sprite selector opens with the pointer put on the selected sprite by
// the program, which is no choice of the user's. Once the pointer has been
// anywhere else, every move over a sprite picks it (the selected-sprite box
// shows it at once, the Value box empties) and so does the release over a
// sprite. Until then nothing is picked: a press and release where the
// selector put the pointer, or over no sprite, leave the selected sprite and
// the Value box exactly as they were, also while the box holds a value that
// shows no sprite.
class SpritePick {
public:
    explicit SpritePick(BrushSelection& brush) : m_Brush(brush) {}

    // The selector opened with the pointer at `pointer` (screen pixels).
    void Begin(QPoint pointer);
    // The pointer is at `pointer`, over `sprite` (-1: over none). Does
    // nothing outside a press.
    void Move(QPoint pointer, int sprite);
    // The press ends with the pointer at `pointer`, over `sprite`.
    void Release(QPoint pointer, int sprite);
    bool Active() const { return m_Active; }

private:
    BrushSelection& m_Brush;
    QPoint m_Opened;
    bool m_Active = false;
    // The pointer has been somewhere else than where the selector put it.
    bool m_Moved = false;
};
