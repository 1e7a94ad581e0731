// Fonts, brushes, pens and the stock objects, with Windows' lifetime rules.
//
// Does NOT: support bitmaps, regions, palettes, hatched or pattern brushes, extended pens, or
// GetObjectW for anything but fonts. A handle of another kind (or a made-up one) is simply invalid.
#include "gdi/gdi_objects.h"

#include "gdi/font_map.h"
#include "core/handle_table.h"
#include "core/records.h"
#include "core/ui_thread.h"

#include <array>
#include <cstring>
#include <cwchar>

namespace standin {

GdiObject::~GdiObject() {
    if (m_description)
        pango_font_description_free(m_description);
}

namespace {

using FontTable = HandleTable<GdiObject, HandleKind::Font>;
using BrushTable = HandleTable<GdiObject, HandleKind::Brush>;
using PenTable = HandleTable<GdiObject, HandleKind::Pen>;

struct Tables {
    FontTable fonts;
    BrushTable brushes;
    PenTable pens;
    int stockFonts = 0;
    int stockBrushes = 0;
    int stockPens = 0;
};

Tables& T() {
    static Tables tables;
    return tables;
}

GdiObject* FindAny(HGDIOBJ handle) {
    if (!handle || !OnUiThread())
        return nullptr;
    switch (KindOfHandle(handle)) {
    case HandleKind::Font:
        return T().fonts.Find(handle);
    case HandleKind::Brush:
        return T().brushes.Find(handle);
    case HandleKind::Pen:
        return T().pens.Find(handle);
    default:
        return nullptr;
    }
}

void Erase(HGDIOBJ handle) {
    switch (KindOfHandle(handle)) {
    case HandleKind::Font:
        T().fonts.Erase(handle);
        break;
    case HandleKind::Brush:
        T().brushes.Erase(handle);
        break;
    case HandleKind::Pen:
        T().pens.Erase(handle);
        break;
    default:
        break;
    }
}

HGDIOBJ Insert(std::unique_ptr<GdiObject> object) {
    bool stock = object->m_stock;
    uintptr_t value = 0;
    switch (object->m_kind) {
    case GdiKind::Font:
        value = T().fonts.Insert(std::move(object));
        T().stockFonts += value && stock;
        break;
    case GdiKind::Brush:
        value = T().brushes.Insert(std::move(object));
        T().stockBrushes += value && stock;
        break;
    case GdiKind::Pen:
        value = T().pens.Insert(std::move(object));
        T().stockPens += value && stock;
        break;
    }
    return reinterpret_cast<HGDIOBJ>(value);
}

HBRUSH MakeBrush(COLORREF color, bool stock, int sysColorIndex = -1, bool hollow = false) {
    auto brush = std::make_unique<GdiObject>();
    brush->m_kind = GdiKind::Brush;
    brush->m_stock = stock;
    brush->m_color = color & 0x00FFFFFF;
    brush->m_sysColorIndex = sysColorIndex;
    brush->m_hollow = hollow;
    return static_cast<HBRUSH>(Insert(std::move(brush)));
}

HPEN MakePen(int style, int width, COLORREF color, bool stock) {
    auto pen = std::make_unique<GdiObject>();
    pen->m_kind = GdiKind::Pen;
    pen->m_stock = stock;
    pen->m_penStyle = style;
    pen->m_penWidth = width < 1 ? 1 : width;
    pen->m_color = color & 0x00FFFFFF;
    pen->m_hollow = style == PS_NULL;
    return static_cast<HPEN>(Insert(std::move(pen)));
}

LOGFONTW GuiLogFont(LONG height, LONG weight, const wchar_t* face) {
    LOGFONTW lf{};
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    wcsncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    return lf;
}

constexpr int kStockCount = 20;
constexpr int kSysColorCount = 31;

HGDIOBJ MakeStock(int index) {
    switch (index) {
    case WHITE_BRUSH:
        return MakeBrush(RGB(255, 255, 255), true);
    case LTGRAY_BRUSH:
        return MakeBrush(RGB(192, 192, 192), true);
    case GRAY_BRUSH:
        return MakeBrush(RGB(128, 128, 128), true);
    case DKGRAY_BRUSH:
        return MakeBrush(RGB(64, 64, 64), true);
    case BLACK_BRUSH:
        return MakeBrush(RGB(0, 0, 0), true);
    case NULL_BRUSH:
        return MakeBrush(0, true, -1, true);
    case WHITE_PEN:
        return MakePen(PS_SOLID, 1, RGB(255, 255, 255), true);
    case BLACK_PEN:
        return MakePen(PS_SOLID, 1, RGB(0, 0, 0), true);
    case NULL_PEN:
        return MakePen(PS_NULL, 1, 0, true);
    case 10: // OEM_FIXED_FONT
    case 11: // ANSI_FIXED_FONT
    case 16: // SYSTEM_FIXED_FONT
        return MakeFont(GuiLogFont(-12, FW_NORMAL, L"ＭＳ ゴシック"), true);
    case 12: // ANSI_VAR_FONT
    case 14: // DEVICE_DEFAULT_FONT
    case SYSTEM_FONT:
    case DEFAULT_GUI_FONT:
        return MakeFont(GuiLogFont(-12, FW_NORMAL, L"ＭＳ Ｐゴシック"), true);
    default:
        return nullptr;
    }
}

} // namespace

GdiObject* LookupGdiObject(HGDIOBJ handle) {
    GdiObject* object = FindAny(handle);
    return object && !object->m_deletePending ? object : nullptr;
}

GdiObject* LookupHeldGdiObject(HGDIOBJ handle) {
    return FindAny(handle);
}

void HoldGdiObject(HGDIOBJ handle) {
    if (GdiObject* object = FindAny(handle))
        object->m_selections++;
}

void ReleaseGdiObject(HGDIOBJ handle) {
    GdiObject* object = FindAny(handle);
    if (!object)
        return;
    if (--object->m_selections <= 0 && object->m_deletePending)
        Erase(handle);
}

COLORREF BrushColor(const GdiObject& brush) {
    if (brush.m_sysColorIndex >= 0)
        return GetSysColor(brush.m_sysColorIndex);
    return brush.m_color;
}

HFONT MakeFont(const LOGFONTW& logFont, bool stock) {
    auto font = std::make_unique<GdiObject>();
    font->m_kind = GdiKind::Font;
    font->m_stock = stock;
    font->m_logFont = logFont;
    font->m_logFont.lfFaceName[LF_FACESIZE - 1] = L'\0';
    return static_cast<HFONT>(Insert(std::move(font)));
}

HFONT CaptionFont() {
    static HFONT font = MakeFont(GuiLogFont(-12, FW_BOLD, L"ＭＳ Ｐゴシック"), true);
    return font;
}

const PangoFontDescription* DescriptionOf(HFONT font) {
    GdiObject* object = LookupHeldGdiObject(font);
    if (!object || object->m_kind != GdiKind::Font)
        object = LookupHeldGdiObject(GetStockObject(SYSTEM_FONT));
    if (!object)
        return nullptr;
    if (!object->m_description)
        object->m_description = DescribeLogFont(object->m_logFont);
    return object->m_description;
}

LiveGdiCounts CountLiveGdiObjects() {
    if (!OnUiThread())
        return {};
    return LiveGdiCounts{T().fonts.Count() - T().stockFonts, T().brushes.Count() - T().stockBrushes,
                         T().pens.Count() - T().stockPens};
}

} // namespace standin

