#include "SelectorPanel.h"

#include "MousePointer.h"
#include "PickerGeometry.h"
#include "PictureBox.h"
#include "Rounding.h"
#include "SelectorSource.h"

#include <QScrollBar>

#include <algorithm>

namespace {

constexpr QRgb FrameColour = 0xFF000000;

int Whole(double value) {
    return int(std::clamp<long long>(roundToInteger(value), -(1LL << 30), 1LL << 30));
}

} // namespace

SelectorPanel::SelectorPanel(PictureBox& box, QScrollBar& bar, const SelectorSource& source,
                             QObject* parent)
    : QObject(parent), m_Box(box), m_Bar(bar), m_Source(source) {}

PaletteGeometry::Grid SelectorPanel::Grid() const {
    return PaletteGeometry::SelectorGrid(m_Box.ScaleWidth(), m_Box.ScaleHeight(), m_Bar.width(),
                                         m_Source.PitchX(), m_Source.PitchY());
}

PaletteGeometry::Grid SelectorPanel::WidgetGrid() const {
    const int border = m_Box.BorderWidth();
    return PaletteGeometry::SelectorGrid(m_Box.width() - 2 * border, m_Box.height() - 2 * border,
                                         m_Bar.width(), Whole(m_Source.PitchX()),
                                         Whole(m_Source.PitchY()));
}

void SelectorPanel::Resize() {
    const int w = m_Box.ScaleWidth();
    const int h = m_Box.ScaleHeight();
    const int barWidth = m_Bar.width();
    const int border = m_Box.BorderWidth();
    m_Bar.setGeometry(w - barWidth + border, border, barWidth, std::max(0, h));
    const ScrollRange range = PaletteGeometry::SelectorRange(m_Source.Count(), Grid());
    m_Bar.setMinimum(0);
    m_Bar.setMaximum(range.max);
    m_Bar.setEnabled(range.enabled);
    m_Bar.setPageStep(range.largeChange);
    m_Bar.setSingleStep(1);
}

void SelectorPanel::Paint() {
    // Whatever an earlier layout or set left behind goes first, so the gaps
    // and the cells past the last item show the background.
    Surface& surface = m_Box.surface();
    surface.Cls();
    m_Box.Refresh();
    const PaletteGeometry::Grid grid = Grid();
    if (!grid.Usable())
        return;
    const double pw = m_Source.PitchX();
    const double ph = m_Source.PitchY();
    const long long firstRow = m_Bar.value();
    for (long long r = 0; r < grid.rows; ++r) {
        for (long long c = 0; c < grid.columns; ++c) {
            const long long item = PaletteGeometry::SelectorCell(grid, firstRow, r, c);
            const double left = pw * double(c);
            const double top = ph * double(r);
            m_Source.DrawItem(item, surface, static_cast<int>(left) + 4, static_cast<int>(top) + 4);
            surface.Line(left + 3, top + 3, pw * double(c + 1), ph * double(r + 1), FrameColour,
                         false);
        }
    }
    m_Box.Refresh();
}

int SelectorPanel::ItemAt(int x, int y) const {
    const QPoint inner = PaletteGeometry::InnerPoint(x, y, m_Box.geometry(), m_Box.ScaleWidth(),
                                                     m_Box.ScaleHeight());
    const int item = PaletteGeometry::SelectorPick(
        inner.x(), inner.y(), m_Box.ScaleWidth(), m_Box.ScaleHeight(), m_Source.PitchX(),
        m_Source.PitchY(), Grid(), m_Bar.value(), m_Source.Count());
    return item < 0 ? -1 : item;
}

void SelectorPanel::Open(int s) {
    m_Box.raise();
    m_Box.show();
    const PaletteGeometry::Grid grid = WidgetGrid();
    const int top =
        PickerGeometry::OpeningTopRow(s, grid.columns, grid.rows, m_Bar.minimum(), m_Bar.maximum());
    m_Bar.setValue(top);
    const QPoint target = PickerGeometry::OpeningPointer(s, grid.columns, Whole(m_Source.PitchX()),
                                                         Whole(m_Source.PitchY()), m_Bar.value());
    MousePointer::MoveTo(&m_Box, target.x(), target.y());
}

bool SelectorPanel::DragScroll(double y) {
    switch (PickerGeometry::DragZoneOf(y, m_Box.y(), m_Box.height())) {
    case PickerGeometry::DragZone::Above:
        if (m_Bar.value() > 0)
            m_Bar.setValue(m_Bar.value() - 1);
        break;
    case PickerGeometry::DragZone::Below:
        if (m_Bar.value() < m_Bar.maximum())
            m_Bar.setValue(m_Bar.value() + 1);
        break;
    case PickerGeometry::DragZone::Inside:
        return false;
    }
    Paint();
    return true;
}

bool SelectorPanel::IsOpen() const {
    return !m_Box.isHidden();
}

void SelectorPanel::Close() {
    m_Box.hide();
}
