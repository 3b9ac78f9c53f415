#include "LevelEditorWindow.h"

#include "EditToolBox.h"

#include "CanvasView.h"
#include "EditGeometry.h"
#include "LevelCanvas.h"
#include "Prompts.h"

void LevelEditorWindow::RedrawEdit() {
    m_Canvas->SetShowInfoValues(m_ShowInfoValues);
    m_LevelCanvas->Redraw();
}

void LevelEditorWindow::RelayoutCanvas() {
    m_LevelCanvas->Relayout();
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
    Prompts::Current().Message(this,
                               EditGeometry::ScrollReportText(m_LevelCanvas->OriginMax().y(), 0,
                                                              m_LevelCanvas->Origin().y()),
                               QString(), Prompts::Buttons::Ok, Prompts::Icon::None);
}
