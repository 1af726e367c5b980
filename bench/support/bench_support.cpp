// What the benchmarks share: a work directory, drawers of many entries made on the host, and a reporter that keeps each run's time for the ratios.
#include "bench_support.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace kvbench {

std::string MakeWorkDirectory(const std::string &prefix)
{
    const char *tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp != nullptr && *tmp != 0 ? tmp : "/tmp") + "/" + prefix + "-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr)
        return "";
    return pattern;
}

// A work directory that served as KESTROVANE_HOME holds "RAM", a link to
// the RAM disk dos made for it on a memory file system; that goes too.
void RemoveRamDisksBehind(const std::string &path)
{
    namespace fs = std::filesystem;
    std::error_code error;
    for (fs::recursive_directory_iterator it(path, error), end; !error && it != end; it.increment(error)) {
        if (!it->is_symlink() || it->path().filename() != "RAM")
            continue;
        fs::path ram = fs::read_symlink(it->path(), error);
        struct stat info;
        if (!error && ram.is_absolute() && ram.filename().string().rfind("kestrovane-", 0) == 0 &&
            lstat(ram.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == getuid())
            fs::remove_all(ram, error);
    }
}

void RemoveTree(const std::string &path)
{
    if (path.empty())
        return;
    RemoveRamDisksBehind(path);
    std::error_code error;
    std::filesystem::remove_all(path, error);
    if (error)
        std::fprintf(stderr, "could not remove %s: %s\n", path.c_str(), error.message().c_str());
}

bool MakeDrawer(const std::string &drawer, long count, const std::function<DrawerEntry(long)> &entryOf)
{
    if (mkdir(drawer.c_str(), 0755) != 0)
        return false;
    std::string bytes;
    for (long i = 0; i < count; i++) {
        DrawerEntry entry = entryOf(i);
        std::string path = drawer + "/" + entry.name;
        if (entry.drawer) {
            if (mkdir(path.c_str(), 0755) != 0)
                return false;
            continue;
        }
        int fd = open(path.c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
        if (fd < 0)
            return false;
        bytes.clear();
        while (bytes.size() < entry.size)
            bytes += path;
        bool written = write(fd, bytes.data(), entry.size) == static_cast<ssize_t>(entry.size);
        close(fd);
        if (!written)
            return false;
    }
    return true;
}

void InitializeInterleaved(int argc, char **argv)
{
    // The library may keep what it was given: the arguments live on.
    static std::string interleave = "--benchmark_enable_random_interleaving=true";
    static std::vector<char *> arguments;
    arguments.assign(argv, argv + argc);
    arguments.push_back(interleave.data());
    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());
}

void RatioReporter::ReportRuns(const std::vector<Run> &runs)
{
    for (const Run &run : runs) {
        std::string name = run.run_name.function_name + (run.run_name.args.empty() ? "" : "/" + run.run_name.args);
        bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if (median || (run.run_type == Run::RT_Iteration && times.count(name) == 0)) {
            times[name] = run.GetAdjustedRealTime();
            cpuTimes[name] = run.GetAdjustedCPUTime();
        }
    }
    ConsoleReporter::ReportRuns(runs);
}

}  // namespace kvbench
