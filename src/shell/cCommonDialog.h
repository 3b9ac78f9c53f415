#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The open-file and save-file dialogs. A caller makes one object for one
// call. The arguments come in and go out by reference, as the callers read
// the chosen file, the final filter and the options back from them.
//
// A filter list is written as description and pattern items separated by
// "|" (or ":"), for example "Keen Bitmaps|*.bmp"; several patterns in one
// item are separated by ";". Whichever dialog Prompts shows (the
// platform's or Qt's own), name filters match file names in any letter
// case, so "Level??.ck1" also offers LEVEL01.CK1.
class cCommonDialog {
public:
    // Option bits, as the callers pass and get them back.
    static constexpr qint32 OFN_READONLY = 0x1;
    static constexpr qint32 OFN_OVERWRITEPROMPT = 0x2;
    static constexpr qint32 OFN_HIDEREADONLY = 0x4;
    static constexpr qint32 OFN_ENABLEHOOK = 0x20;
    static constexpr qint32 OFN_ENABLETEMPLATE = 0x40;
    static constexpr qint32 OFN_ALLOWMULTISELECT = 0x200;
    static constexpr qint32 OFN_FILEMUSTEXIST = 0x1000;
    static constexpr qint32 OFN_EXPLORER = 0x80000;
    static constexpr qint32 OFN_LONGNAMES = 0x200000;

    // True when the user chose a file: `Filename` is then its full path,
    // `FileTitle` its bare name, `Filter` the chosen filter's description,
    // `FilterIndex` the chosen filter (from 1) and `flags` the options the
    // dialog ran with. On a cancel: false, the three texts empty, flags 0.
    // `Owner` nullptr means no owner.
    bool VBGetOpenFileName(QString& Filename, QString& FileTitle, bool FileMustExist,
                           bool MultiSelect, bool& ReadOnly, bool HideReadOnly, QString& Filter,
                           qint32& FilterIndex, const QString& InitDir, const QString& DlgTitle,
                           const QString& DefaultExt, QWidget* Owner, qint32& flags);
    bool VBGetSaveFileName(QString& Filename, QString& FileTitle, bool OverWritePrompt,
                           QString& Filter, qint32& FilterIndex, const QString& InitDir,
                           const QString& DlgTitle, const QString& DefaultExt, QWidget* Owner,
                           qint32& flags);

    // 1 after a choice, 0 after a cancel; 0 at the start of each call.
    qint32 APIReturn() const { return m_APIReturn; }
    // Qt's dialog has no failure of its own, so this stays 0.
    qint32 ExtendedError() const { return m_ExtendedError; }

    // The filter list as the platform dialog takes it: every "|" and ":"
    // replaced by NUL, followed by two more NULs.
    static QString NulSeparatedFilter(const QString& filter);
    // The description and pattern items of a filter list.
    static QStringList FilterItems(const QString& filter);
    // The filter list as Qt name filters, one per description and pattern
    // pair: "Keen Bitmaps (*.bmp)". A description without a pattern is
    // dropped; an empty pattern matches every file.
    static QStringList QtNameFilters(const QString& filter);
    // The options given to the dialog.
    static qint32 OpenOptions(bool FileMustExist, bool MultiSelect, bool ReadOnly,
                              bool HideReadOnly, qint32 flags);
    static qint32 SaveOptions(bool OverWritePrompt, qint32 flags);
    // `chosen` with "." and `defaultExt` appended when its bare name has no
    // extension and `defaultExt` is not empty.
    static QString WithDefaultExtension(const QString& chosen, const QString& defaultExt);

private:
    bool Run(bool save, QString& Filename, QString& FileTitle, bool mustExist, bool overwritePrompt,
             QString& Filter, qint32& FilterIndex, const QString& InitDir, const QString& DlgTitle,
             const QString& DefaultExt, QWidget* Owner, qint32& flags, qint32 options);
    void SetCancelOutputs(QString& Filename, QString& FileTitle, QString& Filter, qint32& flags);

    qint32 m_APIReturn = 0;
    qint32 m_ExtendedError = 0;
};
