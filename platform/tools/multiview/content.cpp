// tools/multiview/content.cpp: telling a help document, text and other data apart by their bytes.
#include "content.h"

#include "decode.h"

#include <strings.h>

namespace hosted::multiview {

namespace {

bool IsBlank(UBYTE c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

bool StartsGuide(const UBYTE *data, std::size_t size)
{
    std::size_t i = 0;
    if (size >= 3 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF)
        i = 3;
    while (i < size && IsBlank(data[i]))
        i++;
    static const char kWord[] = "@database";
    constexpr std::size_t kLength = sizeof kWord - 1;
    if (size - i < kLength || strncasecmp(reinterpret_cast<const char *>(data + i), kWord, kLength) != 0)
        return false;
    return size - i == kLength || IsBlank(data[i + kLength]);
}

}  // namespace

ContentKind ClassifyContent(const UBYTE *data, std::size_t size, bool complete)
{
    if (size == 0)
        return ContentKind::Text;
    bool utf8 = GuessEncoding(data, size, complete) == TextEncoding::Utf8;
    std::size_t odd = 0;
    for (std::size_t i = 0; i < size; i++) {
        UBYTE c = data[i];
        if (c == 0)
            return ContentKind::Binary;
        if (c < 0x20) {
            if (c != '\t' && c != '\n' && c != '\r' && c != '\f' && c != 0x1B)
                odd++;
        } else if (c == 0x7F || (!utf8 && c >= 0x80 && c < 0xA0)) {
            odd++;
        }
    }
    if (odd * 20 > size)
        return ContentKind::Binary;
    return StartsGuide(data, size) ? ContentKind::Guide : ContentKind::Text;
}

}  // namespace hosted::multiview
