#include "Benchmark.h"

#include <QApplication>
#include <algorithm>

namespace {
std::vector<const Benchmark*>& registry() {
    static std::vector<const Benchmark*> benchmarks;
    return benchmarks;
}
} // namespace

Benchmark::Benchmark(const char* benchmarkName, Run benchmarkRun)
    : name(benchmarkName), run(std::move(benchmarkRun)) {
    registry().push_back(this);
}

const std::vector<const Benchmark*>& Benchmark::all() { return registry(); }

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

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList only = app.arguments().mid(1);
    for (const Benchmark* benchmark : Benchmark::all()) {
        if (!only.isEmpty() && !only.contains(QLatin1String(benchmark->name)))
            continue;
        out << "== " << benchmark->name << " ==\n";
        benchmark->run(out);
        out.flush();
    }
    return 0;
}
