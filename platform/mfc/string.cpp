// CString's out-of-line operations: search, trimming, replacing and printf-style formatting.
#include "afx_internal.h"

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <vector>
#include <cwctype>

namespace {

const wchar_t kWhitespace[] = L" \t\n\r\v\f";

int ClampedLength(int count, size_t size) {
    if (count < 0)
        return 0;
    return size_t(count) > size ? int(size) : count;
}

} // namespace

int CString::Compare(LPCWSTR text) const {
    return std::wcscmp(m_str.c_str(), text ? text : L"");
}

int CString::CompareNoCase(LPCWSTR text) const {
    const wchar_t* a = m_str.c_str();
    const wchar_t* b = text ? text : L"";
    for (;; ++a, ++b) {
        wint_t ca = std::towlower(wint_t(*a));
        wint_t cb = std::towlower(wint_t(*b));
        if (ca != cb)
            return ca < cb ? -1 : 1;
        if (ca == 0)
            return 0;
    }
}

// Out-of-range arguments are clamped, as MFC clamps them, rather than thrown.
CString CString::Left(int count) const {
    return CString(m_str.substr(0, size_t(ClampedLength(count, m_str.size()))));
}
CString CString::Right(int count) const {
    int n = ClampedLength(count, m_str.size());
    return CString(m_str.substr(m_str.size() - size_t(n)));
}
CString CString::Mid(int first) const {
    return Mid(first, GetLength());
}
CString CString::Mid(int first, int count) const {
    int start = ClampedLength(first, m_str.size());
    int n = ClampedLength(count, m_str.size() - size_t(start));
    return CString(m_str.substr(size_t(start), size_t(n)));
}

int CString::Find(WCHAR ch, int start) const {
    if (start < 0 || size_t(start) > m_str.size())
        return -1;
    size_t at = m_str.find(ch, size_t(start));
    return at == std::wstring::npos ? -1 : int(at);
}
int CString::Find(LPCWSTR sub, int start) const {
    if (sub == nullptr || start < 0 || size_t(start) > m_str.size())
        return -1;
    size_t at = m_str.find(sub, size_t(start));
    return at == std::wstring::npos ? -1 : int(at);
}
int CString::ReverseFind(WCHAR ch) const {
    size_t at = m_str.rfind(ch);
    return at == std::wstring::npos ? -1 : int(at);
}
int CString::FindOneOf(LPCWSTR chars) const {
    if (chars == nullptr)
        return -1;
    size_t at = m_str.find_first_of(chars);
    return at == std::wstring::npos ? -1 : int(at);
}

CString& CString::TrimLeft(LPCWSTR targets) {
    m_str.erase(0, m_str.find_first_not_of(targets ? targets : L""));
    return *this;
}
CString& CString::TrimRight(LPCWSTR targets) {
    size_t last = m_str.find_last_not_of(targets ? targets : L"");
    m_str.erase(last == std::wstring::npos ? 0 : last + 1);
    return *this;
}
CString& CString::Trim(LPCWSTR targets) {
    return TrimRight(targets).TrimLeft(targets);
}
CString& CString::TrimLeft() {
    return TrimLeft(kWhitespace);
}
CString& CString::TrimRight() {
    return TrimRight(kWhitespace);
}
CString& CString::Trim() {
    return Trim(kWhitespace);
}
CString& CString::TrimLeft(WCHAR target) {
    const wchar_t set[2] = {target, 0};
    return TrimLeft(set);
}
CString& CString::TrimRight(WCHAR target) {
    const wchar_t set[2] = {target, 0};
    return TrimRight(set);
}
CString& CString::Trim(WCHAR target) {
    const wchar_t set[2] = {target, 0};
    return Trim(set);
}

int CString::Replace(WCHAR oldCh, WCHAR newCh) {
    int count = 0;
    for (wchar_t& c : m_str) {
        if (c == oldCh) {
            c = newCh;
            ++count;
        }
    }
    return count;
}

int CString::Replace(LPCWSTR oldText, LPCWSTR newText) {
    if (oldText == nullptr || *oldText == L'\0')
        return 0;
    const std::wstring from(oldText);
    const std::wstring to(newText ? newText : L"");
    std::wstring result;
    int count = 0;
    size_t at = 0;
    for (size_t hit; (hit = m_str.find(from, at)) != std::wstring::npos; at = hit + from.size()) {
        result.append(m_str, at, hit - at).append(to);
        ++count;
    }
    if (count > 0) {
        result.append(m_str, at, std::wstring::npos);
        m_str.swap(result);
    }
    return count;
}

