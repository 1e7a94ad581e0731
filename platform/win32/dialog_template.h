// A dialog template's bytes read into fields: the classic DLGTEMPLATE and the extended DLGTEMPLATEEX
// layout, as a resource compiler or a program writes them.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace standin {

struct TemplateItem {
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    int id = 0;
    std::wstring windowClass; // a predefined class given by ordinal is read as its name
    std::wstring title;       // a title given by ordinal (an icon's resource number) reads as ""
};

struct ParsedTemplate {
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::wstring title;
    bool hasFont = false; // DS_SETFONT with a point size and a typeface
    WORD pointSize = 0;
    WORD weight = FW_NORMAL;
    BYTE italic = FALSE;
    BYTE charset = DEFAULT_CHARSET;
    std::wstring typeface;
    std::vector<TemplateItem> items;
};

// Null when the bytes cannot be a template (a null pointer, a signature of an unknown version).
// The bytes are trusted as Windows trusts them: a template's length is not known to its reader.
std::optional<ParsedTemplate> ParseDialogTemplate(const void* bytes);

} // namespace standin
