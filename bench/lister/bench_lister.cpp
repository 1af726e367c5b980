// The lister against host loops doing the same job: reading a 9,000-entry drawer, sorting it, laying it out.
//
// Each pair runs side by side in one process on the same data:
//   ReadDrawer (Lock, Examine, ExNext into the EntryBuffer) against an
//   opendir/readdir + fstatat + one getxattr loop over the same drawer
//   (aim: at most 1.3 × the host's time);
//   SortEntries ("Name case") against std::sort of the same names (aim: 2 ×);
//   LayoutLister (gradient, status line, every line drawn) against memset of
//   the same RenderBitmap bytes (aim: 4 ×);
//   LayoutLister into KestrovaneBMBGRA's BGRA32 screen bitmap against the
//   same layout in Kestrovane's buffer (aim: 1.1 ×), with the picture kept
//   and with a new one allocated for each read, as a drawer change does.
// The runner prints the ratios at the end.
#include <lister/bitmap_canvas.h>
#include <lister/buffer_canvas.h>
#include <lister/date_format.h>
#include <lister/glyph_engine.h>
#include <lister/gradient.h>
#include <lister/layout.h>
#include <lister/read_drawer.h>
#include <lister/sort.h>

#include <settings/config_record.h>

#include <hosted/dos.h>
#include <hosted/graphics.h>
#include <proto/dos.h>
#include <proto/exec.h>
#include <proto/graphics.h>

#include "support/bench_support.h"

#include <benchmark/benchmark.h>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr long kEntries = 9000;
constexpr ULONG kListerBuffer = 2048000;

std::string gWork;      // host drawer of the benchmark's files
std::string gDrawer;    // the 9,000 entries
BPTR gStart = 0;        // the start directory: the volume's root

bool Prepare()
{
    gWork = kvbench::MakeWorkDirectory("kv-lister-bench");
    if (gWork.empty())
        return false;
    std::string home = gWork + "/home";
    mkdir(home.c_str(), 0755);
    setenv("KESTROVANE_HOME", home.c_str(), 1);
    gDrawer = gWork + "/drawer";
    // Every tenth entry a drawer, the names in no order.
    bool made = kvbench::MakeDrawer(gDrawer, kEntries, [](long i) {
        bool drawer = i % 10 == 0;
        return kvbench::DrawerEntry{"entry" + std::to_string((i * 7919) % kEntries) + (drawer ? "" : ".txt"), drawer,
                                    static_cast<std::size_t>(i % 60)};
    });
    if (!made)
        return false;
    FILE *mountlist = std::fopen((home + "/Mountlist").c_str(), "w");
    if (mountlist == nullptr)
        return false;
    std::fprintf(mountlist, "VOLUME LBench: %s\n", gWork.c_str());
    std::fclose(mountlist);
    hosted::ReloadDosConfiguration();
    gStart = Lock("LBench:", SHARED_LOCK);
    if (gStart == 0)
        return false;
    CurrentDir(gStart);
    return true;
}

// An EntryBuffer of the default size, owned here.
struct Entries {
    Entries() : storage(new UQUAD[kListerBuffer / 8]()), buffer(storage.get(), kListerBuffer)
    {
        if (!InitEntryBuffer(buffer) || !SetListerPath(*buffer.Header(), "LBench:drawer"))
            std::abort();   // a benchmark on a broken buffer would measure nothing
    }
    std::unique_ptr<UQUAD[]> storage;
    EntryBuffer buffer;
};

void ListerReadDrawer(benchmark::State &state)
{
    Entries entries;
    for (auto _ : state) {
        ReadDrawerResult result = ReadDrawer(entries.buffer, 1, gStart, FaultReporter{});
        if (result.entriesRead != kEntries)
            state.SkipWithError("the drawer was not read whole");
    }
    CurrentDir(gStart);
    UnLock(entries.buffer.Header()->DrawerLock());
    state.SetItemsProcessed(state.iterations() * kEntries);
}

