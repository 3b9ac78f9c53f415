#include "GameGraphicsSource.h"

GameGraphicsSource::GameGraphicsSource(const QString& folder, int episode)
    : m_Folder(folder), m_Episode(episode) {}

IoResult GameGraphicsSource::Open() const {
    if (!m_Opened)
        m_Opened = std::make_unique<IoResult>(m_Graphics.Load(m_Folder, m_Episode));
    return *m_Opened;
}

IoResult GameGraphicsSource::Load(const QString& name, QImage& image) const {
    const IoResult opened = Open();
    if (!opened)
        return opened;
    return m_Graphics.Bitmap(name, image);
}
