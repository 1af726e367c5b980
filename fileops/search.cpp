// fileops/search.cpp: a Horspool search with two bytes per pattern position, and the walk over the search range.
#include "search.h"

#include "scoped.h"

#include <proto/dos.h>

#include <cstring>

namespace {

// Whether the `count` bytes at `at` match the pattern's first `count`.
inline bool SameStart(const SearchPattern &pattern, const UBYTE *at, ULONG count)
{
    if (!pattern.ignoreCase)
        return std::memcmp(at, pattern.bytes, count) == 0;
    for (ULONG i = 0; i < count; i++) {
        UBYTE c = at[i];
        if (c != pattern.bytes[i] && c != pattern.alternate[i])
            return false;
    }
    return true;
}

// A one-byte pattern: memchr is as fast as anything we could write.
bool FindByte(const SearchPattern &pattern, const UBYTE *subject, ULONG length)
{
    if (std::memchr(subject, pattern.bytes[0], length) != nullptr)
        return true;
    return pattern.alternate[0] != pattern.bytes[0] && std::memchr(subject, pattern.alternate[0], length) != nullptr;
}

enum class FileLook : UBYTE { Match, NoMatch, Stop };

// Reads the head of the file `name` into the buffer and searches it.
FileLook LookInFile(CONST_STRPTR name, const SearchPattern &pattern, const SearchOptions &options,
                    OperationControl &control, UQUAD &bytesRead)
{
    ScopedLock lock(Lock(name, SHARED_LOCK));
    if (!lock) {
        LONG error = IoErr();
        return control.Failure(name, error, FaultButtons::SkipAbort) ? FileLook::NoMatch : FileLook::Stop;
    }
    if (!Examine(lock.Get(), options.fib) || options.fib->fib_DirEntryType > 0 || options.fib->fib_Size64 == 0)
        return FileLook::NoMatch;
    ULONG count = options.fib->fib_Size64 < options.bufferSize ? ULONG(options.fib->fib_Size64) : options.bufferSize;
    ScopedFile file(Open(name, MODE_OLDFILE));
    if (!file)
        return FileLook::NoMatch;
    LONG got = Read(file.Get(), options.buffer, LONG(count));
    if (got <= 0)
        return FileLook::NoMatch;
    bytesRead += ULONG(got);
    return FindPattern(pattern, options.buffer, ULONG(got)) ? FileLook::Match : FileLook::NoMatch;
}

}  // namespace

UBYTE CaseAlternate(UBYTE byte)
{
    if ((byte >= 65 && byte <= 90) || (byte >= 192 && byte <= 223))
        return UBYTE(byte + 32);
    if ((byte >= 97 && byte <= 122) || byte >= 224)
        return UBYTE(byte - 32);
    return byte;
}

BOOL PrepareSearchPattern(SearchPattern &pattern, CONST_STRPTR text, BOOL ignoreCase)
{
    pattern.length = 0;
    pattern.ignoreCase = ignoreCase;
    size_t length = std::strlen(text);
    if (length == 0 || length > SearchPatternMax)
        return FALSE;
    pattern.length = ULONG(length);
    for (ULONG i = 0; i < pattern.length; i++) {
        pattern.bytes[i] = UBYTE(text[i]);
        pattern.alternate[i] = ignoreCase ? CaseAlternate(UBYTE(text[i])) : UBYTE(text[i]);
    }
    // Horspool: after a look at the byte under the pattern's last
    // position, move on to where that byte (or its partner) could next
    // stand under the pattern; the whole length when it is not in it.
    for (UWORD &shift : pattern.shift)
        shift = UWORD(pattern.length);
    for (ULONG i = 0; i + 1 < pattern.length; i++) {
        pattern.shift[pattern.bytes[i]] = UWORD(pattern.length - 1 - i);
        pattern.shift[pattern.alternate[i]] = UWORD(pattern.length - 1 - i);
    }
    return TRUE;
}

BOOL FindPattern(const SearchPattern &pattern, const UBYTE *subject, ULONG length)
{
    const ULONG m = pattern.length;
    if (m == 0 || length < m)
        return FALSE;
    if (m == 1)
        return FindByte(pattern, subject, length);
    const ULONG last = m - 1;
    const UBYTE lastByte = pattern.bytes[last], lastAlternate = pattern.alternate[last];
    const UBYTE *at = subject;
    const UBYTE *const lastStart = subject + (length - m);
    while (at <= lastStart) {
        UBYTE c = at[last];
        if ((c == lastByte || c == lastAlternate) && SameStart(pattern, at, last))
            return TRUE;
        at += pattern.shift[c];
    }
    return FALSE;
}

BOOL FindPatternInName(const SearchPattern &pattern, CONST_STRPTR name)
{
    return FindPattern(pattern, reinterpret_cast<const UBYTE *>(name), ULONG(std::strlen(name)));
}

SearchResult SearchRows(EntryList &rows, const SearchPattern &pattern, const SearchOptions &options,
                        OperationControl &control)
{
    SearchResult result;
    const ULONG count = rows.Count();
    const ULONG first = FirstSelectedRow(rows);
    if (first == count || pattern.length == 0)
        return result;
    result.started = TRUE;
    OperationProgress progress;
    progress.entriesTotal = count - first;
    for (ULONG row = first; row < count; row++) {
        if (row != first && rows.Selected(row))
            continue;
        if (control.Cancelled()) {
            result.ended = TRUE;
            break;
        }
        CONST_STRPTR name = rows.Name(row);
        BOOL match = FALSE;
        if (!options.thruFiles) {
            match = FindPatternInName(pattern, name);
        } else if (rows.Type(row) < 0) {
            FileLook look = LookInFile(name, pattern, options, control, progress.bytesDone);
            if (look == FileLook::Stop) {
                result.ended = TRUE;
                break;
            }
            match = look == FileLook::Match;
        }
        if (match && row != first) {
            rows.Select(row);
            result.found++;
        }
        progress.current = name;
        progress.entriesDone = row - first + 1;
        control.Progress(progress);
    }
    return result;
}
