// dos/loader_hunk.cpp: reads hunk executables into relocated segments below 4 GiB.
#include "loader.h"

#include <dos/doshunks.h>

#include <cstring>
#include <new>

namespace hosted::loader {

namespace {

// Reads the big-endian longwords (and, for the short relocations, words) of
// a hunk file held in memory. Every read checks what is left, so a count in
// the file can never make the loader read past its end.
class HunkReader {
public:
    HunkReader(const UBYTE *bytes, size_t size) : bytes_(bytes), size_(size) {}

    bool Long(ULONG &value)
    {
        if (size_ - position_ < 4)
            return false;
        const UBYTE *p = bytes_ + position_;
        value = (ULONG(p[0]) << 24) | (ULONG(p[1]) << 16) | (ULONG(p[2]) << 8) | ULONG(p[3]);
        position_ += 4;
        return true;
    }

    bool Word(UWORD &value)
    {
        if (size_ - position_ < 2)
            return false;
        const UBYTE *p = bytes_ + position_;
        value = static_cast<UWORD>((p[0] << 8) | p[1]);
        position_ += 2;
        return true;
    }

    bool SkipLongs(uint64_t count)
    {
        if (count > (size_ - position_) / 4)
            return false;
        position_ += static_cast<size_t>(count * 4);
        return true;
    }

    bool Copy(UBYTE *destination, uint64_t length)
    {
        if (length > size_ - position_)
            return false;
        std::memcpy(destination, bytes_ + position_, static_cast<size_t>(length));
        position_ += static_cast<size_t>(length);
        return true;
    }

    // One to three bytes after the last longword are padding, not a block.
    bool AtEnd() const { return size_ - position_ < 4; }
    uint64_t LongsLeft() const { return (size_ - position_) / 4; }

private:
    const UBYTE *bytes_;
    size_t size_;
    size_t position_ = 0;
};

ULONG LoadBigEndian(const UBYTE *p)
{
    return (ULONG(p[0]) << 24) | (ULONG(p[1]) << 16) | (ULONG(p[2]) << 8) | ULONG(p[3]);
}

void StoreBigEndian(UBYTE *p, ULONG value)
{
    p[0] = static_cast<UBYTE>(value >> 24);
    p[1] = static_cast<UBYTE>(value >> 16);
    p[2] = static_cast<UBYTE>(value >> 8);
    p[3] = static_cast<UBYTE>(value);
}

class HunkLoader {
public:
    HunkLoader(const UBYTE *bytes, size_t size) : reader_(bytes, size) {}

    BPTR Load(LONG &error)
    {
        if (!ReadHeader(error) || !ReadHunks(error))
            return 0;
        return segments_.Release();
    }

private:
    bool Bad(LONG &error)
    {
        error = ERROR_BAD_HUNK;
        return false;
    }

    // HUNK_HEADER: resident library names (none in an executable), the
    // table size, the first and last hunk, and each hunk's size in longwords
    // with its memory flags in the top bits.
    bool ReadHeader(LONG &error)
    {
        ULONG type, names, tableSize, first, last;
        if (!reader_.Long(type) || type != HUNK_HEADER || !reader_.Long(names) || names != 0)
            return Bad(error);
        if (!reader_.Long(tableSize) || !reader_.Long(first) || !reader_.Long(last))
            return Bad(error);
        if (first > last || last >= tableSize)
            return Bad(error);
        uint64_t count = uint64_t(last) - first + 1;
        if (count > reader_.LongsLeft())
            return Bad(error);
        if (count > kMaxSegments) {
            error = ERROR_NO_FREE_STORE;
            return false;
        }
        first_ = first;
        std::vector<uint64_t> sizes;
        sizes.reserve(static_cast<size_t>(count));
        for (uint64_t i = 0; i < count; i++) {
            ULONG size;
            if (!reader_.Long(size))
                return Bad(error);
            if ((size & (HUNKF_CHIP | HUNKF_FAST)) == (HUNKF_CHIP | HUNKF_FAST)) {
                ULONG attributes;   // extended memory attributes: nothing to do with them here
                if (!reader_.Long(attributes))
                    return Bad(error);
            }
            sizes.push_back(uint64_t(size & 0x3FFFFFFF) * 4);
        }
        return segments_.Allocate(sizes, true, error);
    }

