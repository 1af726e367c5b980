// graphics/testfont.cpp: the built-in deterministic font "test.font" that the tests use.
//
// Metrics: 12 rows, baseline row 9, nominal width 8 (the advance of "n"),
// proportional. Letters are 5x7 block shapes with two descender rows; a
// glyph's advance is its ink width + 3 (one column before, two after), so
// full-width letters advance 8, "i" 6, "." and "!" 4. Latin-1
// letters with accents are their base letter with the accent above. Codes
// of unusual width, for the tests of every width path:
//   code 1   1 px: one column, all 12 rows set
//   code 2  32 px: rows 0 and 11 full, column 0 full, column 31 rows 0-5,
//                  and a diagonal of single pixels at (3r, r), r = 1..10
//   code 3  31 px: a checkerboard, pixel (x, y) set when x + y is even
//   code 4   2 px: column 0 all rows, column 1 rows 0-5
//   code 5  16 px: rows 5 and 6 full
//   code 6  17 px: row 11 full, every fourth column (0, 4, ... 16) in rows 8-10
//   '|'      1 px: rows 2-11
//   ' '      5 px: no pixels
// Every other code without a shape (0, 7-31, 127-160 but 160, the Latin-1
// symbols) shows the fallback glyph: a hollow 5x7 box, advance 8.
#include "fontimage.h"

#include <cstring>

