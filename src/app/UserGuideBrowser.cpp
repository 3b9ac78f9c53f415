#include "UserGuideBrowser.h"

#include "BoundedFileReader.h"

#include <QTextDocument>
#include <QUrl>

namespace {

// The guide is a few hundred lines; its pictures are screenshots.
constexpr qint64 MaxGuideBytes = 4 * 1024 * 1024;
constexpr qint64 MaxPictureBytes = 16 * 1024 * 1024;

} // namespace

UserGuideBrowser::UserGuideBrowser(QWidget* parent) : QTextBrowser(parent) {
    setWindowFlag(Qt::Window);
    setWindowTitle(tr("Gridmason User Guide"));
    setObjectName(QStringLiteral("userGuide"));
    // Links to the web open in the user's browser; the guide's own links
    // stay here.
    setOpenExternalLinks(true);
    resize(760, 820);
}

IoResult UserGuideBrowser::ShowGuide(const QString& guideFile) {
    QByteArray text;
    const IoResult read = BoundedFileReader::Read(guideFile, MaxGuideBytes, tr("user guide"), text);
    if (!read.ok)
        return read;
    setSource(QUrl::fromLocalFile(guideFile), QTextDocument::MarkdownResource);
    return IoResult::success();
}

QVariant UserGuideBrowser::loadResource(int type, const QUrl& name) {
    const QUrl url = source().resolved(name);
    if (!url.isLocalFile())
        return QTextBrowser::loadResource(type, name);
    QByteArray data;
    const qint64 limit = type == QTextDocument::ImageResource ? MaxPictureBytes : MaxGuideBytes;
    // A file that cannot be read gives no bytes (an empty frame for a
    // picture; the text stays readable). Not an invalid answer: the
    // document would then read the file itself, unbounded.
    if (!BoundedFileReader::Read(url.toLocalFile(), limit, tr("user guide file"), data).ok)
        return QByteArray();
    if (type == QTextDocument::ImageResource)
        return data;
    return QString::fromUtf8(data);
}
