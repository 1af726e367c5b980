// graphics/text.cpp: drawing and measuring text in a rastport's font.
#include "paint.h"

#include <proto/graphics.h>

namespace {

// Where a character's image lies in its font and how far it advances.
struct Glyph {
    LONG bitOffset = 0;   // first column in the font's bit strip
    LONG bitWidth = 0;    // columns of the image
    LONG space = 0;       // advance
    LONG kern = 0;        // image offset from the pen
};

const struct TextFont *FontOf(const struct RastPort *rp)
{
    return rp->Font != nullptr ? rp->Font : hosted::ScreenFont();
}

Glyph GlyphOf(const struct TextFont *tf, UBYTE c)
{
    int count = tf->tf_HiChar >= tf->tf_LoChar ? tf->tf_HiChar - tf->tf_LoChar + 1 : 0;
    int index = (c < tf->tf_LoChar || c > tf->tf_HiChar) ? count : c - tf->tf_LoChar;
    Glyph g;
    if (tf->tf_CharLoc != nullptr) {
        ULONG loc = static_cast<const ULONG *>(tf->tf_CharLoc)[index];
        g.bitOffset = static_cast<LONG>(loc >> 16);
        g.bitWidth = static_cast<LONG>(loc & 0xFFFF);
    }
    g.space = tf->tf_CharSpace != nullptr ? static_cast<const WORD *>(tf->tf_CharSpace)[index] : tf->tf_XSize;
    g.kern = tf->tf_CharKern != nullptr ? static_cast<const WORD *>(tf->tf_CharKern)[index] : 0;
    return g;
}

// Extra columns algorithmic bold adds to each character.
LONG Smear(const struct RastPort *rp, const struct TextFont *tf)
{
    if ((rp->AlgoStyle & FSF_BOLD) == 0)
        return 0;
    return tf->tf_BoldSmear != 0 ? tf->tf_BoldSmear : 1;
}

LONG Advance(const struct RastPort *rp, const struct TextFont *tf, UBYTE c)
{
    return GlyphOf(tf, c).space + Smear(rp, tf) + rp->TxSpacing;
}

bool StripBit(const struct TextFont *tf, LONG column, LONG row)
{
    const auto *data = static_cast<const UBYTE *>(tf->tf_CharData);
    return (data[static_cast<std::size_t>(row) * tf->tf_Modulo + (column >> 3)] & (0x80 >> (column & 7))) != 0;
}

}  // namespace

/* Makes a font the rastport's font and copies its metrics into TxHeight,
   TxWidth and TxBaseline. Returns TRUE, FALSE without a rastport or font. */
LONG SetFont(struct RastPort *rp, const struct TextFont *textFont)
{
    if (rp == nullptr || textFont == nullptr)
        return FALSE;
    rp->Font = const_cast<struct TextFont *>(textFont);
    rp->TxHeight = textFont->tf_YSize;
    rp->TxWidth = textFont->tf_XSize;
    rp->TxBaseline = textFont->tf_Baseline;
    return TRUE;
}

/* Describes the rastport's font (the screen font when it has none). */
void AskFont(struct RastPort *rp, struct TextAttr *textAttr)
{
    if (rp == nullptr || textAttr == nullptr)
        return;
    const struct TextFont *tf = FontOf(rp);
    textAttr->ta_Name = tf->tf_Message.mn_Node.ln_Name;
    textAttr->ta_YSize = tf->tf_YSize;
    textAttr->ta_Style = tf->tf_Style;
    textAttr->ta_Flags = tf->tf_Flags;
}

/* The algorithmic styles this host can add to the rastport's font:
   FSF_BOLD and FSF_UNDERLINED (italics are not drawn), minus those the
   font has by design. */
ULONG AskSoftStyle(struct RastPort *rp)
{
    if (rp == nullptr)
        return 0;
    return (FSF_BOLD | FSF_UNDERLINED) & ~static_cast<ULONG>(FontOf(rp)->tf_Style);
}

/* Switches the styles selected by `enable` to those in `style`, as far as
   AskSoftStyle allows. Returns the resulting style (font's and added). */
ULONG SetSoftStyle(struct RastPort *rp, ULONG style, ULONG enable)
{
    if (rp == nullptr)
        return 0;
    ULONG possible = AskSoftStyle(rp);
    ULONG algo = (rp->AlgoStyle & ~enable) | (style & enable & possible);
    rp->AlgoStyle = static_cast<UBYTE>(algo & possible);
    return rp->AlgoStyle | FontOf(rp)->tf_Style;
}

/* Draws count characters of the rastport's font with the current
   position's y on the baseline: each character covers the box of its
   advance x tf_YSize starting at cp_x, rows cp_y - tf_Baseline down.
   JAM1 sets the glyph's pixels in APen; JAM2 paints the rest of the box
   in BPen; COMPLEMENT inverts the glyph's pixels; INVERSVID swaps glyph
   and background. cp_x moves by the total advance. Returns TRUE. */
