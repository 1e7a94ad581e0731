// Decimal rounding and number text for the measurement dialog.
//
// Every function here rounds the number the user reads, not the binary fraction behind it: a double is
// taken as the shortest decimal text that reads back as the same double (1.005 is "1.005", not
// 1.00499999999999989...), that decimal is rounded exactly, and a double result is the double nearest
// to the exact decimal result. This is how a spreadsheet's ROUND, ROUNDUP and ROUNDDOWN behave, and it
// is what keeps a displayed value, its total and its exported text in agreement.
//
// Rounding methods (the two functions number them differently because their callers do; each also
// accepts the other's numbers so a mixed-up call still does the obvious thing):
//   half up  - ties go away from zero        RoundPlace 0   DecimalRound2 0
//   up       - away from zero                RoundPlace 1   DecimalRound2 3 (1 also accepted)
//   down     - toward zero                   RoundPlace 2   DecimalRound2 4 (2 also accepted)
// Any other method number rounds half up, the dialog's default.
//
// A zero result is always +0.0, so no caller can print "-0". NaN and infinities pass through unchanged.
#pragma once

#include <string>

// A DLL's export and import on Windows; elsewhere the one symbol visibility that is not hidden.
#if defined(_WIN32) && defined(CALCUTIL_BUILDING)
#define CALCUTIL_API __declspec(dllexport)
#elif defined(_WIN32)
#define CALCUTIL_API __declspec(dllimport)
#else
#define CALCUTIL_API __attribute__((visibility("default")))
#endif

namespace calcutil {

// Rounds to a multiple of 10^(place + 1): place 0 is the tens digit (the only one the dialog uses),
// place 1 hundreds, place -1 whole units, place -3 hundredths. Equivalent to
// DecimalRound2(value, -(place + 1), ...) with this function's method numbers.
CALCUTIL_API double RoundPlace(double value, int place, int method);

// Rounds to `digits` decimal places; a negative count rounds left of the point (-2: hundreds).
// `flag` is reserved and has no effect. Counts beyond +-1000 behave as +-1000; long before that every
// double is either exact already or rounds to zero (or, rounding up, overflows to infinity).
CALCUTIL_API double DecimalRound2(double value, int digits, int method, bool flag);

// Text with exactly `digits` decimals after rounding half up as DecimalRound2 does; digits <= 0 gives
// no point, and a negative count rounds left of the point first ("1200" for 1234.5 at -2).
// Always "." and no grouping, whatever the process locale; "-" only when the rounded value is not
// zero; every significant digit is written out (1e300 is a 1 and 300 zeros, never an exponent), so
// wcstod reads the text back as the same double whenever the value already had at most `digits`
// decimals. Digits past the shortest text are zeros. NaN is "nan", infinities "inf" and "-inf",
// which wcstod also reads back. Counts beyond +-1000 behave as +-1000.
CALCUTIL_API std::wstring Double2String(double value, int digits);

// The C locale's "%f" of `value`: every digit before the point, six after it, correctly rounded,
// "." whatever the process locale; "nan", "inf" and "-inf" for the values that have no digits.
CALCUTIL_API std::wstring Double2RawString(double value);

// Reads `text` as the C locale's wcstod does, whatever the process locale: leading white space,
// an optional sign, decimal digits with an optional "." and exponent, or "inf", "infinity", "nan";
// the longest such prefix counts and anything after it is ignored. No number there (or null) reads
// as 0. A value beyond the double range reads as an infinity, one below it as a zero, of its sign.
// Hexadecimal text is not read (it gives the "0" before the "x"): no text of ours is hexadecimal.
CALCUTIL_API double String2Double(const wchar_t* text);

} // namespace calcutil
