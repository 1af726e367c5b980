// Text as the viewer reads it: encodings, tabs and control characters, telling kinds of files apart, lines, dumps and wrapping.
#include "content.h"
#include "decode.h"
#include "guide_layout.h"
#include "hex_dump.h"
#include "text_document.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using namespace hosted::multiview;

const UBYTE *Bytes(const std::string &text)
{
    return reinterpret_cast<const UBYTE *>(text.data());
}

std::string Decode(const std::string &text, TextEncoding encoding)
{
    return DecodeLine(Bytes(text), text.size(), encoding);
}

TEST(Decode, TellsUtf8FromLatin1)
{
    const std::string utf8 = "K\xC3\xA4se";
    const std::string latin = "K\xE4se";
    EXPECT_EQ(GuessEncoding(Bytes(utf8), utf8.size(), true), TextEncoding::Utf8);
    EXPECT_EQ(GuessEncoding(Bytes(latin), latin.size(), true), TextEncoding::Latin1);
    EXPECT_EQ(GuessEncoding(Bytes("plain"), 5, true), TextEncoding::Latin1);
    // Overlong forms and surrogates are no UTF-8.
    EXPECT_EQ(GuessEncoding(Bytes("\xC0\xAF"), 2, true), TextEncoding::Latin1);
    EXPECT_EQ(GuessEncoding(Bytes("\xED\xA0\x80"), 3, true), TextEncoding::Latin1);
    // A sequence cut off at the end of a sample is no fault; at the end of
    // a whole file it is.
    const std::string cut = "a\xC3\xA4 b\xE2\x80";
    EXPECT_EQ(GuessEncoding(Bytes(cut), cut.size(), false), TextEncoding::Utf8);
    EXPECT_EQ(GuessEncoding(Bytes(cut), cut.size(), true), TextEncoding::Latin1);
}

TEST(Decode, ShowsCharactersAsLatin1WithNearSpellingsAndSubstitutes)
{
    EXPECT_EQ(Decode("K\xC3\xA4se", TextEncoding::Utf8), "K\xE4se");
    EXPECT_EQ(Decode("K\xE4se", TextEncoding::Latin1), "K\xE4se");
    EXPECT_EQ(Decode("\xE2\x80\x9Cquoted\xE2\x80\x9D \xE2\x80\x93 it\xE2\x80\x99s\xE2\x80\xA6", TextEncoding::Utf8),
              "\"quoted\" - it's...");
    EXPECT_EQ(Decode("\xE2\x82\xAC" "5", TextEncoding::Utf8), "EUR5");
    EXPECT_EQ(Decode("a\xE2\x80\x8B" "b", TextEncoding::Utf8), "ab");   // zero width
    EXPECT_EQ(Decode("\xE6\x97\xA5\xF0\x9F\x98\x80!", TextEncoding::Utf8), "?" "?!");
    // A stray byte in a UTF-8 text is read as Latin-1.
    EXPECT_EQ(Decode("x\xE9y", TextEncoding::Utf8), "x\xE9y");
    // Controls are substituted, C1 controls too; terminal colour sequences go.
    EXPECT_EQ(Decode("a\x01" "b\x7F" "c\x85", TextEncoding::Latin1), "a?b?c?");
    EXPECT_EQ(Decode("\x1B[1mbold\x1B[0m and \x1B[33;1mcolour\x1B[m", TextEncoding::Latin1), "bold and colour");
    EXPECT_EQ(Decode("esc\x1Bx", TextEncoding::Latin1), "esc?x");
}

TEST(Decode, ExpandsTabsToEveryEighthColumn)
{
    EXPECT_EQ(Decode("\tx", TextEncoding::Latin1), "        x");
    EXPECT_EQ(Decode("abc\tx", TextEncoding::Latin1), "abc     x");
    EXPECT_EQ(Decode("abcdefgh\tx", TextEncoding::Latin1), "abcdefgh        x");
    EXPECT_EQ(Decode("a\t\tb", TextEncoding::Latin1), "a               b");
    // Columns count characters, not bytes.
    EXPECT_EQ(Decode("\xC3\xA4\tx", TextEncoding::Utf8), "\xE4       x");
    EXPECT_EQ(DecodeLine(Bytes("a\tb"), 3, TextEncoding::Latin1, false), "a\tb");
}

