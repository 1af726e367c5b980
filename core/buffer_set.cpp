// core/buffer_set.cpp: sizing, allocating and freeing the BufferSet.
#include "buffer_set.h"

#include <proto/exec.h>

#include <algorithm>

namespace {

// A memory list with room for all thirteen entries.
struct BufferSetRequest {
    struct MemList list;
    struct MemEntry more[BufferSetCount - 1];
};

// Saturates instead of wrapping: a size past 4 GiB is one no allocation grants.
ULONG Product(ULONG a, ULONG b)
{
    UQUAD product = UQUAD(a) * b;
    return product > 0xFFFFFFFFULL ? 0xFFFFFFFFUL : ULONG(product);
}

}  // namespace

ULONG DialogCanvasRows(ULONG ySize)
{
    return std::max<ULONG>(20 * ySize, DialogCanvasMinRows);
}

BufferSetLengths ComputeBufferSetLengths(const ConfigRecord &config, ULONG screenWidth, ULONG bordersX, ULONG ySize,
                                         ULONG statusHeight)
{
    BufferSetLengths set;
    ULONG rowBytes = screenWidth > bordersX ? (screenWidth - bordersX) * 4 : 4;
    set.lengths[BufferViewerCommand] = ViewerCommandSize;
    set.lengths[BufferOpenWithPath] = OpenWithPathSize;
    set.lengths[BufferDialogCanvas] = Product(rowBytes, DialogCanvasRows(ySize));
    set.lengths[BufferStatusStrip] = Product(rowBytes, statusHeight);
    set.lengths[BufferWindowGradient] = WindowGradientSize;
    set.lengths[BufferUserMenus] = UserMenuBlockSize;
    set.lengths[BufferDestination] = DestinationPathSize;
    set.lengths[BufferHistory] = HistoryBufferSize;
    for (ULONG i = 0; i < ConfigBufferCount; i++) {
        auto which = static_cast<ConfigBuffer>(i);
        set.requirements[BufferCopy + i] = config.BufferAttributes(which);
        set.lengths[BufferCopy + i] = config.BufferSize(which);
    }
    return set;
}

BOOL AllocBufferSet(BufferSet &set, const BufferSetLengths &lengths)
{
    set.list = nullptr;
    BufferSetRequest request{};
    ULONG count = lengths.count < BufferSetCount ? lengths.count : BufferSetCount;
    request.list.ml_NumEntries = UWORD(count);
    for (ULONG i = 0; i < count; i++) {
        MemListEntry(&request.list, i)->me_Reqs = lengths.requirements[i];
        MemListEntry(&request.list, i)->me_Length = lengths.lengths[i];
    }
    set.list = AllocEntry(&request.list);
    return set.list != nullptr;
}

void FreeBufferSet(BufferSet &set)
{
    if (set.list != nullptr)
        FreeEntry(set.list);
    set.list = nullptr;
}
