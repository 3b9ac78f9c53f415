#pragma once

#include "BitmapSource.h"

// Bitmaps read from one folder of exported bitmaps. The folder may be written
// with "/" or "\" separators; file names match in any letter case, so
// "1TIL0000.BMP" serves for "1til0000.bmp".
class FolderBitmapSource : public BitmapSource {
public:
    explicit FolderBitmapSource(const QString& folder);

    IoResult Load(const QString& name, QImage& image) const override;

    QString Folder() const { return m_Folder; }

    // The path of the file called `name` in `folder`, matched in any letter
    // case (an exact match wins); empty when there is none.
    static QString FindFile(const QString& folder, const QString& name);
    // The same for an entry of any kind (folder, device, pipe, link), so
    // that one standing where a file should be is reported as what it is
    // rather than as missing.
    static QString FindEntry(const QString& folder, const QString& name);

    // Pixels one set of bitmaps (a tile sheet, an episode's sprites) may
    // take in all: many times what the real graphics need, but a bound on
    // tiny packed bitmaps that declare huge sizes.
    static constexpr qint64 SetPixelBudget = qint64(4) * 1024 * 1024;

    // Loads a bitmap by its full path, whose separators may be "/" or "\"
    // and whose file name matches in any letter case. The image comes back
    // as 32-bit RGB whatever the file's depth; on failure `image` is left
    // alone and the result names the file and what is wrong with it.
    // `pixelsLeft` is what remains of the set's budget; the image's pixels
    // are taken from it, and a bitmap bigger than the rest is refused.
    static IoResult LoadFile(const QString& path, QImage& image, qint64& pixelsLeft);
    // A bitmap that is a set of its own.
    static IoResult LoadFile(const QString& path, QImage& image);

private:
    QString m_Folder;
    // What remains of the pixel budget of the set loaded from this source.
    mutable qint64 m_PixelsLeft = SetPixelBudget;
};
