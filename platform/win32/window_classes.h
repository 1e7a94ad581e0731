// Window classes by name or atom.
#pragma once

#include "core/window_tree.h"

namespace standin {

// Finds a class by name (case-insensitive) or by atom (MAKEINTATOM). A class registered by `instance`
// is preferred; otherwise any class of that name is taken, so a window created with another module's
// instance handle still finds a class registered by the library that owns it.
std::shared_ptr<WindowClass> FindClass(HINSTANCE instance, LPCWSTR name);

extern const wchar_t kDialogClassName[]; // "#32770"

} // namespace standin