int CString::Remove(WCHAR ch) {
    size_t before = m_str.size();
    std::erase(m_str, ch);
    return int(before - m_str.size());
}

int CString::Insert(int index, WCHAR ch) {
    m_str.insert(size_t(ClampedLength(index, m_str.size())), 1, ch);
    return GetLength();
}
int CString::Insert(int index, LPCWSTR text) {
    if (text != nullptr)
        m_str.insert(size_t(ClampedLength(index, m_str.size())), text);
    return GetLength();
}
int CString::Delete(int index, int count) {
    int start = ClampedLength(index, m_str.size());
    m_str.erase(size_t(start), size_t(ClampedLength(count, m_str.size() - size_t(start))));
    return GetLength();
}

CString& CString::MakeUpper() {
    for (wchar_t& c : m_str)
        c = wchar_t(std::towupper(wint_t(c)));
    return *this;
}
CString& CString::MakeLower() {
    for (wchar_t& c : m_str)
        c = wchar_t(std::towlower(wint_t(c)));
    return *this;
}
CString& CString::MakeReverse() {
    m_str.assign(m_str.rbegin(), m_str.rend());
    return *this;
}

// ---- formatting ----------------------------------------------------------------------------------------
// Most texts fit a small stack buffer, so that is tried first. When it does not fit, the C library
// says so in one of two ways: the length it needed (C99's snprintf rule, which Windows' runtime
// follows too) or only a failure (glibc's vswprintf gives -1 for "too small" and for a bad format
// alike). A needed length is taken at its word; a bare failure doubles the buffer, and a text that
// fits none up to kFormatLimit characters is taken for a bad format.
namespace {
constexpr size_t kFormatLimit = size_t(1) << 22;
}

void CString::AppendFormatV(LPCWSTR format, va_list args) {
    if (format == nullptr)
        AfxThrowInvalidArgException();
    wchar_t small[256];
    va_list first;
    va_copy(first, args);
    int written = std::vswprintf(small, std::size(small), format, first);
    va_end(first);
    if (written >= 0 && size_t(written) < std::size(small)) {
        m_str.append(small, size_t(written));
        return;
    }
    size_t size = written >= 0 ? size_t(written) + 1 : 2 * std::size(small);
    while (size <= kFormatLimit) {
        std::vector<wchar_t> grown(size);
        va_list again;
        va_copy(again, args);
        written = std::vswprintf(grown.data(), size, format, again);
        va_end(again);
        if (written >= 0 && size_t(written) < size) {
            m_str.append(grown.data(), size_t(written));
            return;
        }
        size = written >= 0 ? size_t(written) + 1 : 2 * size;
    }
    AfxThrowInvalidArgException();
}

void CString::FormatV(LPCWSTR format, va_list args) {
    CString result;
    result.AppendFormatV(format, args);
    m_str.swap(result.m_str);
}

void CString::Format(LPCWSTR format, ...) {
    va_list args;
    va_start(args, format);
    try {
        FormatV(format, args);
    } catch (...) {
        va_end(args);
        throw;
    }
    va_end(args);
}

void CString::AppendFormat(LPCWSTR format, ...) {
    va_list args;
    va_start(args, format);
    try {
        AppendFormatV(format, args);
    } catch (...) {
        va_end(args);
        throw;
    }
    va_end(args);
}

// ---- buffer access ---------------------------------------------------------------------------------------
LPWSTR CString::GetBuffer(int minLength) {
    if (minLength > GetLength())
        m_str.resize(size_t(minLength));
    return m_str.data();
}

LPWSTR CString::GetBufferSetLength(int length) {
    m_str.resize(size_t(length < 0 ? 0 : length));
    return m_str.data();
}

// Without a length the text ends at the first terminator written into the buffer.
void CString::ReleaseBuffer(int newLength) {
    if (newLength < 0)
        newLength = int(std::wcslen(m_str.c_str()));
    m_str.resize(size_t(ClampedLength(newLength, m_str.size())));
}
