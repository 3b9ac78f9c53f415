#include "SpritePick.h"

#include "BrushSelection.h"

void SpritePick::Begin(QPoint pointer) {
    m_Opened = pointer;
    m_Active = true;
    m_Moved = false;
}

void SpritePick::Move(QPoint pointer, int sprite) {
    if (!m_Active)
        return;
    // Putting the pointer on the selected sprite reaches the button as a
    // move of its own (on X11): it is not the user's.
    m_Moved = m_Moved || pointer != m_Opened;
    if (m_Moved && sprite >= 0)
        m_Brush.ChooseSprite(static_cast<qint16>(sprite));
}

void SpritePick::Release(QPoint pointer, int sprite) {
    Move(pointer, sprite);
    m_Active = false;
}
