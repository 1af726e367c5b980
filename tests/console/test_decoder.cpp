// The console's byte decoder: characters, controls, escape and control sequences, strings, UTF-8, across writes.
#include "console/decoder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using hosted::ConsoleDecoder;
using hosted::ConsoleSequence;

// Records what the decoder delivers as text: characters as they are,
// controls as <XX>, sequences as {csi marker params intermediates final}.
class Recorder : public hosted::ConsoleSink {
public:
    std::string seen;
    std::vector<ConsoleSequence> sequences;

    void Print(UBYTE c) override { seen += static_cast<char>(c); }
    void Control(UBYTE c) override
    {
        char text[8];
        std::snprintf(text, sizeof text, "<%02X>", c);
        seen += text;
    }
    void Sequence(const ConsoleSequence &s) override
    {
        sequences.push_back(s);
        seen += "{";
        seen += s.csi ? "CSI" : "ESC";
        if (s.marker != 0)
            seen += s.marker;
        for (std::size_t i = 0; i < s.params.size(); i++)
            seen += (i == 0 ? " " : ";") + std::to_string(s.params[i]);
        seen += " " + s.intermediates + s.final + "}";
    }
};

std::string DecodeWrites(const std::vector<std::string> &writes)
{
    ConsoleDecoder decoder;
    Recorder recorder;
    for (const std::string &w : writes)
        decoder.Feed(reinterpret_cast<const UBYTE *>(w.data()), w.size(), recorder);
    return recorder.seen;
}

std::string Decode(const std::string &text) { return DecodeWrites({text}); }

TEST(ConsoleDecoder, TextAndControlsPassThrough)
{
    EXPECT_EQ(Decode("ab\ncd\r\t\b\f\x07"), "ab<0A>cd<0D><09><08><0C><07>");
    EXPECT_EQ(Decode("x\x7Fy"), "xy");            // DEL shows nothing
    EXPECT_EQ(Decode("\xE9t\xE9"), "\xE9t\xE9");  // Latin-1 stays Latin-1
    EXPECT_EQ(Decode("a\x84" "b\x85" "c\x8D"), "a<84>b<85>c<8D>");
    EXPECT_EQ(Decode("a\x80\x9A" "b"), "ab");     // other C1 codes mean nothing
}

TEST(ConsoleDecoder, ControlSequencesAreTakenOutWhole)
{
    EXPECT_EQ(Decode("\x1b[1;31mred\x1b[0m"), "{CSI 1;31 m}red{CSI 0 m}");
    EXPECT_EQ(Decode("\x9b" "3mpen"), "{CSI 3 m}pen");     // the system's 8-bit CSI
    EXPECT_EQ(Decode("\x1b[H\x1b[;5H\x1b[2;H"), "{CSI H}{CSI -1;5 H}{CSI 2;-1 H}");
    EXPECT_EQ(Decode("\x1b[?25l\x1b[>1c"), "{CSI? 25 l}{CSI> 1 c}");
    EXPECT_EQ(Decode("\x9b" "0 p\x9b q"), "{CSI 0  p}{CSI  q}");
    // Unknown finals are still whole sequences: nothing of them is shown.
    EXPECT_EQ(Decode("a\x1b[12;34;56zb"), "a{CSI 12;34;56 z}b");
    // Controls inside a sequence act; CAN ends it; ESC starts a new one.
    EXPECT_EQ(Decode("\x1b[1\n2m"), "<0A>{CSI 12 m}");
    EXPECT_EQ(Decode("\x1b[12\x18x"), "x");
    EXPECT_EQ(Decode("\x1b[12\x1b[3m"), "{CSI 3 m}");
    // Digits after an intermediate make nonsense: dropped up to the final.
    EXPECT_EQ(Decode("\x1b[1 2qz"), "z");
    // Parameter values are bounded.
    Recorder r;
    ConsoleDecoder d;
    std::string huge = "\x1b[99999999999999m";
    d.Feed(reinterpret_cast<const UBYTE *>(huge.data()), huge.size(), r);
    ASSERT_EQ(r.sequences.size(), 1u);
    EXPECT_EQ(r.sequences[0].params[0], 99999);
    EXPECT_EQ(r.sequences[0].Param(1, 7), 7);
}

TEST(ConsoleDecoder, EscapeSequencesAndStrings)
{
    EXPECT_EQ(Decode("\x1b" "c\x1b" "7\x1b" "8"), "{ESC c}{ESC 7}{ESC 8}");
    EXPECT_EQ(Decode("\x1b(Bx"), "{ESC (B}x");
    // Window titles and other strings are dropped up to BEL or ST.
    EXPECT_EQ(Decode("a\x1b]0;title\x07" "b"), "ab");
    EXPECT_EQ(Decode("a\x1b]2;title\x1b\\b"), "ab");
    EXPECT_EQ(Decode("a\x1bPq#0;1\x9c" "b"), "ab");
    EXPECT_EQ(Decode("a\x9d" "title\x07" "b"), "ab");
    // A string never ended gives the text back after a while.
    std::string runaway = "\x1b]" + std::string(5000, 'x') + "shown";
    std::string seen = Decode(runaway);
    EXPECT_NE(seen.find("shown"), std::string::npos);
    EXPECT_LT(seen.size(), 1000u);
}

TEST(ConsoleDecoder, PiecesAcrossWritesJoin)
{
    EXPECT_EQ(DecodeWrites({"\x1b", "[", "3", "1", "m", "x"}), "{CSI 31 m}x");
    EXPECT_EQ(DecodeWrites({"a\x1b]0;ti", "tle\x07" "b"}), "ab");
    // A write is whole in itself: a Latin-1 letter at its end shows at
    // once, though it could begin a UTF-8 character.
    EXPECT_EQ(DecodeWrites({"gro\xDF", "e"}), "gro\xDF" "e");
}

TEST(ConsoleDecoder, Utf8FromHostProgramsIsShownInLatin1)
{
    EXPECT_EQ(Decode("caf\xC3\xA9 \xC3\x9F"), "caf\xE9 \xDF");
    EXPECT_EQ(Decode("\xE2\x80\x9Cquoted\xE2\x80\x9D \xE2\x80\x93 \xE2\x94\x82"), "\"quoted\" - |");
    EXPECT_EQ(Decode("\xE2\x82\xAC \xF0\x9F\x98\x80"), "? ?");   // no Latin-1 look-alike
    // Bytes that are no UTF-8 are Latin-1 characters, each on its own.
    EXPECT_EQ(Decode("\xC3(x"), "\xC3(x");
    EXPECT_EQ(Decode("\xE0\x80\x80"), "\xE0");       // overlong: the lead shows, the rest are C1 codes
    EXPECT_EQ(Decode("\xED\xA0\x80" "a"), "\xED\xA0" "a");   // a surrogate is no character
    // A C1 code written in UTF-8 acts as one.
    EXPECT_EQ(Decode("\xC2\x9B" "1m"), "{CSI 1 m}");
}

TEST(ConsoleDecoder, ResetForgetsAHalfSequence)
{
    ConsoleDecoder decoder;
    Recorder r;
    std::string half = "\x1b[12";
    decoder.Feed(reinterpret_cast<const UBYTE *>(half.data()), half.size(), r);
    decoder.Reset();
    std::string text = "m";
    decoder.Feed(reinterpret_cast<const UBYTE *>(text.data()), text.size(), r);
    EXPECT_EQ(r.seen, "m");
}

}  // namespace
