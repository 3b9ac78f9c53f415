#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// File dialogs asked for through the installed Prompts, with their filters
// written as one text: description and pattern items separated by "|" (or
// ":"), several patterns in one item separated by ";", for example
// "Keen Bitmaps|*.bmp|All Files|*". Whichever dialog Prompts shows (the
// platform's or Qt's own), name filters match file names in any letter
// case, so "Level??.ck1" also offers LEVEL01.CK1. The level files' own
// dialogs are in LevelFileDialogs.
namespace FileDialogs {

// The filter text as Qt name filters, one per description and pattern pair:
// "Keen Bitmaps (*.bmp)". A description without a pattern is dropped; an
// empty pattern matches every file.
QStringList QtNameFilters(const QString& filter);

// An open-file dialog titled `caption`, starting in `folder` (read with "\"
// as a separator where it does not exist as written) and offering
// `filter`'s first filter; with `mustExist` only an existing file is taken.
// The chosen file's full path, or "" when cancelled.
QString ChooseFileToOpen(QWidget* owner, const QString& caption, const QString& folder,
                         const QString& filter, bool mustExist);

// A save-file dialog titled `caption`, starting in `folder` with
// `fileName`, offering `filter`'s first filter and asking before an
// existing file is replaced. The chosen full path, or "" when cancelled.
QString ChooseFileToSave(QWidget* owner, const QString& caption, const QString& folder,
                         const QString& fileName, const QString& filter);

} // namespace FileDialogs
