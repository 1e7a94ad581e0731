// The built-in control classes (BUTTON, STATIC, EDIT, COMBOBOX, SysListView32, tooltips_class32) are
// defined by platform/controls, built into this library. The window manager registers them once,
// the first time a class is looked up, as Windows has its system classes before any window is made.
#pragma once

namespace standin {

void RegisterBuiltinControlClasses();

} // namespace standin
