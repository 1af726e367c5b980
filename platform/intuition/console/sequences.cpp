// intuition/console/sequences.cpp: what a console does with the escape and control sequences written to it.
#include "textgrid.h"

#include <algorithm>
#include <string>

namespace hosted {

namespace {

// The system's consoles answer in 8-bit control sequences.
const char kCsi[] = "\x9B";

}  // namespace

void TextGrid::Sequence(const ConsoleSequence &s)
{
    if (!s.csi) {
        if (!s.intermediates.empty())
            return;   // character set choices and the like: nothing to show
        switch (s.final) {
        case 'c':
            Reset();
            break;
        case 'D':
            Control(0x84);
            break;
        case 'E':
            Control(0x85);
            break;
        case 'M':
            Control(0x8D);
            break;
        case '7':
            savedRow_ = cursorRow_;
            savedColumn_ = std::min(cursorColumn_, columns_ - 1);
            break;
        case '8':
            MoveTo(savedRow_, savedColumn_);
            break;
        default:
            break;
        }
        return;
    }

    if (s.marker != 0) {
        if (s.marker == '?' && s.intermediates.empty() && (s.final == 'h' || s.final == 'l'))
            SetMode(s, s.final == 'h');
        return;   // other private sequences are the business of other terminals
    }
    if (s.intermediates == " ") {
        if (s.final == 'p') {
            // Cursor on ("CSI SPACE p", "CSI 1 SPACE p") or off ("CSI 0 SPACE p").
            cursorShown_ = s.Param(0, 1) != 0;
        } else if (s.final == 'q') {
            // The window bounds request: first row and column, last row and column.
            replies_ += std::string(kCsi) + "1;1;" + std::to_string(screenRows_) + ";" + std::to_string(columns_) + " r";
        }
        return;
    }
    if (!s.intermediates.empty())
        return;

    LONG n = std::max<LONG>(s.Param(0, 1), 1);
    LONG column = std::min(cursorColumn_, columns_ - 1);
    switch (s.final) {
    case 'A':
        MoveTo(cursorRow_ - n, column);
        break;
    case 'B':
        MoveTo(cursorRow_ + n, column);
        break;
    case 'C':
        MoveTo(cursorRow_, column + n);
        break;
    case 'D':
        MoveTo(cursorRow_, column - n);
        break;
    case 'E':
        MoveTo(cursorRow_ + n, 0);
        break;
    case 'F':
        MoveTo(cursorRow_ - n, 0);
        break;
    case 'G':
    case '`':
        MoveTo(cursorRow_, n - 1);
        break;
    case 'd':
        MoveTo(n - 1, column);
        break;
    case 'H':
    case 'f':
        MoveTo(std::max<LONG>(s.Param(0, 1), 1) - 1, std::max<LONG>(s.Param(1, 1), 1) - 1);
        break;
    case 'J':
        EraseDisplay(s.Param(0, 0));
        break;
    case 'K':
        EraseLine(s.Param(0, 0));
        break;
    case '@':
        InsertCharacters(n);
        break;
    case 'P':
        DeleteCharacters(n);
        break;
    case 'L':
        InsertLines(n);
        break;
    case 'M':
        DeleteLines(n);
        break;
    case 'S':
        for (LONG i = 0; i < std::min(n, screenRows_); i++) {
            // The screen's text moves up a line; the cursor stays where it is.
            ScrollOne();
        }
        break;
    case 'T': {
        LONG row = cursorRow_;
        cursorRow_ = 0;
        for (LONG i = 0; i < std::min(n, screenRows_); i++)
            ReverseLineFeed();
        cursorRow_ = row;
        break;
    }
    case 'm':
        SelectGraphicRendition(s);
        break;
    case 'h':
    case 'l':
        SetMode(s, s.final == 'h');
        break;
    case 'n':
        if (s.Param(0, 0) == 6) {
            replies_ += std::string(kCsi) + std::to_string(cursorRow_ + 1) + ";" +
                        std::to_string(std::min(cursorColumn_, columns_ - 1) + 1) + "R";
        }
        break;
    default:
        break;   // page length, margins, raw events, tab stops ... ignored
    }
}

void TextGrid::SelectGraphicRendition(const ConsoleSequence &s)
{
    if (s.params.empty()) {
        pen_ = textPen_;
        paper_ = backgroundPen_;
        reverse_ = false;
        return;
    }
    for (std::size_t i = 0; i < s.params.size(); i++) {
        LONG p = s.params[i] < 0 ? 0 : s.params[i];
        if (p == 0) {
            pen_ = textPen_;
            paper_ = backgroundPen_;
            reverse_ = false;
        } else if (p == 7) {
            reverse_ = true;
        } else if (p == 27) {
            reverse_ = false;
        } else if (p >= 30 && p <= 37) {
            pen_ = static_cast<UBYTE>(p - 30);   // the screen's pens 0 to 7, as the system has it
        } else if (p >= 90 && p <= 97) {
            pen_ = static_cast<UBYTE>(p - 90);
        } else if (p == 39) {
            pen_ = textPen_;
        } else if (p >= 40 && p <= 47) {
            paper_ = static_cast<UBYTE>(p - 40);
        } else if (p >= 100 && p <= 107) {
            paper_ = static_cast<UBYTE>(p - 100);
        } else if (p == 49) {
            paper_ = backgroundPen_;
        } else if (p == 38 || p == 48) {
            // Colours of other terminals: "5;n" or "2;r;g;b" follow; skipped.
            LONG kind = i + 1 < s.params.size() ? s.params[i + 1] : -1;
            i += kind == 5 ? 2 : kind == 2 ? 4 : 1;
        }
        // Bold, italics, underlining and the rest keep the pens as they are.
    }
}

void TextGrid::SetMode(const ConsoleSequence &s, bool on)
{
    for (LONG mode : s.params) {
        if (s.marker == '?' && mode == 25)
            cursorShown_ = on;
        else if (s.marker == '?' && mode == 7)
            autoWrap_ = on;
        // The line feed mode (20) is always on: LF starts a new line.
    }
}

}  // namespace hosted
