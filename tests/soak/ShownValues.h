// What the list and the total box must show, worked out from what the window shows and never from
// the dialog's own formatting: the rounding that the combo boxes' texts name, the unit that the
// checked radio names, and the project's rounding library (calcutil, tested on its own against an
// exact-decimal oracle) for the arithmetic.
//
// What it does NOT do: no reading of the dialog (DialogReader), no judgement (Invariants).
#pragma once

#include <DialogReader.h>

#include <string>

namespace reliability {

// The rounding the two combo boxes name.
struct ShownRounding {
    bool known = false; // both texts are ones the dialog offers (or empty)
    int digits = 0;     // decimal places; negative rounds left of the point
    int method = 0;     // calcutil::DecimalRound2's number for half up, up or down
};
ShownRounding RoundingShown(const measure_test::DialogView& view);

// What a value in mm or mm2 is multiplied by for the unit the checked radio names.
double UnitFactorShown(const measure_test::DialogView& view, bool area);

// `value` (already in the shown unit) as the list and the total box show it with `rounding`.
std::wstring RoundedText(double value, const ShownRounding& rounding);

} // namespace reliability
