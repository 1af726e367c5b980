// tools/multiview/file_bytes.cpp: reading a file's bytes through dos, with 64-bit offsets over a 32-bit Seek.
#include "file_bytes.h"

#include <proto/dos.h>

#include <new>

namespace hosted::multiview {

namespace {

constexpr LONG kChunk = 1 << 20;

// Moves to an offset that may lie beyond what one Seek can say: from the
// start, then onwards in steps a LONG can hold.
bool SeekTo(BPTR file, UQUAD offset)
{
    constexpr UQUAD kStep = 0x40000000;   // 1 GiB
    UQUAD first = offset < kStep ? offset : kStep;
    SetIoErr(0);
    if (Seek(file, static_cast<LONG>(first), OFFSET_BEGINNING) == -1 && IoErr() != 0)
        return false;
    for (UQUAD done = first; done < offset;) {
        UQUAD step = offset - done < kStep ? offset - done : kStep;
        SetIoErr(0);
        if (Seek(file, static_cast<LONG>(step), OFFSET_CURRENT) == -1 && IoErr() != 0)
            return false;
        done += step;
    }
    return true;
}

}  // namespace

LONG ReadMore(BPTR file, std::vector<UBYTE> &bytes, std::size_t limit)
{
    std::size_t got = 0;
    while (got < limit) {
        std::size_t old = bytes.size();
        LONG want = static_cast<LONG>(limit - got < static_cast<std::size_t>(kChunk) ? limit - got : kChunk);
        try {
            bytes.resize(old + static_cast<std::size_t>(want));
        } catch (const std::bad_alloc &) {
            bytes.resize(old);
            return ERROR_NO_FREE_STORE;
        }
        LONG n = Read(file, bytes.data() + old, want);
        if (n < 0) {
            bytes.resize(old);
            LONG error = IoErr();
            return error != 0 ? error : ERROR_SEEK_ERROR;
        }
        bytes.resize(old + static_cast<std::size_t>(n));
        got += static_cast<std::size_t>(n);
        if (n == 0)
            break;
    }
    return 0;
}

LONG ReadToEnd(BPTR file, std::vector<UBYTE> &bytes)
{
    for (;;) {
        std::size_t before = bytes.size();
        if (LONG error = ReadMore(file, bytes, static_cast<std::size_t>(kChunk) * 16))
            return error;
        if (bytes.size() - before < static_cast<std::size_t>(kChunk) * 16)
            return 0;
    }
}

QUAD FileSize(BPTR file)
{
    struct FileInfoBlock fib{};
    if (!ExamineFH(file, &fib))
        return -1;
    return static_cast<QUAD>(fib.fib_Size64);
}

LONG ReadAt(BPTR file, UQUAD offset, UBYTE *buffer, LONG length)
{
    if (!SeekTo(file, offset))
        return -1;
    LONG total = 0;
    while (total < length) {
        LONG n = Read(file, buffer + total, length - total);
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        total += n;
    }
    return total;
}

}  // namespace hosted::multiview