using namespace standin;

extern "C" {

HFONT WINAPI CreateFontIndirectW(const LOGFONTW* lf) {
    if (!lf || !OnUiThread()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (ConsumeFault(Fault::CreateFont))
        return nullptr;
    return MakeFont(*lf, false);
}

HFONT WINAPI CreateFontW(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                         DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                         DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, LPCWSTR faceName) {
    LOGFONTW lf{};
    lf.lfHeight = height;
    lf.lfWidth = width;
    lf.lfEscapement = escapement;
    lf.lfOrientation = orientation;
    lf.lfWeight = weight;
    lf.lfItalic = static_cast<BYTE>(italic != 0);
    lf.lfUnderline = static_cast<BYTE>(underline != 0);
    lf.lfStrikeOut = static_cast<BYTE>(strikeOut != 0);
    lf.lfCharSet = static_cast<BYTE>(charSet);
    lf.lfOutPrecision = static_cast<BYTE>(outPrecision);
    lf.lfClipPrecision = static_cast<BYTE>(clipPrecision);
    lf.lfQuality = static_cast<BYTE>(quality);
    lf.lfPitchAndFamily = static_cast<BYTE>(pitchAndFamily);
    if (faceName)
        wcsncpy(lf.lfFaceName, faceName, LF_FACESIZE - 1); // a longer name is cut, as Windows cuts it
    return CreateFontIndirectW(&lf);
}

HBRUSH WINAPI CreateSolidBrush(COLORREF color) {
    if (!OnUiThread())
        return nullptr;
    if (ConsumeFault(Fault::CreateSolidBrush))
        return nullptr;
    return MakeBrush(color, false);
}

HPEN WINAPI CreatePen(int style, int width, COLORREF color) {
    if (!OnUiThread())
        return nullptr;
    return MakePen(style, width, color, false);
}

BOOL WINAPI DeleteObject(HGDIOBJ handle) {
    GdiObject* object = LookupGdiObject(handle);
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (object->m_stock)
        return TRUE;
    if (object->m_selections > 0)
        object->m_deletePending = true; // freed when the DC lets it go
    else
        Erase(handle);
    return TRUE;
}

HGDIOBJ WINAPI GetStockObject(int index) {
    static std::array<HGDIOBJ, kStockCount> stock{};
    if (index < 0 || index >= kStockCount || !OnUiThread())
        return nullptr;
    if (!stock[static_cast<size_t>(index)])
        stock[static_cast<size_t>(index)] = MakeStock(index);
    return stock[static_cast<size_t>(index)];
}

HBRUSH WINAPI GetSysColorBrush(int index) {
    static std::array<HBRUSH, kSysColorCount> brushes{};
    if (index < 0 || index >= kSysColorCount || !OnUiThread())
        return nullptr;
    if (!brushes[static_cast<size_t>(index)])
        brushes[static_cast<size_t>(index)] = MakeBrush(0, true, index);
    return brushes[static_cast<size_t>(index)];
}

int WINAPI GetObjectW(HGDIOBJ handle, int size, LPVOID buffer) {
    // A font deleted while a DC holds it still answers: it lives until the DC lets it go.
    GdiObject* object = LookupHeldGdiObject(handle);
    if (!object || object->m_kind != GdiKind::Font)
        return 0;
    if (!buffer)
        return sizeof(LOGFONTW);
    if (size <= 0)
        return 0;
    int bytes = size < static_cast<int>(sizeof(LOGFONTW)) ? size : static_cast<int>(sizeof(LOGFONTW));
    std::memcpy(buffer, &object->m_logFont, static_cast<size_t>(bytes));
    return bytes;
}
}
