// CString of the MFC subset: a wide string with MFC's operations, kept small because it sits on the
// hot path of long lists (one per cell read).
//
// What it does NOT do: narrow (char) construction or conversion, LoadString from string tables,
// Tokenize, reference-counted copy-on-write sharing (a copy is a copy), the "%s means wide" rule of
// Windows' wide printf.
//
// Format follows the C runtime of this platform: on Linux a wide format's "%s" takes a NARROW string,
// so a wide argument is written "%ls" (and a character "%lc"). Numbers follow the C locale, as they
// do in a Windows program that never calls setlocale; nothing here changes the locale.
#pragma once

#include "afxver_.h"

#include <cstdarg>
#include <string>
#include <utility>

class AFX_API CString {
public:
    CString() = default;
    CString(const CString&) = default;
    CString(CString&&) noexcept = default;
    CString(LPCWSTR text) : m_str(text ? text : L"") {}
    CString(LPCWSTR text, int length) : m_str(text ? text : L"", text && length > 0 ? size_t(length) : 0) {}
    CString(WCHAR ch, int repeat = 1) : m_str(repeat > 0 ? size_t(repeat) : 0, ch) {}
    CString(const std::wstring& text) : m_str(text) {}
    // Takes a finished text over without copying it (a number text made for a cell, say).
    CString(std::wstring&& text) noexcept : m_str(std::move(text)) {}
    ~CString() = default;

    CString& operator=(const CString&) = default;
    CString& operator=(CString&&) noexcept = default;
    CString& operator=(LPCWSTR text) {
        m_str.assign(text ? text : L"");
        return *this;
    }
    CString& operator=(WCHAR ch) {
        m_str.assign(1, ch);
        return *this;
    }

    operator LPCWSTR() const { return m_str.c_str(); }
    LPCWSTR GetString() const { return m_str.c_str(); }
    const std::wstring& str() const { return m_str; }

    int GetLength() const { return int(m_str.size()); }
    BOOL IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    WCHAR GetAt(int index) const { return m_str.at(size_t(index)); }
    WCHAR operator[](int index) const { return m_str.at(size_t(index)); }
    void SetAt(int index, WCHAR ch) { m_str.at(size_t(index)) = ch; }

    CString& operator+=(const CString& text) {
        m_str += text.m_str;
        return *this;
    }
    CString& operator+=(LPCWSTR text) {
        if (text)
            m_str += text;
        return *this;
    }
    CString& operator+=(WCHAR ch) {
        m_str += ch;
        return *this;
    }
    void Append(LPCWSTR text) { *this += text; }
    void AppendChar(WCHAR ch) { m_str += ch; }

    // Ordinal comparison of code points (<0, 0, >0), as wcscmp.
    int Compare(LPCWSTR text) const;
    int CompareNoCase(LPCWSTR text) const;

    CString Left(int count) const;
    CString Right(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;

    int Find(WCHAR ch, int start = 0) const;
    int Find(LPCWSTR sub, int start = 0) const;
    int ReverseFind(WCHAR ch) const;
    int FindOneOf(LPCWSTR chars) const;

    CString& Trim();
    CString& Trim(WCHAR target);
    CString& Trim(LPCWSTR targets);
    CString& TrimLeft();
    CString& TrimLeft(WCHAR target);
    CString& TrimLeft(LPCWSTR targets);
    CString& TrimRight();
    CString& TrimRight(WCHAR target);
    CString& TrimRight(LPCWSTR targets);

    int Replace(WCHAR oldCh, WCHAR newCh);
    int Replace(LPCWSTR oldText, LPCWSTR newText);
    int Remove(WCHAR ch);
    int Insert(int index, WCHAR ch);
    int Insert(int index, LPCWSTR text);
    int Delete(int index, int count = 1);
    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();

    // printf-style formatting, any length (see the note at the top about %ls). A format the C runtime
    // rejects throws CInvalidArgException, as MFC does for a bad format.
    void Format(LPCWSTR format, ...);
    void AppendFormat(LPCWSTR format, ...);
    void FormatV(LPCWSTR format, va_list args);
    void AppendFormatV(LPCWSTR format, va_list args);

    // Direct buffer access for code that fills a CString through a Windows call.
    LPWSTR GetBuffer(int minLength);
    LPWSTR GetBuffer() { return m_str.data(); }
    LPWSTR GetBufferSetLength(int length);
    void ReleaseBuffer(int newLength = -1);

    // A temporary on the left is appended to in place, so a chain of + copies nothing twice.
    friend CString operator+(CString&& a, const CString& b) { return std::move(a += b); }
    friend CString operator+(CString&& a, LPCWSTR b) { return std::move(a += b); }
    friend CString operator+(CString&& a, WCHAR b) { return std::move(a += b); }
    friend CString operator+(const CString& a, const CString& b) { return CString(a.m_str + b.m_str); }
    friend CString operator+(const CString& a, LPCWSTR b) { return CString(a.m_str + (b ? b : L"")); }
    friend CString operator+(LPCWSTR a, const CString& b) { return CString((a ? a : L"") + b.m_str); }
    friend CString operator+(const CString& a, WCHAR b) { return CString(a.m_str + b); }
    friend CString operator+(WCHAR a, const CString& b) { return CString(a + b.m_str); }

    friend bool operator==(const CString& a, const CString& b) { return a.m_str == b.m_str; }
    friend bool operator==(const CString& a, LPCWSTR b) { return a.Compare(b) == 0; }
    friend bool operator==(LPCWSTR a, const CString& b) { return b.Compare(a) == 0; }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator!=(const CString& a, LPCWSTR b) { return !(a == b); }
    friend bool operator!=(LPCWSTR a, const CString& b) { return !(a == b); }
    friend bool operator<(const CString& a, const CString& b) { return a.m_str < b.m_str; }
    friend bool operator<(const CString& a, LPCWSTR b) { return a.Compare(b) < 0; }
    friend bool operator>(const CString& a, const CString& b) { return b.m_str < a.m_str; }
    friend bool operator>(const CString& a, LPCWSTR b) { return a.Compare(b) > 0; }
    friend bool operator<=(const CString& a, const CString& b) { return !(b < a); }
    friend bool operator>=(const CString& a, const CString& b) { return !(a < b); }

private:
    std::wstring m_str;
};

typedef CString CStringW;
