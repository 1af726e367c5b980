// exec/memory.cpp: memory allocation, memory lists, and the tests' failure switch.
#include <hosted/task.h>
#include <proto/exec.h>

#include <malloc.h>
#include <sys/mman.h>

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>

namespace {

std::atomic<unsigned long long> gLimit{0};
std::atomic<unsigned long> gCountdown{0};

void ReadEnvironmentOnce()
{
    static bool done = [] {
        if (const char *limit = std::getenv("KESTROVANE_ALLOC_LIMIT"))
            gLimit = std::strtoull(limit, nullptr, 10);
        if (const char *nth = std::getenv("KESTROVANE_ALLOC_FAIL"))
            gCountdown = std::strtoul(nth, nullptr, 10);
        return true;
    }();
    (void)done;
}

// One allocation as the switch sees it: false when it is to fail.
bool MayAllocate(unsigned long long size)
{
    ReadEnvironmentOnce();
    unsigned long long limit = gLimit.load();
    if (limit != 0 && size > limit)
        return false;
    unsigned long countdown = gCountdown.load();
    while (countdown != 0) {
        if (gCountdown.compare_exchange_weak(countdown, countdown - 1))
            return countdown != 1;
    }
    return true;
}

// Blocks this large (a lister's picture runs to hundreds of megabytes) are
// asked to live in huge pages: touching them first then costs one fault
// every 2 MiB instead of one every 4 KiB.
constexpr ULONG kHugeBlock = 8u << 20;
constexpr uintptr_t kHugePage = 2u << 20;

void PreferHugePages(void *block, ULONG byteSize)
{
    uintptr_t start = (reinterpret_cast<uintptr_t>(block) + kHugePage - 1) & ~(kHugePage - 1);
    uintptr_t end = (reinterpret_cast<uintptr_t>(block) + byteSize) & ~(kHugePage - 1);
    if (end > start)
        madvise(reinterpret_cast<void *>(start), end - start, MADV_HUGEPAGE);   // a hint: failure is harmless
}

// The last large block freed, kept for the next large allocation it suits.
// On the real system freed memory goes back to exec's free list and is
// handed out again as it is; the host would instead give it back and clear
// it page by page when it is asked for again, which for a lister's picture
// of a hundred megabytes, freed and allocated anew for every drawer, costs
// as much as drawing it.
std::mutex gSpareLock;
std::atomic<long> gOutstanding{0};

void *gSpare = nullptr;
std::size_t gSpareSize = 0;

// A spare block of at least `byteSize` bytes and not more than twice that
// (a much larger one is better given back), or nullptr.
void *TakeSpare(ULONG byteSize)
{
    std::lock_guard<std::mutex> hold(gSpareLock);
    if (gSpare == nullptr || gSpareSize < byteSize || gSpareSize / 2 > byteSize)
        return nullptr;
    void *block = gSpare;
    gSpare = nullptr;
    gSpareSize = 0;
    return block;
}

// Gives a block from RawAllocate back: a large one becomes the spare (the
// one it replaces goes back to the host).
void RawFree(void *block)
{
    if (block == nullptr)
        return;
    gOutstanding--;
    std::size_t size = malloc_usable_size(block);
    if (size < kHugeBlock) {
        std::free(block);
        return;
    }
    void *previous;
    {
        std::lock_guard<std::mutex> hold(gSpareLock);
        previous = gSpare;
        gSpare = block;
        gSpareSize = size;
    }
    std::free(previous);
}

APTR RawAllocate(ULONG byteSize, ULONG requirements)
{
    if (byteSize == 0)
        return nullptr;
    if (byteSize >= kHugeBlock) {
        if (void *spare = TakeSpare(byteSize)) {
            gOutstanding++;
            if ((requirements & MEMF_CLEAR) != 0)
                std::memset(spare, 0, byteSize);
            return spare;
        }
    }
    void *block = (requirements & MEMF_CLEAR) != 0 ? std::calloc(1, byteSize) : std::malloc(byteSize);
    if (block != nullptr && byteSize >= kHugeBlock)
        PreferHugePages(block, byteSize);
    if (block != nullptr)
        gOutstanding++;
    return block;
}

}  // namespace