void HostReadDrawer(benchmark::State &state)
{
    for (auto _ : state) {
        long count = 0;
        unsigned long long total = 0;
        DIR *directory = opendir(gDrawer.c_str());
        int fd = dirfd(directory);
        while (struct dirent *entry = readdir(directory)) {
            if (entry->d_name[0] == '.' && (entry->d_name[1] == 0 || (entry->d_name[1] == '.' && entry->d_name[2] == 0)))
                continue;
            struct stat info;
            if (fstatat(fd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            char comment[80];
            std::string path = gDrawer + "/" + entry->d_name;
            ssize_t length = getxattr(path.c_str(), "user.xdg.comment", comment, sizeof comment);
            benchmark::DoNotOptimize(length);
            total += static_cast<unsigned long long>(info.st_size);
            count++;
        }
        closedir(directory);
        benchmark::DoNotOptimize(total);
        if (count != kEntries)
            state.SkipWithError("the drawer was not read whole");
    }
    state.SetItemsProcessed(state.iterations() * kEntries);
}

void ListerSort(benchmark::State &state)
{
    Entries entries;
    (void)ReadDrawer(entries.buffer, 1, gStart, FaultReporter{});
    for (auto _ : state)
        SortEntries(entries.buffer, SortNameCase);
    CurrentDir(gStart);
    UnLock(entries.buffer.Header()->DrawerLock());
    state.SetItemsProcessed(state.iterations() * kEntries);
}

void HostSort(benchmark::State &state)
{
    Entries entries;
    (void)ReadDrawer(entries.buffer, 1, gStart, FaultReporter{});
    std::vector<const char *> names;
    for (ULONG i = 0; i < entries.buffer.Header()->EntryCount(); i++)
        names.push_back(entries.buffer.Entry(i)->name);
    std::vector<const char *> order(names.size());
    for (auto _ : state) {
        std::copy(names.begin(), names.end(), order.begin());
        std::sort(order.begin(), order.end(), [](const char *a, const char *b) { return std::strcmp(a, b) < 0; });
        benchmark::DoNotOptimize(order.data());
    }
    CurrentDir(gStart);
    UnLock(entries.buffer.Header()->DrawerLock());
    state.SetItemsProcessed(state.iterations() * kEntries);
}

// The lister drawn with the test font into a "Bitmap" buffer that fits.
struct LayoutScene {
    LayoutScene()
    {
        (void)ReadDrawer(entries.buffer, 1, gStart, FaultReporter{});
        CurrentDir(gStart);
        UnLock(entries.buffer.Header()->DrawerLock());
        entries.buffer.Header()->SetDrawerLock(0);
        SortEntries(entries.buffer, SortNameCase);
        if (!BuildGlyphSet(glyphs, hosted::TestFont()))
            std::abort();
        BuildGradient(listerGradient, config.ListerGradientBegin(), config.ListerGradientEnd());
        BuildGradient(windowGradient, config.WindowGradientBegin(), config.WindowGradientEnd());
        SetDateRequestFormat(dates, config.DateFormat(), config.DayNameSubstitution());
        drawing.glyphs = &glyphs;
        drawing.listerGradient = &listerGradient;
        drawing.windowGradient = &windowGradient;
        drawing.dates = &dates;
        drawing.dateWidth = MeasureDateWidth(dates);
        ListerLayout layout = ComputeListerLayout(*entries.buffer.Header(), config, glyphs.nominalWidth, glyphs.height,
                                                  drawing.dateWidth, 0xFFFFFFFF);
        bytes = size_t(layout.width) * layout.height * 4;
        // From the system's memory, as the BufferSet's "Bitmap" buffer is.
        bitmap.reset(static_cast<UBYTE *>(AllocVec(ULONG(bytes), MEMF_CLEAR)));
        if (!bitmap)
            std::abort();
        canvas.Attach(bitmap.get(), ULONG(bytes));
        drawing.canvas = &canvas;
        strip.assign(1000 * 4 * 15, 0);
        drawing.statusStrip = RenderTarget{strip.data(), 4000, 1000, 15};
        // KestrovaneBMBGRA's: the screen's friend, its gradient byte-reversed.
        screen = AllocBitMap(64, 64, 32, BMF_CLEAR, nullptr);
        bitmapCanvas.Attach(screen);
        BuildReversedGradient(reversedGradient, config.ListerGradientBegin(), config.ListerGradientEnd());
        bitmapDrawing = drawing;
        bitmapDrawing.listerGradient = &reversedGradient;
        bitmapDrawing.canvas = &bitmapCanvas;
    }
    ~LayoutScene()
    {
        bitmapCanvas.Release();
        FreeBitMap(screen);
        FreeGlyphSet(glyphs);
    }

    Entries entries;
    ConfigRecord config;
    GlyphSet glyphs;
    GradientTable listerGradient, windowGradient;
    DateRequest dates;
    ListerDrawing drawing;
    BufferCanvas canvas;
    struct SystemFree {
        void operator()(UBYTE *block) const { FreeVec(block); }
    };
    std::unique_ptr<UBYTE, SystemFree> bitmap;
    std::vector<UBYTE> strip;
    size_t bytes = 0;
    struct BitMap *screen = nullptr;
    BitMapCanvas bitmapCanvas;
    GradientTable reversedGradient;
    ListerDrawing bitmapDrawing;
};

LayoutScene *gLayout = nullptr;

void ListerLayoutLister(benchmark::State &state)
{
    for (auto _ : state) {
        ListerLayout layout = LayoutLister(gLayout->drawing, gLayout->entries.buffer, gLayout->config);
        if (layout.bitmapTooSmall || layout.linesDrawn != kEntries)
            state.SkipWithError("the bitmap did not take every line");
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * int64_t(gLayout->bytes));
}

void LayoutIntoBitMap(benchmark::State &state, bool newPicture)
{
    for (auto _ : state) {
        if (newPicture)
            gLayout->bitmapCanvas.Release();
        ListerLayout layout = LayoutLister(gLayout->bitmapDrawing, gLayout->entries.buffer, gLayout->config);
        if (layout.bitmapTooSmall || layout.linesDrawn != kEntries)
            state.SkipWithError("the bitmap did not take every line");
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * int64_t(gLayout->bytes));
}

void BgraLayoutListerKept(benchmark::State &state)
{
    LayoutIntoBitMap(state, false);
}

void BgraLayoutListerNew(benchmark::State &state)
{
    LayoutIntoBitMap(state, true);
}

void HostMemset(benchmark::State &state)
{
    for (auto _ : state) {
        std::memset(gLayout->bitmap.get(), int(state.iterations() & 0x7F), gLayout->bytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * int64_t(gLayout->bytes));
}

}  // namespace

BENCHMARK(ListerReadDrawer)->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(HostReadDrawer)->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(ListerSort)->Unit(benchmark::kMillisecond)->Iterations(50)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(HostSort)->Unit(benchmark::kMillisecond)->Iterations(50)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(ListerLayoutLister)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BgraLayoutListerKept)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BgraLayoutListerNew)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(HostMemset)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(5)->ReportAggregatesOnly(true);

