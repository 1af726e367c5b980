// tools/multiview/guide_layout.cpp: breaking styled lines between words to fit a width, with links kept whole.
#include "guide_layout.h"

namespace hosted::multiview {

namespace {

// A word, a run of blanks or a link: what a line is broken between.
struct Atom {
    std::string text;
    UBYTE style = FS_NORMAL;
    SpanRole role = SpanRole::Text;
    LONG link = -1;
    LONG width = 0;
    bool blank = false;
};

std::vector<Atom> AtomsOf(const StyledLine &line, const MeasureText &measure)
{
    std::vector<Atom> atoms;
    for (const StyledSpan &span : line.spans) {
        if (span.role == SpanRole::Link) {
            Atom atom;
            atom.text = span.text;
            atom.style = span.style;
            atom.role = span.role;
            atom.link = span.link;
            atom.width = measure(span.text, span.style) + 2 * kLinkPadding;
            atoms.push_back(std::move(atom));
            continue;
        }
        std::size_t i = 0;
        while (i < span.text.size()) {
            bool blank = span.text[i] == ' ';
            std::size_t end = i;
            while (end < span.text.size() && (span.text[end] == ' ') == blank)
                end++;
            Atom atom;
            atom.text = span.text.substr(i, end - i);
            atom.style = span.style;
            atom.role = span.role;
            atom.blank = blank;
            atom.width = measure(atom.text, atom.style);
            atoms.push_back(std::move(atom));
            i = end;
        }
    }
    return atoms;
}

// Builds the placed lines of one source line.
class LineFiller {
public:
    LineFiller(std::vector<StyledLine> &out, LONG width, LONG sourceLine, const MeasureText &measure)
        : out_(out), width_(width), sourceLine_(sourceLine), measure_(measure)
    {
        Start();
    }

    void SetIndent(const std::string &blanks, LONG width)
    {
        indentText_ = blanks;
        indentWidth_ = width;
    }

    void Add(const Atom &atom)
    {
        if (atom.blank) {
            // Blanks at a break are dropped, and so are those that would
            // begin a continued line.
            if (continued_ && !content_)
                return;
            if (x_ + atom.width > width_ && content_) {
                breakPending_ = true;
                return;
            }
            Place(atom, atom.text, atom.width);
            return;
        }
        if (breakPending_ || (x_ + atom.width > width_ && content_))
            Continue();
        if (atom.role != SpanRole::Link && x_ + atom.width > width_) {
            Split(atom);
            return;
        }
        Place(atom, atom.text, atom.width);
        content_ = true;
    }

    void Finish()
    {
        TrimBlanks();
        out_.push_back(std::move(line_));
    }

private:
    void Start()
    {
        line_ = StyledLine();
        line_.placed = true;
        line_.sourceLine = sourceLine_;
        x_ = 0;
        content_ = false;
        breakPending_ = false;
    }

    void Continue()
    {
        Finish();
        Start();
        continued_ = true;
        if (indentWidth_ > 0) {
            StyledSpan indent;
            indent.text = indentText_;
            indent.width = indentWidth_;
            line_.spans.push_back(std::move(indent));
            x_ = indentWidth_;
        }
    }

    void TrimBlanks()
    {
        while (!line_.spans.empty() && line_.spans.back().role != SpanRole::Link) {
            StyledSpan &last = line_.spans.back();
            std::size_t keep = last.text.find_last_not_of(' ');
            if (keep == std::string::npos && line_.spans.size() > 1) {
                line_.spans.pop_back();
                continue;
            }
            if (keep != std::string::npos && keep + 1 < last.text.size()) {
                last.text.erase(keep + 1);
                last.width = measure_(last.text, last.style);
            }
            break;
        }
    }

    void Place(const Atom &atom, const std::string &text, LONG width)
    {
        if (atom.role != SpanRole::Link && !line_.spans.empty()) {
            StyledSpan &last = line_.spans.back();
            if (last.role == atom.role && last.style == atom.style && last.x + last.width == x_) {
                last.text += text;
                last.width += width;
                x_ += width;
                return;
            }
        }
        StyledSpan span;
        span.text = text;
        span.style = atom.style;
        span.role = atom.role;
        span.link = atom.link;
        span.x = x_;
        span.width = width;
        line_.spans.push_back(std::move(span));
        x_ += width;
    }

    // The longest start of text that fits into room (at least one character).
    std::size_t Fitting(const std::string &text, UBYTE style, LONG room)
    {
        std::size_t low = 1;
        std::size_t high = text.size();
        while (low < high) {
            std::size_t middle = (low + high + 1) / 2;
            if (measure_(text.substr(0, middle), style) <= room)
                low = middle;
            else
                high = middle - 1;
        }
        return low;
    }

    // A word wider than a line: as much as fits on each line.
    void Split(const Atom &atom)
    {
        std::string rest = atom.text;
        while (!rest.empty()) {
            if (content_ && x_ >= width_)
                Continue();
            std::size_t take = Fitting(rest, atom.style, width_ - x_);
            std::string piece = rest.substr(0, take);
            rest.erase(0, take);
            Place(atom, piece, measure_(piece, atom.style));
            content_ = true;
            if (!rest.empty())
                Continue();
        }
    }

    std::vector<StyledLine> &out_;
    LONG width_;
    LONG sourceLine_;
    const MeasureText &measure_;
    StyledLine line_;
    LONG x_ = 0;
    bool content_ = false;       // the line holds a word or a link
    bool continued_ = false;     // the line continues the one before
    bool breakPending_ = false;  // blanks overran the width: the next word goes on a new line
    std::string indentText_;
    LONG indentWidth_ = 0;
};

}  // namespace

std::vector<StyledLine> LayoutLines(const std::vector<StyledLine> &lines, LONG width, const MeasureText &measure)
{
    if (width < 1)
        width = 1;
    std::vector<StyledLine> out;
    for (const StyledLine &line : lines) {
        std::vector<Atom> atoms = AtomsOf(line, measure);
        LineFiller filler(out, width, line.sourceLine, measure);
        if (!atoms.empty() && atoms[0].blank && atoms[0].role == SpanRole::Text && atoms[0].width <= width / 2)
            filler.SetIndent(atoms[0].text, atoms[0].width);
        for (const Atom &atom : atoms)
            filler.Add(atom);
        filler.Finish();
    }
    return out;
}

}  // namespace hosted::multiview
