#pragma once

#include <QRect>

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
};
