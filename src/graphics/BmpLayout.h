#pragma once

#include <QByteArray>
#include <QString>

// What the header of a Windows bitmap (.bmp) says about the file's length.
// Qt's reader takes a file whose pixel data ends early and fills the rest
// with black; the header tells how long the data must be: rows padded to 4
// bytes for uncompressed pixels, the stated size for run-length packed ones.
namespace BmpLayout {

// Why `file` is shorter than its header says, e.g. "its header puts 4,096
// bytes of pixel data at byte 1,078, but the file ends after 2,000 bytes";
// empty when it is long enough, or is no bitmap whose length its header
// gives (those are left to the image reader to judge).
QString CutShort(const QByteArray& file);

} // namespace BmpLayout
