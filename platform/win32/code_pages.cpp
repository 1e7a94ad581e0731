// kernel32's text conversions between wide text and the byte code pages, over the stand-in's one
// UTF-8 coder, so that every module converts text the same way.
//
// Does NOT: know any code page but UTF-8 (CP_ACP is UTF-8 here), take MB_PRECOMPOSED-style
// normalisation flags, write a partial result into a buffer that is too small (Windows leaves such a
// buffer's contents undefined; here it is left untouched).
#include <windows.h>

#include <climits>
#include <cstring>
#include <string_view>

#include "core/utf8.h"

namespace {

bool IsUtf8(UINT codePage) {
    return codePage == CP_UTF8 || codePage == CP_ACP;
}

// Length of a counted or terminated (-1) input; -1 when the count is neither.
template <typename Char> long long InputLength(const Char* text, int count) {
    if (count == -1)
        return static_cast<long long>(std::char_traits<Char>::length(text)) + 1; // the terminator too
    return count > 0 ? count : -1;
}

// Hands `converted` to the caller as Windows does: its size when the caller asks for the size, the
// copy when it fits, ERROR_INSUFFICIENT_BUFFER when it does not.
template <typename Text, typename Char> int Deliver(const Text& converted, Char* out, int outSize) {
    if (converted.size() > static_cast<size_t>(INT_MAX)) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
    const int size = static_cast<int>(converted.size());
    if (outSize == 0)
        return size;
    if (size > outSize) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    std::memcpy(out, converted.data(), converted.size() * sizeof(Char));
    return size;
}

} // namespace

extern "C" {

UINT WINAPI GetACP(void) {
    return CP_UTF8;
}

int WINAPI MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR text, int textBytes, LPWSTR out,
                               int outChars) {
    const long long length = text != nullptr ? InputLength(text, textBytes) : -1;
    if (!IsUtf8(codePage) || length < 0 || outChars < 0 || (outChars > 0 && out == nullptr)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if ((flags & ~DWORD{MB_ERR_INVALID_CHARS}) != 0) {
        SetLastError(ERROR_INVALID_FLAGS);
        return 0;
    }
    bool invalid = false;
    const std::wstring wide =
        standin::FromUtf8(std::string_view(text, static_cast<size_t>(length)), &invalid);
    if (invalid && (flags & MB_ERR_INVALID_CHARS) != 0) {
        SetLastError(ERROR_NO_UNICODE_TRANSLATION);
        return 0;
    }
    return Deliver(wide, out, outChars);
}

int WINAPI WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR text, int textChars, LPSTR out,
                               int outBytes, LPCSTR defaultChar, LPBOOL usedDefaultChar) {
    const long long length = text != nullptr ? InputLength(text, textChars) : -1;
    if (!IsUtf8(codePage) || length < 0 || outBytes < 0 || (outBytes > 0 && out == nullptr)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    // UTF-8 can carry every character, so Windows refuses a default character for it.
    if (defaultChar != nullptr || usedDefaultChar != nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if ((flags & ~DWORD{WC_ERR_INVALID_CHARS}) != 0) {
        SetLastError(ERROR_INVALID_FLAGS);
        return 0;
    }
    bool invalid = false;
    const std::string narrow =
        standin::ToUtf8(std::wstring_view(text, static_cast<size_t>(length)), &invalid);
    if (invalid && (flags & WC_ERR_INVALID_CHARS) != 0) {
        SetLastError(ERROR_NO_UNICODE_TRANSLATION);
        return 0;
    }
    return Deliver(narrow, out, outBytes);
}

} // extern "C"
