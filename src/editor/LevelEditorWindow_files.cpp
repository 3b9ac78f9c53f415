// The level's file: the name and folder Save As offers and the names it
// refuses, a save that cannot be written where the level came from, and
// another program changing the file while the level is open.

#include "LevelEditorWindow.h"

#include "DiskChangeBar.h"
#include "EditTool.h"
#include "EditorHost.h"
#include "GameLimits.h"
#include "LevelDocument.h"
#include "LevelFileDialogs.h"
#include "LevelFileName.h"
#include "LevelFolders.h"
#include "Prompts.h"

#include <QDir>
#include <QFileInfo>

namespace {

// A file that could not be read or written: the message names the file and
// the reason.
void ShowFileError(QWidget* owner, const IoResult& result) {
    Prompts::Current().Message(owner, result.error, QString(), Prompts::Buttons::Ok,
                               Prompts::Icon::Critical);
}

// Why `fileName` cannot be written because of its permissions or its
// disk, or "" when they allow it and the failure had another cause.
QString ReadOnlyReason(const QString& fileName) {
    const QFileInfo file(fileName);
    const QFileInfo folder(file.absolutePath());
    // A save replaces the file through a new one beside it: the folder
    // must take new files.
    if (folder.isDir() && !folder.isWritable())
        return LevelEditorWindow::tr("its folder %1 is read-only")
            .arg(QDir::toNativeSeparators(folder.absoluteFilePath()));
    if (file.exists() && !file.isWritable())
        return LevelEditorWindow::tr("the file is read-only");
    return QString();
}

} // namespace

LevelEditorWindow::SaveRoute LevelEditorWindow::RouteForChangedFile() {
    // A file that is gone is simply written again.
    if (m_Document->CheckDisk() != LevelDocument::DiskState::Changed)
        return SaveRoute::Here;
    const Prompts::Answer answer = Prompts::Current().Message(
        this, tr("%1 was changed by another program since you opened it.").arg(DocumentName()),
        tr("Warning"), Prompts::Buttons::OverwriteSaveAsCancel, Prompts::Icon::Exclamation);
    switch (answer) {
    case Prompts::Answer::Overwrite:
        return SaveRoute::Here;
    case Prompts::Answer::SaveAs:
        return SaveRoute::Elsewhere;
    default:
        return SaveRoute::Cancel;
    }
}

LevelEditorWindow::SaveRoute LevelEditorWindow::WriteLevel(const QString& fileName) {
    // A drag still in progress is part of what is written: the document
    // puts its step on the stack before the stack's state is called saved.
    const IoResult result = m_Document->Save(fileName);
    if (result)
        return SaveRoute::Here;
    const QString readOnly = ReadOnlyReason(fileName);
    if (readOnly.isEmpty()) {
        ShowFileError(this, result);
        return SaveRoute::Cancel;
    }
    const Prompts::Answer answer = Prompts::Current().Message(
        this,
        tr("%1 cannot be written: %2.\r\nSave it somewhere else?")
            .arg(QFileInfo(fileName).fileName(), readOnly),
        tr("Warning"), Prompts::Buttons::YesNo, Prompts::Icon::Exclamation);
    return answer == Prompts::Answer::Yes ? SaveRoute::Elsewhere : SaveRoute::Cancel;
}

bool LevelEditorWindow::SaveAsChosenFile() {
    const int episode = m_Level.Episode();
    QString folder = LevelFolders::ForSaving(FileName(), m_Host.LevelFolder());
    QString name = FileName().isEmpty()
                       ? LevelFileName::DefaultNameIn(
                             folder, episode, m_Level.Number() == GameLimits::MapLevelNumber)
                       : QFileInfo(FileName()).fileName();
    // Each refusal shows why and offers the dialog again with what was
    // typed, until a name is written or the dialog is cancelled.
    for (;;) {
        const QString typed =
            LevelFileDialogs::ChooseToSave(m_Host.HostWindow(), folder, name, episode);
        if (typed.isEmpty())
            return false;
        folder = QFileInfo(typed).absolutePath();
        name = QFileInfo(typed).fileName();
        const LevelFileName::Checked checked = LevelFileName::ForSaving(typed, episode);
        if (!checked.error.isEmpty()) {
            Prompts::Current().Message(this, checked.error, tr("Save File As"),
                                       Prompts::Buttons::Ok, Prompts::Icon::Exclamation);
            continue;
        }
        // The dialog asked about the name as typed; the name with its
        // extension added may be another file.
        if (checked.extended && QFileInfo::exists(checked.path)) {
            name = QFileInfo(checked.path).fileName();
            const Prompts::Answer replace = Prompts::Current().Message(
                this, tr("%1 already exists.\r\nDo you want to replace it?").arg(name),
                tr("Save File As"), Prompts::Buttons::YesNo, Prompts::Icon::Exclamation);
            if (replace != Prompts::Answer::Yes)
                continue;
        }
        switch (WriteLevel(checked.path)) {
        case SaveRoute::Here:
            m_Host.LevelSaved(checked.path);
            return true;
        case SaveRoute::Elsewhere:
            folder = LevelFolders::ForSaving(QString(), m_Host.LevelFolder());
            continue;
        case SaveRoute::Cancel:
            return false;
        }
    }
}

void LevelEditorWindow::CreateDiskWatch() {
    m_DiskBar = new DiskChangeBar(this);
    connect(
        m_Document, &LevelDocument::diskStateChanged, this,
        [this](LevelDocument::DiskState state) { m_DiskBar->ShowState(state, DocumentName()); });
    connect(m_DiskBar, &DiskChangeBar::shownChanged, this, [this] { LayOut(); });
    connect(m_DiskBar, &DiskChangeBar::reloadClicked, this, [this] { reloadFromDisk(); });
}

void LevelEditorWindow::reloadFromDisk() {
    CurrentTool().Cancel();
    const IoResult result = m_Document->Reload();
    if (!result)
        ShowFileError(this, result);
}
