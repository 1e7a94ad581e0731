// In-memory dialog templates for tests and demos, written as a program on Windows writes them: the
// DLGTEMPLATEEX byte layout with UTF-16 texts, whatever wchar_t is. A template is described with two
// plain structures (fields in the order of the layout's) and written once; the bytes live as long as
// the DialogTemplateBytes object. Plain C++ over <windows.h>, so the same test builds on Windows too.
#pragma once

#include <windows.h>

#include <cstring>
#include <vector>

struct DialogItem {
    DWORD style;
    DWORD exStyle;
    short x, y, cx, cy;
    int id;
    LPCWSTR windowClass; // a name, or MAKEINTRESOURCEW(0x0080) ... for a predefined class's ordinal
    LPCWSTR title;
};

struct DialogSpec {
    DWORD style; // with DS_SETFONT the font fields count
    DWORD exStyle;
    short x, y, cx, cy;
    LPCWSTR title;
    WORD pointSize;
    WORD weight;
    BYTE italic;
    BYTE charset;
    LPCWSTR typeface;
    WORD language; // a resource's attribute, not part of the bytes: kept for the reader
    const DialogItem* items;
    WORD itemCount;
};

class DialogTemplateBytes {
public:
    explicit DialogTemplateBytes(const DialogSpec& spec) {
        Word(1); // version
        Word(0xFFFF);
        Dword(0); // help id
        Dword(spec.exStyle);
        Dword(spec.style);
        Word(spec.itemCount);
        Word(static_cast<WORD>(spec.x));
        Word(static_cast<WORD>(spec.y));
        Word(static_cast<WORD>(spec.cx));
        Word(static_cast<WORD>(spec.cy));
        Word(0); // no menu
        Word(0); // the dialog class
        Text(spec.title);
        if (spec.style & DS_SETFONT) {
            Word(spec.pointSize);
            Word(spec.weight);
            m_bytes.push_back(spec.italic);
            m_bytes.push_back(spec.charset);
            Text(spec.typeface);
        }
        for (WORD i = 0; i < spec.itemCount; ++i) {
            const DialogItem& item = spec.items[i];
            while (m_bytes.size() % 4)
                m_bytes.push_back(0);
            Dword(0); // help id
            Dword(item.exStyle);
            Dword(item.style);
            Word(static_cast<WORD>(item.x));
            Word(static_cast<WORD>(item.y));
            Word(static_cast<WORD>(item.cx));
            Word(static_cast<WORD>(item.cy));
            Dword(static_cast<DWORD>(item.id));
            if (IS_INTRESOURCE(item.windowClass)) {
                Word(0xFFFF);
                Word(static_cast<WORD>(reinterpret_cast<ULONG_PTR>(item.windowClass)));
            } else {
                Text(item.windowClass);
            }
            Text(item.title);
            Word(0); // no creation data
        }
    }

    LPCDLGTEMPLATEW get() const { return reinterpret_cast<LPCDLGTEMPLATEW>(m_bytes.data()); }
    size_t size() const { return m_bytes.size(); }

private:
    void Word(WORD value) {
        const BYTE* p = reinterpret_cast<const BYTE*>(&value);
        m_bytes.insert(m_bytes.end(), p, p + 2);
    }
    void Dword(DWORD value) {
        Word(LOWORD(value));
        Word(HIWORD(value));
    }
    void Text(LPCWSTR text) {
        for (const wchar_t* p = text ? text : L""; *p; ++p) {
            const unsigned long ch = static_cast<unsigned long>(*p);
            if (ch > 0xFFFF) {
                Word(static_cast<WORD>(0xD800 + ((ch - 0x10000) >> 10)));
                Word(static_cast<WORD>(0xDC00 + ((ch - 0x10000) & 0x3FF)));
            } else {
                Word(static_cast<WORD>(ch));
            }
        }
        Word(0);
    }

    std::vector<BYTE> m_bytes;
};