int main(int argc, char **argv)
{
    if (!Prepare()) {
        std::fprintf(stderr, "lister_bench: cannot prepare the drawer in $TMPDIR (or /tmp)\n");
        kvbench::RemoveTree(gWork);
        return 1;
    }
    LayoutScene layout;
    gLayout = &layout;
    kvbench::InitializeInterleaved(argc, argv);
    kvbench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto &t = reporter.times;
    if (t.count("ListerReadDrawer") && t.count("HostReadDrawer"))
        std::printf("ratio ReadDrawer / readdir+fstatat+getxattr (median time): %.2f  (aim <= 1.30)\n",
                    t["ListerReadDrawer"] / t["HostReadDrawer"]);
    if (t.count("ListerSort") && t.count("HostSort"))
        std::printf("ratio SortEntries / std::sort (median time): %.2f  (aim <= 2.00)\n", t["ListerSort"] / t["HostSort"]);
    if (t.count("ListerLayoutLister") && t.count("HostMemset"))
        std::printf("ratio LayoutLister / memset (median time): %.2f  (aim <= 4.00)\n",
                    t["ListerLayoutLister"] / t["HostMemset"]);
    if (t.count("ListerLayoutLister") && t.count("BgraLayoutListerKept") && t.count("BgraLayoutListerNew")) {
        std::printf("ratio LayoutLister into the BGRA32 bitmap / into the buffer (median time): %.2f  (aim <= 1.10)\n",
                    t["BgraLayoutListerKept"] / t["ListerLayoutLister"]);
        std::printf("ratio the same with a new bitmap for each read / into the buffer (median time): %.2f\n",
                    t["BgraLayoutListerNew"] / t["ListerLayoutLister"]);
    }
    gLayout = nullptr;
    CurrentDir(0);
    UnLock(gStart);
    kvbench::RemoveTree(gWork);
    benchmark::Shutdown();
    return 0;
}
