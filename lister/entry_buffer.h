// lister/entry_buffer.h: the layout of the EntryBuffer: header, entries upward, display slots downward.
#ifndef LISTER_ENTRY_BUFFER_H
#define LISTER_ENTRY_BUFFER_H

#include <dos/dos.h>

#include <cstddef>
#include <cstring>

// The EntryBuffer is one block of the BufferSet ("Lister:", 2,048,000 bytes
// by default), laid out in three regions:
//
//   offset 0            ListerHeader (5164 bytes): work FileInfoBlock, path,
//                       lock, counts, total bytes, column widths
//   offset 5164         ListerEntry records (216 bytes each), reading order,
//                       growing upward
//        ...            free
//   end - 16 - 8k       DisplaySlot k (8 bytes), display order, growing
//                       downward; the slot after the last is all zero
//   end - 8             8 bytes that are zero and stay zero
//
// An entry costs 224 bytes (its record and its slot); the default buffer
// holds (2,048,000 - 5164 - 16) / 224 = 9119 entries. Slots name their
// entry by its offset from the buffer's start, never by address, so these
// sizes are the same on every host; offset 0 (inside the header) marks the
// end of the display order.

constexpr ULONG ListerPathSize = 4088;      // bytes of the path text, NUL included
constexpr ULONG ListerNameSize = 108;       // as fib_FileName
constexpr ULONG ListerCommentSize = 80;     // as fib_Comment
constexpr ULONG ListerHeaderSize = 5164;
constexpr ULONG ListerEntrySize = 216;
constexpr ULONG DisplaySlotSize = 8;
constexpr ULONG EntryBufferEndMarkSize = 8;  // the zero bytes at the very end
constexpr ULONG EntryCost = ListerEntrySize + DisplaySlotSize;

// One directory entry, copied from the FileInfoBlock ExNext filled in.
// Every field is at most 4-byte aligned so that records pack at 216 bytes
// from offset 5164; the 64-bit size is kept as two words for that reason.
struct ListerEntry {
    LONG type;                       // fib_DirEntryType: >= 0 drawer, < 0 file
    ULONG protection;                // fib_Protection
    ULONG sizeHigh;                  // fib_Size64, the true size, high word
    ULONG sizeLow;                   //   ... and low word
    struct DateStamp date;           // fib_Date
    char name[ListerNameSize];       // fib_FileName, NUL-terminated
    char comment[ListerCommentSize]; // fib_Comment, NUL-terminated

    // A link whose object is gone (or that loops) is ST_SOFTLINK: nothing to
    // go into, so it lists and counts as a file. Links to drawers that are
    // there (ST_LINKDIR) list as drawers.
    bool IsDrawer() const { return type >= 0 && type != ST_SOFTLINK; }
    UQUAD Size() const { return (UQUAD(sizeHigh) << 32) | sizeLow; }
    void SetSize(UQUAD size)
    {
        sizeHigh = ULONG(size >> 32);
        sizeLow = ULONG(size);
    }
};

static_assert(sizeof(ListerEntry) == ListerEntrySize, "an entry record is 216 bytes");
static_assert(alignof(ListerEntry) == 4, "entries pack from the 4-aligned offset 5164");

// One row of the display order: its selection and its entry.
struct DisplaySlot {
    ULONG selectionMark;   // SelectionMark: 0 unselected, else row index + 1
    ULONG entryOffset;     // offset of the ListerEntry from the buffer's start; 0 ends the order
};

static_assert(sizeof(DisplaySlot) == DisplaySlotSize, "a display slot is two words");

// The header at the start of the buffer. Members that would need 8-byte
// alignment on this host (the FileInfoBlock, the lock, the 64-bit total)
// are kept as bytes or word pairs behind accessors, so the header has the
// 4-byte alignment and the 5164-byte size the entry arithmetic relies on.
struct ListerHeader {
    UBYTE workFib[sizeof(struct FileInfoBlock)];  // the FileInfoBlock of Examine and ExNext (WorkFib())
    char path[ListerPathSize];   // the drawer path, NUL-terminated
    ULONG pathEnd;               // position of the path's NUL (its length): names are appended here
    UBYTE drawerLock[sizeof(BPTR)]; // the drawer lock, 0 when none is held (DrawerLock())
    ULONG fileCount;
    ULONG drawerCount;
    ULONG totalBytesHigh;        // total bytes of all files, 64-bit (TotalBytes())
    ULONG totalBytesLow;
    ULONG sizeWidth;             // column widths in characters
    ULONG nameWidth;
    ULONG commentWidth;
    UBYTE reserved[ListerHeaderSize - sizeof(struct FileInfoBlock) - ListerPathSize - sizeof(BPTR) - 8 * 4];

