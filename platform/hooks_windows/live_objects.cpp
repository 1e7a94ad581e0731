// CountLiveObjects on Windows. GDI objects, DCs, icons and menus are counted as the program's own
// modules make and free them (through imports.h), so what the system or the common controls hold
// for themselves is never counted; an object still counts until the system has really freed it (a
// font deleted while selected into a DC lives on until the DC lets it go), and a menu that goes with
// its window stops counting then. Windows are counted by walking the thread's windows, leaving out
// the input method windows the system gives every thread.
//
// The faults of FailNext for CreateFont and CreateSolidBrush are injected here too, at the same calls.
#include "core/records.h"
#include "imports.h"

#include <standin/hooks.h>

#include <cwchar>
#include <map>
#include <mutex>

namespace standin {
namespace {

enum class Kind { Font, Brush, Pen, Dc, Icon, Menu };

struct Tracked {
    std::mutex lock;
    std::map<void*, Kind> objects;
};

Tracked& T() {
    static Tracked tracked;
    return tracked;
}

template <typename Handle> Handle Track(Handle handle, Kind kind) {
    if (handle) {
        std::lock_guard<std::mutex> guard(T().lock);
        T().objects[reinterpret_cast<void*>(handle)] = kind;
    }
    return handle;
}

void Forget(void* handle) {
    std::lock_guard<std::mutex> guard(T().lock);
    T().objects.erase(handle);
}

bool StillAlive(void* handle, Kind kind) {
    switch (kind) {
    case Kind::Font:
        return GetObjectType(handle) == OBJ_FONT;
    case Kind::Brush:
        return GetObjectType(handle) == OBJ_BRUSH;
    case Kind::Pen:
        return GetObjectType(handle) == OBJ_PEN || GetObjectType(handle) == OBJ_EXTPEN;
    case Kind::Menu:
        return IsMenu(static_cast<HMENU>(handle)) != FALSE;
    case Kind::Dc:
    case Kind::Icon:
        return true; // forgotten when released or destroyed: a cached DC stays valid after ReleaseDC
    }
    return false;
}

bool IsInputMethodWindow(HWND hwnd) {
    wchar_t name[32] = {};
    GetClassNameW(hwnd, name, static_cast<int>(std::size(name)));
    return std::wcscmp(name, L"IME") == 0 || std::wcscmp(name, L"MSCTFIME UI") == 0;
}

BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND hwnd, LPARAM count) {
    if (IsInputMethodWindow(hwnd))
        return TRUE;
    ++*reinterpret_cast<int*>(count);
    EnumChildWindows(hwnd, CountChild, count); // every descendant
    return TRUE;
}

// ---- the calls that make and free objects -----------------------------------------------------------
decltype(&CreateFontW) g_createFontW;
decltype(&CreateFontIndirectW) g_createFontIndirectW;
decltype(&CreateSolidBrush) g_createSolidBrush;
decltype(&CreateHatchBrush) g_createHatchBrush;
decltype(&CreateBrushIndirect) g_createBrushIndirect;
decltype(&CreatePen) g_createPen;
decltype(&CreatePenIndirect) g_createPenIndirect;
decltype(&DeleteObject) g_deleteObject;
decltype(&GetDC) g_getDC;
decltype(&GetDCEx) g_getDCEx;
decltype(&GetWindowDC) g_getWindowDC;
decltype(&ReleaseDC) g_releaseDC;
decltype(&BeginPaint) g_beginPaint;
decltype(&EndPaint) g_endPaint;
decltype(&CreateCompatibleDC) g_createCompatibleDC;
decltype(&DeleteDC) g_deleteDC;
decltype(&CreateIcon) g_createIcon;
decltype(&CreateIconIndirect) g_createIconIndirect;
decltype(&CopyIcon) g_copyIcon;
decltype(&DestroyIcon) g_destroyIcon;
decltype(&CreateMenu) g_createMenu;
decltype(&CreatePopupMenu) g_createPopupMenu;
decltype(&LoadMenuW) g_loadMenuW;
decltype(&DestroyMenu) g_destroyMenu;

HFONT WINAPI HookCreateFontW(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                             DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                             DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, LPCWSTR face) {
    if (ConsumeFault(Fault::CreateFont))
        return nullptr;
    return Track(g_createFontW(height, width, escapement, orientation, weight, italic, underline, strikeOut,
                               charSet, outPrecision, clipPrecision, quality, pitchAndFamily, face),
                 Kind::Font);
}
HFONT WINAPI HookCreateFontIndirectW(const LOGFONTW* logFont) {
    if (ConsumeFault(Fault::CreateFont))
        return nullptr;
    return Track(g_createFontIndirectW(logFont), Kind::Font);
}
HBRUSH WINAPI HookCreateSolidBrush(COLORREF colour) {
    if (ConsumeFault(Fault::CreateSolidBrush))
        return nullptr;
    return Track(g_createSolidBrush(colour), Kind::Brush);
}
HBRUSH WINAPI HookCreateHatchBrush(int hatch, COLORREF colour) {
    return Track(g_createHatchBrush(hatch, colour), Kind::Brush);
}
HBRUSH WINAPI HookCreateBrushIndirect(const LOGBRUSH* brush) {
    return Track(g_createBrushIndirect(brush), Kind::Brush);
}
HPEN WINAPI HookCreatePen(int style, int width, COLORREF colour) {
    return Track(g_createPen(style, width, colour), Kind::Pen);
}
HPEN WINAPI HookCreatePenIndirect(const LOGPEN* pen) {
    return Track(g_createPenIndirect(pen), Kind::Pen);
}
// The entry goes when the object is really gone; one deleted while selected is pruned later.
BOOL WINAPI HookDeleteObject(HGDIOBJ object) {
    const BOOL deleted = g_deleteObject(object);
    if (deleted && GetObjectType(object) == 0)
        Forget(object);
    return deleted;
}
HDC WINAPI HookGetDC(HWND hwnd) {
    return Track(g_getDC(hwnd), Kind::Dc);
}
HDC WINAPI HookGetDCEx(HWND hwnd, HRGN clip, DWORD flags) {
    return Track(g_getDCEx(hwnd, clip, flags), Kind::Dc);
}
HDC WINAPI HookGetWindowDC(HWND hwnd) {
    return Track(g_getWindowDC(hwnd), Kind::Dc);
}
int WINAPI HookReleaseDC(HWND hwnd, HDC dc) {
    const int released = g_releaseDC(hwnd, dc);
    if (released)
        Forget(dc);
    return released;
}
HDC WINAPI HookBeginPaint(HWND hwnd, LPPAINTSTRUCT paint) {
    return Track(g_beginPaint(hwnd, paint), Kind::Dc);
}
BOOL WINAPI HookEndPaint(HWND hwnd, const PAINTSTRUCT* paint) {
    if (paint)
        Forget(paint->hdc);
    return g_endPaint(hwnd, paint);
}
HDC WINAPI HookCreateCompatibleDC(HDC dc) {
    return Track(g_createCompatibleDC(dc), Kind::Dc);
}
BOOL WINAPI HookDeleteDC(HDC dc) {
    const BOOL deleted = g_deleteDC(dc);
    if (deleted)
        Forget(dc);
    return deleted;
}
HICON WINAPI HookCreateIcon(HINSTANCE instance, int width, int height, BYTE planes, BYTE bitsPerPixel,
                            const BYTE* andBits, const BYTE* xorBits) {
    return Track(g_createIcon(instance, width, height, planes, bitsPerPixel, andBits, xorBits), Kind::Icon);
}
HICON WINAPI HookCreateIconIndirect(PICONINFO info) {
    return Track(g_createIconIndirect(info), Kind::Icon);
}
HICON WINAPI HookCopyIcon(HICON icon) {
    return Track(g_copyIcon(icon), Kind::Icon);
}
BOOL WINAPI HookDestroyIcon(HICON icon) {
    const BOOL destroyed = g_destroyIcon(icon);
    if (destroyed)
        Forget(icon);
    return destroyed;
}
HMENU WINAPI HookCreateMenu() {
    return Track(g_createMenu(), Kind::Menu);
}
HMENU WINAPI HookCreatePopupMenu() {
    return Track(g_createPopupMenu(), Kind::Menu);
}
HMENU WINAPI HookLoadMenuW(HINSTANCE instance, LPCWSTR name) {
    return Track(g_loadMenuW(instance, name), Kind::Menu);
}
BOOL WINAPI HookDestroyMenu(HMENU menu) {
    const BOOL destroyed = g_destroyMenu(menu);
    if (destroyed)
        Forget(menu);
    return destroyed;
}

using imports::Make;
const imports::Redirect kRedirects[] = {
    Make(L"gdi32.dll", "CreateFontW", &HookCreateFontW, &g_createFontW),
    Make(L"gdi32.dll", "CreateFontIndirectW", &HookCreateFontIndirectW, &g_createFontIndirectW),
    Make(L"gdi32.dll", "CreateSolidBrush", &HookCreateSolidBrush, &g_createSolidBrush),
    Make(L"gdi32.dll", "CreateHatchBrush", &HookCreateHatchBrush, &g_createHatchBrush),
    Make(L"gdi32.dll", "CreateBrushIndirect", &HookCreateBrushIndirect, &g_createBrushIndirect),
    Make(L"gdi32.dll", "CreatePen", &HookCreatePen, &g_createPen),
    Make(L"gdi32.dll", "CreatePenIndirect", &HookCreatePenIndirect, &g_createPenIndirect),
    Make(L"gdi32.dll", "DeleteObject", &HookDeleteObject, &g_deleteObject),
    Make(L"user32.dll", "GetDC", &HookGetDC, &g_getDC),
    Make(L"user32.dll", "GetDCEx", &HookGetDCEx, &g_getDCEx),
    Make(L"user32.dll", "GetWindowDC", &HookGetWindowDC, &g_getWindowDC),
    Make(L"user32.dll", "ReleaseDC", &HookReleaseDC, &g_releaseDC),
    Make(L"user32.dll", "BeginPaint", &HookBeginPaint, &g_beginPaint),
    Make(L"user32.dll", "EndPaint", &HookEndPaint, &g_endPaint),
    Make(L"gdi32.dll", "CreateCompatibleDC", &HookCreateCompatibleDC, &g_createCompatibleDC),
    Make(L"gdi32.dll", "DeleteDC", &HookDeleteDC, &g_deleteDC),
    Make(L"user32.dll", "CreateIcon", &HookCreateIcon, &g_createIcon),
    Make(L"user32.dll", "CreateIconIndirect", &HookCreateIconIndirect, &g_createIconIndirect),
    Make(L"user32.dll", "CopyIcon", &HookCopyIcon, &g_copyIcon),
    Make(L"user32.dll", "DestroyIcon", &HookDestroyIcon, &g_destroyIcon),
    Make(L"user32.dll", "CreateMenu", &HookCreateMenu, &g_createMenu),
    Make(L"user32.dll", "CreatePopupMenu", &HookCreatePopupMenu, &g_createPopupMenu),
    Make(L"user32.dll", "LoadMenuW", &HookLoadMenuW, &g_loadMenuW),
    Make(L"user32.dll", "DestroyMenu", &HookDestroyMenu, &g_destroyMenu),
};
const bool g_registered = (imports::Register(kRedirects, std::size(kRedirects)), true);

} // namespace

LiveObjects CountLiveObjects() {
    LiveObjects live;
    {
        std::lock_guard<std::mutex> guard(T().lock);
        for (auto it = T().objects.begin(); it != T().objects.end();) {
            if (!StillAlive(it->first, it->second)) {
                it = T().objects.erase(it);
                continue;
            }
            switch (it->second) {
            case Kind::Font:
                ++live.fonts;
                break;
            case Kind::Brush:
                ++live.brushes;
                break;
            case Kind::Pen:
                ++live.pens;
                break;
            case Kind::Dc:
                ++live.dcs;
                break;
            case Kind::Icon:
                ++live.icons;
                break;
            case Kind::Menu:
                ++live.menus;
                break;
            }
            ++it;
        }
    }
    EnumThreadWindows(GetCurrentThreadId(), CountTopLevel, reinterpret_cast<LPARAM>(&live.windows));
    return live;
}

} // namespace standin
