#include "FaultFixture.h"

#include <brio/server/BrLogServer.h>
#include <standin/hooks.h>

#include <cstdint>
#include <cstdio>

namespace reliability::test {

int Faults::s_nInjected = 0;
int Faults::s_nSurvived = 0;

namespace {

// Prints the figures once every test has run.
class FaultFigures : public ::testing::Environment {
public:
    void TearDown() override {
        std::printf("faults injected: %d, survived by the host: %d\n", Faults::s_nInjected,
                    Faults::s_nSurvived);
    }
};

const auto* const kFigures = ::testing::AddGlobalTestEnvironment(new FaultFigures);

} // namespace

void Faults::SetUp() {
    m_world = std::make_unique<DialogHost>(kSurvivingHost);
}

void Faults::TearDown() {
    m_world.reset();
}

brio::ui::measure::TMSRDATA Faults::Length(double value, BOOL minus) {
    brio::ui::measure::TMSRDATA data;
    data.bMinus = minus;
    data.dValue = value;
    data.strScale = L"1/100";
    data.strElement = L"線分";
    return data;
}

std::string Faults::AddressText(const brio::ui::measure::IMeasureTotalDlg* object) {
    // The dialog object starts with its CDialog part, whose address the traces print.
    const auto* dialog = dynamic_cast<const CWnd*>(object);
    char text[16];
    std::snprintf(text, sizeof text, "%x", static_cast<unsigned>(reinterpret_cast<uintptr_t>(dialog)));
    return text;
}

void Faults::Open(std::initializer_list<double> values) {
    for (double value : values) {
        bool handed = false;
        ASSERT_EQ(m_world->tryMeasure(Length(value), &handed), "");
        ASSERT_TRUE(handed);
    }
    ASSERT_NE(m_world->dialog(), nullptr);
}

std::vector<std::wstring> Faults::Column(int column) const {
    std::vector<std::wstring> cells;
    for (const RowView& row : View().rows)
        cells.push_back(row.cells[column]);
    return cells;
}

void Faults::Inject(const std::string& name) {
    m_strFault = name;
    ++s_nInjected;
}

void Faults::HostGoesOn() {
    SCOPED_TRACE("after the fault: " + m_strFault);
    m_world->setLogThrowing(false);
    m_world->setLogRefusing(false);
    m_world->setStorePresent(true);
    m_world->store().m_mode = StoreMode::Working;
    m_world->setMainFrame(MainFrame::Host);
    standin::SetClipboardOpenFails(false);
    const std::vector<RowView> before = View().rows;

    bool handed = false;
    const std::string escaped = m_world->tryMeasure(Length(777.0), &handed);
    const DialogView after = View();
    const bool lastRow = !after.rows.empty() &&
                         after.rows.back().cells[kColumnRawValue] == RawCellText(777.0) &&
                         after.rows.back().cells[kColumnNumber] == std::to_wstring(after.rows.size());
    bool kept = after.rows.size() == before.size() + 1;
    for (size_t i = 0; kept && i < before.size(); ++i)
        kept = before[i].cells[kColumnRawValue] == after.rows[i].cells[kColumnRawValue] &&
               before[i].cells[kColumnScale] == after.rows[i].cells[kColumnScale];
    const int depth = brio::server::BrLogServer::getInstance().openTraceDepth();

    EXPECT_EQ(escaped, "");
    EXPECT_TRUE(handed);
    EXPECT_TRUE(after.window && after.visible) << "no shown window";
    EXPECT_TRUE(lastRow) << "the measurement is not the last row";
    EXPECT_TRUE(kept) << "the rows that were there did not all stay";
    EXPECT_EQ(depth, 0) << "a trace was left open";
    if (escaped.empty() && handed && after.window && after.visible && lastRow && kept && depth == 0)
        ++s_nSurvived;
}

void Faults::ExpectNothingLeaked() {
    EXPECT_EQ(m_world->deleteDialog(), "");
    const standin::LiveObjects now = standin::CountLiveObjects();
    const standin::LiveObjects base = m_world->baseline();
    EXPECT_EQ(now.fonts, base.fonts) << m_strFault;
    EXPECT_EQ(now.brushes, base.brushes) << m_strFault;
    EXPECT_EQ(now.dcs, base.dcs) << m_strFault;
    EXPECT_EQ(now.menus, base.menus) << m_strFault;
    EXPECT_EQ(now.windows, base.windows) << m_strFault;
}

} // namespace reliability::test
