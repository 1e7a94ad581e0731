// The log server as component traces use it: the threshold decides, a refused entry is not
// written, exits close their nesting, the sink sees accepted entries in order, and the file gets
// one UTF-8 line per entry with time, level, mark and indentation.
#include "TestSupport.h"

#include <cstdlib>
#include <fstream>
#include <functional>
#include <regex>
#include <sstream>
#include <stdexcept>

namespace brio::test {
namespace {

using LogServer = LoggedTest;

// A component-style trace: entry, optional nested work, exit only when the entry was accepted.
void traced(server::BrLogServer& log, int level, const wchar_t* text,
            const std::function<void()>& body = {}) {
    if (log.getLogLevel() > level) {
        if (body)
            body();
        return;
    }
    const bool wantsExit = log.writeTrace(level, text, true);
    if (body)
        body();
    if (wantsExit)
        log.writeTrace(level, text, false);
}

TEST_F(LogServer, ThresholdDecidesWhatIsWritten) {
    struct Case {
        int threshold;
        std::vector<LogEntry> expected;
    } const cases[] = {
        {3, {{3, L'>', L"SetData()"}, {4, L'-', L"SetData() 例外"}, {3, L'<', L"SetData()"}}},
        {4, {{4, L'-', L"SetData() 例外"}}},
        {5, {}},
    };
    for (const Case& c : cases) {
        RecordingSink sink;
        server().attachSink(&sink);
        server().setLogLevel(c.threshold);
        EXPECT_EQ(server().getLogLevel(), c.threshold);
        traced(server(), 3, L"SetData()", [] { server().writeLog(4, L"SetData() 例外"); });
        EXPECT_EQ(sink.entries(), c.expected) << "threshold " << c.threshold;
        EXPECT_EQ(server().openTraceDepth(), 0);
    }
}

TEST_F(LogServer, RefusedEntryIsNotWrittenAndHasNoExit) {
    server().setLogLevel(3);
    standin::log_server::SetRefuseEntries(true);
    traced(server(), 3, L"OnSize()");
    EXPECT_FALSE(server().writeTrace(4, L"anything", true));
    standin::log_server::SetRefuseEntries(false);
    traced(server(), 3, L"OnPaint()");
    const std::vector<LogEntry> expected{{3, L'>', L"OnPaint()"}, {3, L'<', L"OnPaint()"}};
    EXPECT_EQ(m_sink.entries(), expected);
    EXPECT_EQ(server().openTraceDepth(), 0);
}

TEST_F(LogServer, DirectLineIsWrittenOnceWithoutNesting) {
    server().setLogLevel(3);
    server().writeLog(4, L"コントロール(ID=1313) が無効");
    const std::vector<LogEntry> expected{{4, L'-', L"コントロール(ID=1313) が無効"}};
    EXPECT_EQ(m_sink.entries(), expected);
    EXPECT_EQ(server().openTraceDepth(), 0);
}

TEST_F(LogServer, NestedTracesIndentAndExitsCloseEvenWhenSilenced) {
    server().setLogLevel(3);
    ASSERT_TRUE(server().writeTrace(3, L"outer", true));
    ASSERT_TRUE(server().writeTrace(3, L"inner", true));
    EXPECT_EQ(server().openTraceDepth(), 2);
    server().setLogLevel(5); // raised while both traces are open
    EXPECT_FALSE(server().writeTrace(3, L"inner", false));
    EXPECT_EQ(server().openTraceDepth(), 1) << "a silenced exit still ends its trace";
    server().setLogLevel(3);
    EXPECT_TRUE(server().writeTrace(3, L"outer", false));
    EXPECT_EQ(server().openTraceDepth(), 0);
    EXPECT_TRUE(server().writeTrace(3, L"stray exit", false));
    EXPECT_EQ(server().openTraceDepth(), 0) << "an exit without an entry cannot make the depth negative";
}

TEST_F(LogServer, InjectedWriteFailureThrowsAndWritesNothing) {
    server().setLogLevel(3);
    standin::log_server::SetThrowOnWrite(true);
    EXPECT_THROW(server().writeLog(4, L"x"), std::runtime_error);
    EXPECT_THROW(server().writeTrace(3, L"x", true), std::runtime_error);
    standin::log_server::SetThrowOnWrite(false);
    EXPECT_TRUE(m_sink.entries().empty());
    EXPECT_EQ(server().openTraceDepth(), 0);
}

class LogFile : public LoggedTest {
protected:
    void SetUp() override {
        LoggedTest::SetUp();
        m_saved = std::getenv("BRIO_LOG") != nullptr ? std::getenv("BRIO_LOG") : "";
        SetEnvironment("BRIO_LOG", m_folder / "logs/host.log");
        SetEnvironment("BRIO_LOG_LEVEL", "3");
    }
    void TearDown() override {
        SetEnvironment("BRIO_LOG", m_saved.c_str());
        SetEnvironment("BRIO_LOG_LEVEL", "9");
        LoggedTest::TearDown();
    }
    std::vector<std::string> lines() const {
        std::ifstream in(m_folder / "logs/host.log");
        std::vector<std::string> all;
        for (std::string line; std::getline(in, line);)
            all.push_back(line);
        return all;
    }

    TempFolder m_folder;
    std::string m_saved;
};

TEST_F(LogFile, WritesOneUtf8LinePerEntryWithIndentation) {
    server().reopen(); // reads BRIO_LOG and BRIO_LOG_LEVEL set above; makes the folder
    EXPECT_EQ(server().getLogLevel(), 3);
    traced(server(), 3, L"MeasureTotalDlg: SetData()  this=1a2b3c", [] {
        traced(server(), 3, L"MeasureTotalDlg: UpdateString()");
        server().writeLog(4, L"値\nsecond");
    });
    server().writeLog(2, L"below the threshold");

    const std::vector<std::string> written = lines();
    ASSERT_EQ(written.size(), 5u);
    const std::string stamp = R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3} )";
    const std::string expected[] = {
        stamp + R"(3 > MeasureTotalDlg: SetData\(\)  this=1a2b3c)",
        stamp + R"(3 >   MeasureTotalDlg: UpdateString\(\))",
        stamp + R"(3 <   MeasureTotalDlg: UpdateString\(\))",
        stamp + "4 -   \xe5\x80\xa4\\\\nsecond",
        stamp + R"(3 < MeasureTotalDlg: SetData\(\)  this=1a2b3c)",
    };
    for (size_t i = 0; i < written.size(); ++i)
        EXPECT_TRUE(std::regex_match(written[i], std::regex(expected[i]))) << written[i];
}

} // namespace
} // namespace brio::test
