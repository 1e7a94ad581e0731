#include "DialogFixture.h"

#include <MeasureTotalDlg.h>

#include <automation.h>
#include <brio/core/Application.h>

#include <commctrl.h>

namespace brio::ui::measure::test {

bool DialogTest::Measure(double value, BOOL minus, short areaFlag) {
    return Measure(Measurement(value, minus, areaFlag));
}

// The host's delete, nothing more: no message is handled afterwards.
void DialogTest::DeleteDialog() {
    delete m_pDlg;
    m_pDlg = nullptr;
}

std::wstring DialogTest::Cell(int row, int column) const {
    return measure_test::CellText(Control(IDC_LIST_LENGTH), row, column);
}

std::vector<std::wstring> DialogTest::Column(int column) const {
    std::vector<std::wstring> cells;
    for (int row = 0; row < Rows(); ++row)
        cells.push_back(Cell(row, column));
    return cells;
}

std::vector<int> DialogTest::SelectedRows() const {
    std::vector<int> rows;
    for (int row = 0; row < Rows(); ++row)
        if (SendMessageW(Control(IDC_LIST_LENGTH), LVM_GETITEMSTATE, static_cast<WPARAM>(row),
                         LVIS_SELECTED) &
            LVIS_SELECTED)
            rows.push_back(row);
    return rows;
}

int DialogTest::FocusedRow() const {
    return static_cast<int>(
        SendMessageW(Control(IDC_LIST_LENGTH), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
}

std::wstring DialogTest::WithThis(const wchar_t* text) const {
    const auto* dialog = dynamic_cast<MeasureTotalDlg*>(m_pDlg);
    wchar_t line[256];
    swprintf(line, 256, L"%ls  this=%x", text, static_cast<unsigned>(reinterpret_cast<uintptr_t>(dialog)));
    return line;
}

void DialogTest::DeselectAll() {
    for (int row : SelectedRows())
        automation::PickListRow(Control(IDC_LIST_LENGTH), row, automation::kCtrl);
}

std::map<std::wstring, long long> DialogTest::StoredSettings() const {
    std::map<std::wstring, long long> stored;
    for (auto& [key, value] : m_host.storedValues()) {
        _variant_t copy(value);
        EXPECT_TRUE(copy.vt == VT_INT || copy.vt == VT_I4) << Utf8(key) << " is stored as type " << copy.vt;
        copy.ChangeType(VT_I8);
        stored[key] = copy.llVal;
    }
    return stored;
}

void DialogTest::StoreSetting(const wchar_t* key, const _variant_t& value) {
    ASSERT_NE(brio::core::Application::getInstance().getProfileStore(), nullptr);
    m_host.storeSetting(key, value);
}

std::filesystem::path DialogTest::PictureDirectory() {
    std::filesystem::path directory = BR_PICTURE_DIR;
    std::filesystem::create_directories(directory);
    return directory;
}

} // namespace brio::ui::measure::test
