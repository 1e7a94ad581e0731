// The colour the dialog gives its total box: the brush made at set-up and the text background of
// the box's colour message are the same light cyan.
#pragma once

#include <windows.h>

namespace brio::ui::measure {

constexpr COLORREF kTotalBackground = RGB(204, 255, 255);

} // namespace brio::ui::measure
