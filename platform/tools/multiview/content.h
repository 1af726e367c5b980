// tools/multiview/content.h: telling what a file holds from its first bytes: a help document, text or other data.
#ifndef MULTIVIEW_CONTENT_H
#define MULTIVIEW_CONTENT_H

#include <exec/types.h>

#include <cstddef>

namespace hosted::multiview {

enum class ContentKind { Guide, Text, Binary };

// How many bytes of a file are looked at to tell its kind.
constexpr std::size_t kSniffBytes = 64 * 1024;

// The kind of a file from its first bytes (all of them when the file is
// shorter than kSniffBytes; `complete` says so). A hypertext document
// starts with "@database" (in any case) on its first line that is not
// blank, after an optional UTF-8 byte order mark. Data holding a NUL byte,
// or in which more than one byte in twenty is a control character other
// than tab, line feed, carriage return, form feed and escape (and, outside
// UTF-8, a byte 0x80-0x9F), is Binary. Everything else, an empty file
// too, is Text. Pictures are told by the datatypes library, not here.
ContentKind ClassifyContent(const UBYTE *data, std::size_t size, bool complete);

}  // namespace hosted::multiview

#endif  // MULTIVIEW_CONTENT_H
