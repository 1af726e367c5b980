// dos/loader.h: the loader's core (formats, segment memory), shared by dos, its tests and the fuzzer.
#ifndef DOS_LOADER_H
#define DOS_LOADER_H

#include <dos/dos.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace hosted::loader {

// Most memory one load may take, all segments together, and the largest hunk
// file read whole. A header asking for more is refused before anything is
// allocated, so a hostile file cannot make the loader take unbounded memory.
constexpr uint64_t kMaxLoadBytes = 256ull << 20;
// Most segments one list may have; real programs have a handful.
constexpr size_t kMaxSegments = 65536;

// Where an executable is read from: a dos file or bytes in memory.
class Source {
public:
    virtual ~Source() = default;
    virtual uint64_t Size() const = 0;
    // Reads exactly `length` bytes at `offset`. False with `error` (an IoErr
    // code) when they are not all there or the read fails.
    virtual bool ReadAt(uint64_t offset, void *destination, size_t length, LONG &error) = 0;
};

class MemorySource : public Source {
public:
    MemorySource(const UBYTE *bytes, size_t size) : bytes_(bytes), size_(size) {}
    uint64_t Size() const override { return size_; }
    bool ReadAt(uint64_t offset, void *destination, size_t length, LONG &error) override;

private:
    const UBYTE *bytes_;
    size_t size_;
};

// The memory of one segment list under construction. Each segment lies in
// one mapping as [pad 4][ULONG length][BPTR link][data], the link 8-aligned,
// the length covering length word, link and data. Until Release() the
// memory belongs to this object and is freed with it.
class SegmentList {
public:
    SegmentList() = default;
    SegmentList(const SegmentList &) = delete;
    SegmentList &operator=(const SegmentList &) = delete;
    ~SegmentList();

    // Maps memory for segments of these data sizes (bytes), zeroed and
    // chained. With `lowAddresses` every byte lies below 4 GiB, so 32-bit
    // relocations can hold the addresses. False with `error` set.
    bool Allocate(const std::vector<uint64_t> &dataSizes, bool lowAddresses, LONG &error);

    size_t Count() const { return data_.size(); }
    UBYTE *Data(size_t index) const { return data_[index]; }
    uint64_t DataSize(size_t index) const { return sizes_[index]; }

    // Hands the list over: the result is the seglist BPTR, which
    // FreeSegmentList (UnLoadSeg) takes back. 0 when nothing was allocated.
    BPTR Release();

private:
    UBYTE *region_ = nullptr;
    size_t regionSize_ = 0;
    std::vector<UBYTE *> data_;
    std::vector<uint64_t> sizes_;
};

// Frees a segment list from Release(). False (and nothing touched) when the
// BPTR is not a list this loader made, or was freed already.
bool FreeSegmentList(BPTR seglist);

// The formats. Each returns the seglist, or 0 with `error` set.
BPTR LoadHunkExecutable(Source &source, LONG &error);
BPTR LoadElfExecutable(Source &source, LONG &error);

// Recognises the format by its first bytes and loads it; anything that is
// neither a hunk file nor an ELF file fails with ERROR_FILE_NOT_OBJECT.
BPTR LoadExecutable(Source &source, LONG &error);

}  // namespace hosted::loader

#endif  // DOS_LOADER_H