namespace hosted {
namespace {

constexpr int kRows = 12;
constexpr int kTop = 3;        // font row of a shape's row 0 (cap height)
constexpr UWORD kBaseline = 9;

// Shapes of the printable ASCII codes 32..126 (but '|', drawn specially):
// nine rows of five columns (0x10 the leftmost); row 6 sits on the
// baseline, rows 7 and 8 are descenders.
const char *const kShapes[95] = {
    "000000000000000000",   // ' '
    "040404040400040000",   // !
    "0A0A00000000000000",   // "
    "0A0A1F0A1F0A0A0000",   // #
    "040F140E051E040000",   // $
    "181902040813030000",   // %
    "0C12140815120D0000",   // &
    "040400000000000000",   // '
    "020408080804020000",   // (
    "080402020204080000",   // )
    "0004150E1504000000",   // *
    "0004041F0404000000",   // +
    "000000000004040800",   // ,
    "0000001F0000000000",   // -
    "000000000000040000",   // .
    "000102040810000000",   // /
    "0E11131519110E0000",   // 0
    "040C040404040E0000",   // 1
    "0E11010204081F0000",   // 2
    "1F02040201110E0000",   // 3
    "02060A121F02020000",   // 4
    "1F101E0101110E0000",   // 5
    "0608101E11110E0000",   // 6
    "1F0102040808080000",   // 7
    "0E11110E11110E0000",   // 8
    "0E11110F01020C0000",   // 9
    "000004000004000000",   // :
    "000004000004040800",   // ;
    "020408100804020000",   // <
    "00001F001F00000000",   // =
    "080402010204080000",   // >
    "0E1101020400040000",   // ?
    "0E11010D15150E0000",   // @
    "0E1111111F11110000",   // A
    "1E11111E11111E0000",   // B
    "0E11101010110E0000",   // C
    "1C12111111121C0000",   // D
    "1F10101E10101F0000",   // E
    "1F10101E1010100000",   // F
    "0E11101711110F0000",   // G
    "1111111F1111110000",   // H
    "0E04040404040E0000",   // I
    "0702020202120C0000",   // J
    "111214181412110000",   // K
    "1010101010101F0000",   // L
    "111B15151111110000",   // M
    "111119151311110000",   // N
    "0E11111111110E0000",   // O
    "1E11111E1010100000",   // P
    "0E11111115120D0000",   // Q
    "1E11111E1412110000",   // R
    "0F10100E01011E0000",   // S
    "1F0404040404040000",   // T
    "1111111111110E0000",   // U
    "11111111110A040000",   // V
    "1111111515150A0000",   // W
    "11110A040A11110000",   // X
    "1111110A0404040000",   // Y
    "1F01020408101F0000",   // Z
    "0E08080808080E0000",   // [
    "001008040201000000",   // backslash
    "0E02020202020E0000",   // ]
    "040A11000000000000",   // ^
    "000000000000001F00",   // _
    "080402000000000000",   // `
    "00000E010F110F0000",   // a
    "1010161911111E0000",   // b
    "00000E1010110E0000",   // c
    "01010D1311110F0000",   // d
    "00000E111F100E0000",   // e
    "0609081C0808080000",   // f
    "00000F1111110F010E",   // g
    "101016191111110000",   // h
    "04000C0404040E0000",   // i
    "02000602020202120C",   // j
    "101012141814120000",   // k
    "0C04040404040E0000",   // l
    "00001A151511110000",   // m
    "000016191111110000",   // n
    "00000E1111110E0000",   // o
    "00001E1111111E1010",   // p
    "00000F1111110F0101",   // q
    "000016191010100000",   // r
    "00000E100E011E0000",   // s
    "08081C080809060000",   // t
    "0000111111130D0000",   // u
    "00001111110A040000",   // v
    "0000111115150A0000",   // w
    "0000110A040A110000",   // x
    "0000111111110F010E",   // y
    "00001F0204081F0000",   // z
    "030404180404030000",   // {
    "000000000000000000",   // | (drawn specially)
    "180404030404180000",   // }
    "000008150200000000",   // ~
};

// Accents over Latin-1 letters: two rows of five columns.
enum Accent { kNone, kGrave, kAcute, kCircumflex, kTilde, kDiaeresis, kRing };
const UBYTE kAccentRows[7][2] = {
    {0x00, 0x00}, {0x08, 0x04}, {0x02, 0x04}, {0x04, 0x0A},
    {0x0D, 0x16}, {0x0A, 0x00}, {0x04, 0x0A},
};

// Latin-1 160..255: the base character and its accent (0: the fallback box).
struct Latin1 {
    char base;
    Accent accent;
};
const Latin1 kLatin1[96] = {
    {' ', kNone}, {'!', kNone}, {'c', kNone}, {0, kNone}, {0, kNone}, {'Y', kNone}, {'|', kNone}, {0, kNone},
    {0, kNone}, {0, kNone}, {0, kNone}, {'<', kNone}, {0, kNone}, {'-', kNone}, {0, kNone}, {0, kNone},
    {0, kNone}, {'+', kNone}, {0, kNone}, {0, kNone}, {0, kNone}, {'u', kNone}, {0, kNone}, {'.', kNone},
    {',', kNone}, {0, kNone}, {0, kNone}, {'>', kNone}, {0, kNone}, {0, kNone}, {0, kNone}, {'?', kNone},
    {'A', kGrave}, {'A', kAcute}, {'A', kCircumflex}, {'A', kTilde}, {'A', kDiaeresis}, {'A', kRing}, {0, kNone}, {'C', kNone},
    {'E', kGrave}, {'E', kAcute}, {'E', kCircumflex}, {'E', kDiaeresis}, {'I', kGrave}, {'I', kAcute}, {'I', kCircumflex}, {'I', kDiaeresis},
    {'D', kNone}, {'N', kTilde}, {'O', kGrave}, {'O', kAcute}, {'O', kCircumflex}, {'O', kTilde}, {'O', kDiaeresis}, {'x', kNone},
    {'O', kNone}, {'U', kGrave}, {'U', kAcute}, {'U', kCircumflex}, {'U', kDiaeresis}, {'Y', kAcute}, {'P', kNone}, {'B', kNone},
    {'a', kGrave}, {'a', kAcute}, {'a', kCircumflex}, {'a', kTilde}, {'a', kDiaeresis}, {'a', kRing}, {0, kNone}, {'c', kNone},
    {'e', kGrave}, {'e', kAcute}, {'e', kCircumflex}, {'e', kDiaeresis}, {'i', kGrave}, {'i', kAcute}, {'i', kCircumflex}, {'i', kDiaeresis},
    {'o', kNone}, {'n', kTilde}, {'o', kGrave}, {'o', kAcute}, {'o', kCircumflex}, {'o', kTilde}, {'o', kDiaeresis}, {'-', kNone},
    {'o', kNone}, {'u', kGrave}, {'u', kAcute}, {'u', kCircumflex}, {'u', kDiaeresis}, {'y', kAcute}, {'p', kNone}, {'y', kDiaeresis},
};

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    return c - 'A' + 10;
}

// A shape on the 12-row grid, five columns a row.
struct Cell {
    UBYTE rows[kRows] = {};
};

Cell ShapeCell(char c)
{
    Cell cell;
    const char *text = kShapes[static_cast<unsigned char>(c) - 32];
    int row = 0;
    for (const char *p = text; *p != '\0' && row < 9;) {
        cell.rows[kTop + row] = static_cast<UBYTE>(HexDigit(p[0]) * 16 + HexDigit(p[1]));
        p += 2;
        row++;
    }
    return cell;
}

// Places a five-column cell: its ink starts one column in, two columns
// follow it.
GlyphImage FromCell(const Cell &cell)
{
    UBYTE all = 0;
    for (UBYTE r : cell.rows)
        all |= r;
    GlyphImage g;
    g.rows.assign(kRows, 0);
    if (all == 0) {
        g.advance = 5;
        return g;
    }
    int lo = 0, hi = 4;   // ink columns, 0 the leftmost
    while ((all & (0x10 >> lo)) == 0)
        lo++;
    while ((all & (0x10 >> hi)) == 0)
        hi--;
    g.advance = static_cast<UWORD>(hi - lo + 1 + 3);
    for (int r = 0; r < kRows; r++)
        for (int col = lo; col <= hi; col++)
            if ((cell.rows[r] & (0x10 >> col)) != 0)
                g.rows[r] |= 0x80000000u >> (col - lo + 1);
    return g;
}

GlyphImage Blank(UWORD advance)
{
    GlyphImage g;
    g.advance = advance;
    g.rows.assign(kRows, 0);
    return g;
}

void Set(GlyphImage &g, int x, int y) { g.rows[y] |= 0x80000000u >> x; }

GlyphImage FallbackBox()
{
    Cell cell;
    cell.rows[kTop] = 0x1F;
    for (int r = 1; r < 6; r++)
        cell.rows[kTop + r] = 0x11;
    cell.rows[kTop + 6] = 0x1F;
    return FromCell(cell);
}

GlyphImage SpecialGlyph(int code)
{
    GlyphImage g;
    switch (code) {
    case 1:
        g = Blank(1);
        for (int y = 0; y < kRows; y++)
            Set(g, 0, y);
        break;
    case 2:
        g = Blank(32);
        g.rows[0] = g.rows[11] = 0xFFFFFFFFu;
        for (int y = 0; y < kRows; y++)
            Set(g, 0, y);
        for (int y = 0; y <= 5; y++)
            Set(g, 31, y);
        for (int r = 1; r <= 10; r++)
            Set(g, 3 * r, r);
        break;
    case 3:
        g = Blank(31);
        for (int y = 0; y < kRows; y++)
            for (int x = 0; x < 31; x++)
                if ((x + y) % 2 == 0)
                    Set(g, x, y);
        break;
    case 4:
        g = Blank(2);
        for (int y = 0; y < kRows; y++)
            Set(g, 0, y);
        for (int y = 0; y <= 5; y++)
            Set(g, 1, y);
        break;
    case 5:
        g = Blank(16);
        g.rows[5] = g.rows[6] = 0xFFFF0000u;
        break;
    case 6:
        g = Blank(17);
        g.rows[11] = 0xFFFF8000u;
        for (int y = 8; y <= 10; y++)
            for (int x = 0; x <= 16; x += 4)
                Set(g, x, y);
        break;
    default:   // '|'
        g = Blank(1);
        for (int y = 2; y < kRows; y++)
            Set(g, 0, y);
        break;
    }
    return g;
}

GlyphImage Latin1Glyph(int code)
{
    const Latin1 &l = kLatin1[code - 160];
    if (l.base == 0)
        return FallbackBox();
    if (l.base == '|')
        return SpecialGlyph('|');
    Cell cell = ShapeCell(l.base);
    if (l.accent != kNone) {
        bool lower = l.base >= 'a';
        int top = lower ? kTop - 1 : 0;   // lower case: rows 2-3, capitals: rows 0-1
        if (l.base == 'i')
            cell.rows[kTop] = 0;          // the accent takes the place of the dot
        cell.rows[top] |= kAccentRows[l.accent][0];
        cell.rows[top + 1] |= kAccentRows[l.accent][1];
    }
    return FromCell(cell);
}

}  // namespace

void MakeTestFontImage(FontImage &image)
{
    image.name = "test.font";
    image.ySize = kRows;
    image.baseline = kBaseline;
    image.flags = FPF_ROMFONT | FPF_DESIGNED | FPF_PROPORTIONAL;
    for (int code = 0; code < 256; code++) {
        GlyphImage g;
        if ((code >= 1 && code <= 6) || code == '|')
            g = SpecialGlyph(code);
        else if (code >= 32 && code <= 126)
            g = FromCell(ShapeCell(static_cast<char>(code)));
        else if (code >= 160)
            g = Latin1Glyph(code);
        else
            g = FallbackBox();
        image.glyphs[code] = g;
    }
    image.glyphs[kFallbackGlyph] = FallbackBox();
    image.xSize = image.glyphs['n'].advance;
}

}  // namespace hosted
