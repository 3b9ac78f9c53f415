#include "cCommonDialog.h"

#include "PathText.h"
#include "Prompts.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

// A pattern item may list several patterns separated by ";"; Qt separates
// them by blanks.
QString qtPatterns(const QString& item) {
    QStringList patterns = item.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& p : patterns)
        p = p.trimmed();
    patterns.removeAll(QString());
    return patterns.isEmpty() ? QStringLiteral("*") : patterns.join(QLatin1Char(' '));
}

} // namespace

QString cCommonDialog::NulSeparatedFilter(const QString& filter) {
    QString result = filter;
    result.replace(QLatin1Char('|'), QChar(0));
    result.replace(QLatin1Char(':'), QChar(0));
    result += QChar(0);
    result += QChar(0);
    return result;
}

QStringList cCommonDialog::FilterItems(const QString& filter) {
    if (filter.isEmpty())
        return {};
    return filter.split(QRegularExpression(QStringLiteral("[|:]")));
}

QStringList cCommonDialog::QtNameFilters(const QString& filter) {
    const QStringList items = FilterItems(filter);
    QStringList filters;
    for (qsizetype i = 0; i + 1 < items.size(); i += 2)
        filters << QStringLiteral("%1 (%2)").arg(items.at(i), qtPatterns(items.at(i + 1)));
    return filters;
}

qint32 cCommonDialog::OpenOptions(bool FileMustExist, bool MultiSelect, bool ReadOnly,
                                  bool HideReadOnly, qint32 flags) {
    qint32 options = flags & ~(OFN_ENABLEHOOK | OFN_ENABLETEMPLATE);
    if (FileMustExist)
        options |= OFN_FILEMUSTEXIST;
    if (MultiSelect)
        options |= OFN_ALLOWMULTISELECT;
    if (ReadOnly)
        options |= OFN_READONLY;
    if (HideReadOnly)
        options |= OFN_HIDEREADONLY;
    return options;
}

qint32 cCommonDialog::SaveOptions(bool OverWritePrompt, qint32 flags) {
    qint32 options = (flags & ~(OFN_ENABLEHOOK | OFN_ENABLETEMPLATE)) | OFN_HIDEREADONLY;
    if (OverWritePrompt)
        options |= OFN_OVERWRITEPROMPT;
    return options;
}

QString cCommonDialog::WithDefaultExtension(const QString& chosen, const QString& defaultExt) {
    if (defaultExt.isEmpty() || PathText::BareName(chosen).contains(QLatin1Char('.')))
        return chosen;
    return chosen + QLatin1Char('.') + defaultExt;
}

bool cCommonDialog::VBGetOpenFileName(QString& Filename, QString& FileTitle, bool FileMustExist,
                                      bool MultiSelect, bool& ReadOnly, bool HideReadOnly,
                                      QString& Filter, qint32& FilterIndex, const QString& InitDir,
                                      const QString& DlgTitle, const QString& DefaultExt,
                                      QWidget* Owner, qint32& flags) {
    const qint32 options = OpenOptions(FileMustExist, MultiSelect, ReadOnly, HideReadOnly, flags);
    if (!Run(false, Filename, FileTitle, FileMustExist, false, Filter, FilterIndex, InitDir,
             DlgTitle, DefaultExt, Owner, flags, options))
        return false;
    // Qt's dialog has no read-only box: the option comes back as it went in.
    if (options & OFN_READONLY)
        ReadOnly = true;
    return true;
}

bool cCommonDialog::VBGetSaveFileName(QString& Filename, QString& FileTitle, bool OverWritePrompt,
                                      QString& Filter, qint32& FilterIndex, const QString& InitDir,
                                      const QString& DlgTitle, const QString& DefaultExt,
                                      QWidget* Owner, qint32& flags) {
    const qint32 options = SaveOptions(OverWritePrompt, flags);
    return Run(true, Filename, FileTitle, false, OverWritePrompt, Filter, FilterIndex, InitDir,
               DlgTitle, DefaultExt, Owner, flags, options);
}

bool cCommonDialog::Run(bool save, QString& Filename, QString& FileTitle, bool mustExist,
                        bool overwritePrompt, QString& Filter, qint32& FilterIndex,
                        const QString& InitDir, const QString& DlgTitle, const QString& DefaultExt,
                        QWidget* Owner, qint32& flags, qint32 options) {
    m_APIReturn = 0;
    m_ExtendedError = 0;

    Prompts::FileRequest request;
    request.save = save;
    request.caption = DlgTitle;
    request.initialDir = PathText::Slashed(InitDir);
    request.fileName = Filename;
    request.filters = QtNameFilters(Filter);
    request.filterIndex = FilterIndex;
    request.fileMustExist = mustExist;
    request.overwritePrompt = overwritePrompt;
    request.owner = Owner;

    QStringList chosen;
    if (!Prompts::Current().ChooseFile(request, chosen) || chosen.isEmpty() ||
        chosen.constFirst().isEmpty()) {
        SetCancelOutputs(Filename, FileTitle, Filter, flags);
        return false;
    }
    m_APIReturn = 1;
    Filename = WithDefaultExtension(chosen.constFirst(), DefaultExt);
    FileTitle = PathText::BareName(Filename);
    FilterIndex = request.filterIndex;
    const QStringList items = FilterItems(Filter);
    const qsizetype description = 2 * (qsizetype(FilterIndex) - 1);
    Filter = description >= 0 && description < items.size() ? items.at(description) : QString();
    flags = options;
    return true;
}

void cCommonDialog::SetCancelOutputs(QString& Filename, QString& FileTitle, QString& Filter,
                                     qint32& flags) {
    Filename.clear();
    FileTitle.clear();
    Filter.clear();
    flags = 0;
}
