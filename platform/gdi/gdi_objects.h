// GDI objects: fonts, brushes and pens, each in its own handle table, and the stock objects. Stock
// objects and the system colour brushes are never counted as live and cannot be deleted (DeleteObject
// says TRUE and does nothing, as Windows does). An object deleted while a DC holds it stays usable by
// that DC and goes when the DC lets it go; its handle is dead at once.
#pragma once

#include "gdi/gdi.h"

#include <windows.h>

#include <pango/pango.h>

#include <memory>

namespace standin {

enum class GdiKind { Font, Brush, Pen };

struct GdiObject {
    GdiKind m_kind = GdiKind::Brush;
    bool m_stock = false;
    bool m_deletePending = false;
    int m_selections = 0; // DCs that hold it selected

    // brushes and pens
    COLORREF m_color = 0;
    int m_sysColorIndex = -1; // a system colour brush follows the system colour
    bool m_hollow = false;    // NULL_BRUSH, NULL_PEN
    int m_penWidth = 1;
    int m_penStyle = PS_SOLID;

    // fonts
    LOGFONTW m_logFont{};
    PangoFontDescription* m_description = nullptr; // made on first use

    GdiObject() = default;
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    ~GdiObject();
};

// The object behind a live handle (deleted handles find nothing).
GdiObject* LookupGdiObject(HGDIOBJ handle);
// Also finds an object whose handle was deleted while a DC still holds it.
GdiObject* LookupHeldGdiObject(HGDIOBJ handle);
// A DC selects or lets go of an object; letting go of the last hold of a deleted one frees it.
void HoldGdiObject(HGDIOBJ handle);
void ReleaseGdiObject(HGDIOBJ handle);

COLORREF BrushColor(const GdiObject& brush);

// The pango description of a font: family from the face name (through the project's fontconfig
// aliases), size in pixels from lfHeight, weight, slant.
const PangoFontDescription* DescriptionOf(HFONT font);

} // namespace standin
