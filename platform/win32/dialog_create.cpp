// Dialogs from in-memory templates. The template's font (DS_SETFONT) is made at -MulDiv(pt, 96, 72)
// pixels and decides the dialog base units (metrics.h), which convert every rectangle of the template
// from dialog units (x * baseX / 4, y * baseY / 8, rounded by MulDiv). The dialog manager owns that font:
// it is a live font object for the dialog's lifetime and is deleted when the dialog is destroyed.
//
// Order of creation, as on Windows: the dialog window ("#32770", DS_CONTEXTHELP giving
// WS_EX_CONTEXTHELP), WM_SETFONT to the dialog, each control in template order with WM_SETFONT, then
// WM_INITDIALOG (wParam: the first tab stop); TRUE from it makes that control the one that gets the
// focus when the dialog is activated. The dialog is shown (and activated) only if the template has
// WS_VISIBLE.
//
// Placement: the template's x, y put the client area's top-left relative to the owner's client area
// (the screen without an owner or with DS_ABSALIGN); DS_CENTER centres the window on the screen. A
// top-level dialog is kept inside the screen's top-left corner.
//
// The template is the bytes Windows takes (dialog_template.cpp reads them).
//
// Does NOT: create menus or window classes named in templates, or use DS_SHELLFONT's system font (a template
// without a typeface uses the system font's 8 x 16 units).
#include "win32/dialog_template.h"
#include "win32/dialogs.h"

#include "gdi/gdi.h"
#include "win32/internal.h"
#include "core/metrics.h"
#include "win32/window_classes.h"

#include <cwchar>

