#include "ContactSheet.h"

#include "LevelRenderer.h"
#include "PixelFont.h"

#include <QPainter>
#include <algorithm>
#include <climits>

namespace {

QString label(int number) {
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

int columnsFor(size_t count) {
    int columns = 1;
    while (size_t(columns) * size_t(columns) < count)
        ++columns;
    return columns;
}

} // namespace

ContactSheet::Layout ContactSheet::Arrange(const std::vector<int>& numbers,
                                           const std::vector<QSize>& sizes) {
    Layout layout;
    const size_t count = std::min(numbers.size(), sizes.size());
    if (count == 0)
        return layout;
    constexpr int labelHeight = PixelFont::GlyphHeight * LabelScale;
    qint64 cellWidth = 0, pictureHeight = 0;
    for (size_t i = 0; i < count; ++i) {
        cellWidth = std::max<qint64>(
            {cellWidth, sizes[i].width(), PixelFont::TextWidth(label(numbers[i])) * LabelScale});
        pictureHeight = std::max<qint64>(pictureHeight, sizes[i].height());
    }
    const qint64 cellHeight = pictureHeight + LabelGap + labelHeight;
    layout.columns = columnsFor(count);
    const qint64 rows = (qint64(count) + layout.columns - 1) / layout.columns;
    const qint64 width = Margin + layout.columns * (cellWidth + Margin);
    const qint64 height = Margin + rows * (cellHeight + Margin);
    // Sizes beyond what a picture may be stay beyond it, never wrapped.
    layout.sheet =
        QSize(int(std::min<qint64>(width, INT_MAX)), int(std::min<qint64>(height, INT_MAX)));
    for (size_t i = 0; i < count; ++i) {
        const qint64 x = Margin + qint64(i % size_t(layout.columns)) * (cellWidth + Margin);
        const qint64 y = Margin + qint64(i / size_t(layout.columns)) * (cellHeight + Margin);
        const qint64 labelY = y + sizes[i].height() + LabelGap;
        const int atX = int(std::min<qint64>(x, INT_MAX));
        layout.pictures.push_back(QPoint(atX, int(std::min<qint64>(y, INT_MAX))));
        layout.labels.push_back(QPoint(atX, int(std::min<qint64>(labelY, INT_MAX))));
    }
    return layout;
}

bool ContactSheet::Fits(QSize size) {
    return size.width() >= 1 && size.height() >= 1 && size.width() <= LevelRenderer::MaxSide &&
           size.height() <= LevelRenderer::MaxSide &&
           qint64(size.width()) * size.height() <= LevelRenderer::MaxPixels;
}

IoResult ContactSheet::Compose(const std::vector<Item>& items, QImage& sheet) {
    if (items.empty())
        return IoResult::failure(tr("There is no level to put on the sheet."));
    std::vector<int> numbers;
    std::vector<QSize> sizes;
    for (const Item& item : items) {
        numbers.push_back(item.number);
        sizes.push_back(item.picture.size());
    }
    const Layout layout = Arrange(numbers, sizes);
    if (!Fits(layout.sheet))
        return IoResult::failure(tr("The sheet would be %1 x %2 pixels, more than a picture may "
                                    "be; choose a smaller zoom.")
                                     .arg(layout.sheet.width())
                                     .arg(layout.sheet.height()));
    QImage out(layout.sheet, QImage::Format_RGB32);
    if (out.isNull())
        return IoResult::failure(tr("There is not enough memory for a sheet of %1 x %2 pixels.")
                                     .arg(layout.sheet.width())
                                     .arg(layout.sheet.height()));
    out.fill(Ground);
    QPainter painter(&out);
    for (size_t i = 0; i < items.size(); ++i) {
        painter.drawImage(layout.pictures[i], items[i].picture);
        const QPoint at = layout.labels[i];
        PixelFont::ForEachPixel(label(items[i].number), [&](int col, int row) {
            painter.fillRect(at.x() + col * LabelScale, at.y() + row * LabelScale, LabelScale,
                             LabelScale, QColor::fromRgb(Ink));
        });
    }
    painter.end();
    sheet = out;
    return IoResult::success();
}
