// tools/multiview/text_document.h: a text file as lines: where each starts, how it is written, each decoded on demand.
#ifndef MULTIVIEW_TEXT_DOCUMENT_H
#define MULTIVIEW_TEXT_DOCUMENT_H

#include "decode.h"
#include "styled_text.h"

#include <vector>

namespace hosted::multiview {

class TextDocument : public LineSource {
public:
    // Takes a whole file's bytes. Lines end at a line feed, a carriage
    // return with a line feed, or a lone carriage return; a line end at
    // the very end starts no further line. The encoding is guessed from
    // all the bytes.
    explicit TextDocument(std::vector<UBYTE> bytes);

    std::size_t LineCount() const override { return lines_.size(); }
    StyledLine Line(std::size_t index) override { return OneSpan(LineText(index)); }

    // The lines longest in columns (tabs counted as they expand, at most),
    // a few dozen: the widest on the page is among them.
    std::vector<std::size_t> WidestCandidates() const override;

    // The line as shown: decoded, tabs expanded.
    std::string LineText(std::size_t index) const;
    TextEncoding Encoding() const { return encoding_; }

private:
    struct Extent {
        std::size_t start;
        std::size_t length;
        std::size_t columns;   // at most this many once decoded
    };
    std::vector<UBYTE> bytes_;
    std::vector<Extent> lines_;
    TextEncoding encoding_;
};

}  // namespace hosted::multiview

#endif  // MULTIVIEW_TEXT_DOCUMENT_H