namespace standin {
namespace {

bool IsDefaultPushButton(const TemplateItem& item) {
    return wcscasecmp(item.windowClass.c_str(), L"Button") == 0 &&
           (item.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

HFONT TemplateFont(const ParsedTemplate& tmpl) {
    LOGFONTW lf{};
    lf.lfHeight = -MulDiv(tmpl.pointSize, 96, 72);
    lf.lfWeight = tmpl.weight ? tmpl.weight : FW_NORMAL;
    lf.lfItalic = tmpl.italic;
    lf.lfCharSet = tmpl.charset;
    wcsncpy(lf.lfFaceName, tmpl.typeface.c_str(), LF_FACESIZE - 1);
    // Made directly, not through CreateFontW: a fault a test injects into the caller's own fonts must
    // not be used up by the dialog manager.
    return MakeFont(lf, false);
}

RECT WindowRectFor(const ParsedTemplate& tmpl, SIZE base, DWORD exStyle, HWND owner) {
    RECT rect{MulDiv(tmpl.x, base.cx, 4), MulDiv(tmpl.y, base.cy, 8), 0, 0};
    rect.right = rect.left + MulDiv(tmpl.cx, base.cx, 4);
    rect.bottom = rect.top + MulDiv(tmpl.cy, base.cy, 8);
    AdjustWindowRectEx(&rect, tmpl.style, FALSE, exStyle);
    if (tmpl.style & WS_CHILD)
        return rect;
    LONG width = rect.right - rect.left;
    LONG height = rect.bottom - rect.top;
    if (tmpl.style & DS_CENTER) {
        rect.left = (metrics::kScreenWidth - width) / 2;
        rect.top = (metrics::kScreenHeight - height) / 2;
    } else if (owner && !(tmpl.style & DS_ABSALIGN)) {
        POINT origin{0, 0};
        ClientToScreen(owner, &origin);
        rect.left += origin.x;
        rect.top += origin.y;
    }
    rect.left = std::max<LONG>(rect.left, 0);
    rect.top = std::max<LONG>(rect.top, 0);
    rect.right = rect.left + width;
    rect.bottom = rect.top + height;
    return rect;
}

bool CreateControls(HWND dialog, const ParsedTemplate& tmpl, HINSTANCE instance, HFONT font, SIZE base) {
    for (const TemplateItem& item : tmpl.items) {
        int x = MulDiv(item.x, base.cx, 4);
        int y = MulDiv(item.y, base.cy, 8);
        int cx = MulDiv(item.cx, base.cx, 4);
        int cy = MulDiv(item.cy, base.cy, 8);
        HWND control =
            CreateWindowExW(item.exStyle | WS_EX_NOPARENTNOTIFY, item.windowClass.c_str(), item.title.c_str(),
                            item.style | WS_CHILD, x, y, cx, cy, dialog,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(item.id)), instance, nullptr);
        if (!IsWindow(dialog))
            return false;
        if (!control) {
            if (tmpl.style & DS_NOFAILCREATE)
                continue;
            return false;
        }
        if (font)
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        DialogData* data = DialogOf(dialog);
        if (data && data->m_defaultId == 0 && IsDefaultPushButton(item))
            data->m_defaultId = item.id;
    }
    return true;
}

} // namespace

DialogData* DialogOf(HWND dialog) {
    Window* window = LookupWindow(dialog);
    if (!window)
        return nullptr;
    if (!window->m_dialog)
        window->m_dialog = std::make_unique<DialogData>();
    return window->m_dialog.get();
}

void ReleaseDialogData(Window& window) {
    if (window.m_dialog && window.m_dialog->m_ownsFont && window.m_dialog->m_templateFont)
        DeleteObject(window.m_dialog->m_templateFont);
    window.m_dialog.reset();
}

} // namespace standin

using namespace standin;

extern "C" {

HWND WINAPI CreateDialogIndirectParamW(HINSTANCE instance, LPCDLGTEMPLATEW bytes, HWND parent, DLGPROC proc,
                                       LPARAM initParam) {
    const std::optional<ParsedTemplate> parsed = ParseDialogTemplate(bytes);
    if (!parsed) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const ParsedTemplate* tmpl = &*parsed;
    if (parent && !LookupWindowOrFail(parent))
        return nullptr;
    bool hasFont = tmpl->hasFont;
    SIZE base = metrics::DialogBaseUnits(hasFont ? tmpl->pointSize : 0);
    DWORD exStyle = tmpl->exStyle;
    if (tmpl->style & DS_CONTEXTHELP)
        exStyle |= WS_EX_CONTEXTHELP;
    if (tmpl->style & DS_MODALFRAME)
        exStyle |= WS_EX_DLGMODALFRAME;
    HWND owner = (tmpl->style & WS_CHILD) ? parent : (parent ? RootOf(parent) : nullptr);
    RECT rect = WindowRectFor(*tmpl, base, exStyle, owner);
    HWND dialog = CreateWindowExW(exStyle, kDialogClassName, tmpl->title.c_str(), tmpl->style & ~WS_VISIBLE,
                                  rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
                                  nullptr, instance, nullptr);
    if (!dialog)
        return nullptr;
    DialogData* data = DialogOf(dialog);
    data->m_baseUnitX = base.cx;
    data->m_baseUnitY = base.cy;
    HFONT font = hasFont ? TemplateFont(*tmpl) : nullptr;
    data->m_templateFont = font;
    data->m_ownsFont = font != nullptr;
    data->m_font = font;
    SetWindowLongPtrW(dialog, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(proc));
    if (font)
        SendMessageW(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    if (!IsWindow(dialog))
        return nullptr;
    if (!CreateControls(dialog, *tmpl, instance, font, base)) {
        DestroyWindow(dialog);
        return nullptr;
    }
    HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE);
    LRESULT wantsFocus = SendMessageW(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), initParam);
    if (!(data = DialogOf(dialog)))
        return nullptr;
    HWND focus = GetFocus();
    if (wantsFocus)
        data->m_savedFocus =
            GetNextDlgTabItem(dialog, nullptr, FALSE); // the procedure may have changed the order
    else if (focus && IsChild(dialog, focus))
        data->m_savedFocus = focus;
    if (tmpl->style & WS_VISIBLE)
        ShowWindow(dialog, SW_SHOWNORMAL);
    return IsWindow(dialog) ? dialog : nullptr;
}

HWND WINAPI CreateDialogParamW(HINSTANCE instance, LPCWSTR templateName, HWND parent, DLGPROC proc,
                               LPARAM initParam) {
    HRSRC resource = FindResourceW(instance, templateName, RT_DIALOG);
    if (!resource)
        return nullptr;
    auto tmpl = static_cast<LPCDLGTEMPLATEW>(LockResource(LoadResource(instance, resource)));
    return CreateDialogIndirectParamW(instance, tmpl, parent, proc, initParam);
}

BOOL WINAPI EndDialog(HWND dialog, INT_PTR result) {
    DialogData* data = DialogOf(dialog);
    if (!data) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    data->m_ended = true;
    data->m_result = result;
    ShowWindow(dialog, SW_HIDE);
    return TRUE;
}

// A modal dialog: the owner is disabled while the dialog's own loop runs. Headless, when the queued
// input is used up and nothing else can arrive, the dialog is cancelled as Esc would cancel it (and
// ended with IDCANCEL if its procedure does not end it), instead of waiting for ever.
INT_PTR WINAPI DialogBoxIndirectParamW(HINSTANCE instance, LPCDLGTEMPLATEW tmpl, HWND parent, DLGPROC proc,
                                       LPARAM initParam) {
    HWND owner = parent ? RootOf(parent) : nullptr;
    if (parent && !owner) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return -1;
    }
    HWND dialog = CreateDialogIndirectParamW(instance, tmpl, owner, proc, initParam);
    if (!dialog)
        return -1;
    // The owner is enabled again and the dialog destroyed however the loop ends, a handler's exception
    // included.
    struct ModalScope {
        HWND owner;
        HWND dialog;
        bool reenable;
        ~ModalScope() {
            if (reenable && IsWindow(owner))
                EnableWindow(owner, TRUE);
            if (IsWindow(dialog))
                DestroyWindow(dialog);
        }
    } scope{owner, dialog, owner && IsWindowEnabled(owner) && !EnableWindow(owner, FALSE)};
    if (!DialogOf(dialog)->m_ended)
        ShowWindow(dialog, SW_SHOWNORMAL);
    while (IsWindow(dialog) && !DialogOf(dialog)->m_ended) {
        MSG msg;
        if (!NextMessageForNestedLoop(&msg, true)) {
            SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            if (IsWindow(dialog) && !DialogOf(dialog)->m_ended)
                EndDialog(dialog, IDCANCEL);
            break;
        }
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (!IsDialogMessageW(dialog, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    return IsWindow(dialog) && DialogOf(dialog)->m_ended ? DialogOf(dialog)->m_result : IDCANCEL;
}

BOOL WINAPI MapDialogRect(HWND dialog, LPRECT rect) {
    DialogData* data = DialogOf(dialog);
    if (!data || !rect) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    rect->left = MulDiv(rect->left, data->m_baseUnitX, 4);
    rect->right = MulDiv(rect->right, data->m_baseUnitX, 4);
    rect->top = MulDiv(rect->top, data->m_baseUnitY, 8);
    rect->bottom = MulDiv(rect->bottom, data->m_baseUnitY, 8);
    return TRUE;
}
}
