// core/buffer_set.h: the BufferSet: the thirteen buffers one lister allocates together at start-up.
#ifndef CORE_BUFFER_SET_H
#define CORE_BUFFER_SET_H

#include <exec/memory.h>

#include <settings/config_record.h>

#include <cstddef>

// The entries of the memory list, in order. The last five are the five
// (attributes, size) pairs that open the ConfigRecord.
enum BufferSetEntry : ULONG {
    BufferViewerCommand = 0,   // "Multiview \"" and the name to show
    BufferOpenWithPath = 1,    // path buffer of "Open with"
    BufferDialogCanvas = 2,    // pixels of the dialogs
    BufferStatusStrip = 3,     // pixels of the status line
    BufferWindowGradient = 4,  // gradient table of the window colours
    BufferUserMenus = 5,       // user menu records
    BufferDestination = 6,     // the copy destination, "RAM:" at start
    BufferHistory = 7,         // the fourteen HistoryList texts
    BufferCopy = 8,            // CopyBuffer ("Copy:")
    BufferEntries = 9,         // EntryBuffer ("Lister:")
    BufferDirStack = 10,       // traversal stack ("Dir stack:")
    BufferDirDepth = 11,       // per-level traversal records ("Dir depth:")
    BufferBitmap = 12,         // RenderBitmap ("Bitmap")
    BufferSetCount = 13
};

constexpr ULONG ViewerCommandSize = 512;
constexpr ULONG OpenWithPathSize = 10000;
constexpr ULONG WindowGradientSize = 1028;
constexpr ULONG UserMenuBlockSize = 212960;
constexpr ULONG DestinationPathSize = 10000;
constexpr ULONG HistoryBufferSize = 140000;
constexpr ULONG DialogCanvasMinRows = 256;

// Requirements and length of each entry, and how many entries the set has:
// all thirteen, or the first twelve for a program without the "Bitmap"
// buffer (its lister is drawn in a graphics bitmap of its own).
struct BufferSetLengths {
    ULONG requirements[BufferSetCount] = {};
    ULONG lengths[BufferSetCount] = {};
    ULONG count = BufferSetCount;
};

// The rows of the DialogCanvas: max(20 × YSize, 256).
ULONG DialogCanvasRows(ULONG ySize);

// The lengths of every entry: the fixed ones, the DialogCanvas and the
// StatusStrip from the row bytes (screen width − BordersX) × 4, YSize and the
// status line height, and the last five pairs as the record holds them.
BufferSetLengths ComputeBufferSetLengths(const ConfigRecord &config, ULONG screenWidth, ULONG bordersX, ULONG ySize,
                                         ULONG statusHeight);

// Entry `index` of a memory list (ml_ME is declared with one element; the
// list holds ml_NumEntries of them).
inline struct MemEntry *MemListEntry(struct MemList *list, ULONG index)
{
    return reinterpret_cast<struct MemEntry *>(reinterpret_cast<UBYTE *>(list) + offsetof(struct MemList, ml_ME) +
                                               index * sizeof(struct MemEntry));
}

// The allocated set: one memory list from one AllocEntry.
struct BufferSet {
    struct MemList *list = nullptr;

    bool Allocated() const { return list != nullptr; }
    APTR Address(BufferSetEntry entry) const { return MemListEntry(list, entry)->me_Addr; }
    ULONG Length(BufferSetEntry entry) const { return MemListEntry(list, entry)->me_Length; }
    UBYTE *Bytes(BufferSetEntry entry) const { return static_cast<UBYTE *>(Address(entry)); }
};

// Allocates the `lengths.count` entries with one AllocEntry, or none. FALSE (the
// set stays empty) when memory is short; IoErr is not involved.
[[nodiscard]] BOOL AllocBufferSet(BufferSet &set, const BufferSetLengths &lengths);

// Releases the set with one FreeEntry; an empty set is ignored.
void FreeBufferSet(BufferSet &set);

#endif /* CORE_BUFFER_SET_H */
