#include "FileDialogs.h"

#include "PathText.h"
#include "Prompts.h"

#include <QRegularExpression>

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

QStringList FileDialogs::QtNameFilters(const QString& filter) {
    if (filter.isEmpty())
        return {};
    static const QRegularExpression separator(QStringLiteral("[|:]"));
    const QStringList items = filter.split(separator);
    QStringList filters;
    for (qsizetype i = 0; i + 1 < items.size(); i += 2)
        filters << QStringLiteral("%1 (%2)").arg(items.at(i), qtPatterns(items.at(i + 1)));
    return filters;
}

QString FileDialogs::ChooseFileToOpen(QWidget* owner, const QString& caption, const QString& folder,
                                      const QString& filter, bool mustExist) {
    Prompts::FileRequest request;
    request.caption = caption;
    request.initialDir = PathText::Slashed(folder);
    request.filters = QtNameFilters(filter);
    request.fileMustExist = mustExist;
    request.owner = owner;
    QStringList chosen;
    if (!Prompts::Current().ChooseFile(request, chosen) || chosen.isEmpty())
        return QString();
    return chosen.constFirst();
}

QString FileDialogs::ChooseFileToSave(QWidget* owner, const QString& caption, const QString& folder,
                                      const QString& fileName, const QString& filter) {
    Prompts::FileRequest request;
    request.save = true;
    request.caption = caption;
    request.initialDir = PathText::Slashed(folder);
    request.fileName = fileName;
    request.filters = QtNameFilters(filter);
    request.overwritePrompt = true;
    request.owner = owner;
    QStringList chosen;
    if (!Prompts::Current().ChooseFile(request, chosen) || chosen.isEmpty())
        return QString();
    return chosen.constFirst();
}