TEST(Content, TellsHelpDocumentsTextAndDataApart)
{
    auto kind = [](const std::string &text) { return ClassifyContent(Bytes(text), text.size(), true); };
    EXPECT_EQ(kind("@database Test.guide\n@node Main\n"), ContentKind::Guide);
    EXPECT_EQ(kind("\xEF\xBB\xBF\n\n  @DATABASE x\n"), ContentKind::Guide);
    EXPECT_EQ(kind("@database"), ContentKind::Guide);
    EXPECT_EQ(kind("@databases are fun\n"), ContentKind::Text);
    EXPECT_EQ(kind("Some text\n@database x\n"), ContentKind::Text);
    EXPECT_EQ(kind(""), ContentKind::Text);
    EXPECT_EQ(kind("Hello\tworld\r\n\fpage two \x1B[1mbold\n"), ContentKind::Text);
    EXPECT_EQ(kind("K\xE4se und Br\xF6tchen\n"), ContentKind::Text);
    EXPECT_EQ(kind("K\xC3\xA4se\n"), ContentKind::Text);
    EXPECT_EQ(kind(std::string("text with a \0 NUL", 17)), ContentKind::Binary);
    std::string controls = "mostly text ";
    for (int i = 0; i < 5; i++)
        controls += "\x01\x02";
    EXPECT_EQ(kind(controls), ContentKind::Binary);
    // One odd control in a long text does not make it data.
    std::string longText(400, 'a');
    longText[200] = '\x07';
    EXPECT_EQ(kind(longText), ContentKind::Text);
    // Latin-1 text has no bytes 0x80-0x9F; UTF-8 does as continuation bytes.
    EXPECT_EQ(kind("\x81\x82\x83\x84\x85 xyz"), ContentKind::Binary);
    EXPECT_EQ(kind("\xE2\x80\x9C\xE2\x80\x9D\xE2\x80\x94 xyz"), ContentKind::Text);
}

TEST(TextDocument, SplitsLinesAtEveryKindOfLineEnd)
{
    std::string text = "one\ntwo\r\nthree\rfour\n\nsix";
    TextDocument doc(std::vector<UBYTE>(text.begin(), text.end()));
    ASSERT_EQ(doc.LineCount(), 6u);
    EXPECT_EQ(doc.LineText(0), "one");
    EXPECT_EQ(doc.LineText(1), "two");
    EXPECT_EQ(doc.LineText(2), "three");
    EXPECT_EQ(doc.LineText(3), "four");
    EXPECT_EQ(doc.LineText(4), "");
    EXPECT_EQ(doc.LineText(5), "six");
    EXPECT_EQ(doc.LineText(6), "");
    EXPECT_EQ(PlainText(doc.Line(5)), "six");

    std::string ending = "a\nb\n";
    EXPECT_EQ(TextDocument(std::vector<UBYTE>(ending.begin(), ending.end())).LineCount(), 2u);
    EXPECT_EQ(TextDocument(std::vector<UBYTE>()).LineCount(), 0u);
    std::string utf8 = "K\xC3\xA4se\n\tx\n";
    TextDocument decoded(std::vector<UBYTE>(utf8.begin(), utf8.end()));
    EXPECT_EQ(decoded.Encoding(), TextEncoding::Utf8);
    EXPECT_EQ(decoded.LineText(0), "K\xE4se");
    EXPECT_EQ(decoded.LineText(1), "        x");
}

TEST(TextDocument, TheWidestLineIsAmongTheCandidates)
{
    std::string text;
    for (int i = 0; i < 500; i++)
        text += std::string(static_cast<std::size_t>(i % 37), 'x') + "\n";
    text += "\t\t\t\t\t\t\t\t\t\t\n";   // ten tabs: 80 columns in 10 bytes
    for (int i = 0; i < 500; i++)
        text += "short\n";
    TextDocument doc(std::vector<UBYTE>(text.begin(), text.end()));
    std::vector<std::size_t> candidates = doc.WidestCandidates();
    EXPECT_LT(candidates.size(), doc.LineCount());
    EXPECT_NE(std::find(candidates.begin(), candidates.end(), 500u), candidates.end());
}

TEST(HexDump, FormatsOffsetsBytesAndCharacters)
{
    const UBYTE bytes[16] = {'H', 'e', 'l', 'l', 'o', 0x0A, 0x00, 0xFF, 0x7F, 0x20, '~', 0x80, 1, 2, 3, 'z'};
    EXPECT_EQ(HexDumpLine(0x10, bytes, 16, 8),
              "00000010  48 65 6C 6C 6F 0A 00 FF  7F 20 7E 80 01 02 03 7A  |Hello.... ~....z|");
    // A short line keeps the character column where the full ones have it.
    EXPECT_EQ(HexDumpLine(0x20, bytes, 3, 8), "00000020  48 65 6C " + std::string(13 * 3 + 1, ' ') + " |Hel|");
    EXPECT_EQ(HexDumpLine(0, bytes, 0, 8).size(), HexDumpLine(0, bytes, 16, 8).size() - 16);
    EXPECT_EQ(HexOffsetDigits(0), 8);
    EXPECT_EQ(HexOffsetDigits(0x100000000ULL), 8);
    EXPECT_EQ(HexOffsetDigits(0x100000001ULL), 9);
    EXPECT_EQ(HexDumpLine(0x123456789ULL, bytes, 1, 9).substr(0, 11), "123456789  ");
}

