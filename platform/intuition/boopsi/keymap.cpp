// boopsi/keymap.cpp: what a key types: the installed translator, or the raw key codes read as a US keyboard.
#include "classdata.h"

#include <hosted/boopsi.h>

#include <atomic>

namespace {

std::atomic<hosted::KeyTranslator> gTranslator{nullptr};

// Raw codes 0x00-0x40 of the main block, unshifted and shifted; 0 where a
// code types nothing.
constexpr char kPlain[0x41] = {
    '`', '1', '2', '3', '4', '5', '6', '7', '8', '9', '0', '-', '=', '\\', 0, 0,   // 0x00
    'q', 'w', 'e', 'r', 't', 'y', 'u', 'i', 'o', 'p', '[', ']', 0, 0, 0, 0,        // 0x10
    'a', 's', 'd', 'f', 'g', 'h', 'j', 'k', 'l', ';', '\'', '#', 0, 0, 0, 0,       // 0x20
    '<', 'z', 'x', 'c', 'v', 'b', 'n', 'm', ',', '.', '/', 0, 0, 0, 0, 0,          // 0x30
    ' ',                                                                          // 0x40
};
constexpr char kShifted[0x41] = {
    '~', '!', '@', '#', '$', '%', '^', '&', '*', '(', ')', '_', '+', '|', 0, 0,
    'Q', 'W', 'E', 'R', 'T', 'Y', 'U', 'I', 'O', 'P', '{', '}', 0, 0, 0, 0,
    'A', 'S', 'D', 'F', 'G', 'H', 'J', 'K', 'L', ':', '"', '~', 0, 0, 0, 0,
    '>', 'Z', 'X', 'C', 'V', 'B', 'N', 'M', '<', '>', '?', 0, 0, 0, 0, 0,
    ' ',
};

// The numeric keypad.
char Keypad(UWORD code)
{
    switch (code) {
    case 0x0F: return '0';
    case 0x1D: return '1';
    case 0x1E: return '2';
    case 0x1F: return '3';
    case 0x2D: return '4';
    case 0x2E: return '5';
    case 0x2F: return '6';
    case 0x3D: return '7';
    case 0x3E: return '8';
    case 0x3F: return '9';
    case 0x3C: return '.';
    case 0x4A: return '-';
    case 0x5A: return '(';
    case 0x5B: return ')';
    case 0x5C: return '/';
    case 0x5D: return '*';
    case 0x5E: return '+';
    default: return 0;
    }
}

ULONG UsKeyboard(const struct InputEvent *event)
{
    UWORD code = event->ie_Code;
    UWORD qualifier = event->ie_Qualifier;
    if ((qualifier & (IEQUALIFIER_CONTROL | IEQUALIFIER_LALT | IEQUALIFIER_RALT)) != 0)
        return 0;
    if (char c = Keypad(code))
        return static_cast<UBYTE>(c);
    if (code > 0x40)
        return 0;
    bool shift = (qualifier & (IEQUALIFIER_LSHIFT | IEQUALIFIER_RSHIFT)) != 0;
    char c = shift ? kShifted[code] : kPlain[code];
    if ((qualifier & IEQUALIFIER_CAPSLOCK) != 0 && c >= 'a' && c <= 'z')
        c = static_cast<char>(c - 'a' + 'A');
    return static_cast<UBYTE>(c);
}

}  // namespace

namespace hosted {

void SetKeyTranslator(KeyTranslator translator) { gTranslator.store(translator); }

KeyTranslator CurrentKeyTranslator() { return gTranslator.load(); }

ULONG TranslateKey(const struct InputEvent *event)
{
    if (event == nullptr || event->ie_Class != IECLASS_RAWKEY || (event->ie_Code & IECODE_UP_PREFIX) != 0)
        return 0;
    if (KeyTranslator translator = gTranslator.load())
        return translator(event);
    return UsKeyboard(event);
}

}  // namespace hosted
