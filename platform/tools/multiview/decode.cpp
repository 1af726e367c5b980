// tools/multiview/decode.cpp: UTF-8 and Latin-1 bytes to the Latin-1 lines the viewer draws, tabs expanded.
#include "decode.h"

namespace hosted::multiview {

namespace {

constexpr UBYTE kEscape = 0x1B;

// Length of a well-formed UTF-8 sequence at data (1..4) and its code point;
// 0 when the bytes there are no UTF-8 (or the sequence is cut off).
std::size_t Utf8Sequence(const UBYTE *data, std::size_t size, ULONG &code)
{
    UBYTE lead = data[0];
    std::size_t length;
    ULONG minimum;
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (length > size)
        return 0;
    for (std::size_t i = 1; i < length; i++) {
        if ((data[i] & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (data[i] & 0x3F);
    }
    // Overlong forms, surrogates and what lies beyond Unicode are no text.
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

// A near spelling in Latin-1 of characters that texts use often, or
// nullptr. An empty spelling drops the character (zero-width ones).
const char *NearSpelling(ULONG code)
{
    switch (code) {
    case 0x2018: case 0x2019: case 0x201A: case 0x201B: case 0x2032:
        return "'";
    case 0x201C: case 0x201D: case 0x201E: case 0x201F: case 0x2033:
        return "\"";
    case 0x2010: case 0x2011: case 0x2012: case 0x2013: case 0x2014: case 0x2015: case 0x2212:
        return "-";
    case 0x2026:
        return "...";
    case 0x2022: case 0x2023: case 0x2043: case 0x2219: case 0x25CF:
        return "\xB7";
    case 0x2002: case 0x2003: case 0x2004: case 0x2005: case 0x2006: case 0x2007: case 0x2008:
    case 0x2009: case 0x200A: case 0x202F: case 0x205F: case 0x3000:
        return " ";
    case 0x200B: case 0x200C: case 0x200D: case 0x2060: case 0xFEFF:
        return "";
    case 0x2039:
        return "<";
    case 0x203A:
        return ">";
    case 0x20AC:
        return "EUR";
    case 0x2122:
        return "(TM)";
    case 0x2190:
        return "<-";
    case 0x2192:
        return "->";
    case 0x2264:
        return "<=";
    case 0x2265:
        return ">=";
    case 0x2260:
        return "!=";
    case 0x0152:
        return "OE";
    case 0x0153:
        return "oe";
    default:
        return nullptr;
    }
}

bool IsControl(ULONG code)
{
    return code < 0x20 || code == 0x7F || (code >= 0x80 && code < 0xA0);
}

// Collects the characters of one line and keeps the column count for tabs.
class LineBuilder {
public:
    explicit LineBuilder(bool expandTabs) : expandTabs_(expandTabs) {}

    void Character(ULONG code)
    {
        if (code == '\t') {
            if (!expandTabs_) {
                text_ += '\t';
                return;
            }
            do
                text_ += ' ';
            while (text_.size() % kTabWidth != 0);
            return;
        }
        if (IsControl(code)) {
            text_ += kSubstitute;
            return;
        }
        if (code <= 0xFF) {
            text_ += static_cast<char>(code);
            return;
        }
        if (const char *near = NearSpelling(code)) {
            text_ += near;
            return;
        }
        text_ += kSubstitute;
    }

    std::string Take() { return std::move(text_); }

private:
    std::string text_;
    bool expandTabs_;
};

// Length of a terminal control sequence (ESC [ parameters final-letter)
// at data, or 0 when there is none.
std::size_t ControlSequence(const UBYTE *data, std::size_t size)
{
    if (size < 2 || data[0] != kEscape || data[1] != '[')
        return 0;
    for (std::size_t i = 2; i < size; i++) {
        UBYTE c = data[i];
        if (c >= 0x40 && c <= 0x7E)
            return i + 1;
        if (c < 0x20 || c > 0x3F)
            return 0;   // not a sequence after all: shown as it is
    }
    return 0;
}

}  // namespace

TextEncoding GuessEncoding(const UBYTE *data, std::size_t size, bool complete)
{
    bool wide = false;
    std::size_t i = 0;
    while (i < size) {
        if (data[i] < 0x80) {
            i++;
            continue;
        }
        ULONG code = 0;
        std::size_t length = Utf8Sequence(data + i, size - i, code);
        if (length == 0) {
            // A sequence the sample cut off is no fault of the text.
            if (!complete && size - i < 4) {
                std::size_t want = (data[i] & 0xE0) == 0xC0 ? 2 : (data[i] & 0xF0) == 0xE0 ? 3 : 4;
                bool prefix = (data[i] & 0xC0) == 0xC0 && data[i] < 0xF8 && size - i < want;
                for (std::size_t j = i + 1; prefix && j < size; j++)
                    prefix = (data[j] & 0xC0) == 0x80;
                if (prefix)
                    break;
            }
            return TextEncoding::Latin1;
        }
        wide = true;
        i += length;
    }
    return wide ? TextEncoding::Utf8 : TextEncoding::Latin1;
}

std::string DecodeLine(const UBYTE *data, std::size_t size, TextEncoding encoding, bool expandTabs)
{
    LineBuilder line(expandTabs);
    std::size_t i = 0;
    while (i < size) {
        if (std::size_t skip = ControlSequence(data + i, size - i)) {
            i += skip;
            continue;
        }
        ULONG code = data[i];
        std::size_t length = 1;
        if (encoding == TextEncoding::Utf8 && code >= 0x80) {
            length = Utf8Sequence(data + i, size - i, code);
            if (length == 0) {
                code = data[i];
                length = 1;
            }
        }
        line.Character(code);
        i += length;
    }
    return line.Take();
}

}  // namespace hosted::multiview
