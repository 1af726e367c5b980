// tools/multiview/styled_text.h: lines of text in styles and roles, where documents hand them to the views.
#ifndef MULTIVIEW_STYLED_TEXT_H
#define MULTIVIEW_STYLED_TEXT_H

#include <exec/types.h>
#include <graphics/text.h>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

struct RastPort;
struct DrawInfo;

namespace hosted::multiview {

// What a piece of text is, which decides its pens.
enum class SpanRole : UBYTE {
    Text,   // the document's text
    Dim,    // what frames it: the offsets of a dump
    Link,   // a link of a help document: drawn as a button
    Note,   // a message of the viewer's own
};

// A run of Latin-1 text in one style (FSF_BOLD, FSF_UNDERLINED,
// FSF_ITALIC; italics are shown upright) and one role. `link` is the
// index of the link a Link span follows. `x` and `width` are the span's
// place in its line in pixels, when a layout has placed it.
struct StyledSpan {
    std::string text;
    UBYTE style = FS_NORMAL;
    SpanRole role = SpanRole::Text;
    LONG link = -1;
    LONG x = 0;
    LONG width = 0;
};

struct StyledLine {
    std::vector<StyledSpan> spans;
    bool placed = false;    // the spans' x and width are set (a laid out line)
    LONG sourceLine = -1;   // the line of the document this one shows (help documents)
};

// The text of a line as a person reads it: its spans one after the
// other, blanks at the end removed.
std::string PlainText(const StyledLine &line);

// A line made of one span.
StyledLine OneSpan(std::string text, SpanRole role = SpanRole::Text);

// Lines of a document, read on demand.
class LineSource {
public:
    virtual ~LineSource() = default;
    virtual std::size_t LineCount() const = 0;
    // The line at index (< LineCount()).
    virtual StyledLine Line(std::size_t index) = 0;
    // The lines among which the widest is: measuring these finds how far
    // the page reaches to the right. All of them unless the source knows
    // better (a dump: the first; a long text: the longest few).
    virtual std::vector<std::size_t> WidestCandidates() const;
};

// Lines kept in memory: messages and small texts.
class FixedLines : public LineSource {
public:
    explicit FixedLines(std::vector<StyledLine> lines) : lines_(std::move(lines)) {}
    std::size_t LineCount() const override { return lines_.size(); }
    StyledLine Line(std::size_t index) override { return lines_[index]; }

private:
    std::vector<StyledLine> lines_;
};

// --- Drawing ---------------------------------------------------------------

// The pens the views draw with, from the screen's DrawInfo.
struct PagePens {
    UWORD paper = 0;       // the page behind the text
    UWORD text = 1;
    UWORD dim = 1;
    UWORD linkFace = 0;    // a link button's face, its edge and its label
    UWORD linkEdge = 1;
    UWORD linkText = 1;
    UWORD pressedFace = 3; // a link while it is pressed
    UWORD pressedText = 2;
};
PagePens PensOf(const struct DrawInfo *drawInfo);

// The width of a span's text in its style, drawn with rp's font.
LONG SpanWidth(struct RastPort *rp, const std::string &text, UBYTE style);

// How a link button is laid around its label.
constexpr LONG kLinkPadding = 3;   // pixels left and right of the label

// Draws a line's spans from x (one after the other, or at x plus their
// place in a placed line), the row's top at y, rows `lineHeight` high
// with the text's baseline `baseline` below the top. Link spans are drawn
// as buttons as high as the row but its last pixel row (see
// PaintLinkFace), the one of index focusedLink with the focus.
void PaintLine(struct RastPort *rp, const StyledLine &line, const PagePens &pens, LONG x, LONG y, LONG lineHeight,
               LONG baseline, LONG focusedLink = -1);

// How a link button is drawn: as it is, with the keyboard's focus (its
// edge in the accent colour), or held down (filled in the accent colour).
enum class LinkLook { Normal, Focused, Pressed };

// Draws a link button: a face with a one-pixel edge, the label at
// kLinkPadding from its left, in one of its looks. Only the box is
// touched; a label wider than the box is cut to whole characters.
void PaintLinkFace(struct RastPort *rp, const PagePens &pens, const std::string &label, UBYTE style, LONG left,
                   LONG top, LONG width, LONG height, LONG baseline, LinkLook look);

}  // namespace hosted::multiview

#endif  // MULTIVIEW_STYLED_TEXT_H
