// gridmason's command line: level files to open, or --help and --version,
// which print and end the program without a window, even with no screen.

#include "CommandLine.h"
#include "TestMain.h"
#include "TestPaths.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {

using Request = CommandLine::Request;

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

// The built program with no screen to show a window on.
Run runWithoutScreen(const QStringList& args) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(GM_BINARY_DIR "/gridmason"), args);
    Run run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

} // namespace

Q_DECLARE_METATYPE(CommandLine::Request)

class tst_CommandLine : public QObject {
    Q_OBJECT

private slots:
    void parse_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<Request>("request");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("nothing") << QStringList{} << Request::OpenFiles << QStringList{};
        QTest::newRow("levels") << QStringList{"LEVEL01.CK1", "b/LEVEL02.CK2"} << Request::OpenFiles
                                << QStringList{"LEVEL01.CK1", "b/LEVEL02.CK2"};
        QTest::newRow("a level named like an option")
            << QStringList{"--", "--help"} << Request::OpenFiles << QStringList{"--help"};
        QTest::newRow("--help") << QStringList{"LEVEL01.CK1", "--help"} << Request::Help
                                << QStringList{};
        QTest::newRow("-h") << QStringList{"-h"} << Request::Help << QStringList{};
        QTest::newRow("--help beside the windowing system's options")
            << QStringList{"-platform", "offscreen", "--help"} << Request::Help << QStringList{};
        QTest::newRow("--version") << QStringList{"--version"} << Request::Version << QStringList{};
        QTest::newRow("-v") << QStringList{"-v"} << Request::Version << QStringList{};
        QTest::newRow("unknown option")
            << QStringList{"--frobnicate", "LEVEL01.CK1"} << Request::Invalid << QStringList{};
        QTest::newRow("the windowing system's -reverse is not -v")
            << QStringList{"-reverse", "LEVEL01.CK1"} << Request::Invalid << QStringList{};
        QTest::newRow("the windowing system's -stylesheet is not -h")
            << QStringList{"-stylesheet", "a.qss"} << Request::Invalid << QStringList{};
        QTest::newRow("--help-all is not ours")
            << QStringList{"--help-all"} << Request::Invalid << QStringList{};
    }

    void parse() {
        QFETCH(QStringList, args);
        QFETCH(Request, request);
        QFETCH(QStringList, files);
        const CommandLine commandLine(QStringList{"gridmason"} + args);
        QCOMPARE(commandLine.Requested(), request);
        QCOMPARE(commandLine.Files(), files);
        QCOMPARE(commandLine.Error().isEmpty(), request != Request::Invalid);
    }

    void printsWithoutAScreen_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("--help") << QStringList{"--help"}
                                << "^Usage: gridmason \\[options\\] \\[LEVEL\\.\\.\\.\\]\n.*"
                                   "-v, --version.*LEVEL +a level file to open\n$";
        QTest::newRow("--version")
            << QStringList{"--version"}
            << "^gridmason " + QRegularExpression::escape(GM_PROJECT_VERSION) + "\n$";
    }

    void printsWithoutAScreen() {
        QFETCH(QStringList, args);
        QFETCH(QString, pattern);
        const Run run = runWithoutScreen(args);
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption)
                     .match(run.out)
                     .hasMatch(),
                 qPrintable(run.out));
        QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
    }

    // The manual page names every option the help lists.
    void manualAgreesWithHelp() {
        QFile page(GM_SOURCE_DIR "/dist/man/gridmason.1.in");
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QString manual = QString::fromUtf8(page.readAll());
        static const QRegularExpression option("^  (?:-([a-z]), )?--([a-z-]+)",
                                               QRegularExpression::MultilineOption);
        int options = 0;
        for (const auto& match : option.globalMatch(CommandLine::HelpText())) {
            ++options;
            QVERIFY2(manual.contains("\\-\\-" + match.captured(2).replace('-', "\\-")),
                     qPrintable(match.captured(2)));
            if (!match.captured(1).isEmpty())
                QVERIFY2(manual.contains(".BR \\-" + match.captured(1)),
                         qPrintable(match.captured(1)));
        }
        QCOMPARE(options, 2);
    }
};

GM_TEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_CommandLine.moc"