    bool ReadHunks(LONG &error)
    {
        size_t hunk = 0;
        bool open = false;   // the current hunk has had its CODE, DATA or BSS block
        while (!reader_.AtEnd()) {
            ULONG word;
            reader_.Long(word);
            ULONG type = word & 0x1FFFFFFF;
            ULONG count;
            switch (type) {
            case HUNK_NAME:
            case HUNK_DEBUG:
                if (!reader_.Long(count) || !reader_.SkipLongs(count))
                    return Bad(error);
                break;
            case HUNK_CODE:
            case HUNK_DATA:
                if (open || hunk >= segments_.Count() || !reader_.Long(count))
                    return Bad(error);
                if (uint64_t(count) * 4 > segments_.DataSize(hunk) ||
                    !reader_.Copy(segments_.Data(hunk), uint64_t(count) * 4))
                    return Bad(error);
                open = true;
                break;
            case HUNK_BSS:
                // The header gives the size; the memory is already zeroed.
                if (open || hunk >= segments_.Count() || !reader_.Long(count))
                    return Bad(error);
                open = true;
                break;
            case HUNK_RELOC32:
                if (!open || !ReadReloc32(hunk))
                    return Bad(error);
                break;
            case HUNK_RELOC32SHORT:
            case HUNK_DREL32:   // what old linkers wrote for the short form; the system reads it so
                if (!open || !ReadReloc32Short(hunk))
                    return Bad(error);
                break;
            case HUNK_SYMBOL:
                if (!SkipSymbols())
                    return Bad(error);
                break;
            case HUNK_END:
                if (!open)
                    return Bad(error);
                open = false;
                hunk++;
                break;
            default:
                // An unknown block marked advisory carries its length and is
                // skipped; any other (overlays, libraries, HUNK_EXT) is not
                // something an executable may hold.
                if ((word & HUNKF_ADVISORY) == 0 || !reader_.Long(count) || !reader_.SkipLongs(count))
                    return Bad(error);
                break;
            }
        }
        // Every hunk ends with HUNK_END: a file that stops short of one was
        // cut, however complete it looks.
        if (open || hunk != segments_.Count())
            return Bad(error);
        return true;
    }

    // Adds the address of hunk `target` (absolute number) to the big-endian
    // longword at `offset` of hunk `hunk`.
    bool Relocate(size_t hunk, ULONG offset, ULONG target)
    {
        if (target < first_ || target - first_ >= segments_.Count())
            return false;
        uint64_t size = segments_.DataSize(hunk);
        if (size < 4 || offset > size - 4)
            return false;
        UBYTE *at = segments_.Data(hunk) + offset;
        auto base = static_cast<ULONG>(reinterpret_cast<uintptr_t>(segments_.Data(target - first_)));
        StoreBigEndian(at, LoadBigEndian(at) + base);
        return true;
    }

    // Groups of (count, target hunk, offsets...), ended by a count of 0.
    bool ReadReloc32(size_t hunk)
    {
        for (;;) {
            ULONG count, target;
            if (!reader_.Long(count))
                return false;
            if (count == 0)
                return true;
            if (!reader_.Long(target))
                return false;
            for (ULONG i = 0; i < count; i++) {
                ULONG offset;
                if (!reader_.Long(offset) || !Relocate(hunk, offset, target))
                    return false;
            }
        }
    }

    // The same with 16-bit words, padded to a whole longword at the end.
    bool ReadReloc32Short(size_t hunk)
    {
        uint64_t words = 0;
        for (;;) {
            UWORD count, target;
            if (!reader_.Word(count))
                return false;
            words++;
            if (count == 0)
                break;
            if (!reader_.Word(target))
                return false;
            words++;
            for (UWORD i = 0; i < count; i++) {
                UWORD offset;
                if (!reader_.Word(offset) || !Relocate(hunk, offset, target))
                    return false;
                words++;
            }
        }
        UWORD pad;
        return (words % 2) == 0 || reader_.Word(pad);
    }

    // Pairs of (name length in longwords, name, value), ended by a length of 0.
    bool SkipSymbols()
    {
        for (;;) {
            ULONG length;
            if (!reader_.Long(length))
                return false;
            if (length == 0)
                return true;
            if (!reader_.SkipLongs(uint64_t(length) + 1))
                return false;
        }
    }

    HunkReader reader_;
    SegmentList segments_;
    ULONG first_ = 0;
};

}  // namespace

BPTR LoadHunkExecutable(Source &source, LONG &error)
{
    uint64_t size = source.Size();
    if (size > kMaxLoadBytes) {
        error = ERROR_OBJECT_TOO_LARGE;
        return 0;
    }
    std::vector<UBYTE> bytes;
    try {
        bytes.resize(static_cast<size_t>(size));
    } catch (const std::bad_alloc &) {
        error = ERROR_NO_FREE_STORE;
        return 0;
    }
    if (!source.ReadAt(0, bytes.data(), bytes.size(), error))
        return 0;
    HunkLoader loader(bytes.data(), bytes.size());
    return loader.Load(error);
}

}  // namespace hosted::loader
