// dos/loader_segments.cpp: segment memory of loaded executables, the seglist chain, and format recognition.
#include "loader.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <map>
#include <mutex>

namespace hosted::loader {

namespace {

// Bytes in front of each segment's data: pad, length word, link.
constexpr size_t kHeaderBytes = 16;
// Offsets inside that header.
constexpr size_t kLengthOffset = 4;
constexpr size_t kLinkOffset = 8;
// Zeroed bytes after the last segment, so a reader that takes the length
// word as the number of bytes after the link stays inside the mapping.
constexpr size_t kTailSlack = 16;

struct Region {
    UBYTE *address;
    size_t size;
};

// Every list handed out, by its seglist BPTR, so UnLoadSeg frees only what
// the loader made and a stale or foreign BPTR is refused, never followed.
std::mutex &RegistryLock()
{
    static auto *lock = new std::mutex;
    return *lock;
}

std::map<BPTR, Region> &Registry()
{
    static auto *registry = new std::map<BPTR, Region>;
    return *registry;
}

uint64_t AlignUp(uint64_t value, uint64_t alignment)
{
    return (value + alignment - 1) & ~(alignment - 1);
}

bool FitsBelow4G(const void *address, size_t size)
{
    return reinterpret_cast<uintptr_t>(address) + size <= 0x100000000ull;
}

// Maps zeroed, readable and writable memory (never executable: the loader
// does not run what it loads). With `low` the whole range lies below 4 GiB.
UBYTE *MapRegion(size_t size, bool low)
{
    const int flags = MAP_PRIVATE | MAP_ANONYMOUS;
    if (!low) {
        void *address = mmap(nullptr, size, PROT_READ | PROT_WRITE, flags, -1, 0);
        return address == MAP_FAILED ? nullptr : static_cast<UBYTE *>(address);
    }
#ifdef MAP_32BIT
    void *address = mmap(nullptr, size, PROT_READ | PROT_WRITE, flags | MAP_32BIT, -1, 0);
    if (address != MAP_FAILED) {
        if (FitsBelow4G(address, size))
            return static_cast<UBYTE *>(address);
        munmap(address, size);
    }
#endif
    // Hosts without MAP_32BIT (or with its 2 GiB exhausted): ask for a few
    // low addresses as hints and keep the first mapping that lands there.
    for (uintptr_t hint = 0x10000000; hint < 0xF0000000; hint += 0x10000000) {
        void *tried = mmap(reinterpret_cast<void *>(hint), size, PROT_READ | PROT_WRITE, flags, -1, 0);
        if (tried == MAP_FAILED)
            continue;
        if (FitsBelow4G(tried, size))
            return static_cast<UBYTE *>(tried);
        munmap(tried, size);
    }
    return nullptr;
}

}  // namespace

bool MemorySource::ReadAt(uint64_t offset, void *destination, size_t length, LONG &error)
{
    if (offset > size_ || length > size_ - offset) {
        error = ERROR_BAD_HUNK;
        return false;
    }
    if (length != 0)
        std::memcpy(destination, bytes_ + offset, length);
    return true;
}

SegmentList::~SegmentList()
{
    if (region_ != nullptr)
        munmap(region_, regionSize_);
}

bool SegmentList::Allocate(const std::vector<uint64_t> &dataSizes, bool lowAddresses, LONG &error)
{
    if (dataSizes.empty()) {
        error = ERROR_FILE_NOT_OBJECT;
        return false;
    }
    uint64_t total = 0;
    for (uint64_t size : dataSizes) {
        if (size > kMaxLoadBytes || dataSizes.size() > kMaxSegments) {
            error = ERROR_NO_FREE_STORE;
            return false;
        }
        total += kHeaderBytes + AlignUp(size, 8);
        if (total > kMaxLoadBytes) {
            error = ERROR_NO_FREE_STORE;
            return false;
        }
    }
    const uint64_t page = static_cast<uint64_t>(sysconf(_SC_PAGESIZE));
    size_t regionSize = static_cast<size_t>(AlignUp(total + kTailSlack, page));
    UBYTE *region = MapRegion(regionSize, lowAddresses);
    if (region == nullptr) {
        error = ERROR_NO_FREE_STORE;
        return false;
    }
    region_ = region;
    regionSize_ = regionSize;
    data_.clear();
    sizes_ = dataSizes;

    UBYTE *previousLink = nullptr;
    size_t offset = 0;
    for (uint64_t size : dataSizes) {
        UBYTE *header = region + offset;
        ULONG length = static_cast<ULONG>(sizeof(ULONG) + sizeof(BPTR) + size);
        std::memcpy(header + kLengthOffset, &length, sizeof length);
        if (previousLink != nullptr) {
            BPTR link = MKBADDR(header + kLinkOffset);
            std::memcpy(previousLink, &link, sizeof link);
        }
        previousLink = header + kLinkOffset;
        data_.push_back(header + kHeaderBytes);
        offset += kHeaderBytes + static_cast<size_t>(AlignUp(size, 8));
    }
    return true;
}

BPTR SegmentList::Release()
{
    if (region_ == nullptr)
        return 0;
    BPTR seglist = MKBADDR(region_ + kLinkOffset);
    {
        std::lock_guard<std::mutex> guard(RegistryLock());
        Registry()[seglist] = Region{region_, regionSize_};
    }
    region_ = nullptr;
    regionSize_ = 0;
    data_.clear();
    sizes_.clear();
    return seglist;
}

bool FreeSegmentList(BPTR seglist)
{
    Region region{};
    {
        std::lock_guard<std::mutex> guard(RegistryLock());
        auto found = Registry().find(seglist);
        if (found == Registry().end())
            return false;
        region = found->second;
        Registry().erase(found);
    }
    munmap(region.address, region.size);
    return true;
}

BPTR LoadExecutable(Source &source, LONG &error)
{
    UBYTE magic[4] = {};
    if (source.Size() < sizeof magic) {
        error = ERROR_FILE_NOT_OBJECT;
        return 0;
    }
    if (!source.ReadAt(0, magic, sizeof magic, error))
        return 0;
    if (magic[0] == 0 && magic[1] == 0 && magic[2] == 0x03 && magic[3] == 0xF3)   // HUNK_HEADER
        return LoadHunkExecutable(source, error);
    if (magic[0] == 0x7F && magic[1] == 'E' && magic[2] == 'L' && magic[3] == 'F')
        return LoadElfExecutable(source, error);
    error = ERROR_FILE_NOT_OBJECT;
    return 0;
}

}  // namespace hosted::loader
