// intuition/console/decoder.h: turning the bytes written to a console into characters, control codes and escape sequences.
#ifndef INTUITION_CONSOLE_DECODER_H
#define INTUITION_CONSOLE_DECODER_H

#include <exec/types.h>

#include <cstddef>
#include <string>
#include <vector>

namespace hosted {

// One escape sequence: ESC followed by a final character (`csi` false), or
// a control sequence "CSI params intermediates final" (`csi` true), where
// CSI is ESC [ or the byte 0x9B. An omitted parameter is -1.
struct ConsoleSequence {
    bool csi = false;
    char marker = 0;            // a private marker before the parameters: '?', '>', '<' or '='
    std::vector<LONG> params;
    std::string intermediates;  // bytes 0x20..0x2F before the final one
    char final = 0;

    // The parameter at `index`, or `fallback` when it is missing or omitted.
    LONG Param(std::size_t index, LONG fallback) const;
};

// Where a decoder delivers what it found.
class ConsoleSink {
public:
    virtual ~ConsoleSink() = default;
    // A character to show (Latin-1, 0x20..0x7E and 0xA0..0xFF).
    virtual void Print(UBYTE character) = 0;
    // A control code: 0x00..0x1F but ESC, or the C1 codes IND 0x84, NEL 0x85 and RI 0x8D.
    virtual void Control(UBYTE code) = 0;
    virtual void Sequence(const ConsoleSequence &sequence) = 0;
};

// Decodes a byte stream across any number of writes. Text is Latin-1, as
// everywhere in the system; well-formed UTF-8 (what host programs write)
// is understood too and shown in Latin-1 where it can be, so that a host
// command's "é" does not become two characters (a character is
// understood in UTF-8 only when it lies whole in one write: a Latin-1
// letter ending a write is shown at once). Escape sequences a
// console does not know are taken out whole, never shown; strings
// (OSC, DCS, APC, PM, SOS) are dropped up to their end.
class ConsoleDecoder {
public:
    void Feed(const UBYTE *bytes, std::size_t length, ConsoleSink &sink);

    // Forgets a sequence or character begun and not finished.
    void Reset();

private:
    enum class State { Ground, Escape, EscapeIntermediate, Csi, CsiIgnore, String, StringEscape };

    void Byte(UBYTE byte, ConsoleSink &sink);
    void Ground(UBYTE byte, ConsoleSink &sink);
    void Latin1(UBYTE byte, ConsoleSink &sink);    // one byte taken as Latin-1 (or C1)
    void CodePoint(ULONG code, ConsoleSink &sink);
    void FlushPartial(ConsoleSink &sink);          // a UTF-8 start that went nowhere
    void BeginSequence(bool csi);
    void CsiByte(UBYTE byte, ConsoleSink &sink);
    void Finish(char final, ConsoleSink &sink);

    State state_ = State::Ground;
    ConsoleSequence sequence_;
    bool paramStarted_ = false;   // digits of the current parameter were seen
    bool separatorSeen_ = false;  // a ";" was seen
    std::size_t stringLength_ = 0;
    // A UTF-8 sequence begun: its bytes so far and how many it needs.
    UBYTE partial_[4] = {};
    int partialLength_ = 0;
    int partialNeeded_ = 0;
};

// The Latin-1 character a Unicode code point is shown as: itself up to
// 0xFF, a look-alike for common typographic marks, otherwise '?'.
UBYTE ShownCharacter(ULONG codePoint);

}  // namespace hosted

#endif  // INTUITION_CONSOLE_DECODER_H
