#include "DialogView.h"

#include <calcutil.h>

#include <commctrl.h>

#include <clocale>
#include <cwchar>
#include <locale.h>

namespace reliability {
namespace {

constexpr int kRadios[4] = {IDC_UNIT_RADIO1, IDC_UNIT_RADIO2, IDC_UNIT_RADIO4, IDC_UNIT_RADIO5};

bool Checked(HWND dialog, int id) {
    return SendMessageW(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

int RadioGroup(HWND dialog, int first, int second) {
    return Checked(dialog, first) ? 0 : Checked(dialog, second) ? 1 : -1;
}

std::wstring CellText(HWND list, int row, int column) {
    std::wstring text(256, L'\0');
    for (;;) {
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = text.data();
        item.cchTextMax = static_cast<int>(text.size());
        const auto copied = static_cast<size_t>(
            SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
        if (copied + 1 < text.size()) {
            text.resize(copied);
            return text;
        }
        text.resize(text.size() * 4);
    }
}

// The C locale while it lasts: the dialog writes and reads its numbers that way.
class CNumbers {
public:
    CNumbers() : m_previous(uselocale(Classic())) {}
    ~CNumbers() { uselocale(m_previous); }
    CNumbers(const CNumbers&) = delete;
    CNumbers& operator=(const CNumbers&) = delete;

private:
    static locale_t Classic() {
        static const locale_t classic = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
        return classic;
    }
    locale_t m_previous;
};

} // namespace

std::wstring WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), length + 1)));
    return text;
}

DialogView ReadDialog(HWND dialog) {
    DialogView view;
    if (dialog == nullptr || !IsWindow(dialog))
        return view;
    view.window = true;
    view.visible = IsWindowVisible(dialog) != FALSE;
    const HWND list = GetDlgItem(dialog, IDC_LIST_LENGTH);
    const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        RowView shown;
        for (int column = 0; column < kColumnCount; ++column)
            shown.cells[column] = CellText(list, row, column);
        LVITEMW item{};
        item.mask = LVIF_PARAM | LVIF_STATE;
        item.iItem = row;
        item.stateMask = LVIS_SELECTED;
        SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        shown.area = item.lParam != 0;
        shown.selected = (item.state & LVIS_SELECTED) != 0;
        view.rows.push_back(std::move(shown));
    }
    view.position = static_cast<int>(SendMessageW(GetDlgItem(dialog, IDC_CMB_MARUME1), CB_GETCURSEL, 0, 0));
    view.method = static_cast<int>(SendMessageW(GetDlgItem(dialog, IDC_CMB_MARUME2), CB_GETCURSEL, 0, 0));
    view.unit1 = RadioGroup(dialog, kRadios[0], kRadios[1]);
    view.unit2 = RadioGroup(dialog, kRadios[2], kRadios[3]);
    view.drawList = Checked(dialog, IDC_CHK_DRAW_LIST);
    view.drawTotal = Checked(dialog, IDC_CHK_DRAW_TOTAL);
    view.closeAfter = Checked(dialog, IDC_CHK_CLOSE);
    view.drawEnabled = IsWindowEnabled(GetDlgItem(dialog, IDC_BUTTON_DRAW)) != FALSE;
    view.closeEnabled = IsWindowEnabled(GetDlgItem(dialog, IDC_CHK_CLOSE)) != FALSE;
    for (int i = 0; i < 4; ++i)
        view.radiosEnabled[i] = IsWindowEnabled(GetDlgItem(dialog, kRadios[i])) != FALSE;
    view.total = WindowText(GetDlgItem(dialog, IDC_EDIT_TOTAL));
    view.unitLabel = WindowText(GetDlgItem(dialog, IDC_STATIC_UNIT));
    // Its own visibility: a hidden dialog hides every child from IsWindowVisible.
    view.unitLabelVisible =
        (GetWindowLongW(GetDlgItem(dialog, IDC_STATIC_UNIT), GWL_STYLE) & WS_VISIBLE) != 0;
    return view;
}

std::wstring RoundedText(double value, int position, int method) {
    static const int kDecimalMethods[] = {0, 3, 4};
    const int decimalMethod = method >= 0 && method <= 2 ? kDecimalMethods[method] : 0;
    if (position == 0) {
        const int placeMethod = method >= 0 && method <= 2 ? method : 0;
        return calcutil::Double2String(calcutil::RoundPlace(value, 0, placeMethod), 0);
    }
    const int decimals = position - 1;
    return calcutil::Double2String(calcutil::DecimalRound2(value, decimals, decimalMethod, false), decimals);
}

double UnitFactor(bool area, int unit1, int unit2) {
    if (area)
        return unit2 == 1 ? 0.000001 : 1.0;
    return unit1 == 1 ? 0.001 : 1.0;
}

std::wstring RawText(double value) {
    CNumbers classic;
    wchar_t buffer[512] = {};
    std::swprintf(buffer, 512, L"%f", value);
    return buffer;
}

double CellNumber(const std::wstring& text) {
    CNumbers classic;
    return std::wcstod(text.c_str(), nullptr);
}

} // namespace reliability