    // The FileInfoBlock lies at offset 0 of the buffer, which AllocEntry
    // aligns for any type.
    struct FileInfoBlock *WorkFib() { return reinterpret_cast<struct FileInfoBlock *>(workFib); }

    BPTR DrawerLock() const
    {
        BPTR lock;
        std::memcpy(&lock, drawerLock, sizeof lock);
        return lock;
    }
    void SetDrawerLock(BPTR lock) { std::memcpy(drawerLock, &lock, sizeof lock); }

    UQUAD TotalBytes() const { return (UQUAD(totalBytesHigh) << 32) | totalBytesLow; }
    void SetTotalBytes(UQUAD total)
    {
        totalBytesHigh = ULONG(total >> 32);
        totalBytesLow = ULONG(total);
    }

    ULONG EntryCount() const { return fileCount + drawerCount; }
};

static_assert(sizeof(ListerHeader) == ListerHeaderSize, "the header is 5164 bytes");
static_assert(alignof(ListerHeader) == 4, "the header packs to 4 bytes");
static_assert(offsetof(ListerHeader, path) == sizeof(struct FileInfoBlock), "the path follows the FileInfoBlock");

// A view of one EntryBuffer: where it is and how long. It owns nothing.
struct EntryBuffer {
    UBYTE *base = nullptr;
    ULONG size = 0;   // usable length: the block's length rounded down to a multiple of 4

    EntryBuffer() = default;
    EntryBuffer(APTR block, ULONG length) : base(static_cast<UBYTE *>(block)), size(length & ~3UL) {}

    // False when the block cannot even hold the header and the end marks.
    bool Usable() const { return base != nullptr && size >= ListerHeaderSize + 2 * DisplaySlotSize; }

    ListerHeader *Header() const { return reinterpret_cast<ListerHeader *>(base); }

    // How many entries fit: (size - header - end mark - terminator) / 224.
    ULONG Capacity() const
    {
        return Usable() ? (size - ListerHeaderSize - EntryBufferEndMarkSize - DisplaySlotSize) / EntryCost : 0;
    }

    // The offset of the i-th entry in reading order.
    static constexpr ULONG EntryOffset(ULONG index) { return ListerHeaderSize + index * ListerEntrySize; }
    ListerEntry *Entry(ULONG index) const { return EntryAtOffset(EntryOffset(index)); }
    ListerEntry *EntryAtOffset(ULONG offset) const { return reinterpret_cast<ListerEntry *>(base + offset); }

    // Display slot k: k slots below the one under the end mark.
    DisplaySlot *Slot(ULONG index) const
    {
        return reinterpret_cast<DisplaySlot *>(base + size - EntryBufferEndMarkSize - (index + 1) * DisplaySlotSize);
    }

    // The entry shown in row `index`, or nullptr past the end of the order.
    ListerEntry *SlotEntry(ULONG index) const
    {
        ULONG offset = Slot(index)->entryOffset;
        return offset != 0 ? EntryAtOffset(offset) : nullptr;
    }
};

// Prepares a freshly allocated EntryBuffer: clears the end mark, the header
// (no lock, empty path, counts and widths 0) and writes the terminator slot,
// so an empty display order exists before the first ReadDrawer. Returns
// FALSE when the block is too small to be an EntryBuffer.
[[nodiscard]] BOOL InitEntryBuffer(const EntryBuffer &buffer);

// Sets the lister's path (bounded by the 4088-byte path buffer) and its end
// position. Returns FALSE, leaving the path as it was, when it does not fit.
[[nodiscard]] BOOL SetListerPath(ListerHeader &header, CONST_STRPTR path);

#endif /* LISTER_ENTRY_BUFFER_H */