namespace hosted {

void SetAllocFailure(unsigned long long aboveSize, unsigned long nth)
{
    ReadEnvironmentOnce();
    gLimit = aboveSize;
    gCountdown = nth;
}

long OutstandingAllocations()
{
    return gOutstanding.load();
}

}  // namespace hosted

/* Allocates byteSize bytes (zeroed with MEMF_CLEAR). NULL for a size of 0
   or when memory is short. */
APTR AllocMem(ULONG byteSize, ULONG requirements)
{
    if (!MayAllocate(byteSize))
        return nullptr;
    return RawAllocate(byteSize, requirements);
}

/* Frees memory from AllocMem; the size is the one allocated. The last
   large block freed (8 MiB or more) stays with exec for the next large
   allocation, as freed memory does on the real system. */
void FreeMem(APTR memoryBlock, ULONG byteSize)
{
    (void)byteSize;
    RawFree(memoryBlock);
}

/* Allocates memory that carries its own size, for FreeVec. */
APTR AllocVec(ULONG byteSize, ULONG requirements)
{
    if (!MayAllocate(byteSize))
        return nullptr;
    auto *block = static_cast<UBYTE *>(RawAllocate(byteSize + 16, requirements));
    if (block == nullptr)
        return nullptr;
    std::memcpy(block, &byteSize, sizeof byteSize);
    return block + 16;
}

void FreeVec(APTR memoryBlock)
{
    if (memoryBlock != nullptr)
        RawFree(static_cast<UBYTE *>(memoryBlock) - 16);
}

/* Allocates every entry of the list or none of them. The result is a new
   MemList whose entries hold the addresses; NULL on failure. */
struct MemList *AllocEntry(struct MemList *entry)
{
    UWORD count = entry->ml_NumEntries;
    unsigned long long total = 0;
    for (UWORD i = 0; i < count; i++)
        total += entry->ml_ME[i].me_Length;
    if (!MayAllocate(total))
        return nullptr;
    for (UWORD i = 0; i < count; i++) {
        unsigned long long limit = gLimit.load();
        if (limit != 0 && entry->ml_ME[i].me_Length > limit)
            return nullptr;
    }
    size_t listSize = sizeof(struct MemList) + sizeof(struct MemEntry) * (count > 0 ? count - 1 : 0);
    auto *list = static_cast<struct MemList *>(std::calloc(1, listSize));
    if (list == nullptr)
        return nullptr;
    list->ml_NumEntries = count;
    for (UWORD i = 0; i < count; i++) {
        ULONG length = entry->ml_ME[i].me_Length;
        APTR address = RawAllocate(length, entry->ml_ME[i].me_Reqs);
        if (address == nullptr && length != 0) {
            for (UWORD j = 0; j < i; j++)
                RawFree(list->ml_ME[j].me_Addr);
            std::free(list);
            return nullptr;
        }
        list->ml_ME[i].me_Addr = address;
        list->ml_ME[i].me_Length = length;
    }
    return list;
}

/* Frees every entry of a list from AllocEntry, then the list. */
void FreeEntry(struct MemList *entry)
{
    if (entry == nullptr)
        return;
    for (UWORD i = 0; i < entry->ml_NumEntries; i++)
        RawFree(entry->ml_ME[i].me_Addr);
    std::free(entry);
}

/* The memory the host reports as available (MemAvailable), in bytes,
   saturated at 4 GiB - 1. */
ULONG AvailMem(ULONG requirements)
{
    (void)requirements;
    unsigned long long available = 0;
    if (FILE *info = std::fopen("/proc/meminfo", "r")) {
        char line[128];
        while (std::fgets(line, sizeof line, info) != nullptr) {
            unsigned long long kib;
            if (std::sscanf(line, "MemAvailable: %llu kB", &kib) == 1) {
                available = kib * 1024;
                break;
            }
        }
        std::fclose(info);
    }
    return available > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<ULONG>(available);
}

void CopyMem(CONST_APTR source, APTR dest, ULONG size)
{
    std::memmove(dest, source, size);
}
