// The BUTTON window class: push buttons, check boxes, radio buttons and group boxes.
#pragma once

namespace controls {

void RegisterButtonClass();

} // namespace controls
