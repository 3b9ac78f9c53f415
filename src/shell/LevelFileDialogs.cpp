#include "LevelFileDialogs.h"

#include "FileDialogs.h"
#include "GameLimits.h"
#include "PathText.h"
#include "Prompts.h"

#include <QCoreApplication>

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("LevelFileDialogs", text);
}

Prompts::FileRequest levelRequest(QWidget* owner, const QString& folder) {
    Prompts::FileRequest request;
    request.owner = owner;
    request.initialDir = PathText::Slashed(folder);
    request.filters = FileDialogs::QtNameFilters(tr(GameLimits::LevelFileFilter));
    return request;
}

} // namespace

namespace LevelFileDialogs {

QStringList ChooseToOpen(QWidget* owner, const QString& folder) {
    Prompts::FileRequest request = levelRequest(owner, folder);
    request.caption = tr("Open Levels");
    request.fileMustExist = true;
    request.multiSelect = true;
    QStringList chosen;
    if (!Prompts::Current().ChooseFile(request, chosen))
        return {};
    chosen.removeAll(QString());
    return chosen;
}

QString ChooseToSave(QWidget* owner, const QString& folder, const QString& name, int episode) {
    Prompts::FileRequest request = levelRequest(owner, folder);
    request.save = true;
    request.caption = tr("Save File As");
    request.fileName = name;
    request.overwritePrompt = true;
    // After "All Levels", one filter per episode.
    if (episode >= 1 && episode <= 3)
        request.filterIndex = episode + 1;
    QStringList chosen;
    if (!Prompts::Current().ChooseFile(request, chosen) || chosen.isEmpty())
        return QString();
    return chosen.constFirst();
}

} // namespace LevelFileDialogs
