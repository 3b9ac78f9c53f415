#include "TileBehaviourLoader.h"

#include "BoundedFileReader.h"
#include "DosProgram.h"
#include "FolderBitmapSource.h"
#include "PatchScript.h"
#include "TileTableFinder.h"

#include <QDir>
#include <QFileInfo>
#include <vector>

namespace {

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString hex(qsizetype offset) {
    return QStringLiteral("0x") + QString::number(offset, 16).toUpper();
}

// The patch scripts for `episode` in `folder`, in name order.
IoResult readScripts(const QString& folder, int episode, std::vector<PatchScript>& scripts) {
    const QStringList names =
        QDir(folder).entryList({QStringLiteral("*.pat")}, QDir::Files, QDir::Name);
    for (const QString& name : names) {
        PatchScript script;
        const IoResult read = PatchScript::Read(QDir(folder).filePath(name), episode, script);
        if (!read)
            return read;
        if (script.Episode() == episode)
            scripts.push_back(script);
    }
    return IoResult::success();
}

// The table of `module`, the load module of the program at `programPath`,
// as the game runs it patched by `script` (or as it is, when null).
IoResult tableAsRun(const QByteArray& module, const PatchScript* script, const QString& programPath,
                    int episode, TileBehaviour& table, QString& source) {
    QByteArray patched = module;
    if (script)
        script->Apply(patched);
    qsizetype offset = 0;
    const IoResult result = TileTableFinder::Find(patched, episode, table, offset);
    const QString program = QFileInfo(programPath).fileName();
    const QString name =
        script ? TileBehaviourLoader::tr("%1 patched by %2").arg(program, script->Name()) : program;
    if (!result)
        return IoResult::failure(
            TileBehaviourLoader::tr("The tile behaviour of episode %1 cannot be read from %2 in "
                                    "\"%3\": %4.")
                .arg(episode)
                .arg(name, native(QFileInfo(programPath).path()), result.error));
    source = TileBehaviourLoader::tr("%1, table at %2").arg(name, hex(offset));
    return IoResult::success();
}

// The table of the program at `programPath` as the game runs it. Without a
// patch script for the episode beside it the program runs as it is. With
// several, which one the player runs the game with is written nowhere, so
// they must agree on the table.
IoResult loadFromProgram(const QString& programPath, int episode, TileBehaviour& table,
                         QString& source) {
    QByteArray module;
    const IoResult loaded = DosProgram::LoadModuleFile(programPath, module);
    if (!loaded)
        return loaded;
    std::vector<PatchScript> scripts;
    const IoResult scriptsRead = readScripts(QFileInfo(programPath).path(), episode, scripts);
    if (!scriptsRead)
        return scriptsRead;
    if (scripts.empty())
        return tableAsRun(module, nullptr, programPath, episode, table, source);
    TileBehaviour first;
    QString firstSource;
    for (const PatchScript& script : scripts) {
        TileBehaviour found;
        QString foundSource;
        const IoResult result =
            tableAsRun(module, &script, programPath, episode, found, foundSource);
        if (!result)
            return result;
        if (firstSource.isEmpty()) {
            first = found;
            firstSource = foundSource;
        } else if (!(found == first)) {
            return IoResult::failure(
                TileBehaviourLoader::tr("The patch scripts %1 and %2 in \"%3\" give episode %4 "
                                        "different tile behaviour, and which one the game runs "
                                        "with cannot be told. Keep only the one you play with "
                                        "beside the game.")
                    .arg(scripts.front().Name(), script.Name(),
                         native(QFileInfo(programPath).path()))
                    .arg(episode));
        }
    }
    table = first;
    source = firstSource;
    return IoResult::success();
}

} // namespace

QString TileBehaviourLoader::TableFileName(int episode) {
    return QStringLiteral("TILEINFO.CK%1").arg(episode);
}

QString TileBehaviourLoader::ProgramName(int episode) {
    return QStringLiteral("KEEN%1.EXE").arg(episode);
}

IoResult TileBehaviourLoader::ReadTableFile(const QString& path, TileBehaviour& table) {
    QByteArray bytes;
    const IoResult read =
        BoundedFileReader::Read(path, qint64(TileBehaviour::MaxTiles) * TileBehaviour::BytesPerTile,
                                tr("tile behaviour file"), bytes);
    if (!read)
        return read;
    auto fail = [&path](const QString& reason) {
        return IoResult::failure(
            tr("The tile behaviour file \"%1\" cannot be used: %2.").arg(native(path), reason));
    };
    if (bytes.isEmpty() || bytes.size() % TileBehaviour::BytesPerTile != 0)
        return fail(tr("it is %1 bytes long, not six planes of two bytes a tile (a multiple of %2)")
                        .arg(bytes.size())
                        .arg(TileBehaviour::BytesPerTile));
    const int count = int(bytes.size() / TileBehaviour::BytesPerTile);
    const QString misfit = TileBehaviour::Misfit(bytes, 0, count);
    if (!misfit.isEmpty())
        return fail(misfit);
    table = TileBehaviour::FromBytes(bytes, 0, count);
    return IoResult::success();
}

IoResult TileBehaviourLoader::Load(const QString& folder, int episode, TileBehaviour& table,
                                   QString& source) {
    if (TileTableFinder::TableTiles(episode) == 0)
        return IoResult::failure(
            tr("The game has episodes 1, 2 and 3; there is no tile behaviour for episode %1.")
                .arg(episode));
    const QString program = FolderBitmapSource::FindFile(folder, ProgramName(episode));
    if (!folder.isEmpty() && !program.isEmpty())
        return loadFromProgram(program, episode, table, source);
    const QString tableFile = FolderBitmapSource::FindFile(folder, TableFileName(episode));
    if (folder.isEmpty() || tableFile.isEmpty())
        return IoResult::failure(
            tr("There is no tile behaviour for episode %1: the folder \"%2\" holds neither %3 nor "
               "%4.")
                .arg(episode)
                .arg(native(folder), ProgramName(episode), TableFileName(episode)));
    TileBehaviour read;
    const IoResult result = ReadTableFile(tableFile, read);
    if (!result)
        return result;
    table = read;
    source = QFileInfo(tableFile).fileName();
    return IoResult::success();
}

IoResult TileBehaviourLoader::LoadFor(int episode, const QString& gameFolder,
                                      const QString& graphicsFolder, TileBehaviour& table,
                                      QString& source) {
    const bool gameHasProgram =
        !gameFolder.isEmpty() &&
        !FolderBitmapSource::FindFile(gameFolder, ProgramName(episode)).isEmpty();
    return Load(gameHasProgram ? gameFolder : graphicsFolder, episode, table, source);
}
