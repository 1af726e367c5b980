// host/keys.cpp: the keyboard: raw key numbers of a US keyboard, the characters they type, key names.
#include <hosted/display.h>

#include <devices/inputevent.h>

#include <cstring>

namespace hosted {

namespace {

// The character keys: raw number, unshifted and shifted character.
struct CharacterKey {
    UWORD rawKey;
    char plain;
    char shifted;
};

constexpr CharacterKey kCharacterKeys[] = {
    {0x00, '`', '~'},  {0x01, '1', '!'},  {0x02, '2', '@'},  {0x03, '3', '#'},
    {0x04, '4', '$'},  {0x05, '5', '%'},  {0x06, '6', '^'},  {0x07, '7', '&'},
    {0x08, '8', '*'},  {0x09, '9', '('},  {0x0A, '0', ')'},  {0x0B, '-', '_'},
    {0x0C, '=', '+'},  {0x0D, '\\', '|'}, {0x10, 'q', 'Q'},  {0x11, 'w', 'W'},
    {0x12, 'e', 'E'},  {0x13, 'r', 'R'},  {0x14, 't', 'T'},  {0x15, 'y', 'Y'},
    {0x16, 'u', 'U'},  {0x17, 'i', 'I'},  {0x18, 'o', 'O'},  {0x19, 'p', 'P'},
    {0x1A, '[', '{'},  {0x1B, ']', '}'},  {0x20, 'a', 'A'},  {0x21, 's', 'S'},
    {0x22, 'd', 'D'},  {0x23, 'f', 'F'},  {0x24, 'g', 'G'},  {0x25, 'h', 'H'},
    {0x26, 'j', 'J'},  {0x27, 'k', 'K'},  {0x28, 'l', 'L'},  {0x29, ';', ':'},
    {0x2A, '\'', '"'}, {0x31, 'z', 'Z'},  {0x32, 'x', 'X'},  {0x33, 'c', 'C'},
    {0x34, 'v', 'V'},  {0x35, 'b', 'B'},  {0x36, 'n', 'N'},  {0x37, 'm', 'M'},
    {0x38, ',', '<'},  {0x39, '.', '>'},  {0x3A, '/', '?'},  {0x40, ' ', ' '},
};

// Keys that type control characters, and the named keys of the automation.
struct NamedKey {
    const char *name;
    UWORD rawKey;
    ULONG character;
};

constexpr NamedKey kNamedKeys[] = {
    {"Return", RAWKEY_RETURN, 13},  {"Enter", RAWKEY_ENTER, 13},
    {"Escape", RAWKEY_ESC, 27},     {"Tab", RAWKEY_TAB, 9},
    {"BackSpace", RAWKEY_BACKSPACE, 8}, {"Delete", RAWKEY_DEL, 127},
    {"Space", RAWKEY_SPACE, ' '},   {"Left", RAWKEY_LEFT, 0},
    {"Right", RAWKEY_RIGHT, 0},     {"Up", RAWKEY_UP, 0},
    {"Down", RAWKEY_DOWN, 0},       {"Home", RAWKEY_HOME, 0},
    {"End", RAWKEY_END, 0},         {"PageUp", RAWKEY_PAGEUP, 0},
    {"PageDown", RAWKEY_PAGEDOWN, 0}, {"Help", RAWKEY_HELP, 0},
    {"F1", 0x50, 0}, {"F2", 0x51, 0}, {"F3", 0x52, 0}, {"F4", 0x53, 0}, {"F5", 0x54, 0},
    {"F6", 0x55, 0}, {"F7", 0x56, 0}, {"F8", 0x57, 0}, {"F9", 0x58, 0}, {"F10", 0x59, 0},
};

constexpr UWORD kShift = IEQUALIFIER_LSHIFT | IEQUALIFIER_RSHIFT;

}  // namespace

bool RawKeyOfName(const std::string &name, UWORD &rawKey, ULONG &character)
{
    for (const NamedKey &key : kNamedKeys) {
        if (name == key.name) {
            rawKey = key.rawKey;
            character = key.character;
            return true;
        }
    }
    return false;
}

bool RawKeyOfCharacter(ULONG character, UWORD &rawKey, UWORD &qualifier)
{
    for (const CharacterKey &key : kCharacterKeys) {
        if (static_cast<ULONG>(static_cast<UBYTE>(key.plain)) == character) {
            rawKey = key.rawKey;
            qualifier = 0;
            return true;
        }
        if (static_cast<ULONG>(static_cast<UBYTE>(key.shifted)) == character) {
            rawKey = key.rawKey;
            qualifier = IEQUALIFIER_LSHIFT;
            return true;
        }
    }
    for (const NamedKey &key : kNamedKeys) {
        if (key.character != 0 && key.character == character && key.rawKey != RAWKEY_ENTER) {
            rawKey = key.rawKey;
            qualifier = 0;
            return true;
        }
    }
    return false;
}

ULONG CharacterOfRawKey(UWORD rawKey, UWORD qualifier)
{
    if ((rawKey & IECODE_UP_PREFIX) != 0)
        return 0;
    for (const CharacterKey &key : kCharacterKeys) {
        if (key.rawKey != rawKey)
            continue;
        bool shifted = (qualifier & kShift) != 0;
        char c = shifted ? key.shifted : key.plain;
        // Caps Lock shifts letters only.
        if ((qualifier & IEQUALIFIER_CAPSLOCK) != 0 && key.plain >= 'a' && key.plain <= 'z')
            c = shifted ? key.plain : key.shifted;
        if ((qualifier & IEQUALIFIER_CONTROL) != 0 && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')))
            return static_cast<ULONG>((c & 0x1F));
        return static_cast<UBYTE>(c);
    }
    for (const NamedKey &key : kNamedKeys) {
        if (key.rawKey == rawKey)
            return key.character;
    }
    return 0;
}

}  // namespace hosted
