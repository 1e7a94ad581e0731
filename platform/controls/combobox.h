// The COMBOBOX window class (drop-down list) and the ComboLBox class of its drop-down list.
#pragma once

namespace controls {

void RegisterComboBoxClasses();

} // namespace controls
