#include "ShownValues.h"

#include <calcutil.h>

#include <algorithm>

namespace reliability {
namespace {

// calcutil::DecimalRound2's numbers for the three methods (see calcutil.h).
constexpr int kHalfUp = 0;
constexpr int kUp = 3;
constexpr int kDown = 4;

} // namespace

ShownRounding RoundingShown(const measure_test::DialogView& view) {
    ShownRounding rounding;
    bool positionKnown = true;
    const std::wstring& position = view.positionText;
    if (position == L"10の位") {
        rounding.digits = -1;
    } else if (position == L"整数") {
        rounding.digits = 0;
    } else if (position.size() == 7 && position.starts_with(L"小数点以下") && position.ends_with(L"位") &&
               position[5] >= L'1' && position[5] <= L'6') {
        rounding.digits = position[5] - L'0';
    } else if (position.empty()) {
        // An empty box (a stored position the combo does not have): whole hundreds, as the
        // component's tests pin down.
        rounding.digits = -2;
    } else {
        positionKnown = false;
    }

    bool methodKnown = true;
    const std::wstring& method = view.methodText;
    if (method == L"四捨五入" || method.empty()) // nothing chosen rounds half up
        rounding.method = kHalfUp;
    else if (method == L"切り上げ")
        rounding.method = kUp;
    else if (method == L"切り捨て")
        rounding.method = kDown;
    else
        methodKnown = false;
    rounding.known = positionKnown && methodKnown;
    return rounding;
}

double UnitFactorShown(const measure_test::DialogView& view, bool area) {
    // The second radio of each group is "m" (lengths) or "m2" (areas); no radio checked, no
    // conversion.
    if (area)
        return view.unit2 == 1 ? 0.000001 : 1.0;
    return view.unit1 == 1 ? 0.001 : 1.0;
}

std::wstring RoundedText(double value, const ShownRounding& rounding) {
    const double rounded = calcutil::DecimalRound2(value, rounding.digits, rounding.method, false);
    return calcutil::Double2String(rounded, std::max(rounding.digits, 0));
}

} // namespace reliability
