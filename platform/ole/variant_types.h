// Internal pieces shared by the variant files: which types exist, and numbers as text.
#pragma once

#include <oleauto.h>

#include <string>

namespace ole {

// 128 bits hold every VT_I8 and VT_UI8 value with room to detect overflow before it happens.
using Wide = __int128;

bool isValidVarType(VARTYPE vt);

// A number read from text, kept as decimal digits so that rounding to an integer is exact:
// its value is digits * 10^exponent, negated when negative is set.
struct ParsedNumber {
    bool negative = false;
    std::string digits; // no leading or trailing zeros; empty means zero
    int exponent = 0;
};

// Reads text the way OLE's number parser does for the neutral locale: blanks around, a leading or
// trailing sign or parentheses, ',' between integer digits, '.', an exponent, or &H / &O radix
// prefixes. Anything else (including an empty text) gives DISP_E_TYPEMISMATCH.
HRESULT parseNumber(const wchar_t* text, unsigned length, ParsedNumber& number);

// Rounds half to even. DISP_E_OVERFLOW when the value does not fit 127 bits.
HRESULT roundToWide(const ParsedNumber& number, Wide& value);
HRESULT roundToWide(double number, Wide& value);
double toDouble(const ParsedNumber& number);

// "True"/"False" in any case and nothing around them, as the neutral locale names them; false when
// the text is neither.
bool parseBoolWord(const wchar_t* text, unsigned length, bool& value);

std::wstring formatWide(Wide value);
// At most `significant` digits (15 for VT_R8, 7 for VT_R4), shortest form, an 'E' exponent for very
// large and very small magnitudes.
std::wstring formatDouble(double value, int significant = 15);

} // namespace ole
