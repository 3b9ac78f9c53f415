#pragma once

#include "ScriptedPrompts.h"
#include "Utils.h"

#include <QTemporaryDir>

#include <memory>

// What each main-window test runs in: its own program folder and user
// configuration folder for the settings file, and scripted prompts that
// answer every message and dialog.
struct AppSandbox {
    std::unique_ptr<QTemporaryDir> program;
    std::unique_ptr<QTemporaryDir> config;
    std::unique_ptr<ScriptedPrompts> prompts;
    std::unique_ptr<ScopedPrompts> installed;

    bool Begin() {
        program = std::make_unique<QTemporaryDir>();
        config = std::make_unique<QTemporaryDir>();
        if (!program->isValid() || !config->isValid())
            return false;
        SetSettingsDirectoriesForTesting(program->path(), config->path());
        prompts = std::make_unique<ScriptedPrompts>();
        installed = std::make_unique<ScopedPrompts>(*prompts);
        return true;
    }

    void End() {
        installed.reset();
        prompts.reset();
        SetSettingsDirectoriesForTesting(QString(), QString());
        config.reset();
        program.reset();
    }
};
