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
    // Loads a bitmap by its full path, whose separators may be "/" or "\"
    // and whose file name matches in any letter case. The image comes back
    // as 32-bit RGB whatever the file's depth; on failure `image` is left
    // alone and the result names the file.
    static IoResult LoadFile(const QString& path, QImage& image);

private:
    QString m_Folder;
};
