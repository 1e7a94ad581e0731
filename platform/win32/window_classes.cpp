// RegisterClassW and the class look-up, including the dialog class "#32770" that the dialog manager
// owns and the built-in controls registered on first use.
//
// Does NOT: keep class extra bytes (cbClsExtra), menus of classes, or RegisterClassExW's small icons;
// an unregistered class stays alive until its last window goes.
#include "win32/window_classes.h"

#include "win32/controls_registry.h"
#include "core/ui_thread.h"

#include <cwctype>

namespace standin {

const wchar_t kDialogClassName[] = L"#32770";

namespace {

std::vector<std::shared_ptr<WindowClass>>& Classes() {
    static std::vector<std::shared_ptr<WindowClass>> classes;
    return classes;
}

ATOM g_nextAtom = 0xC000;

bool SameName(const std::wstring& a, LPCWSTR b) {
    size_t i = 0;
    for (; b[i]; ++i)
        if (i >= a.size() || std::towupper(a[i]) != std::towupper(b[i]))
            return false;
    return i == a.size();
}

std::shared_ptr<WindowClass> Lookup(HINSTANCE instance, LPCWSTR name, bool anyInstance) {
    std::shared_ptr<WindowClass> fallback;
    for (auto& cls : Classes()) {
        bool match = IS_INTRESOURCE(name)
                         ? cls->m_atom == static_cast<ATOM>(reinterpret_cast<uintptr_t>(name))
                         : SameName(cls->m_name, name);
        if (!match)
            continue;
        if (cls->m_instance == instance || (cls->m_style & CS_GLOBALCLASS))
            return cls;
        if (anyInstance && !fallback)
            fallback = cls;
    }
    return fallback;
}

void EnsureSystemClasses() {
    static bool done = false;
    if (done)
        return;
    done = true;
    auto dialog = std::make_shared<WindowClass>();
    dialog->m_name = kDialogClassName;
    dialog->m_atom = 32770;
    dialog->m_style = CS_GLOBALCLASS | CS_DBLCLKS;
    dialog->m_proc = DefDlgProcW;
    dialog->m_windowExtra = DLGWINDOWEXTRA;
    Classes().push_back(dialog);
    RegisterBuiltinControlClasses();
}

} // namespace

std::shared_ptr<WindowClass> FindClass(HINSTANCE instance, LPCWSTR name) {
    if (!name || !OnUiThread())
        return nullptr;
    EnsureSystemClasses();
    return Lookup(instance, name, true);
}

} // namespace standin

using namespace standin;

extern "C" {

ATOM WINAPI RegisterClassW(const WNDCLASSW* wc) {
    if (!wc || !wc->lpszClassName || !wc->lpfnWndProc || wc->cbWndExtra < 0 || !OnUiThread()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    EnsureSystemClasses();
    if (auto existing = Lookup(wc->hInstance, wc->lpszClassName, false);
        existing && existing->m_instance == wc->hInstance) {
        SetLastError(ERROR_CLASS_ALREADY_EXISTS);
        return 0;
    }
    auto cls = std::make_shared<WindowClass>();
    cls->m_name = IS_INTRESOURCE(wc->lpszClassName) ? std::wstring() : std::wstring(wc->lpszClassName);
    cls->m_atom = g_nextAtom++;
    cls->m_style = wc->style;
    cls->m_proc = wc->lpfnWndProc;
    cls->m_windowExtra = wc->cbWndExtra;
    cls->m_instance = wc->hInstance;
    cls->m_icon = wc->hIcon;
    cls->m_cursor = wc->hCursor;
    cls->m_background = wc->hbrBackground;
    Classes().push_back(cls);
    return cls->m_atom;
}

BOOL WINAPI UnregisterClassW(LPCWSTR className, HINSTANCE instance) {
    if (!className || !OnUiThread()) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return FALSE;
    }
    auto& classes = Classes();
    for (auto it = classes.begin(); it != classes.end(); ++it) {
        auto& cls = *it;
        bool match = IS_INTRESOURCE(className)
                         ? cls->m_atom == static_cast<ATOM>(reinterpret_cast<uintptr_t>(className))
                         : SameName(cls->m_name, className);
        if (!match || cls->m_instance != instance || cls->m_name == kDialogClassName)
            continue;
        // As on Windows, a class with windows still open stays registered.
        if (cls->m_liveWindows > 0) {
            SetLastError(ERROR_CLASS_HAS_WINDOWS);
            return FALSE;
        }
        classes.erase(it);
        return TRUE;
    }
    SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
    return FALSE;
}

BOOL WINAPI GetClassInfoW(HINSTANCE instance, LPCWSTR className, WNDCLASSW* wc) {
    auto cls = FindClass(instance, className);
    if (!cls || !wc) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return FALSE;
    }
    *wc = WNDCLASSW{};
    wc->style = cls->m_style;
    wc->lpfnWndProc = cls->m_proc;
    wc->cbWndExtra = cls->m_windowExtra;
    wc->hInstance = cls->m_instance;
    wc->hIcon = cls->m_icon;
    wc->hCursor = cls->m_cursor;
    wc->hbrBackground = cls->m_background;
    wc->lpszClassName = cls->m_name.c_str();
    return cls->m_atom;
}

int WINAPI GetClassNameW(HWND hwnd, LPWSTR buffer, int count) {
    Window* window = LookupWindowOrFail(hwnd);
    if (!window || !buffer || count <= 0)
        return 0;
    const std::wstring& name = window->m_class->m_name;
    int n = std::min(static_cast<int>(name.size()), count - 1);
    name.copy(buffer, n);
    buffer[n] = L'\0';
    return n;
}
}
