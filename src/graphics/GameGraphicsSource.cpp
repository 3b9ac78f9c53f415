#include "GameGraphicsSource.h"

#include "FolderBitmapSource.h"

#include <QCoreApplication>

GameGraphicsSource::GameGraphicsSource(const QString& folder, int episode)
    : m_Folder(folder), m_Episode(episode), m_PixelsLeft(FolderBitmapSource::SetPixelBudget) {}

IoResult GameGraphicsSource::Open() const {
    if (!m_Opened)
        m_Opened = std::make_unique<IoResult>(m_Graphics.Load(m_Folder, m_Episode));
    return *m_Opened;
}

IoResult GameGraphicsSource::Load(const QString& name, QImage& image) const {
    const IoResult opened = Open();
    if (!opened)
        return opened;
    QImage made;
    const IoResult result = m_Graphics.Bitmap(name, made);
    if (!result)
        return result;
    const qint64 pixels = qint64(made.width()) * made.height();
    if (pixels > m_PixelsLeft)
        return IoResult::failure(
            QCoreApplication::translate(
                "GameGraphicsSource",
                "The game's graphics in \"%1\" make bitmaps of more than the %2 "
                "pixels a set of graphics may take (at \"%3\").")
                .arg(m_Folder)
                .arg(FolderBitmapSource::SetPixelBudget)
                .arg(name));
    m_PixelsLeft -= pixels;
    image = made;
    return IoResult::success();
}
