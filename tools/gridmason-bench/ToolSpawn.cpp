#include "ToolSpawn.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

QString ToolSpawn::ToolPath() {
    const QDir here(QCoreApplication::applicationDirPath());
    for (const QString& candidate :
         {QStringLiteral("../gridmason-tool/gridmason-tool"), QStringLiteral("gridmason-tool")})
        if (QFileInfo(here.filePath(candidate)).isExecutable())
            return QDir::cleanPath(here.filePath(candidate));
    return QString();
}

double ToolSpawn::Seconds(const QStringList& args) {
    std::vector<QByteArray> bytes;
    bytes.reserve(size_t(args.size()));
    for (const QString& arg : args)
        bytes.push_back(QFile::encodeName(arg));
    std::vector<char*> argv;
    argv.reserve(bytes.size() + 1);
    for (QByteArray& arg : bytes)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (spawned != 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        return -1;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double ToolSpawn::Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
