// intuition/console/decoder.cpp: turning the bytes written to a console into characters, control codes and escape sequences.
#include "decoder.h"

#include <algorithm>

namespace hosted {

namespace {

constexpr UBYTE kEscape = 0x1B;
constexpr UBYTE kCancel = 0x18;
constexpr UBYTE kSubstitute = 0x1A;
constexpr UBYTE kBell = 0x07;
constexpr UBYTE kCsi8 = 0x9B;
constexpr UBYTE kStringTerminator8 = 0x9C;

// Limits that keep a stream of garbage from growing a sequence without end.
constexpr std::size_t kMaxParams = 32;
constexpr std::size_t kMaxIntermediates = 4;
constexpr LONG kMaxParamValue = 99999;
// A string (a window title and the like) longer than this was no string:
// what follows is shown again rather than swallowed.
constexpr std::size_t kMaxStringLength = 4096;

bool IsContinuation(UBYTE byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

LONG ConsoleSequence::Param(std::size_t index, LONG fallback) const
{
    if (index >= params.size() || params[index] < 0)
        return fallback;
    return params[index];
}

UBYTE ShownCharacter(ULONG code)
{
    if (code <= 0xFF)
        return static_cast<UBYTE>(code);
    switch (code) {
    case 0x2018: case 0x2019: case 0x201A: case 0x2032:
        return '\'';
    case 0x201C: case 0x201D: case 0x201E: case 0x2033:
        return '"';
    case 0x2010: case 0x2011: case 0x2012: case 0x2013: case 0x2014: case 0x2015: case 0x2212:
    case 0x2500: case 0x2501:
        return '-';
    case 0x2502: case 0x2503:
        return '|';
    case 0x250C: case 0x2510: case 0x2514: case 0x2518: case 0x251C: case 0x2524: case 0x252C:
    case 0x2534: case 0x253C:
        return '+';
    case 0x2022: case 0x2219:
        return 0xB7;
    case 0x2026:
        return '.';
    default:
        return '?';
    }
}

void ConsoleDecoder::Reset()
{
    state_ = State::Ground;
    partialLength_ = 0;
    partialNeeded_ = 0;
    sequence_ = ConsoleSequence{};
}

void ConsoleDecoder::Feed(const UBYTE *bytes, std::size_t length, ConsoleSink &sink)
{
    for (std::size_t i = 0; i < length; i++)
        Byte(bytes[i], sink);
    // The system's text is Latin-1 and a program's write is whole: a byte
    // that could begin a UTF-8 character but ends the write is a letter
    // to show now, not to hold back until the next write.
    if (partialLength_ > 0)
        FlushPartial(sink);
}

void ConsoleDecoder::BeginSequence(bool csi)
{
    sequence_ = ConsoleSequence{};
    sequence_.csi = csi;
    paramStarted_ = false;
    separatorSeen_ = false;
    stringLength_ = 0;
    state_ = csi ? State::Csi : State::Escape;
}

void ConsoleDecoder::Byte(UBYTE byte, ConsoleSink &sink)
{
    // What every state does with the codes that end or restart a sequence.
    if (state_ != State::Ground && state_ != State::String && state_ != State::StringEscape) {
        if (byte == kEscape) {
            BeginSequence(false);
            return;
        }
        if (byte == kCancel || byte == kSubstitute) {
            state_ = State::Ground;
            return;
        }
        if (byte < 0x20) {
            sink.Control(byte);   // controls inside a sequence still act
            return;
        }
        if (byte >= 0x80) {
            // Not part of any sequence: the sequence was broken off.
            state_ = State::Ground;
            Ground(byte, sink);
            return;
        }
    }
    switch (state_) {
    case State::Ground:
        Ground(byte, sink);
        return;
    case State::Escape:
        if (byte == '[') {
            BeginSequence(true);
        } else if (byte == ']' || byte == 'P' || byte == 'X' || byte == '^' || byte == '_') {
            state_ = State::String;
            stringLength_ = 0;
        } else if (byte >= 0x20 && byte <= 0x2F) {
            sequence_.intermediates += static_cast<char>(byte);
            state_ = State::EscapeIntermediate;
        } else if (byte >= 0x30 && byte <= 0x7E) {
            Finish(static_cast<char>(byte), sink);
        }
        return;   // DEL is ignored
    case State::EscapeIntermediate:
        if (byte >= 0x20 && byte <= 0x2F) {
            if (sequence_.intermediates.size() < kMaxIntermediates)
                sequence_.intermediates += static_cast<char>(byte);
        } else if (byte >= 0x30 && byte <= 0x7E) {
            Finish(static_cast<char>(byte), sink);
        }
        return;
    case State::Csi:
        CsiByte(byte, sink);
        return;
    case State::CsiIgnore:
        if (byte >= 0x40 && byte <= 0x7E)
            state_ = State::Ground;
        return;
    case State::String:
    case State::StringEscape:
        if (byte == kBell || byte == kStringTerminator8 || byte == kCancel || byte == kSubstitute ||
            (state_ == State::StringEscape && byte == '\\')) {
            state_ = State::Ground;
            return;
        }
        if (state_ == State::StringEscape && byte != kEscape) {
            // ESC then something other than "\": the string ended and a
            // new sequence began.
            BeginSequence(false);
            Byte(byte, sink);
            return;
        }
        state_ = byte == kEscape ? State::StringEscape : State::String;
        if (++stringLength_ > kMaxStringLength)
            state_ = State::Ground;
        return;
    }
}

void ConsoleDecoder::CsiByte(UBYTE byte, ConsoleSink &sink)
{
    std::vector<LONG> &params = sequence_.params;
    const bool digit = byte >= '0' && byte <= '9';
    if (digit || byte == ';' || byte == ':') {
        // Parameters after an intermediate byte, or more of them than we
        // keep, make a sequence nobody understands.
        if (!sequence_.intermediates.empty()) {
            state_ = State::CsiIgnore;
            return;
        }
        if (!paramStarted_) {
            if (params.size() >= kMaxParams) {
                state_ = State::CsiIgnore;
                return;
            }
            // A separator with no digits before it: that parameter was left out.
            params.push_back(digit ? 0 : -1);
        }
        if (digit) {
            LONG &value = params.back();
            value = std::min<LONG>(value * 10 + (byte - '0'), kMaxParamValue);
            paramStarted_ = true;
        } else {
            paramStarted_ = false;
            separatorSeen_ = true;
        }
        return;
    }
    if (byte >= 0x3C && byte <= 0x3F) {
        if (params.empty() && !paramStarted_ && sequence_.marker == 0 && sequence_.intermediates.empty())
            sequence_.marker = static_cast<char>(byte);
        else
            state_ = State::CsiIgnore;
        return;
    }
    if (byte >= 0x20 && byte <= 0x2F) {
        if (sequence_.intermediates.size() >= kMaxIntermediates)
            state_ = State::CsiIgnore;
        else
            sequence_.intermediates += static_cast<char>(byte);
        return;
    }
    if (byte >= 0x40 && byte <= 0x7E) {
        Finish(static_cast<char>(byte), sink);
        return;
    }
    // DEL: ignored.
}

void ConsoleDecoder::Finish(char final, ConsoleSink &sink)
{
    // "CSI 1;H": the parameter after the last separator was left out.
    if (sequence_.csi && separatorSeen_ && !paramStarted_ && sequence_.params.size() < kMaxParams)
        sequence_.params.push_back(-1);
    sequence_.final = final;
    state_ = State::Ground;
    separatorSeen_ = false;
    sink.Sequence(sequence_);
}

void ConsoleDecoder::Ground(UBYTE byte, ConsoleSink &sink)
{
    if (partialLength_ > 0) {
        bool fits = IsContinuation(byte);
        if (fits && partialLength_ == 1) {
            // The second byte rules out overlong forms and surrogates.
            UBYTE lead = partial_[0];
            if ((lead == 0xE0 && byte < 0xA0) || (lead == 0xED && byte > 0x9F) || (lead == 0xF0 && byte < 0x90) ||
                (lead == 0xF4 && byte > 0x8F))
                fits = false;
        }
        if (!fits) {
            FlushPartial(sink);
            Byte(byte, sink);   // the state may have changed
            return;
        }
        partial_[partialLength_++] = byte;
        if (partialLength_ < partialNeeded_)
            return;
        ULONG code = partial_[0] & (partialNeeded_ == 2 ? 0x1F : partialNeeded_ == 3 ? 0x0F : 0x07);
        for (int i = 1; i < partialNeeded_; i++)
            code = (code << 6) | (partial_[i] & 0x3F);
        partialLength_ = 0;
        partialNeeded_ = 0;
        CodePoint(code, sink);
        return;
    }
    if (byte >= 0xC2 && byte <= 0xF4) {
        partial_[0] = byte;
        partialLength_ = 1;
        partialNeeded_ = byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
        return;
    }
    Latin1(byte, sink);
}

void ConsoleDecoder::FlushPartial(ConsoleSink &sink)
{
    UBYTE bytes[4];
    int count = partialLength_;
    std::copy(partial_, partial_ + count, bytes);
    partialLength_ = 0;
    partialNeeded_ = 0;
    for (int i = 0; i < count; i++) {
        if (state_ == State::Ground)
            Latin1(bytes[i], sink);
        else
            Byte(bytes[i], sink);
    }
}

void ConsoleDecoder::CodePoint(ULONG code, ConsoleSink &sink)
{
    if (code < 0xA0)
        Latin1(static_cast<UBYTE>(code), sink);   // the C1 codes, written in UTF-8
    else
        sink.Print(ShownCharacter(code));
}

void ConsoleDecoder::Latin1(UBYTE byte, ConsoleSink &sink)
{
    if (byte == kEscape) {
        BeginSequence(false);
        return;
    }
    if (byte < 0x20) {
        sink.Control(byte);
        return;
    }
    if (byte == 0x7F)
        return;
    if (byte >= 0x80 && byte <= 0x9F) {
        switch (byte) {
        case kCsi8:
            BeginSequence(true);
            return;
        case 0x84: case 0x85: case 0x8D:
            sink.Control(byte);
            return;
        case 0x90: case 0x98: case 0x9D: case 0x9E: case 0x9F:
            state_ = State::String;
            stringLength_ = 0;
            return;
        default:
            return;   // other C1 codes mean nothing here
        }
    }
    sink.Print(byte);
}

}  // namespace hosted
