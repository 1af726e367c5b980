// utility/strings.cpp: case-insensitive comparison in the Latin-1 character set.
#include <proto/utility.h>

/* Upper case of a Latin-1 character; others are returned unchanged. */
UBYTE ToUpper(ULONG character)
{
    UBYTE c = static_cast<UBYTE>(character);
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
        return static_cast<UBYTE>(c - 0x20);
    return c;
}

UBYTE ToLower(ULONG character)
{
    UBYTE c = static_cast<UBYTE>(character);
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return static_cast<UBYTE>(c + 0x20);
    return c;
}

/* Compares without regard to case: <0, 0 or >0. */
LONG Strnicmp(CONST_STRPTR string1, CONST_STRPTR string2, LONG length)
{
    for (LONG i = 0; i < length; i++) {
        UBYTE a = ToUpper(static_cast<UBYTE>(string1[i]));
        UBYTE b = ToUpper(static_cast<UBYTE>(string2[i]));
        if (a != b)
            return static_cast<LONG>(a) - static_cast<LONG>(b);
        if (a == 0)
            return 0;
    }
    return 0;
}

LONG Stricmp(CONST_STRPTR string1, CONST_STRPTR string2)
{
    return Strnicmp(string1, string2, 0x7FFFFFFF);
}
