// The trace object over the host's log server: what reaches the log for each threshold, a server
// that refuses entries, direct lines, long texts, and the exception rule.
#include "DialogFixture.h"

#include "../trace/FunctionTrace.h"
#include "../trace/GuardedOperation.h"

#include <standin/LogServerFaults.h>

namespace brio::ui::measure::test {
namespace {

class Trace : public ::testing::Test {
protected:
    void SetUp() override { server().attachSink(&m_log); }
    void TearDown() override {
        server().attachSink(nullptr);
        standin::log_server::SetRefuseEntries(false);
        server().setLogLevel(9);
    }
    static brio::server::BrLogServer& server() { return brio::server::BrLogServer::getInstance(); }
    LogRecorder m_log;
};

TEST_F(Trace, TheThresholdAndARefusingServerDecideWhatIsWritten) {
    const LogEntry entry{3, L'>', L"MeasureTotalDlg: SetData()  this=beef"};
    const LogEntry exit{3, L'<', entry.text};
    const LogEntry error{4, L'-', L"コントロール(ID=" + std::to_wstring(IDC_STATIC_UNIT) + L") が無効"};
    const std::tuple<int, bool, std::vector<LogEntry>> cases[] = {
        {3, false, {entry, error, exit}}, {4, false, {error}}, {5, false, {}}, {3, true, {error}}};
    for (const auto& [threshold, refuse, written] : cases) {
        m_log.clear();
        server().setLogLevel(threshold);
        standin::log_server::SetRefuseEntries(refuse);
        {
            FunctionTrace trace;
            trace.write(L"MeasureTotalDlg: SetData()  this=%x", 0xBEEFu);
            WriteErrorLine(L"コントロール(ID=%d) が無効", IDC_STATIC_UNIT);
        }
        EXPECT_EQ(m_log.transcript(), Transcript(written)) << threshold << refuse;
    }
}

TEST_F(Trace, DirectLinesEmptyFormatsAndLongTexts) {
    server().setLogLevel(3);
    const std::wstring longText(3000, L'累');
    {
        FunctionTrace direct(3, true);
        direct.write(L"client rect = {l%d t%d r%d b%d}", 0, 0, 16, 40);
        FunctionTrace empty;
        empty.write(L"");
        FunctionTrace cut;
        cut.write(L"%ls", longText.c_str());
    }
    const std::wstring kept = longText.substr(0, FunctionTrace::kBufferChars - 1);
    EXPECT_EQ(m_log.transcript(),
              Transcript({{3, L'-', L"client rect = {l0 t0 r16 b40}"}, {3, L'>', kept}, {3, L'<', kept}}));
}

TEST_F(Trace, ALogFailingAtTheExitLosesOnlyThatLine) {
    server().setLogLevel(3);
    m_log.m_onEntry = [](const LogEntry& entry) {
        if (entry.mark == L'<')
            throw std::runtime_error("disk full");
    };
    {
        FunctionTrace trace;
        trace.write(L"MeasureTotalDlg: OnSize(%d, %d, %d)", 0, 374, 203);
    }
    m_log.m_onEntry = nullptr;
    EXPECT_EQ(m_log.transcript(), Transcript({{3, L'>', L"MeasureTotalDlg: OnSize(0, 374, 203)"}}));
}

TEST_F(Trace, AnExceptionClosesTheTraceThenWritesTheErrorLineAndGoesOn) {
    server().setLogLevel(3);
    EXPECT_THROW(GuardedOperation(L"MeasureTotalDlg: OnClose() 例外",
                                  [] {
                                      FunctionTrace trace;
                                      trace.write(L"MeasureTotalDlg: OnClose()  this=%x", 0x1234u);
                                      throw std::out_of_range("boom");
                                  }),
                 std::out_of_range);
    EXPECT_EQ(m_log.transcript(), Transcript({{3, L'>', L"MeasureTotalDlg: OnClose()  this=1234"},
                                              {3, L'<', L"MeasureTotalDlg: OnClose()  this=1234"},
                                              {4, L'-', L"MeasureTotalDlg: OnClose() 例外"}}));
    EXPECT_EQ(TraceAddress(reinterpret_cast<const void*>(uintptr_t{0x7f1289abcdefULL})), 0x89abcdefu);
}

} // namespace
} // namespace brio::ui::measure::test
