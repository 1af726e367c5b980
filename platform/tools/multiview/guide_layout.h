// tools/multiview/guide_layout.h: wrapping a help document's lines to a width and placing their spans and links.
#ifndef MULTIVIEW_GUIDE_LAYOUT_H
#define MULTIVIEW_GUIDE_LAYOUT_H

#include "styled_text.h"

#include <functional>
#include <vector>

namespace hosted::multiview {

// The width of a text in a style, in pixels.
using MeasureText = std::function<LONG(const std::string &text, UBYTE style)>;

// Lays lines out for a page `width` pixels wide: every result is placed
// (each span has its x and width), links are kLinkPadding wider on both
// sides than their labels. A line too long for the width is broken
// between words, its blanks at the break dropped; the lines it continues
// on are indented as far as it was (by no more than half the width), with
// that indent as a span of blanks in front. A word wider than the whole
// width is broken between characters; a link never is: it stands on a
// line of its own and is cut when drawn. Each result keeps the sourceLine
// of the line it came from.
std::vector<StyledLine> LayoutLines(const std::vector<StyledLine> &lines, LONG width, const MeasureText &measure);

}  // namespace hosted::multiview

#endif  // MULTIVIEW_GUIDE_LAYOUT_H
