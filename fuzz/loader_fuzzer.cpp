// fuzz/loader_fuzzer.cpp: feeds arbitrary bytes to the executable loader; it must load or refuse, never misbehave.
#include "loader.h"

#include <cstdint>
#include <cstring>

namespace {

// Checks the shape of a list the loader accepted: every segment's length
// word covers its header and data, the links stay inside what was mapped,
// and every data byte can be read.
void CheckSegmentList(BPTR seglist)
{
    size_t segments = 0;
    const UBYTE *previousEnd = nullptr;
    for (BPTR link = seglist; link != 0; segments++) {
        auto *linkAddress = static_cast<UBYTE *>(BADDR(link));
        // Segments follow one another: a write past one segment's data
        // (a bad relocation) would show as a link pointing backwards.
        if (previousEnd != nullptr && linkAddress < previousEnd + sizeof(ULONG))
            __builtin_trap();
        ULONG length;
        std::memcpy(&length, linkAddress - sizeof(ULONG), sizeof length);
        if (length < sizeof(ULONG) + sizeof(BPTR) || segments > hosted::loader::kMaxSegments)
            __builtin_trap();
        const UBYTE *data = linkAddress + sizeof(BPTR);
        size_t dataSize = length - sizeof(ULONG) - sizeof(BPTR);
        if (dataSize != 0) {
            volatile UBYTE sink = static_cast<UBYTE>(data[0] ^ data[dataSize - 1]);
            (void)sink;
        }
        if (reinterpret_cast<uintptr_t>(data) + dataSize > 0x100000000ull)
            __builtin_trap();   // relocated addresses must fit in 32 bits
        previousEnd = data + dataSize;
        std::memcpy(&link, linkAddress, sizeof link);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    hosted::loader::MemorySource source(data, size);
    LONG error = 0;
    BPTR seglist = hosted::loader::LoadExecutable(source, error);
    if (seglist == 0) {
        if (error == 0)
            __builtin_trap();   // a refusal always says why
        return 0;
    }
    CheckSegmentList(seglist);
    if (!hosted::loader::FreeSegmentList(seglist) || hosted::loader::FreeSegmentList(seglist))
        __builtin_trap();   // freed exactly once
    return 0;
}
