// Reads a fuzzer's bytes as the typed choices a target needs. Running out of bytes is not an
// error: every reader then gives its smallest choice, so any input is a valid case.
//
// What it does NOT do: no structure-aware mutation (libFuzzer mutates the raw bytes), no checks of
// its own; a target states its properties with Require.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace fuzz {

class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : m_pData(data), m_nSize(size) {}

    bool empty() const { return m_nPos >= m_nSize; }

    uint8_t byte() { return empty() ? 0 : m_pData[m_nPos++]; }

    template <typename T> T raw() {
        T value{};
        unsigned char bytes[sizeof(T)] = {};
        for (unsigned char& b : bytes)
            b = byte();
        std::memcpy(&value, bytes, sizeof(T));
        return value;
    }

    // An integer in [least, most], both included.
    int64_t inRange(int64_t least, int64_t most) {
        const uint64_t span = static_cast<uint64_t>(most) - static_cast<uint64_t>(least);
        const uint64_t pick = raw<uint64_t>();
        return span == UINT64_MAX ? static_cast<int64_t>(pick)
                                  : static_cast<int64_t>(static_cast<uint64_t>(least) + pick % (span + 1));
    }

    // Up to `most` bytes, the length taken from the input first.
    std::string bytes(size_t most) {
        const size_t length = static_cast<size_t>(inRange(0, static_cast<int64_t>(most)));
        std::string out;
        while (out.size() < length && !empty())
            out += static_cast<char>(byte());
        return out;
    }

    // Whatever is left.
    std::string_view rest() {
        const std::string_view left(reinterpret_cast<const char*>(m_pData) + m_nPos, m_nSize - m_nPos);
        m_nPos = m_nSize;
        return left;
    }

private:
    const uint8_t* m_pData = nullptr;
    size_t m_nSize = 0;
    size_t m_nPos = 0;
};

// A property that failed ends the run with the case's description, so that the crash file libFuzzer
// keeps comes with a readable reason.
template <typename... Args> void Require(bool holds, const char* format, Args... args) {
    if (holds)
        return;
    std::fprintf(stderr, "property failed: ");
    if constexpr (sizeof...(Args) == 0)
        std::fputs(format, stderr);
    else
        std::fprintf(stderr, format, args...);
    std::fputc('\n', stderr);
    std::abort();
}

} // namespace fuzz
