// The tooltips_class32 window class.
#pragma once

namespace controls {

void RegisterTooltipClass();

} // namespace controls
