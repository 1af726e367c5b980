// fileops/version_scan.cpp: finding the "$VER:" text in file bytes and in the segments of a loaded program.
#include "version_scan.h"

#include <exec/resident.h>

#include <cstdint>
#include <cstring>

const char NoVersionText[] = "Can't find version";

namespace {

constexpr char Marker[] = "$VER:";
constexpr ULONG MarkerLength = 5;

// A loader never makes more; a list that seems longer is not followed further.
constexpr ULONG MaxSegments = 65536;

enum class TextEnd : UBYTE {
    FileData,   // zero, line feed, carriage return, "*/"
    Loaded      // zero, carriage return
};

bool EndsText(const UBYTE *at, const UBYTE *limit, TextEnd ends)
{
    UBYTE c = *at;
    if (c == 0 || c == '\r')
        return true;
    if (ends == TextEnd::Loaded)
        return false;
    return c == '\n' || (c == '*' && at + 1 < limit && at[1] == '/');
}

// Copies the text from `from` up to its end (or `limit`) into `text`, cut
// to what fits, and returns `text`. `lead` (0: none) stands before it.
CONST_STRPTR CopyText(const UBYTE *from, const UBYTE *limit, TextEnd ends, char lead, STRPTR text, ULONG textSize)
{
    ULONG length = 0;
    if (lead != 0 && length + 1 < textSize)
        text[length++] = lead;
    for (const UBYTE *at = from; at < limit && !EndsText(at, limit, ends) && length + 1 < textSize; at++)
        text[length++] = char(*at);
    text[length] = '\0';
    return text;
}

bool MarkerAt(const UBYTE *at)
{
    return std::memcmp(at, Marker, MarkerLength) == 0;
}

ULONG BigEndian32(const UBYTE *p)
{
    return (ULONG(p[0]) << 24) | (ULONG(p[1]) << 16) | (ULONG(p[2]) << 8) | ULONG(p[3]);
}

// One segment's data as the loader laid it out: the length word stands
// right before the link, and counts itself, the link and the data.
struct SegmentData {
    const UBYTE *data = nullptr;
    ULONG size = 0;
    BPTR next = 0;
};

SegmentData SegmentOf(BPTR segment)
{
    const auto *link = static_cast<const UBYTE *>(BADDR(segment));
    ULONG length;
    std::memcpy(&length, link - sizeof(ULONG), sizeof length);
    SegmentData view;
    std::memcpy(&view.next, link, sizeof view.next);
    view.data = link + sizeof(BPTR);
    constexpr ULONG overhead = sizeof(ULONG) + sizeof(BPTR);
    view.size = length > overhead ? length - overhead : 0;
    return view;
}

// The segment of the list that holds `address`: where the text there may
// run to. nullptr when no segment holds it.
const UBYTE *SegmentEndFor(BPTR segments, uintptr_t address)
{
    ULONG count = 0;
    for (BPTR segment = segments; segment != 0 && count < MaxSegments; count++) {
        SegmentData view = SegmentOf(segment);
        auto begin = reinterpret_cast<uintptr_t>(view.data);
        if (address >= begin && address < begin + view.size)
            return view.data + view.size;
        segment = view.next;
    }
    return nullptr;
}

// A resident structure whose match word stands at `at` (offset `offset` of
// a segment of `size` bytes): its id string, if it is one with an id string
// inside the loaded segments.
bool ResidentText(BPTR segments, const UBYTE *data, ULONG size, ULONG offset, STRPTR text, ULONG textSize)
{
    if (size - offset < RT_IDSTRING + 4 || data[offset] != (RTC_MATCHWORD >> 8) ||
        data[offset + 1] != (RTC_MATCHWORD & 0xFF))
        return false;
    const UBYTE *match = data + offset;
    if (uintptr_t(BigEndian32(match + RT_MATCHTAG)) != reinterpret_cast<uintptr_t>(match))
        return false;
    uintptr_t idAddress = BigEndian32(match + RT_IDSTRING);
    const UBYTE *end = SegmentEndFor(segments, idAddress);
    if (end == nullptr)
        return false;
    const auto *id = reinterpret_cast<const UBYTE *>(idAddress);
    if (ULONG(end - id) >= MarkerLength && MarkerAt(id))
        CopyText(id + MarkerLength, end, TextEnd::Loaded, ' ', text, textSize);
    else
        CopyText(id, end, TextEnd::Loaded, 0, text, textSize);
    return true;
}

}  // namespace

CONST_STRPTR VersionScan(const UBYTE *bytes, ULONG count, STRPTR text, ULONG textSize)
{
    ULONG searched = count & ~3UL;
    if (searched < MarkerLength)
        return NoVersionText;
    for (ULONG at = 0; at + MarkerLength <= searched; at++) {
        if (bytes[at] == '$' && MarkerAt(bytes + at))
            return CopyText(bytes + at + MarkerLength, bytes + count, TextEnd::FileData, 0, text, textSize);
    }
    return NoVersionText;
}

CONST_STRPTR VersionScan(BPTR segments, STRPTR text, ULONG textSize)
{
    ULONG count = 0;
    for (BPTR segment = segments; segment != 0 && count < MaxSegments; count++) {
        SegmentData view = SegmentOf(segment);
        const UBYTE *data = view.data;
        ULONG searched = view.size & ~3UL;
        for (ULONG word = 0; word < searched; word += 4) {
            if (ResidentText(segments, data, view.size, word, text, textSize) ||
                ResidentText(segments, data, view.size, word + 2, text, textSize))
                return text;
            for (ULONG at = word; at < word + 4 && at + MarkerLength <= searched; at++)
                if (data[at] == '$' && MarkerAt(data + at))
                    return CopyText(data + at + MarkerLength, data + view.size, TextEnd::Loaded, 0, text, textSize);
        }
        segment = view.next;
    }
    return NoVersionText;
}
