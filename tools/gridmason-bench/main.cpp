#include "Benchmark.h"

#include <QApplication>
#include <QCommandLineParser>
#include <algorithm>

namespace {
std::vector<const Benchmark*>& registry() {
    static std::vector<const Benchmark*> benchmarks;
    return benchmarks;
}
} // namespace

Benchmark::Benchmark(const char* benchmarkName, Run benchmarkRun, const char* benchmarkSummary)
    : name(benchmarkName), run(std::move(benchmarkRun)), summary(benchmarkSummary) {
    registry().push_back(this);
}

const std::vector<const Benchmark*>& Benchmark::all() {
    return registry();
}

double secondsPerCall(const std::function<void()>& work, int minimumCalls) {
    using Clock = std::chrono::steady_clock;
    // Grow the batch until it takes long enough to time, then keep the best
    // of five batches: the least disturbed by other work on the machine.
    int calls = std::max(1, minimumCalls);
    for (;;) {
        const auto start = Clock::now();
        for (int i = 0; i < calls; ++i)
            work();
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        if (seconds > 0.05 || calls > (1 << 24))
            break;
        calls *= 2;
    }
    double best = 1e300;
    for (int batch = 0; batch < 5; ++batch) {
        const auto start = Clock::now();
        for (int i = 0; i < calls; ++i)
            work();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count() / calls);
    }
    return best;
}

double fastestCall(const std::function<void()>& work, int calls) {
    using Clock = std::chrono::steady_clock;
    double best = 1e300;
    for (int i = 0; i < calls; ++i) {
        const auto start = Clock::now();
        work();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return best;
}

namespace {

void printHelp(QTextStream& out) {
    out << "usage: gridmason-bench [NAME...]\n\n"
           "Runs the benchmarks named, or all of them, and prints each figure as a ratio\n"
           "against a baseline measured in the same run.\n\nbenchmarks:\n";
    // The names' column is as wide as the longest name, and a space more.
    int width = 0;
    for (const Benchmark* benchmark : Benchmark::all())
        width = std::max(width, int(qstrlen(benchmark->name)));
    for (const Benchmark* benchmark : Benchmark::all())
        out << "  " << qSetFieldWidth(width + 2) << Qt::left << benchmark->name << qSetFieldWidth(0)
            << benchmark->summary << "\n";
}

const Benchmark* find(const QString& name) {
    for (const Benchmark* benchmark : Benchmark::all())
        if (name == QLatin1String(benchmark->name))
            return benchmark;
    return nullptr;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QCommandLineParser parser;
    const QCommandLineOption help = parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("NAME"), QStringLiteral("a benchmark to run"),
                                 QStringLiteral("[NAME...]"));
    if (!parser.parse(app.arguments())) {
        err << "gridmason-bench: " << parser.errorText() << "\n\n";
        printHelp(err);
        return 2;
    }
    if (parser.isSet(help)) {
        printHelp(out);
        return 0;
    }
    std::vector<const Benchmark*> chosen;
    for (const QString& name : parser.positionalArguments()) {
        const Benchmark* benchmark = find(name);
        if (!benchmark) {
            err << "gridmason-bench: no benchmark called '" << name << "'\n\n";
            printHelp(err);
            return 2;
        }
        chosen.push_back(benchmark);
    }
    if (chosen.empty())
        chosen = Benchmark::all();
    for (const Benchmark* benchmark : chosen) {
        out << "== " << benchmark->name << " ==\n";
        out.flush();
        benchmark->run(out);
        out.flush();
    }
    return 0;
}
