// Reading a dialog template. Both layouts are a fixed header followed by variable fields: the menu
// and the window class (0x0000 none, 0xFFFF then an ordinal, or a string), the title, the font when
// the style has DS_SETFONT; then each control, DWORD-aligned, with its class, its title and the
// length of its creation data (skipped). Strings are zero-terminated UTF-16, turned into wchar_t text
// (surrogate pairs joined where wchar_t is 32 bits).
//
// Does NOT: read the template's menu or window class (both skipped), or pass a control's creation
// data to it.
#include "win32/dialog_template.h"

#include <cstring>

namespace standin {
namespace {

class Reader {
public:
    explicit Reader(const BYTE* p) : m_origin(p), m_p(p) {}

    WORD Word() {
        WORD value;
        std::memcpy(&value, m_p, 2);
        m_p += 2;
        return value;
    }
    DWORD Dword() {
        DWORD value;
        std::memcpy(&value, m_p, 4);
        m_p += 4;
        return value;
    }
    short Short() { return static_cast<short>(Word()); }
    BYTE Byte() { return *m_p++; }
    std::wstring String() {
        std::wstring text;
        for (WORD unit = Word(); unit != 0; unit = Word()) {
            if constexpr (sizeof(wchar_t) == 4) {
                WORD next;
                std::memcpy(&next, m_p, 2);
                if (unit >= 0xD800 && unit < 0xDC00 && next >= 0xDC00 && next < 0xE000) {
                    m_p += 2;
                    text.push_back(static_cast<wchar_t>(0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00)));
                    continue;
                }
            }
            text.push_back(static_cast<wchar_t>(unit));
        }
        return text;
    }
    // A field that is absent (0x0000), an ordinal (0xFFFF, n) or a string.
    std::wstring NameOrOrdinal(WORD* ordinal) {
        *ordinal = 0;
        WORD first;
        std::memcpy(&first, m_p, 2);
        if (first == 0x0000) {
            m_p += 2;
            return {};
        }
        if (first == 0xFFFF) {
            m_p += 2;
            *ordinal = Word();
            return {};
        }
        return String();
    }
    void Skip(size_t bytes) { m_p += bytes; }
    void AlignToDword() { m_p = m_origin + ((m_p - m_origin + 3) & ~static_cast<ptrdiff_t>(3)); }

private:
    const BYTE* m_origin;
    const BYTE* m_p;
};

std::wstring PredefinedClass(WORD ordinal) {
    switch (ordinal) {
    case 0x0080:
        return L"Button";
    case 0x0081:
        return L"Edit";
    case 0x0082:
        return L"Static";
    case 0x0083:
        return L"ListBox";
    case 0x0084:
        return L"ScrollBar";
    case 0x0085:
        return L"ComboBox";
    default:
        return {};
    }
}

} // namespace

std::optional<ParsedTemplate> ParseDialogTemplate(const void* bytes) {
    if (!bytes)
        return std::nullopt;
    Reader in(static_cast<const BYTE*>(bytes));
    ParsedTemplate t;
    WORD version = in.Word(), signature = in.Word();
    const bool extended = version == 1 && signature == 0xFFFF;
    WORD count = 0;
    if (extended) {
        in.Dword(); // help id
        t.exStyle = in.Dword();
        t.style = in.Dword();
    } else {
        in = Reader(static_cast<const BYTE*>(bytes));
        if (signature == 0xFFFF)
            return std::nullopt; // an extended template of a version we do not know
        t.style = in.Dword();
        t.exStyle = in.Dword();
    }
    count = in.Word();
    t.x = in.Short();
    t.y = in.Short();
    t.cx = in.Short();
    t.cy = in.Short();
    WORD ordinal = 0;
    in.NameOrOrdinal(&ordinal); // menu
    in.NameOrOrdinal(&ordinal); // window class
    t.title = in.String();
    if (t.style & DS_SETFONT) {
        t.pointSize = in.Word();
        if (extended) {
            t.weight = in.Word();
            t.italic = in.Byte();
            t.charset = in.Byte();
        }
        t.typeface = in.String();
        t.hasFont = t.pointSize > 0 && !t.typeface.empty();
    }
    for (WORD i = 0; i < count; ++i) {
        in.AlignToDword();
        TemplateItem item;
        if (extended) {
            in.Dword(); // help id
            item.exStyle = in.Dword();
            item.style = in.Dword();
        } else {
            item.style = in.Dword();
            item.exStyle = in.Dword();
        }
        item.x = in.Short();
        item.y = in.Short();
        item.cx = in.Short();
        item.cy = in.Short();
        item.id = extended ? static_cast<int>(in.Dword()) : static_cast<int>(in.Word());
        item.windowClass = in.NameOrOrdinal(&ordinal);
        if (item.windowClass.empty())
            item.windowClass = PredefinedClass(ordinal);
        item.title = in.NameOrOrdinal(&ordinal);
        in.Skip(in.Word()); // creation data
        t.items.push_back(std::move(item));
    }
    return t;
}

} // namespace standin