// A measure of fixed width: every character 10 pixels, bold ones 11.
LONG Measure(const std::string &text, UBYTE style)
{
    return static_cast<LONG>(text.size()) * ((style & FSF_BOLD) != 0 ? 11 : 10);
}

StyledLine Line(std::initializer_list<StyledSpan> spans, LONG source = 0)
{
    StyledLine line;
    line.spans = spans;
    line.sourceLine = source;
    return line;
}

StyledSpan Text(const std::string &text)
{
    StyledSpan span;
    span.text = text;
    return span;
}

StyledSpan Link(const std::string &text, LONG index)
{
    StyledSpan span;
    span.text = text;
    span.role = SpanRole::Link;
    span.link = index;
    return span;
}

std::vector<std::string> Texts(const std::vector<StyledLine> &lines)
{
    std::vector<std::string> texts;
    for (const StyledLine &line : lines)
        texts.push_back(PlainText(line));
    return texts;
}

TEST(GuideLayout, WrapsBetweenWordsAndKeepsTheIndent)
{
    std::vector<StyledLine> source = {Line({Text("  one two three four five")}, 7)};
    // 12 characters a line.
    std::vector<StyledLine> laid = LayoutLines(source, 120, Measure);
    EXPECT_EQ(Texts(laid), (std::vector<std::string>{"  one two", "  three four", "  five"}));
    for (const StyledLine &line : laid) {
        EXPECT_TRUE(line.placed);
        EXPECT_EQ(line.sourceLine, 7);
        LONG right = line.spans.back().x + line.spans.back().width;
        EXPECT_LE(right, 120);
    }
    // The continued lines start where the first one's words did.
    EXPECT_EQ(laid[1].spans[0].x, 0);
    EXPECT_EQ(laid[1].spans[0].text.substr(0, 3), "  t");

    // A line that fits is left as it is; an empty one stays.
    std::vector<StyledLine> fits = LayoutLines({Line({Text("short")}), Line({})}, 120, Measure);
    EXPECT_EQ(Texts(fits), (std::vector<std::string>{"short", ""}));
}

TEST(GuideLayout, LinksAreWholeAndPlacedWithTheirPadding)
{
    std::vector<StyledLine> source = {Line({Text("see "), Link("Start", 0), Text(" and "), Link("the end", 1)})};
    std::vector<StyledLine> laid = LayoutLines(source, 1000, Measure);
    ASSERT_EQ(laid.size(), 1u);
    const StyledLine &line = laid[0];
    ASSERT_EQ(line.spans.size(), 4u);
    EXPECT_EQ(line.spans[1].role, SpanRole::Link);
    EXPECT_EQ(line.spans[1].x, 40);
    EXPECT_EQ(line.spans[1].width, 50 + 2 * kLinkPadding);
    EXPECT_EQ(line.spans[2].x, 40 + 50 + 2 * kLinkPadding);
    EXPECT_EQ(line.spans[3].link, 1);

    // Too narrow: the link moves to the next line whole.
    std::vector<StyledLine> narrow = LayoutLines(source, 100, Measure);
    ASSERT_GE(narrow.size(), 2u);
    bool found = false;
    for (const StyledLine &l : narrow) {
        for (const StyledSpan &span : l.spans) {
            if (span.role == SpanRole::Link && span.link == 1) {
                EXPECT_EQ(span.text, "the end");
                EXPECT_EQ(span.x, 0);
                found = true;
            }
        }
    }
    EXPECT_TRUE(found);
}

TEST(GuideLayout, AWordWiderThanThePageIsBrokenBetweenCharacters)
{
    std::vector<StyledLine> laid = LayoutLines({Line({Text("abcdefghijklmnopqrstuvwxy")})}, 100, Measure);
    EXPECT_EQ(Texts(laid), (std::vector<std::string>{"abcdefghij", "klmnopqrst", "uvwxy"}));
    // Even a page narrower than one character makes progress.
    std::vector<StyledLine> tiny = LayoutLines({Line({Text("abc")})}, 3, Measure);
    EXPECT_EQ(Texts(tiny), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(LayoutLines({Line({Text("abc")})}, 0, Measure).size(), 3u);
}

}  // namespace
