// The seven options kept in the host's settings store between runs, section "MeasureTotalDlg".
// Read at set-up (before the combo selections are made), written at teardown while the window
// still exists.
#include "MeasureTotalDlg.h"

#include <brio/core/Application.h>

#include <comdef.h>

namespace brio::ui::measure {
namespace {

constexpr const wchar_t* kSection = L"MeasureTotalDlg";

// The standard conversion of a stored value to a 32-bit integer; a value that has none (a text
// such as "abc") raises the _com_error of the conversion.
int StoredInt(const _variant_t& stored) {
    _variant_t value(stored);
    value.ChangeType(VT_INT);
    return value.intVal;
}

// No range test: an index or unit outside the items is taken as stored.
void ReadInt(const brio::core::ProfileValues& values, const wchar_t* key, int& member) {
    auto found = values.find(key);
    if (found != values.end())
        member = StoredInt(found->second);
}

void ReadFlag(const brio::core::ProfileValues& values, const wchar_t* key, BOOL& member) {
    auto found = values.find(key);
    if (found != values.end())
        member = StoredInt(found->second) != 0 ? 1 : 0;
}

} // namespace

void MeasureTotalDlg::ReadSettings() {
    brio::core::ProfileStore* store = brio::core::Application::getInstance().getProfileStore();
    if (store == nullptr)
        return;
    brio::core::ProfileValues values;
    store->readSection(kSection, &values, 0);
    ReadInt(values, L"marume1", m_nMarume1);
    ReadInt(values, L"marume2", m_nMarume2);
    ReadInt(values, L"unit1", m_nUnit1);
    ReadInt(values, L"unit2", m_nUnit2);
    ReadFlag(values, L"drawList", m_bDrawList);
    ReadFlag(values, L"drawTotal", m_bDrawTotal);
    ReadFlag(values, L"close", m_bClose);
    store->restoreWindow(m_hWnd, kSection);
}

// The members are written as they stand; the controls reached them through UpdateData(TRUE) and
// the combo handlers while the dialog was open.
void MeasureTotalDlg::WriteSettings() {
    brio::core::ProfileStore* store = brio::core::Application::getInstance().getProfileStore();
    if (store == nullptr)
        return;
    brio::core::ProfileValues values;
    values.emplace(L"marume1", _variant_t(m_nMarume1));
    values.emplace(L"marume2", _variant_t(m_nMarume2));
    values.emplace(L"unit1", _variant_t(m_nUnit1));
    values.emplace(L"unit2", _variant_t(m_nUnit2));
    values.emplace(L"drawList", _variant_t(static_cast<int>(m_bDrawList)));
    values.emplace(L"drawTotal", _variant_t(static_cast<int>(m_bDrawTotal)));
    values.emplace(L"close", _variant_t(static_cast<int>(m_bClose)));
    store->writeSection(kSection, &values);
    store->saveWindow(m_hWnd, kSection);
}

} // namespace brio::ui::measure
