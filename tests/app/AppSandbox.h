#pragma once

#include "ScriptedPrompts.h"
#include "Settings.h"

#include <QFile>
#include <QTemporaryDir>

#include <memory>

// What each main-window test runs in: its own program folder and user
// configuration folder for the settings file, its own user data folder (the
// editor windows' recovery copies), and scripted prompts that answer every
// message and dialog.
struct AppSandbox {
    std::unique_ptr<QTemporaryDir> program;
    std::unique_ptr<QTemporaryDir> config;
    std::unique_ptr<QTemporaryDir> data;
    QByteArray dataHomeBefore;
    std::unique_ptr<ScriptedPrompts> prompts;
    std::unique_ptr<ScopedPrompts> installed;

    bool Begin() {
        program = std::make_unique<QTemporaryDir>();
        config = std::make_unique<QTemporaryDir>();
        data = std::make_unique<QTemporaryDir>();
        if (!program->isValid() || !config->isValid() || !data->isValid())
            return false;
        Settings::SetFoldersForTesting(program->path(), config->path());
        dataHomeBefore = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(data->path()));
        prompts = std::make_unique<ScriptedPrompts>();
        installed = std::make_unique<ScopedPrompts>(*prompts);
        return true;
    }

    void End() {
        installed.reset();
        prompts.reset();
        Settings::SetFoldersForTesting(QString(), QString());
        if (dataHomeBefore.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", dataHomeBefore);
        data.reset();
        config.reset();
        program.reset();
    }
};
