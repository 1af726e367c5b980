// What the benchmarks share: a work directory, drawers of many entries made on the host, and a reporter that keeps each run's time for the ratios.
#ifndef BENCH_SUPPORT_BENCH_SUPPORT_H
#define BENCH_SUPPORT_BENCH_SUPPORT_H

#include <benchmark/benchmark.h>

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace kvbench {

// A fresh directory PREFIX-XXXXXX under $TMPDIR (else /tmp); "" when it
// cannot be made.
std::string MakeWorkDirectory(const std::string &prefix);

// Removes a directory and all it holds; says so on stderr when it cannot.
void RemoveTree(const std::string &path);

// One entry of a benchmark drawer: a drawer, or a file of `size` bytes.
struct DrawerEntry {
    std::string name;
    bool drawer = false;
    std::size_t size = 0;
};

// Makes `drawer` and `count` entries in it, entry i as `entryOf(i)` gives
// it (a file's bytes are its own path, repeated). False when one of them
// cannot be made.
bool MakeDrawer(const std::string &drawer, long count, const std::function<DrawerEntry(long)> &entryOf);

// Initialises the benchmark library from the command line with the
// repetitions interleaved, so that a benchmark and its host counterpart
// meet the same cache.
void InitializeInterleaved(int argc, char **argv);

// Prints the runs as the console reporter does and keeps each benchmark's
// time per iteration, by name ("Function" or "Function/args"): the median
// of its repetitions when it has them, else its first run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override;

    std::map<std::string, double> times;      // real time
    std::map<std::string, double> cpuTimes;   // of this process: a child's own time is not in it
};

}  // namespace kvbench

#endif  // BENCH_SUPPORT_BENCH_SUPPORT_H
