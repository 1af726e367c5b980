// fileops/search.h: selecting rows whose names, or the heads of whose files, hold a text; the substring search itself.
#ifndef FILEOPS_SEARCH_H
#define FILEOPS_SEARCH_H

#include "control.h"
#include "entry_list.h"

#include <dos/dos.h>

constexpr ULONG SearchPatternMax = 256;

// A text to look for, prepared once per search. With "Ignore case:" each
// byte has a partner (CaseAlternate) and a subject byte matches either;
// otherwise both are the same byte. The shift table lets the search jump
// over the subject without looking at every byte.
struct SearchPattern {
    ULONG length = 0;
    UBYTE bytes[SearchPatternMax] = {};
    UBYTE alternate[SearchPatternMax] = {};
    UWORD shift[256] = {};
    BOOL ignoreCase = FALSE;
};

// The case partner of a byte: 65–90 and 192–223 plus 32, 97–122 and
// 224–255 minus 32, every other byte itself. (So 215 and 247 are
// partners, and 223 and 255.)
UBYTE CaseAlternate(UBYTE byte);

// Prepares `text` (its bytes up to the zero, at most SearchPatternMax).
// FALSE, with the pattern empty, for an empty or a longer text.
BOOL PrepareSearchPattern(SearchPattern &pattern, CONST_STRPTR text, BOOL ignoreCase);

// Whether `length` bytes at `subject` hold the pattern anywhere (zero
// bytes are ordinary bytes). Every occurrence is found, overlapping ones
// included: "aab" is in "aaab". The bytes are read where they are, never
// copied or folded.
BOOL FindPattern(const SearchPattern &pattern, const UBYTE *subject, ULONG length);

// The same for a name, which ends at its zero byte.
BOOL FindPatternInName(const SearchPattern &pattern, CONST_STRPTR name);

struct SearchOptions {
    BOOL thruFiles = FALSE;              // the heads of files, not names
    UBYTE *buffer = nullptr;             // the CopyBuffer: a file's head is read into it
    ULONG bufferSize = 0;
    struct FileInfoBlock *fib = nullptr; // for Examine of each file
};

struct SearchResult {
    BOOL started = FALSE;   // a selected row was there to start from
    ULONG found = 0;        // rows selected by the search
    BOOL ended = FALSE;     // "Abort" (a requester's or the progress window's)
};

// Searches from the first selected row to the last. The first row is
// always examined and stays selected whatever it holds; a later row that
// is selected already is passed over; a later unselected row that matches
// is selected at once (rows.Select). Without `thruFiles` every examined
// row is tested on its name, drawers too. With it, rows of type 0 or more
// (drawers, and links that may stand for one) are passed over, and a file
// is locked, examined and the smaller of its size and the buffer read from
// its start: only those bytes are searched. An empty file, one that
// cannot be opened or read is passed over without a word; a Lock that
// fails goes to control.Failure ("Skip" / "Abort") naming the row.
// control.Cancelled() is looked at before each row.
SearchResult SearchRows(EntryList &rows, const SearchPattern &pattern, const SearchOptions &options,
                        OperationControl &control);

#endif /* FILEOPS_SEARCH_H */
