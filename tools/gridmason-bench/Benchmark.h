#pragma once

#include <QTextStream>
#include <chrono>
#include <functional>

// One benchmark of gridmason-bench. Each lives in its own file and registers
// itself with a static Benchmark object. Figures are printed as ratios
// against a baseline measured in the same run, never as bare times.
struct Benchmark {
    using Run = std::function<void(QTextStream& out)>;
    Benchmark(const char* name, Run run, const char* summary = "");
    static const std::vector<const Benchmark*>& all();

    const char* name;
    Run run;
    const char* summary; // one line for the list of benchmarks
};

// Seconds per call of `work`, the best of several timed batches.
double secondsPerCall(const std::function<void()>& work, int minimumCalls = 5);
// The seconds of the fastest of `calls` single calls of `work`: for work of
// about a millisecond, the least disturbed by other work on the machine.
double fastestCall(const std::function<void()>& work, int calls);
