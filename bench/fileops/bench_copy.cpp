// The copy engine against the host's cp: one 1 GiB file, and a tree of 10,000 files in 100 drawers, with and without the progress window.
//
// Each pair runs side by side in one process on the same source: RunCopy
// (the CopyBuffer of 1,024,000 bytes, dates, protection and comments kept,
// every file written under a temporary name and swapped in) against cp of
// the file and cp -a of the tree (modes, times and extended attributes
// kept) started as children. The tree is copied a third time with the
// lister's own control on the headless display (with the file, so that it
// runs for seconds), whose progress window opens after a second and is
// updated ten times a second. The runner prints the ratios at the end.
#include <core/lister.h>
#include <core/lister_control.h>
#include <fileops/copy_engine.h>

#include <hosted/dos.h>
#include <intuition/imageclass.h>
#include <proto/dos.h>
#include <proto/graphics.h>
#include <proto/intuition.h>

#include "support/bench_support.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

extern char **environ;

namespace {

constexpr long long kBigSize = 1LL << 30;
constexpr long kDrawers = 100;
constexpr long kFilesPerDrawer = 100;
constexpr size_t kTreeFileSize = 4096;
constexpr ULONG kCopyBuffer = 1024000;

std::string gWork;        // host drawer of everything
std::string gDosWork;     // the same as a volume path
std::string gOut;         // where the next copy goes (host)
std::string gDosOut;      // the same as a volume path
int gOutCount = 0;
BPTR gWorkLock = 0;       // the current directory while copying: names are relative to it

std::vector<UBYTE> gBuffer(kCopyBuffer);
std::vector<UBYTE> gStack(1024000);
std::vector<UBYTE> gPool(1024000);
std::vector<char> gScratch(4096);
std::vector<char> gDestination(10000);

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
    gWork = kvbench::MakeWorkDirectory("kv-copy-bench");
    if (gWork.empty())
        return false;
    setenv("KESTROVANE_HOME", (gWork + "/home").c_str(), 1);
    setenv("KESTROVANE_DISPLAY", "headless", 1);
    setenv("KESTROVANE_FONT", "test", 1);
    setenv("KESTROVANE_SCREEN", "1024x768", 1);
    if (mkdir((gWork + "/tree").c_str(), 0755) != 0)
        return false;
    // The tree: every file carries a comment, which cp -a keeps as an
    // extended attribute and the copy as its comment.
    for (long d = 0; d < kDrawers; d++) {
        std::string drawer = gWork + "/tree/drawer" + std::to_string(d);
        bool made = kvbench::MakeDrawer(drawer, kFilesPerDrawer, [](long i) {
            return kvbench::DrawerEntry{"file" + std::to_string(i), false, kTreeFileSize};
        });
        if (!made)
            return false;
        for (long i = 0; i < kFilesPerDrawer; i++) {
            std::string path = drawer + "/file" + std::to_string(i);
            const char comment[] = "a comment kept with the file";
            setxattr(path.c_str(), "user.xdg.comment", comment, sizeof comment - 1, 0);
        }
    }
    int fd = open((gWork + "/big.bin").c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    std::vector<unsigned> block(1 << 18);
    unsigned seed = 12345;
    for (long long written = 0; written < kBigSize;) {
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
    if (!hosted::VolumePathOf(gWork, gDosWork))
        return false;
    gWorkLock = Lock(gDosWork.c_str(), SHARED_LOCK);
    if (gWorkLock == 0)
        return false;
    CurrentDir(gWorkLock);
    return true;
}

// The selected rows: the file and the drawer the benchmark copies.
class Rows : public CopySelection {
public:
    explicit Rows(std::vector<CopyItem> items) : items_(std::move(items)) {}
    BOOL Item(ULONG row, CopyItem &item) override
    {
        if (row >= items_.size())
            return FALSE;
        item = items_[row];
        return TRUE;
    }
    void Copied(ULONG) override { copied++; }
    BOOL AllCopied() const { return copied == items_.size(); }
    size_t copied = 0;

private:
    std::vector<CopyItem> items_;
};

CopyItem Row(CONST_STRPTR name, LONG type, UQUAD size)
{
    CopyItem item;
    item.name = name;
    item.type = type;
    item.size = size;
    item.selected = TRUE;
    return item;
}

// state.range(0): 0 the 1 GiB file, 1 the tree, 2 both (long enough for
// the progress window to be open most of the time).
Rows Selection(int64_t which)
{
    std::vector<CopyItem> items;
    if (which != 1)
        items.push_back(Row("big.bin", ST_FILE, UQUAD(kBigSize)));
    if (which != 0)
        items.push_back(Row("tree", ST_USERDIR, 0));
    return Rows(std::move(items));
}

// A control that is never asked anything on a clean run.
class QuietControl : public CopyControl {
public:
    BOOL Failure(CONST_STRPTR, LONG, FaultButtons) override
    {
        failed = TRUE;
        return FALSE;
    }
    void Refusal(CONST_STRPTR, CONST_STRPTR) override { failed = TRUE; }
    void Progress(const OperationProgress &) override {}
    BOOL Cancelled() override { return FALSE; }
    CopyCheckResult Conflict(const CopyConflict &, ConflictMode &, ScopedLock &) override
    {
        return CopyCheckResult::Abort;
    }
    BOOL failed = FALSE;
};

// What a lister's dialogs are drawn with, on the headless display.
struct ListerRig {
    Lister lister;
    struct Screen *screen = nullptr;
    struct DrawInfo *drawInfo = nullptr;
    struct TextFont *font = nullptr;
    GradientTable gradient{};
    std::vector<UBYTE> canvas;

    bool Open()
    {
        screen = LockPubScreen(nullptr);
        if (screen == nullptr)
            return false;
        drawInfo = GetScreenDrawInfo(screen);
        font = OpenFont(screen->Font);
        if (font == nullptr || !BuildGlyphSet(lister.glyphs, font))
            return false;
        struct TagItem frameTags[] = {{IA_FrameType, FRAME_BUTTON}, {TAG_DONE, 0}};
        DialogToolkit &toolkit = lister.dialogs;
        toolkit.frame = static_cast<struct Image *>(NewObjectA(nullptr, "frameiclass", frameTags));
        BuildGradient(gradient, lister.config.WindowGradientBegin(), lister.config.WindowGradientEnd());
        toolkit.borderTop = LONG(GetDrawInfoAttr(drawInfo, GDIA_WindowTopBorder, nullptr));
        toolkit.borderLeft = LONG(GetDrawInfoAttr(drawInfo, GDIA_WindowLeftBorder, nullptr));
        toolkit.bordersX = toolkit.borderLeft + LONG(GetDrawInfoAttr(drawInfo, GDIA_WindowRightBorder, nullptr));
        toolkit.bordersY = toolkit.borderTop + LONG(GetDrawInfoAttr(drawInfo, GDIA_WindowBottomBorder, nullptr));
        ULONG width = ULONG(screen->Width - toolkit.bordersX);
        canvas.assign(width * 4 * 256, 0);
        toolkit.canvas = RenderTarget{canvas.data(), width * 4, width, 256};
        toolkit.windowGradient = &gradient;
        toolkit.glyphs = &lister.glyphs;
        toolkit.config = &lister.config;
        toolkit.screen = screen;
        lister.metrics.ySize = lister.glyphs.height;
        return true;
    }
};

// The lister's control for a copy, as "Copy" makes it: the progress window
// after a second; no conflicts arise here.
class WindowControl : public ListerControl, public CopyControl {
public:
    explicit WindowControl(Lister &lister) : ListerControl(lister, "Copying") {}
    CopyCheckResult Conflict(const CopyConflict &, ConflictMode &, ScopedLock &) override
    {
        return CopyCheckResult::Abort;
    }
};

CopyJob Job()
{
    CopyJob job;
    job.buffer = gBuffer.data();
    job.bufferSize = ULONG(gBuffer.size());
    job.walk.stack = gStack.data();
    job.walk.stackSize = ULONG(gStack.size());
    job.walk.pool = gPool.data();
    job.walk.poolSize = ULONG(gPool.size());
    job.walk.path = gScratch.data();
    job.walk.pathSize = ULONG(gScratch.size());
    job.destination = gDestination.data();
    job.destinationSize = ULONG(gDestination.size());
    std::strcpy(job.destination, gDosOut.c_str());
    return job;
}

// Every run copies into a drawer of its own, and nothing is deleted until
// the end: a file system that has just freed thousands of inodes makes the
// next thousands of creations slower, and that is not what is measured.
void FreshOut()
{
    std::string name = "/out" + std::to_string(++gOutCount);
    gOut = gWork + name;
    gDosOut = gDosWork + name;
    mkdir(gOut.c_str(), 0755);
    SettleDisk();
}

bool RunChild(const std::vector<const char *> &command)
{
    std::vector<char *> arguments;
    for (const char *word : command)
        arguments.push_back(const_cast<char *>(word));
    arguments.push_back(nullptr);
    pid_t child;
    if (posix_spawnp(&child, arguments[0], nullptr, nullptr, arguments.data(), environ) != 0)
        return false;
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void EngineCopy(benchmark::State &state)
{
    FreshOut();
    for (auto _ : state) {
        Rows rows = Selection(state.range(0));
        QuietControl control;
        CopyJob job = Job();
        (void)RunCopy(job, rows, control);
        if (!rows.AllCopied() || control.failed)
            state.SkipWithError("the copy did not finish");
        state.PauseTiming();
        FreshOut();
        state.ResumeTiming();
    }
}

void HostCp(benchmark::State &state)
{
    bool tree = state.range(0) == 1;
    std::string source = gWork + (tree ? "/tree" : "/big.bin");
    FreshOut();
    for (auto _ : state) {
        bool done = tree ? RunChild({"cp", "-a", source.c_str(), gOut.c_str()})
                         : RunChild({"cp", source.c_str(), gOut.c_str()});
        if (!done)
            state.SkipWithError("cp failed");
        state.PauseTiming();
        FreshOut();
        state.ResumeTiming();
    }
}

ListerRig *gRig = nullptr;

void EngineCopyWithWindow(benchmark::State &state)
{
    if (gRig == nullptr) {
        gRig = new ListerRig;
        if (!gRig->Open()) {
            state.SkipWithError("no headless screen");
            return;
        }
    }
    FreshOut();
    for (auto _ : state) {
        Rows rows = Selection(state.range(0));
        CopyJob job = Job();
        {
            WindowControl control(gRig->lister);
            (void)RunCopy(job, rows, control);
        }
        if (!rows.AllCopied())
            state.SkipWithError("the copy did not finish");
        state.PauseTiming();
        FreshOut();
        state.ResumeTiming();
    }
}

}  // namespace

BENCHMARK(EngineCopy)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(7)
    ->ReportAggregatesOnly(true)->UseRealTime();
BENCHMARK(HostCp)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(7)
    ->ReportAggregatesOnly(true)->UseRealTime();
BENCHMARK(EngineCopyWithWindow)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(7)
    ->ReportAggregatesOnly(true)->UseRealTime();

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
    if (t.count("EngineCopy/0") && t.count("HostCp/0"))
        std::printf("ratio 1 GiB file, throughput copy/cp: %.2f  (aim >= 0.95)\n", t["HostCp/0"] / t["EngineCopy/0"]);
    if (t.count("EngineCopy/1") && t.count("HostCp/1"))
        std::printf("ratio 10,000 files in 100 drawers, time copy/cp -a: %.2f  (aim <= 1.30)\n",
                    t["EngineCopy/1"] / t["HostCp/1"]);
    if (t.count("EngineCopyWithWindow/2") && t.count("EngineCopy/2"))
        std::printf("ratio the file and the tree with/without the progress window: %.3f  (aim <= 1.03)\n",
                    t["EngineCopyWithWindow/2"] / t["EngineCopy/2"]);
    std::fflush(stdout);
    std::string ram;
    if (hosted::ResolvePath("RAM:", ram))
        kvbench::RemoveTree(ram);
    kvbench::RemoveTree(gWork);
    std::_Exit(0);
}
