// The trace object over the host's log server: what reaches the log for each threshold, a server
// that refuses entries, direct lines, and texts longer than the trace's buffer.
#include "DialogHarness.h"

#include "../trace/FunctionTrace.h"
#include "../trace/GuardedOperation.h"

namespace brio::ui::measure::test {
namespace {

class Trace : public ::testing::Test {
protected:
    void SetUp() override { server().attachSink(&m_log); }
    void TearDown() override {
        server().attachSink(nullptr);
        server().setRefuseEntries(false);
        server().setLogLevel(9);
    }
    static brio::server::BrLogServer& server() { return brio::server::BrLogServer::getInstance(); }

    // One operation as the dialog writes it: a function trace, and an error line inside it.
    void TracedOperationWithErrorLine() {
        FunctionTrace trace;
        trace.write(L"MeasureTotalDlg: SetData()  this=%x", 0xBEEFu);
        WriteErrorLine(L"コントロール(ID=%d) が無効", 1350);
    }

    RecordingSink m_log;
};

TEST_F(Trace, TheThresholdDecidesWhatIsWritten) {
    struct Case {
        int threshold;
        std::vector<LogEntry> written;
    };
    const Case cases[] = {
        {3,
         {{3, L'>', L"MeasureTotalDlg: SetData()  this=beef"},
          {4, L'-', L"コントロール(ID=1350) が無効"},
          {3, L'<', L"MeasureTotalDlg: SetData()  this=beef"}}},
        {4, {{4, L'-', L"コントロール(ID=1350) が無効"}}},
        {5, {}},
    };
    for (const Case& c : cases) {
        m_log.clear();
        server().setLogLevel(c.threshold);
        TracedOperationWithErrorLine();
        EXPECT_EQ(m_log.transcript(), Transcript(c.written)) << "threshold " << c.threshold;
    }
}

TEST_F(Trace, ARefusedEntryWritesNoExit) {
    server().setLogLevel(3);
    server().setRefuseEntries(true);
    TracedOperationWithErrorLine();
    server().setRefuseEntries(false);
    EXPECT_EQ(m_log.transcript(), Transcript({{4, L'-', L"コントロール(ID=1350) が無効"}}));
}

TEST_F(Trace, ADirectLineIsWrittenOnceAndNothingAtClose) {
    server().setLogLevel(3);
    {
        FunctionTrace line(3, true);
        line.write(L"MeasureTotalDlg: OnPaint(): client rect = {l%d t%d r%d b%d}", 0, 0, 16, 40);
    }
    EXPECT_EQ(m_log.transcript(),
              Transcript({{3, L'-', L"MeasureTotalDlg: OnPaint(): client rect = {l0 t0 r16 b40}"}}));
}

TEST_F(Trace, AnEmptyFormatSilencesTheTrace) {
    server().setLogLevel(3);
    {
        FunctionTrace trace;
        trace.write(L"");
        trace.write(L"too late");
    }
    EXPECT_EQ(m_log.transcript(), "");
}

TEST_F(Trace, ATextLongerThanTheBufferIsCut) {
    server().setLogLevel(3);
    const std::wstring longText(3000, L'累');
    {
        FunctionTrace trace;
        trace.write(L"%ls", longText.c_str());
    }
    ASSERT_EQ(m_log.entries().size(), 2u);
    EXPECT_EQ(m_log.entries()[0].text, longText.substr(0, FunctionTrace::kBufferChars - 1));
    EXPECT_EQ(m_log.entries()[1].text, m_log.entries()[0].text);
}

// The exception rule: the operation's own exit first, then its error line, then the same exception.
TEST_F(Trace, AnExceptionClosesTheTraceThenWritesTheErrorLineAndGoesOn) {
    server().setLogLevel(3);
    const std::runtime_error original("boom");
    try {
        GuardedOperation(L"MeasureTotalDlg: OnClose() 例外", [&] {
            FunctionTrace trace;
            trace.write(L"MeasureTotalDlg: OnClose()  this=%x", 0x1234u);
            throw original;
        });
        FAIL() << "the exception must go on";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "boom");
    }
    EXPECT_EQ(m_log.transcript(), Transcript({{3, L'>', L"MeasureTotalDlg: OnClose()  this=1234"},
                                              {3, L'<', L"MeasureTotalDlg: OnClose()  this=1234"},
                                              {4, L'-', L"MeasureTotalDlg: OnClose() 例外"}}));
}

TEST_F(Trace, AnAddressPrintsItsLowThirtyTwoBits) {
    EXPECT_EQ(TraceAddress(reinterpret_cast<const void*>(uintptr_t{0x7f12'89ab'cdefULL})), 0x89abcdefu);
}

} // namespace
} // namespace brio::ui::measure::test
