#include "NumberText.h"

#include <clocale>
#include <cwchar>
#include <locale.h>
#include <wchar.h> // wcstod_l

namespace brio::ui::measure {
namespace {

// The C locale, made once and kept for the life of the process, as the C library keeps its own.
locale_t ClassicLocale() {
    static const locale_t classic = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    return classic;
}

// The C locale for this thread while the scope lasts; the host's own locale comes back after it.
class ClassicNumbers {
public:
    ClassicNumbers() : m_previous(uselocale(ClassicLocale())) {}
    ~ClassicNumbers() { uselocale(m_previous); }
    ClassicNumbers(const ClassicNumbers&) = delete;
    ClassicNumbers& operator=(const ClassicNumbers&) = delete;

private:
    locale_t m_previous = static_cast<locale_t>(0);
};

// wcstod in the C locale. Every recomputation reads two cells of every row, so the reading names its
// locale instead of switching the thread's locale there and back.
double ParseClassic(LPCWSTR text) {
    return wcstod_l(text, nullptr, ClassicLocale());
}

} // namespace

CString RawValueText(double value) {
    ClassicNumbers classic;
    wchar_t buffer[512] = {};
    // A double never needs more than 309 digits before the point.
    std::swprintf(buffer, _countof(buffer), L"%f", value);
    return CString(buffer);
}

double ReadCellNumber(const CListCtrl& list, int row, int column) {
    wchar_t text[512];
    const int copied = list.GetItemText(row, column, text, _countof(text));
    if (copied < static_cast<int>(_countof(text)) - 1)
        return ParseClassic(text);
    return ParseClassic(list.GetItemText(row, column));
}

bool CellIsMinus(const CListCtrl& list, int row, int column) {
    // Room for two characters tells "-" from any longer text that starts with it.
    wchar_t text[3];
    return list.GetItemText(row, column, text, _countof(text)) == 1 && text[0] == L'-';
}

} // namespace brio::ui::measure
