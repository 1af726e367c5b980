// tools/multiview/hex_dump.cpp: formatting dump lines and reading the file in blocks as they are shown.
#include "hex_dump.h"

#include "file_bytes.h"

#include <proto/dos.h>

namespace hosted::multiview {

namespace {

constexpr std::size_t kBlockBytes = 64 * 1024;
constexpr char kHexDigits[] = "0123456789ABCDEF";

}  // namespace

int HexOffsetDigits(UQUAD size)
{
    int digits = 8;
    UQUAD last = size > 0 ? size - 1 : 0;
    while (digits < 16 && (last >> (4 * digits)) != 0)
        digits++;
    return digits;
}

std::string HexDumpLine(UQUAD offset, const UBYTE *bytes, std::size_t count, int digits)
{
    if (count > kHexBytesPerLine)
        count = kHexBytesPerLine;
    std::string line;
    for (int i = digits - 1; i >= 0; i--)
        line += kHexDigits[(offset >> (4 * i)) & 0xF];
    line += "  ";
    for (std::size_t i = 0; i < kHexBytesPerLine; i++) {
        if (i < count) {
            line += kHexDigits[bytes[i] >> 4];
            line += kHexDigits[bytes[i] & 0xF];
            line += ' ';
        } else {
            line += "   ";
        }
        if (i == 7)
            line += ' ';
    }
    line += " |";
    for (std::size_t i = 0; i < count; i++)
        line += bytes[i] >= 0x20 && bytes[i] < 0x7F ? static_cast<char>(bytes[i]) : '.';
    line += '|';
    return line;
}

HexDocument::HexDocument(BPTR file, UQUAD size) : file_(file), size_(size), digits_(HexOffsetDigits(size)) {}

HexDocument::~HexDocument()
{
    Close(file_);
}

std::size_t HexDocument::LineCount() const
{
    return static_cast<std::size_t>((size_ + kHexBytesPerLine - 1) / kHexBytesPerLine);
}

bool HexDocument::Fill(UQUAD offset)
{
    if (offset >= blockStart_ && offset - blockStart_ + kHexBytesPerLine <= block_.size())
        return true;
    if (offset >= blockStart_ && offset < blockStart_ + block_.size() && blockStart_ + block_.size() == size_)
        return true;   // the short last line lies in the block
    UQUAD start = offset - offset % kBlockBytes;
    block_.resize(kBlockBytes);
    LONG n = ReadAt(file_, start, block_.data(), static_cast<LONG>(kBlockBytes));
    if (n < 0) {
        readError_ = IoErr();
        block_.clear();
        return false;
    }
    block_.resize(static_cast<std::size_t>(n));
    blockStart_ = start;
    return offset < start + block_.size();
}

StyledLine HexDocument::Line(std::size_t index)
{
    UQUAD offset = static_cast<UQUAD>(index) * kHexBytesPerLine;
    if (!Fill(offset)) {
        char reason[100];
        if (readError_ == 0)
            readError_ = ERROR_SEEK_ERROR;
        Fault(readError_, nullptr, reason, sizeof reason);
        std::string text = HexDumpLine(offset, nullptr, 0, digits_);
        return OneSpan(text.substr(0, static_cast<std::size_t>(digits_) + 2) + "cannot be read: " + reason,
                       SpanRole::Note);
    }
    std::size_t at = static_cast<std::size_t>(offset - blockStart_);
    std::size_t count = block_.size() - at < kHexBytesPerLine ? block_.size() - at : kHexBytesPerLine;
    std::string text = HexDumpLine(offset, block_.data() + at, count, digits_);
    StyledLine line;
    StyledSpan where;
    where.text = text.substr(0, static_cast<std::size_t>(digits_));
    where.role = SpanRole::Dim;
    StyledSpan bytes;
    bytes.text = text.substr(static_cast<std::size_t>(digits_));
    line.spans.push_back(std::move(where));
    line.spans.push_back(std::move(bytes));
    return line;
}

}  // namespace hosted::multiview

