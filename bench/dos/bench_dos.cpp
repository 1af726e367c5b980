// dos against the host: scanning a drawer of 10,000 files, and copying 1 GiB through a 1,024,000-byte buffer.
//
// Each pair runs side by side in one process on the same drawer or file:
// Lock/Examine/ExNext against an opendir/readdir/fstatat loop, and a
// Read/Write copy against the host's cp started as a child. The runner
// prints the ratios at the end: scan time dos / host (aim: at most 1.2),
// copy throughput dos / cp (aim: at least 0.95).
#include <hosted/dos.h>
#include <proto/dos.h>

#include "support/bench_support.h"

#include <benchmark/benchmark.h>

#include <dirent.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char **environ;

namespace {

std::string gWork;          // host drawer of the benchmark's files
std::string gDrawer;        // the 10,000 files
std::string gSource;        // the 1 GiB file
std::string gDosDrawer;     // the same, as volume paths
std::string gDosSource;
std::string gDosTarget;
constexpr long kFiles = 10000;
constexpr long long kCopySize = 1LL << 30;
constexpr LONG kCopyBuffer = 1024000;

// Lets the disk write out what is pending, so that no copy pays for the
// write-back of the one before.
void SettleDisk()
{
    int fd = open(gWork.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        syncfs(fd);
        close(fd);
    }
}

bool Prepare()
{
    gWork = kvbench::MakeWorkDirectory("kv-dos-bench");
    if (gWork.empty())
        return false;
    setenv("KESTROVANE_HOME", (gWork + "/home").c_str(), 1);
    gDrawer = gWork + "/drawer";
    bool made = kvbench::MakeDrawer(gDrawer, kFiles, [](long i) {
        return kvbench::DrawerEntry{"file" + std::to_string(i) + ".txt", false, static_cast<std::size_t>(i % 200)};
    });
    if (!made)
        return false;
    gSource = gWork + "/source.bin";
    int fd = open(gSource.c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    std::vector<unsigned> block(1 << 18);
    unsigned seed = 12345;
    for (long long written = 0; written < kCopySize;) {
        for (unsigned &word : block)
            word = seed = seed * 1664525u + 1013904223u;
        ssize_t put = write(fd, block.data(), block.size() * sizeof(unsigned));
        if (put <= 0) {
            close(fd);
            return false;
        }
        written += put;
    }
    close(fd);
    SettleDisk();
    return hosted::VolumePathOf(gDrawer, gDosDrawer) && hosted::VolumePathOf(gSource, gDosSource) &&
           hosted::VolumePathOf(gWork, gDosTarget) && (gDosTarget += "/target.bin", true);
}

// state.range(0) == 1: the first reading of the drawer (dos remembers the
// extended attributes of what it has seen; a refresh reads them from there).
void DosScan(benchmark::State &state)
{
    struct FileInfoBlock fib;
    for (auto _ : state) {
        if (state.range(0) == 1) {
            state.PauseTiming();
            hosted::DropAttributeCache();
            state.ResumeTiming();
        }
        long entries = 0;
        BPTR lock = Lock(gDosDrawer.c_str(), SHARED_LOCK);
        if (lock == 0 || !Examine(lock, &fib)) {
            state.SkipWithError("cannot lock the drawer");
            break;
        }
        while (ExNext(lock, &fib))
            entries++;
        UnLock(lock);
        if (entries != kFiles)
            state.SkipWithError("wrong entry count");
        benchmark::DoNotOptimize(entries);
    }
    state.SetItemsProcessed(state.iterations() * kFiles);
}

void HostScan(benchmark::State &state)
{
    for (auto _ : state) {
        long entries = 0;
        DIR *directory = opendir(gDrawer.c_str());
        int fd = dirfd(directory);
        while (struct dirent *entry = readdir(directory)) {
            const char *name = entry->d_name;
            if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
                continue;
            struct stat info;
            if (fstatat(fd, name, &info, AT_SYMLINK_NOFOLLOW) == 0)
                entries++;
        }
        closedir(directory);
        if (entries != kFiles)
            state.SkipWithError("wrong entry count");
        benchmark::DoNotOptimize(entries);
    }
    state.SetItemsProcessed(state.iterations() * kFiles);
}

void DosCopy(benchmark::State &state)
{
    std::vector<char> buffer(kCopyBuffer);
    for (auto _ : state) {
        BPTR in = Open(gDosSource.c_str(), MODE_OLDFILE);
        BPTR out = Open(gDosTarget.c_str(), MODE_NEWFILE);
        if (in == 0 || out == 0) {
            state.SkipWithError("cannot open");
            break;
        }
        long long remaining = kCopySize;
        while (remaining > 0) {
            LONG chunk = remaining > kCopyBuffer ? kCopyBuffer : static_cast<LONG>(remaining);
            if (Read(in, buffer.data(), chunk) != chunk || Write(out, buffer.data(), chunk) != chunk) {
                state.SkipWithError("transfer failed");
                break;
            }
            remaining -= chunk;
        }
        Close(out);
        Close(in);
        state.PauseTiming();
        DeleteFile(gDosTarget.c_str());
        SettleDisk();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * kCopySize);
}

void HostCp(benchmark::State &state)
{
    std::string target = gWork + "/target.bin";
    for (auto _ : state) {
        const char *arguments[] = {"cp", gSource.c_str(), target.c_str(), nullptr};
        pid_t child;
        if (posix_spawnp(&child, "cp", nullptr, nullptr, const_cast<char **>(arguments), environ) != 0) {
            state.SkipWithError("cannot start cp");
            break;
        }
        int status = 0;
        waitpid(child, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
            state.SkipWithError("cp failed");
        state.PauseTiming();
        unlink(target.c_str());
        SettleDisk();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * kCopySize);
}

}  // namespace

BENCHMARK(DosScan)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(HostScan)->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(DosCopy)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(9)->ReportAggregatesOnly(true)->UseRealTime();
BENCHMARK(HostCp)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(9)->ReportAggregatesOnly(true)->UseRealTime();

int main(int argc, char **argv)
{
    if (!Prepare()) {
        std::fprintf(stderr, "dos_bench: cannot prepare the files in $TMPDIR (or /tmp)\n");
        kvbench::RemoveTree(gWork);
        return 1;
    }
    kvbench::InitializeInterleaved(argc, argv);
    kvbench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto &t = reporter.times;
    auto &c = reporter.cpuTimes;
    // The scans run in this process, so their CPU time (user and system)
    // is the steadier measure on a busy machine; both are printed.
    if (t.count("DosScan/0") && t.count("HostScan"))
        std::printf("ratio scan dos/host, drawer read again: %.2f by CPU time, %.2f by real time  (aim <= 1.20)\n",
                    c["DosScan/0"] / c["HostScan"], t["DosScan/0"] / t["HostScan"]);
    if (t.count("DosScan/1") && t.count("HostScan"))
        std::printf("ratio scan dos/host, first reading: %.2f by CPU time, %.2f by real time\n",
                    c["DosScan/1"] / c["HostScan"], t["DosScan/1"] / t["HostScan"]);
    if (t.count("DosCopy") && t.count("HostCp"))
        std::printf("ratio copy throughput dos/cp (real time): %.2f  (aim >= 0.95)\n", t["HostCp"] / t["DosCopy"]);
    std::string ram;
    if (hosted::ResolvePath("RAM:", ram))
        kvbench::RemoveTree(ram);
    kvbench::RemoveTree(gWork);
    benchmark::Shutdown();
    return 0;
}
