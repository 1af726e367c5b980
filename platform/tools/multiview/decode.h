// tools/multiview/decode.h: turning a file's bytes into the Latin-1 text the viewer shows.
#ifndef MULTIVIEW_DECODE_H
#define MULTIVIEW_DECODE_H

#include <exec/types.h>

#include <cstddef>
#include <string>

namespace hosted::multiview {

enum class TextEncoding { Latin1, Utf8 };

// Shown for a character the system's Latin-1 texts cannot hold.
constexpr char kSubstitute = '?';

// Columns between tab stops.
constexpr std::size_t kTabWidth = 8;

// How a text is written: Utf8 when the bytes are well-formed UTF-8 and
// hold at least one character beyond ASCII, Latin1 otherwise (plain ASCII
// reads the same either way). With `complete` false the bytes are the
// start of something longer, so a sequence cut off at the end is no fault.
TextEncoding GuessEncoding(const UBYTE *data, std::size_t size, bool complete);

// One line of text (without its line end) as Latin-1 for the screen:
// UTF-8 characters become their Latin-1 selves, a near spelling of common
// punctuation ("...", quotes, dashes) or kSubstitute; tabs advance to the
// next multiple of kTabWidth columns; the colour and style sequences of
// terminals (ESC [ ... letter) are dropped; other control characters
// become kSubstitute. Bytes that are no UTF-8 in a UTF-8 text are read as
// Latin-1. With `expandTabs` false tabs stay as they are (for a reader
// that expands them after taking markup out). Never fails.
std::string DecodeLine(const UBYTE *data, std::size_t size, TextEncoding encoding, bool expandTabs = true);

}  // namespace hosted::multiview

#endif  // MULTIVIEW_DECODE_H
