// tools/multiview/file_bytes.h: reading a file's bytes through dos: the start, the rest, a block anywhere.
#ifndef MULTIVIEW_FILE_BYTES_H
#define MULTIVIEW_FILE_BYTES_H

#include <dos/dos.h>

#include <cstddef>
#include <vector>

namespace hosted::multiview {

// Reads up to `limit` more bytes from the file's position onto the end of
// bytes. Returns 0, or the dos error (IoErr) of a Read that failed, or
// ERROR_NO_FREE_STORE when the memory for them cannot be had.
LONG ReadMore(BPTR file, std::vector<UBYTE> &bytes, std::size_t limit);

// Reads everything from the file's position to its end onto bytes. 0 or
// the error, as ReadMore.
LONG ReadToEnd(BPTR file, std::vector<UBYTE> &bytes);

// The size of an open file in bytes (64-bit), or -1 with IoErr set.
QUAD FileSize(BPTR file);

// Reads up to `length` bytes at `offset` (any 64-bit offset) into buffer.
// Returns the number read (fewer at the end of the file), or -1 with
// IoErr set.
LONG ReadAt(BPTR file, UQUAD offset, UBYTE *buffer, LONG length);

}  // namespace hosted::multiview

#endif  // MULTIVIEW_FILE_BYTES_H