LONG Text(struct RastPort *rp, CONST_STRPTR string, ULONG count)
{
    if (rp == nullptr || string == nullptr || count == 0)
        return TRUE;
    const struct TextFont *tf = FontOf(rp);
    LONG x = rp->cp_x;
    LONG top = static_cast<LONG>(rp->cp_y) - tf->tf_Baseline;
    LONG smear = Smear(rp, tf);
    bool underline = (rp->AlgoStyle & FSF_UNDERLINED) != 0;
    LONG underlineRow = tf->tf_Baseline + 1 < tf->tf_YSize ? tf->tf_Baseline + 1 : tf->tf_Baseline;
    {
        hosted::DrawScope scope(rp);
        for (ULONG i = 0; i < count; i++) {
            UBYTE c = static_cast<UBYTE>(string[i]);
            Glyph g = GlyphOf(tf, c);
            LONG advance = g.space + smear + rp->TxSpacing;
            if (scope.Ok() && advance > 0 && tf->tf_CharData != nullptr) {
                LONG origin = x + g.kern;
                auto bit = [&](LONG px, LONG py) {
                    LONG row = py - top;
                    if (underline && row == underlineRow)
                        return true;
                    for (LONG s = 0; s <= smear; s++) {
                        LONG col = px - origin - s;
                        if (col >= 0 && col < g.bitWidth && StripBit(tf, g.bitOffset + col, row))
                            return true;
                    }
                    return false;
                };
                hosted::PaintPattern(scope, rp, x, top, x + advance - 1, top + tf->tf_YSize - 1, bit);
            }
            x += advance;
        }
    }
    Move(rp, x, rp->cp_y);
    return TRUE;
}

/* The number of pixels Text would move the position by for these
   characters (cut to the range of a WORD). */
WORD TextLength(struct RastPort *rp, CONST_STRPTR string, ULONG count)
{
    if (rp == nullptr || string == nullptr)
        return 0;
    const struct TextFont *tf = FontOf(rp);
    LONG width = 0;
    for (ULONG i = 0; i < count; i++)
        width += Advance(rp, tf, static_cast<UBYTE>(string[i]));
    return static_cast<WORD>(width > 32767 ? 32767 : (width < -32768 ? -32768 : width));
}

/* The size of the text and the box its pixels may cover, relative to the
   position Text would start at (the baseline is row 0). */
void TextExtent(struct RastPort *rp, CONST_STRPTR string, ULONG count, struct TextExtent *textExtent)
{
    if (rp == nullptr || textExtent == nullptr)
        return;
    const struct TextFont *tf = FontOf(rp);
    LONG width = TextLength(rp, string, count);
    textExtent->te_Width = static_cast<UWORD>(width);
    textExtent->te_Height = tf->tf_YSize;
    textExtent->te_Extent.MinX = 0;
    textExtent->te_Extent.MinY = static_cast<WORD>(-tf->tf_Baseline);
    textExtent->te_Extent.MaxX = static_cast<WORD>(width > 0 ? width - 1 : 0);
    textExtent->te_Extent.MaxY = static_cast<WORD>(tf->tf_YSize - 1 - tf->tf_Baseline);
}

/* How many characters, taken from the start (strDirection 1) or the end
   (-1) of the string, fit into the constraining extent's width and height
   (or constrainingBitWidth x constrainingBitHeight when it is NULL). Fills
   textExtent for them. 0 when not even one fits or the font is taller. */
ULONG TextFit(struct RastPort *rp, CONST_STRPTR string, ULONG strLen, struct TextExtent *textExtent,
              const struct TextExtent *constrainingExtent, LONG strDirection,
              ULONG constrainingBitWidth, ULONG constrainingBitHeight)
{
    if (rp == nullptr || string == nullptr)
        return 0;
    const struct TextFont *tf = FontOf(rp);
    LONG maxWidth = static_cast<LONG>(constrainingBitWidth);
    LONG maxHeight = static_cast<LONG>(constrainingBitHeight);
    if (constrainingExtent != nullptr) {
        maxWidth = constrainingExtent->te_Extent.MaxX - constrainingExtent->te_Extent.MinX + 1;
        maxHeight = constrainingExtent->te_Extent.MaxY - constrainingExtent->te_Extent.MinY + 1;
    }
    ULONG fitted = 0;
    LONG width = 0;
    if (tf->tf_YSize <= maxHeight) {
        for (; fitted < strLen; fitted++) {
            ULONG index = strDirection < 0 ? strLen - 1 - fitted : fitted;
            LONG next = width + Advance(rp, tf, static_cast<UBYTE>(string[index]));
            if (next > maxWidth)
                break;
            width = next;
        }
    }
    if (textExtent != nullptr)
        TextExtent(rp, strDirection < 0 ? string + strLen - fitted : string, fitted, textExtent);
    return fitted;
}

namespace hosted {

TextMeasure::TextMeasure(struct TextFont *font)
{
    InitRastPort(&rp_);
    if (font != nullptr)
        SetFont(&rp_, font);
}

LONG TextMeasure::Width(const std::string &text)
{
    return text.empty() ? 0 : TextLength(&rp_, text.data(), static_cast<ULONG>(text.size()));
}

}  // namespace hosted
