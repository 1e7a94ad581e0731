// The STATIC window class: text labels.
#pragma once

namespace controls {

void RegisterStaticClass();

} // namespace controls
