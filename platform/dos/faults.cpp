// dos/faults.cpp: failures on purpose: the n-th call of a kind fails with a chosen code, for tests.
#include "dosprivate.h"

#include <hosted/dos.h>

#include <fnmatch.h>

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

namespace hosted {
namespace {

struct DosFault {
    DosCall call;
    unsigned long nth;     // fail the nth matching call; 0: every one
    unsigned long seen = 0;
    LONG error;
    std::string pattern;   // matched against the object's last name part; empty: any
    bool spent = false;
};

struct FaultTable {
    std::mutex lock;
    std::vector<DosFault> faults;
    bool any = false;      // read without the lock on every call: false in normal runs
};

const struct {
    const char *name;
    DosCall call;
} kCallNames[] = {
    {"Write", DosCall::Write},       {"Close", DosCall::Close},
    {"Rename", DosCall::Rename},     {"DeleteFile", DosCall::DeleteFile},
    {"CreateDir", DosCall::CreateDir}, {"SetFileDate", DosCall::SetFileDate},
    {"SetProtection", DosCall::SetProtection}, {"SetComment", DosCall::SetComment},
    {"Open", DosCall::Open},         {"Read", DosCall::Read},
    {"MakeLink", DosCall::MakeLink}, {"ExNext", DosCall::ExNext},
    {"ExAll", DosCall::ExAll},
};

// "Write:3:221", "Write:0:221:*.cfg"; several separated by ';'. A malformed
// entry is reported on the host's standard error and left out.
void ParseFaults(const char *text, std::vector<DosFault> &faults)
{
    std::string all(text);
    size_t start = 0;
    while (start <= all.size()) {
        size_t end = all.find(';', start);
        std::string entry = all.substr(start, end == std::string::npos ? std::string::npos : end - start);
        start = end == std::string::npos ? all.size() + 1 : end + 1;
        if (entry.empty())
            continue;
        size_t c1 = entry.find(':'), c2 = c1 == std::string::npos ? c1 : entry.find(':', c1 + 1);
        bool known = false;
        DosFault fault{DosCall::Write, 0, 0, 0, {}, false};
        if (c2 != std::string::npos) {
            std::string name = entry.substr(0, c1);
            for (const auto &n : kCallNames)
                if (name == n.name) {
                    fault.call = n.call;
                    known = true;
                }
            size_t c3 = entry.find(':', c2 + 1);
            fault.nth = std::strtoul(entry.substr(c1 + 1, c2 - c1 - 1).c_str(), nullptr, 10);
            fault.error = static_cast<LONG>(std::strtol(entry.substr(c2 + 1, c3 - c2 - 1).c_str(), nullptr, 10));
            if (c3 != std::string::npos)
                fault.pattern = entry.substr(c3 + 1);
        }
        if (!known || fault.error == 0) {
            std::fprintf(stderr, "KESTROVANE_DOS_FAULT: cannot read \"%s\"\n", entry.c_str());
            continue;
        }
        faults.push_back(fault);
    }
}

FaultTable &Table()
{
    static FaultTable *table = [] {
        auto *made = new FaultTable;
        if (const char *text = std::getenv("KESTROVANE_DOS_FAULT"))
            ParseFaults(text, made->faults);
        made->any = !made->faults.empty();
        return made;
    }();
    return *table;
}

const char *LastPart(const char *name)
{
    const char *part = name;
    for (const char *p = name; *p != '\0'; p++)
        if (*p == '/' || *p == ':')
            part = p + 1;
    return part;
}

}  // namespace

void SetDosFault(DosCall call, unsigned long nth, LONG error, const char *pattern)
{
    FaultTable &table = Table();
    std::lock_guard<std::mutex> guard(table.lock);
    table.faults.push_back(DosFault{call, nth, 0, error, pattern != nullptr ? pattern : "", false});
    table.any = true;
}

void ClearDosFaults()
{
    FaultTable &table = Table();
    std::lock_guard<std::mutex> guard(table.lock);
    table.faults.clear();
    table.any = false;
}

bool DosFaultsSet()
{
    return Table().any;
}

bool DosFaultHits(DosCall call, const char *name)
{
    FaultTable &table = Table();
    if (!table.any)
        return false;
    std::lock_guard<std::mutex> guard(table.lock);
    const char *part = LastPart(name != nullptr ? name : "");
    for (DosFault &fault : table.faults) {
        if (fault.call != call || fault.spent)
            continue;
        if (!fault.pattern.empty() && fnmatch(fault.pattern.c_str(), part, 0) != 0)
            continue;
        fault.seen++;
        if (fault.nth == 0 || fault.seen == fault.nth) {
            fault.spent = fault.nth != 0;
            Fail(fault.error);
            return true;
        }
    }
    return false;
}

}  // namespace hosted
