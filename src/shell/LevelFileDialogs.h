#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The file dialogs of the level files, through the installed Prompts.
namespace LevelFileDialogs {

// File, Open: "Open Levels" in `folder`, offering the level files of every
// episode; one or more existing files may be chosen. Empty when cancelled.
QStringList ChooseToOpen(QWidget* owner, const QString& folder);

// Save As: "Save File As" in `folder` with `name` filled in and the level
// files of `episode` offered. The dialog asks before replacing a file it
// shows. Empty when cancelled.
QString ChooseToSave(QWidget* owner, const QString& folder, const QString& name, int episode);

} // namespace LevelFileDialogs
