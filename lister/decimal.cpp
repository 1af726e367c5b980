// lister/decimal.cpp: the program's own decimal conversion (no locale, no separators).
#include "decimal.h"

namespace {

constexpr ULONG Powers32[] = {1000000000, 100000000, 10000000, 1000000, 100000, 10000, 1000, 100, 10};

constexpr UQUAD TenToThe(int exponent)
{
    UQUAD p = 1;
    while (exponent-- > 0)
        p *= 10;
    return p;
}

}  // namespace

ULONG DecimalDigits32(ULONG value)
{
    for (ULONG i = 0; i < sizeof Powers32 / sizeof Powers32[0]; i++)
        if (value >= Powers32[i])
            return 10 - i;
    return 1;
}

ULONG DecimalDigits64(UQUAD value)
{
    ULONG digits = 1;
    while (value >= 10) {
        value /= 10;
        digits++;
    }
    return digits;
}

char *FormatDecimal32(char *at, ULONG value, ULONG *digitCount)
{
    ULONG digits = DecimalDigits32(value);
    if (digitCount != nullptr)
        *digitCount = digits;
    // From the most significant digit: divide by the power, keep the rest.
    for (ULONG i = 10 - digits; i < sizeof Powers32 / sizeof Powers32[0]; i++) {
        ULONG digit = value / Powers32[i];
        *at++ = char('0' + digit);
        value -= digit * Powers32[i];
    }
    *at++ = char('0' + value);
    return at;
}

char *FormatDecimal64(char *at, UQUAD value)
{
    // 2^64 - 1 is below 2 × 10^19, so a twentieth digit can only be a 1.
    constexpr UQUAD tenToThe19 = TenToThe(19);
    int exponent = 18;
    if (value >= tenToThe19) {
        *at++ = '1';
        value -= tenToThe19;
    } else {
        while (exponent > 0 && value < TenToThe(exponent))
            exponent--;
    }
    // Each digit is the number of times its power can be taken away.
    for (; exponent > 0; exponent--) {
        UQUAD power = TenToThe(exponent);
        char digit = '0';
        while (value >= power) {
            value -= power;
            digit++;
        }
        *at++ = digit;
    }
    *at++ = char('0' + value);
    return at;
}
