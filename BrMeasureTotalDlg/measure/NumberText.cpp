#include "NumberText.h"

#include <clocale>
#include <cwchar>
#include <locale.h>

namespace brio::ui::measure {
namespace {

// The C locale for this thread while the scope lasts; the host's own locale comes back after it.
class ClassicNumbers {
public:
    ClassicNumbers() : m_previous(uselocale(CLocale())) {}
    ~ClassicNumbers() { uselocale(m_previous); }
    ClassicNumbers(const ClassicNumbers&) = delete;
    ClassicNumbers& operator=(const ClassicNumbers&) = delete;

private:
    static locale_t CLocale() {
        // Made once and kept for the life of the process, as the C library keeps its own locales.
        static const locale_t classic = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
        return classic;
    }
    locale_t m_previous = static_cast<locale_t>(0);
};

} // namespace

CString RawValueText(double value) {
    ClassicNumbers classic;
    wchar_t buffer[512] = {};
    // A double never needs more than 309 digits before the point.
    std::swprintf(buffer, _countof(buffer), L"%f", value);
    return CString(buffer);
}

double ParseCellNumber(const CString& text) {
    ClassicNumbers classic;
    return std::wcstod(static_cast<LPCWSTR>(text), nullptr);
}

} // namespace brio::ui::measure
