// lister/decimal.h: unsigned numbers to plain decimal digits, for the size column and the status line.
#ifndef LISTER_DECIMAL_H
#define LISTER_DECIMAL_H

#include <exec/types.h>

// Both conversions write the digits only (no sign, separators, fill or NUL)
// at `at` and return the position after the last digit, so a caller can
// append a label or a NUL there. The room needed is at most
// DecimalDigits32Max or DecimalDigits64Max characters.

constexpr ULONG DecimalDigits32Max = 10;
constexpr ULONG DecimalDigits64Max = 20;

// The number of decimal digits of a value (1 for 0).
ULONG DecimalDigits32(ULONG value);
ULONG DecimalDigits64(UQUAD value);

// `value` in decimal; *digitCount (when given) receives the number of digits.
char *FormatDecimal32(char *at, ULONG value, ULONG *digitCount = nullptr);
char *FormatDecimal64(char *at, UQUAD value);

#endif /* LISTER_DECIMAL_H */
