#include "LevelEditorWindow.h"

#include "EditToolBox.h"

#include "CanvasGeometry.h"
#include "CanvasView.h"
#include "EditGeometry.h"
#include "PickerButton.h"
#include "PictureBox.h"
#include "Prompts.h"

#include <QLabel>
#include <QScrollBar>

namespace {

void ApplyRange(QScrollBar* bar, const ScrollRange& range) {
    // Lowering the maximum below the value moves the value, which reports
    // a change and redraws the canvas.
    bar->setMinimum(0);
    bar->setMaximum(range.max);
    bar->setPageStep(range.largeChange);
    bar->setEnabled(range.enabled);
}

} // namespace

void LevelEditorWindow::RedrawEdit() {
    m_Canvas->SetShowInfoValues(m_ShowInfoValues);
    m_Canvas->Redraw(scrEditX->value(), scrEditY->value());
}

void LevelEditorWindow::picEdit_Paint() {
    RedrawEdit();
}

void LevelEditorWindow::scrEditX_Change() {
    if (!m_SuppressRedraw)
        m_Canvas->ScrollTo(scrEditX->value(), scrEditY->value());
}

void LevelEditorWindow::scrEditX_Scroll() {
    if (!m_SuppressRedraw)
        m_Canvas->ScrollTo(scrEditX->value(), scrEditY->value());
}

void LevelEditorWindow::scrEditY_Change() {
    if (!m_SuppressRedraw)
        m_Canvas->ScrollTo(scrEditX->value(), scrEditY->value());
}

void LevelEditorWindow::scrEditY_Scroll() {
    if (!m_SuppressRedraw)
        m_Canvas->ScrollTo(scrEditX->value(), scrEditY->value());
}

void LevelEditorWindow::picEditHolder_Resize() {
    const int sw = picEditHolder->ScaleWidth();
    const int sh = picEditHolder->ScaleHeight();

    scrEditX->setGeometry(0, sh - scrEditX->height(), qMax(0, sw - cmdLevelPreview->width()),
                          scrEditX->height());
    ApplyRange(scrEditX, CanvasGeometry::Range(m_Level.Width(),
                                               m_Canvas->CellsAcross(sw - scrEditX->height()),
                                               m_Canvas->CellsAcross(sw)));

    scrEditY->setGeometry(sw - scrEditY->width(), 0, scrEditY->width(),
                          qMax(0, sh - cmdLevelPreview->height()));
    ApplyRange(scrEditY,
               CanvasGeometry::Range(m_Level.Height(), m_Canvas->CellsDown(sh - scrEditY->width()),
                                     m_Canvas->CellsDown(sh)));

    cmdLevelPreview->move(sw - cmdLevelPreview->width(), sh - cmdLevelPreview->height());
    picEdit->setGeometry(0, 0, qMax(0, sw - scrEditY->width()), qMax(0, sh - scrEditX->height()));
}

void LevelEditorWindow::chooseMode(int index) {
    m_Selection.SetMode(index);
    m_Tools->ModeChanged();
    emit toolStatusChanged();
}

void LevelEditorWindow::modeButtonFocused(int) {
    m_ToolPanel->setFocus();
}

void LevelEditorWindow::showScrollReport() {
    Prompts::Current().Message(
        this,
        EditGeometry::ScrollReportText(scrEditY->maximum(), scrEditY->minimum(), scrEditY->value()),
        QString(), Prompts::Buttons::Ok, Prompts::Icon::None);
}
