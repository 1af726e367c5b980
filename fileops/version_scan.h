// fileops/version_scan.h: VersionScan: the "$VER:" text of a file's bytes or of a loaded program's segments.
#ifndef FILEOPS_VERSION_SCAN_H
#define FILEOPS_VERSION_SCAN_H

#include <exec/types.h>

// What both forms give when there is no version text.
extern const char NoVersionText[];   // "Can't find version"

// Room for a version text as the requesters show it, NUL included; a
// longer text is cut.
constexpr ULONG VersionTextSize = 256;

// VersionScan over file data: looks for "$VER:" (exactly this case) in the
// first `count` bytes of `bytes`, in whole groups of four (one to three
// bytes left over at the end are not searched; a marker may span groups).
// The text starts right behind the ":" and ends at a zero byte, a line
// feed, a carriage return, an asterisk followed by a slash, or the end of
// the `count` bytes.
// Result: `text` (which then holds the version, NUL-terminated, cut to
// `textSize` - 1 characters), or NoVersionText when there is no marker.
// The bytes are only read; nothing is written beyond `textSize` bytes of
// `text`. `textSize` must be at least 1.
CONST_STRPTR VersionScan(const UBYTE *bytes, ULONG count, STRPTR text, ULONG textSize);

// VersionScan over a loaded program: `segments` is a segment list of
// NewLoadSeg. Each segment's data (from the word after its link to the
// next segment, as many bytes as its length word says the data has) is
// searched word by word, each word first for a resident structure (the
// match word 0x4AFC at its start or middle, followed by the big-endian
// address of that match word), then for "$VER:". A resident structure
// gives its rt_IdString: from the blank that stands for the ":" of a
// "$VER:" it starts with, else whole; a marker gives the text right behind
// it. Either text ends at a zero byte or a carriage return (or the end of
// its segment); the first find ends the scan.
// Result as for the file form. An rt_IdString that points outside the
// loaded segments is not followed (the search goes on behind that
// structure); the segment memory is only read.
CONST_STRPTR VersionScan(BPTR segments, STRPTR text, ULONG textSize);

#endif /* FILEOPS_VERSION_SCAN_H */
