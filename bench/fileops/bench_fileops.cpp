// The delete and search engines against the host tools doing the same job, side by side in one process.
//
// Delete: a tree of 10,000 files in 100 drawers, made afresh (untimed,
// see FreshTree) before each run, deleted by DeleteRows and by `rm -r` (aim: at most 1.3
// times rm's time). Search "Thru files:": 2,000 files of 64 KiB, one in
// twenty holding the text somewhere, searched by SearchRows through a
// 1,024,000-byte buffer and by `grep -l -F` (aim: at most 1.2), with
// "Ignore case:" against `grep -l -i -F`. Search by name: 9,000 names,
// its time reported.
#include <fileops/delete.h>
#include <fileops/search.h>

#include <hosted/dos.h>
#include <proto/dos.h>
#include <proto/exec.h>
#include <proto/intuition.h>

#include "support/bench_support.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

extern char **environ;

namespace {

constexpr long kDrawers = 100;
constexpr long kFilesPerDrawer = 100;
constexpr long kSearchFiles = 2000;
constexpr size_t kSearchFileSize = 64 * 1024;
constexpr ULONG kCopyBuffer = 1024000;
constexpr long kNames = 9000;
const char kPattern[] = "Kestrovane";

std::string gWork;
std::string gSearchDrawer;
BPTR gWorkLock = 0;
BPTR gSearchLock = 0;

// Costs what the lister's control costs per call: a look at the clock and
// at Ctrl-C; it never opens a window.
class BenchControl : public OperationControl {
public:
    BOOL Failure(CONST_STRPTR, LONG, FaultButtons) override { return FALSE; }
    void Refusal(CONST_STRPTR, CONST_STRPTR) override {}
    void Progress(const OperationProgress &) override
    {
        ULONG seconds, micros;
        CurrentTime(&seconds, &micros);
        benchmark::DoNotOptimize(seconds);
    }
    BOOL Cancelled() override { return (SetSignal(0, 0) & SIGBREAKF_CTRL_C) != 0; }
};

class Rows : public EntryList {
public:
    struct Row {
        std::string name;
        LONG type;
        BOOL selected;
    };
    std::vector<Row> rows;
    ULONG Count() const override { return ULONG(rows.size()); }
    CONST_STRPTR Name(ULONG row) const override { return rows[row].name.c_str(); }
    LONG Type(ULONG row) const override { return rows[row].type; }
    BOOL Selected(ULONG row) const override { return rows[row].selected; }
    void Select(ULONG row) override { rows[row].selected = TRUE; }
    void Reset()
    {
        for (size_t i = 0; i < rows.size(); i++)
            rows[i].selected = i == 0;
    }
    ULONG SelectedCount() const
    {
        ULONG count = 0;
        for (const Row &row : rows)
            count += row.selected ? 1 : 0;
        return count;
    }
};

class Buffers {
public:
    Buffers() : stack_(1024000), pool_(1024000), path_(4096)
    {
        walk.stack = stack_.data();
        walk.stackSize = ULONG(stack_.size());
        walk.pool = pool_.data();
        walk.poolSize = ULONG(pool_.size());
        walk.path = path_.data();
        walk.pathSize = ULONG(path_.size());
    }
    WalkBuffers walk;

private:
    std::vector<UBYTE> stack_, pool_;
    std::vector<char> path_;
};

bool MakeTree(const std::string &top)
{
    if (mkdir(top.c_str(), 0755) != 0)
        return false;
    for (long d = 0; d < kDrawers; d++) {
        bool made = kvbench::MakeDrawer(top + "/drawer" + std::to_string(d), kFilesPerDrawer, [](long i) {
            return kvbench::DrawerEntry{"file" + std::to_string(i), false, size_t(i % 64)};
        });
        if (!made)
            return false;
    }
    return true;
}

// The disk settled first, so that no run pays for the write-back of the
// one before; the tree is then made and deleted while it is still in the
// cache, as a tree someone just unpacked. (Deleting a tree written out to
// this machine's disk costs seconds of its journal and discards, for rm
// as for us: that measures the disk, not the two programs.)
bool FreshTree()
{
    int fd = open(gWork.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        syncfs(fd);
        close(fd);
    }
    return MakeTree(gWork + "/tree");
}

int RunHost(const std::vector<std::string> &words)
{
    std::vector<char *> argv;
    for (const std::string &word : words)
        argv.push_back(const_cast<char *>(word.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addchdir_np(&actions, gSearchDrawer.c_str());
    pid_t child;
    int status = -1;
    if (posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ) == 0)
        waitpid(child, &status, 0);
    posix_spawn_file_actions_destroy(&actions);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool Prepare()
{
    gWork = kvbench::MakeWorkDirectory("kv-fileops-bench");
    if (gWork.empty())
        return false;
    setenv("KESTROVANE_HOME", (gWork + "/home").c_str(), 1);
    gSearchDrawer = gWork + "/search";
    if (mkdir(gSearchDrawer.c_str(), 0755) != 0)
        return false;
    std::mt19937 random(4711);
    std::string text(kSearchFileSize, ' ');
    const char letters[] = "abcdefghijklmnopqrstuvwxyz ABCDEFGHIJKLMNOPQRSTUVWXYZ\n";
    for (long f = 0; f < kSearchFiles; f++) {
        for (char &c : text)
            c = letters[random() % (sizeof letters - 1)];
        if (f % 20 == 7) {
            size_t at = random() % (text.size() - sizeof kPattern);
            text.replace(at, sizeof kPattern - 1, f % 40 == 7 ? "KESTROVANE" : kPattern);
        }
        char name[32];
        std::snprintf(name, sizeof name, "text%04ld", f);
        int fd = open((gSearchDrawer + "/" + name).c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
        if (fd < 0 || write(fd, text.data(), text.size()) != ssize_t(text.size()))
            return false;
        close(fd);
    }
    std::string dosWork, dosSearch;
    if (!hosted::VolumePathOf(gWork, dosWork) || !hosted::VolumePathOf(gSearchDrawer, dosSearch))
        return false;
    gWorkLock = Lock(dosWork.c_str(), SHARED_LOCK);
    gSearchLock = Lock(dosSearch.c_str(), SHARED_LOCK);
    return gWorkLock != 0 && gSearchLock != 0;
}

void EngineDelete(benchmark::State &state)
{
    Buffers buffers;
    BenchControl control;
    Rows rows;
    rows.rows.push_back({"tree", ST_USERDIR, TRUE});
    BPTR old = CurrentDir(gWorkLock);
    for (auto _ : state) {
        state.PauseTiming();
        if (!FreshTree()) {
            state.SkipWithError("cannot make the tree");
            break;
        }
        state.ResumeTiming();
        DeleteResult result = DeleteRows(rows, buffers.walk, control);
        if (result.deleted != kDrawers * kFilesPerDrawer + kDrawers + 1)
            state.SkipWithError("not everything was deleted");
    }
    CurrentDir(old);
}

void HostRm(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        if (!FreshTree()) {
            state.SkipWithError("cannot make the tree");
            break;
        }
        state.ResumeTiming();
        if (RunHost({"rm", "-r", gWork + "/tree"}) != 0)
            state.SkipWithError("rm failed");
    }
}

Rows SearchRowsOfFiles()
{
    Rows rows;
    for (long f = 0; f < kSearchFiles; f++) {
        char name[32];
        std::snprintf(name, sizeof name, "text%04ld", f);
        rows.rows.push_back({name, ST_FILE, f == 0});
    }
    return rows;
}

// state.range(0): 1 with "Ignore case:".
void EngineSearchFiles(benchmark::State &state)
{
    Rows rows = SearchRowsOfFiles();
    std::vector<UBYTE> buffer(kCopyBuffer);
    struct FileInfoBlock fib;
    SearchOptions options;
    options.thruFiles = TRUE;
    options.buffer = buffer.data();
    options.bufferSize = kCopyBuffer;
    options.fib = &fib;
    BenchControl control;
    BOOL ignoreCase = state.range(0) != 0;
    ULONG expected = ignoreCase ? kSearchFiles / 20 : kSearchFiles / 40;
    BPTR old = CurrentDir(gSearchLock);
    for (auto _ : state) {
        rows.Reset();
        SearchPattern pattern;
        PrepareSearchPattern(pattern, kPattern, ignoreCase);
        SearchResult result = SearchRows(rows, pattern, options, control);
        if (result.found != expected)
            state.SkipWithError("wrong number of files found");
    }
    CurrentDir(old);
}

void HostGrep(benchmark::State &state)
{
    std::vector<std::string> words{"grep", "-l"};
    if (state.range(0) != 0)
        words.push_back("-i");
    words.push_back("-F");
    words.push_back(kPattern);
    for (long f = 0; f < kSearchFiles; f++) {
        char name[32];
        std::snprintf(name, sizeof name, "text%04ld", f);
        words.push_back(name);
    }
    for (auto _ : state) {
        if (RunHost(words) != 0)
            state.SkipWithError("grep failed");
    }
}

void EngineSearchNames(benchmark::State &state)
{
    Rows rows;
    for (long i = 0; i < kNames; i++)
        rows.rows.push_back({"entry name " + std::to_string(i * 7919 % 100000) + (i % 97 == 0 ? ".readme" : ".txt"),
                             i % 10 == 0 ? ST_USERDIR : ST_FILE, i == 0});
    BenchControl control;
    for (auto _ : state) {
        rows.Reset();
        SearchPattern pattern;
        PrepareSearchPattern(pattern, "README", TRUE);
        SearchResult result = SearchRows(rows, pattern, SearchOptions{}, control);
        benchmark::DoNotOptimize(result);
    }
    state.SetItemsProcessed(state.iterations() * kNames);
}

}  // namespace

BENCHMARK(EngineDelete)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(7)->ReportAggregatesOnly(true)->UseRealTime();
BENCHMARK(HostRm)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(7)->ReportAggregatesOnly(true)->UseRealTime();
BENCHMARK(EngineSearchFiles)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(7)->ReportAggregatesOnly(true)->UseRealTime();
BENCHMARK(HostGrep)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(7)->ReportAggregatesOnly(true)->UseRealTime();
BENCHMARK(EngineSearchNames)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

int main(int argc, char **argv)
{
    if (!Prepare()) {
        std::fprintf(stderr, "fileops_bench: cannot prepare the files in $TMPDIR (or /tmp)\n");
        kvbench::RemoveTree(gWork);
        return 1;
    }
    kvbench::InitializeInterleaved(argc, argv);
    kvbench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto &t = reporter.times;
    if (t.count("EngineDelete") && t.count("HostRm"))
        std::printf("ratio delete of 10,000 files in 100 drawers, engine/rm -r: %.2f  (aim <= 1.30)\n",
                    t["EngineDelete"] / t["HostRm"]);
    if (t.count("EngineSearchFiles/0") && t.count("HostGrep/0"))
        std::printf("ratio search through 2,000 files of 64 KiB, engine/grep -l -F: %.2f  (aim <= 1.20)\n",
                    t["EngineSearchFiles/0"] / t["HostGrep/0"]);
    if (t.count("EngineSearchFiles/1") && t.count("HostGrep/1"))
        std::printf("ratio the same ignoring case, engine/grep -l -i -F: %.2f  (aim <= 1.20)\n",
                    t["EngineSearchFiles/1"] / t["HostGrep/1"]);
    if (t.count("EngineSearchNames"))
        std::printf("search by name over 9,000 entries: %.3f ms\n", t["EngineSearchNames"] / 1e3);
    UnLock(gSearchLock);
    UnLock(gWorkLock);
    std::string ram;
    if (hosted::ResolvePath("RAM:", ram))
        kvbench::RemoveTree(ram);
    kvbench::RemoveTree(gWork);
    benchmark::Shutdown();
    return 0;
}
