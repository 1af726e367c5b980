// boopsi/stringedit.cpp: the editing of a string gadget's text: keys, insertion, deletion, cursor, integer values.
#include "classdata.h"

#include <hosted/boopsi.h>

#include <cstdio>
#include <cstring>
#include <limits>

namespace hosted::boopsi {
namespace {

bool Printable(ULONG c) { return (c >= 0x20 && c < 0x7F) || (c >= 0xA0 && c <= 0xFF); }

// The room for characters: MaxChars counts the terminating NUL.
LONG Capacity(const struct StringInfo *si) { return si->MaxChars > 0 ? si->MaxChars - 1 : 0; }

void Terminate(struct StringInfo *si)
{
    if (si->NumChars < 0)
        si->NumChars = 0;
    if (si->NumChars > Capacity(si))
        si->NumChars = static_cast<WORD>(Capacity(si));
    si->Buffer[si->NumChars] = '\0';
    if (si->BufferPos > si->NumChars)
        si->BufferPos = si->NumChars;
    if (si->BufferPos < 0)
        si->BufferPos = 0;
}

}  // namespace

EditKey ClassifyKey(const struct InputEvent *ie, ULONG *character)
{
    *character = 0;
    if (ie == nullptr || ie->ie_Class != IECLASS_RAWKEY || (ie->ie_Code & IECODE_UP_PREFIX) != 0)
        return EditKey::None;
    bool shift = (ie->ie_Qualifier & (IEQUALIFIER_LSHIFT | IEQUALIFIER_RSHIFT)) != 0;
    switch (ie->ie_Code) {
    case RAWKEY_LEFT:
        return shift ? EditKey::Start : EditKey::Left;
    case RAWKEY_RIGHT:
        return shift ? EditKey::End : EditKey::Right;
    case RAWKEY_HOME:
        return EditKey::Start;
    case RAWKEY_END:
        return EditKey::End;
    case RAWKEY_BACKSPACE:
        return shift ? EditKey::DeleteToStart : EditKey::BackSpace;
    case RAWKEY_DEL:
        return shift ? EditKey::DeleteToEnd : EditKey::Delete;
    case RAWKEY_RETURN:
    case RAWKEY_ENTER:
        return EditKey::Return;
    case RAWKEY_ESC:
        return EditKey::Escape;
    case RAWKEY_TAB:
        return shift ? EditKey::BackTab : EditKey::Tab;
    case RAWKEY_HELP:
        return EditKey::Help;
    default:
        break;
    }
    ULONG c = hosted::TranslateKey(ie);
    if ((ie->ie_Qualifier & IEQUALIFIER_RCOMMAND) != 0) {
        // The system's editing commands: Right Amiga with Q undoes, with X clears.
        if (c == 'q' || c == 'Q')
            return EditKey::Undo;
        if (c == 'x' || c == 'X')
            return EditKey::Clear;
        return EditKey::None;
    }
    if (!Printable(c))
        return EditKey::None;
    *character = c;
    return EditKey::Character;
}

bool EditAccepts(const struct StringInfo *si, UBYTE character, bool integer)
{
    if (!Printable(character))
        return false;
    if (!integer)
        return true;
    if (character >= '0' && character <= '9')
        return !(si->BufferPos == 0 && si->NumChars > 0 && si->Buffer[0] == '-');
    // One minus, in front.
    return character == '-' && si->BufferPos == 0 && (si->NumChars == 0 || si->Buffer[0] != '-');
}

bool EditInsert(struct StringInfo *si, UBYTE character, bool integer, bool replace)
{
    if (!EditAccepts(si, character, integer))
        return false;
    if (replace && si->BufferPos < si->NumChars) {
        si->Buffer[si->BufferPos++] = static_cast<char>(character);
        return true;
    }
    if (si->NumChars >= Capacity(si))
        return false;
    std::memmove(si->Buffer + si->BufferPos + 1, si->Buffer + si->BufferPos,
                 static_cast<size_t>(si->NumChars - si->BufferPos));
    si->Buffer[si->BufferPos] = static_cast<char>(character);
    si->BufferPos++;
    si->NumChars++;
    Terminate(si);
    return true;
}

bool EditDeleteBackward(struct StringInfo *si)
{
    if (si->BufferPos <= 0)
        return false;
    std::memmove(si->Buffer + si->BufferPos - 1, si->Buffer + si->BufferPos,
                 static_cast<size_t>(si->NumChars - si->BufferPos));
    si->BufferPos--;
    si->NumChars--;
    Terminate(si);
    return true;
}

bool EditDeleteForward(struct StringInfo *si)
{
    if (si->BufferPos >= si->NumChars)
        return false;
    std::memmove(si->Buffer + si->BufferPos, si->Buffer + si->BufferPos + 1,
                 static_cast<size_t>(si->NumChars - si->BufferPos - 1));
    si->NumChars--;
    Terminate(si);
    return true;
}

bool EditDeleteToStart(struct StringInfo *si)
{
    if (si->BufferPos <= 0)
        return false;
    std::memmove(si->Buffer, si->Buffer + si->BufferPos, static_cast<size_t>(si->NumChars - si->BufferPos));
    si->NumChars = static_cast<WORD>(si->NumChars - si->BufferPos);
    si->BufferPos = 0;
    Terminate(si);
    return true;
}

bool EditDeleteToEnd(struct StringInfo *si)
{
    if (si->BufferPos >= si->NumChars)
        return false;
    si->NumChars = si->BufferPos;
    Terminate(si);
    return true;
}

bool EditMoveTo(struct StringInfo *si, LONG position)
{
    if (position < 0)
        position = 0;
    if (position > si->NumChars)
        position = si->NumChars;
    if (position == si->BufferPos)
        return false;
    si->BufferPos = static_cast<WORD>(position);
    return true;
}

void EditSetText(struct StringInfo *si, CONST_STRPTR text)
{
    if (si->Buffer == nullptr || si->MaxChars <= 0)
        return;
    size_t length = text != nullptr ? std::strlen(text) : 0;
    if (length > static_cast<size_t>(Capacity(si)))
        length = static_cast<size_t>(Capacity(si));
    if (length > 0 && text != si->Buffer)
        std::memmove(si->Buffer, text, length);
    si->NumChars = static_cast<WORD>(length);
    si->BufferPos = si->NumChars;
    si->DispPos = 0;
    Terminate(si);
}

void EditSetLong(struct StringInfo *si, LONG value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%ld", static_cast<long>(value));
    EditSetText(si, text);
    si->LongInt = value;
}

LONG EditParseLong(CONST_STRPTR text)
{
    if (text == nullptr)
        return 0;
    bool negative = *text == '-';
    if (negative)
        text++;
    constexpr long long kMax = std::numeric_limits<LONG>::max();
    constexpr long long kMin = std::numeric_limits<LONG>::min();
    long long value = 0;
    for (; *text >= '0' && *text <= '9'; text++) {
        value = value * 10 + (*text - '0');
        if (value > -kMin)
            value = -kMin;   // saturated; more digits change nothing
    }
    if (negative)
        value = -value;
    if (value > kMax)
        value = kMax;
    return static_cast<LONG>(value);
}

}  // namespace hosted::boopsi
