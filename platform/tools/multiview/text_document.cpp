// tools/multiview/text_document.cpp: splitting a text file into lines and decoding the ones that are shown.
#include "text_document.h"

#include <algorithm>

namespace hosted::multiview {

namespace {

constexpr std::size_t kWidestCandidates = 48;

}  // namespace

TextDocument::TextDocument(std::vector<UBYTE> bytes)
    : bytes_(std::move(bytes)), encoding_(GuessEncoding(bytes_.data(), bytes_.size(), true))
{
    const std::size_t size = bytes_.size();
    std::size_t start = 0;
    std::size_t columns = 0;
    for (std::size_t i = 0; i < size; i++) {
        UBYTE c = bytes_[i];
        if (c != '\n' && c != '\r') {
            // A tab reaches at most a whole stop further; a byte is at most
            // one character (a few rare ones become three, like "...").
            columns += c == '\t' ? kTabWidth : 1;
            continue;
        }
        lines_.push_back({start, i - start, columns});
        if (c == '\r' && i + 1 < size && bytes_[i + 1] == '\n')
            i++;
        start = i + 1;
        columns = 0;
    }
    if (start < size)
        lines_.push_back({start, size - start, columns});
}

std::vector<std::size_t> TextDocument::WidestCandidates() const
{
    std::vector<std::size_t> order(lines_.size());
    for (std::size_t i = 0; i < order.size(); i++)
        order[i] = i;
    if (order.size() <= kWidestCandidates)
        return order;
    std::nth_element(order.begin(), order.begin() + kWidestCandidates, order.end(),
                     [this](std::size_t a, std::size_t b) { return lines_[a].columns > lines_[b].columns; });
    order.resize(kWidestCandidates);
    return order;
}

std::string TextDocument::LineText(std::size_t index) const
{
    if (index >= lines_.size())
        return std::string();
    const Extent &line = lines_[index];
    return DecodeLine(bytes_.data() + line.start, line.length, encoding_);
}

}  // namespace hosted::multiview
