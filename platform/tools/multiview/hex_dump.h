// tools/multiview/hex_dump.h: data that is no text, shown as lines of offset, sixteen bytes in hex and as characters.
#ifndef MULTIVIEW_HEX_DUMP_H
#define MULTIVIEW_HEX_DUMP_H

#include "styled_text.h"

#include <dos/dos.h>

#include <string>
#include <vector>

namespace hosted::multiview {

constexpr std::size_t kHexBytesPerLine = 16;

// Digits of the offsets of a dump of `size` bytes: 8, or as many as the
// largest offset needs.
int HexOffsetDigits(UQUAD size);

// One line of a dump: the offset in `digits` hex digits, two blanks, the
// bytes (up to 16) in hex with one blank after each and one more after
// the eighth, the missing ones of a short last line as blanks, then the
// bytes as characters between bars, "." for those that are not printable
// ASCII:
//   00000010  48 65 6C 6C 6F 0A 00 FF  ...                    |Hello...|
std::string HexDumpLine(UQUAD offset, const UBYTE *bytes, std::size_t count, int digits);

// A whole file as a dump, read from the file as lines are shown. The
// file handle is the dump's and is closed with it.
class HexDocument : public LineSource {
public:
    HexDocument(BPTR file, UQUAD size);
    ~HexDocument() override;
    HexDocument(const HexDocument &) = delete;
    HexDocument &operator=(const HexDocument &) = delete;

    std::size_t LineCount() const override;
    // The offset column in the Dim role, the rest as text. A line that
    // cannot be read says so, with the system's text for the error.
    StyledLine Line(std::size_t index) override;
    // Every line is as wide as the first.
    std::vector<std::size_t> WidestCandidates() const override { return {0}; }

private:
    bool Fill(UQUAD offset);

    BPTR file_;
    UQUAD size_;
    int digits_;
    std::vector<UBYTE> block_;   // bytes of the file from blockStart_
    UQUAD blockStart_ = 0;
    LONG readError_ = 0;
};

}  // namespace hosted::multiview

#endif  // MULTIVIEW_HEX_DUMP_H
