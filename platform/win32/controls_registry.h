// The built-in control classes (BUTTON, STATIC, EDIT, COMBOBOX, SysListView32, tooltips_class32) are
// registered by the controls of platform/controls. The window manager asks for them once, lazily, the
// first time a class is looked up; without the controls the default here registers nothing.
#pragma once

namespace standin {

void RegisterBuiltinControlClasses();

} // namespace standin
