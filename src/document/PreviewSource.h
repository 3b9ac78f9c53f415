#pragma once

#include <QRect>
#include <QRegion>

class QImage;
class Surface;
struct PreviewPlace;

// Something the canvas draws over the level as it is shown, never into it:
// a tool's preview, or the selection kept while another tool is in use.
class PreviewSource {
public:
    virtual ~PreviewSource() = default;

    // The cells the preview covers, empty for none; the canvas draws them
    // again through DrawPreview when they change.
    virtual QRect PreviewCells() const { return {}; }
    // Draws the preview over the canvas, with the sets, zoom and origin of
    // `place`.
    virtual void DrawPreview(Surface& /*dest*/, const PreviewPlace& /*place*/) const {}
    // As DrawPreview, into `dest` from `under`, the canvas's pixels it is
    // drawn over, which are not in `dest` (one pass over the pixels instead
    // of a copy and a mix): every pixel of `dest` is set. False, with
    // nothing drawn, where the preview cannot; the canvas then puts its
    // pixels into `dest` and calls DrawPreview.
    virtual bool DrawPreviewFrom(Surface& /*dest*/, const PreviewPlace& /*place*/,
                                 const QImage& /*under*/) const {
        return false;
    }
    // Whether DrawPreview sets every pixel of the preview's cells, so that
    // the canvas need not put its own pixels under them first.
    virtual bool PreviewOpaque() const { return false; }
    // The cells whose preview may look different from what the canvas last
    // showed, when it showed the preview over `shown`: the canvas shows
    // again only their pixels. By default all the cells covered then and
    // now.
    virtual QRegion PreviewChange(const QRect& shown) const {
        return QRegion(shown).united(PreviewCells());
    }
};
