// The EDIT window class: single-line text boxes.
#pragma once

namespace controls {

void RegisterEditClass();

} // namespace controls
