// measure-host driven by scripts, as a tester or a host developer runs it: each scenario's whole
// output (JSON Lines) is compared with the expected one. Nothing in the events depends on time,
// addresses or the machine, so nothing is normalised.
//
// BR_UPDATE_EXPECTED=1 writes the outputs as the new expected files (read them before committing).
#include "HostProcess.h"

#include <MeasureTotalDlgIds.h>
#include <StopMarks.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <regex>

namespace {

using host::testing::HostRun;
using host::testing::ReadFile;
using host::testing::RunProcess;
using host::testing::ScratchDir;
using host::testing::SplitLines;

const std::string kScenarios = std::string(BR_EXPECTED_DIR) + "/../scenarios/";

HostRun RunHost(const ScratchDir& dir, const std::vector<std::string>& args, const std::string& input = "",
                std::map<std::string, std::string> env = {}) {
    env.emplace("BRIO_SETTINGS", dir.path() + "/settings.sqlite3");
    env.emplace("BRIO_LOG", dir.path() + "/measure-host.log");
    env.emplace("BRIO_LOG_LEVEL", "3");
    env.merge(host::testing::Headless());
    return RunProcess(BR_MEASURE_HOST, args, dir.path(), env, input);
}

// A readable account of where two event streams part.
std::string Difference(const std::vector<std::string>& expected, const std::vector<std::string>& actual) {
    std::string text;
    const size_t count = std::max(expected.size(), actual.size());
    for (size_t i = 0; i < count; ++i) {
        const std::string e = i < expected.size() ? expected[i] : "(nothing)";
        const std::string a = i < actual.size() ? actual[i] : "(nothing)";
        if (e != a) {
            text += "line " + std::to_string(i + 1) + "\n  expected: " + e + "\n  actual:   " + a + "\n";
        }
    }
    return text;
}

// The dialog's pixels follow its font, which differs between the platforms: on Windows the events are
// compared without the window's and the controls' pixel rectangles and the base units, which
// DialogGeometryTest holds against the stand-in's in dialog units instead.
std::vector<std::string> Comparable(std::vector<std::string> lines) {
#ifdef _WIN32
    const std::regex pixels(R"re("(window_rect|client|base_units|rect)":\[[-0-9,]*\])re");
    for (std::string& line : lines) {
        line = std::regex_replace(line, pixels, "\"$1\":[]");
    }
#endif
    return lines;
}

// The scenarios whose user input cannot go on yet on Windows, with their causes.
const std::map<std::string, const char*> kStopsOnWindows = {
    {"help_button", measure_test::windows_causes::kTooltipWaitsForItsTimer},
};

class ScriptScenario : public ::testing::TestWithParam<const char*> {};

TEST_P(ScriptScenario, PrintsTheExpectedEvents) {
    const std::string name = GetParam();
    if (kStopsOnWindows.count(name) != 0) {
        BR_STOPS_ON_WINDOWS(kStopsOnWindows.at(name));
    }
    ScratchDir dir;
    const HostRun run = RunHost(dir, {"--script", kScenarios + name + ".script"});
    const std::string expectedPath = std::string(BR_EXPECTED_DIR) + "/" + name + ".jsonl";
    if (std::getenv("BR_UPDATE_EXPECTED")) {
        std::ofstream(expectedPath, std::ios::binary) << run.out;
    }
    EXPECT_EQ(run.status, 0) << run.err;
    const auto expected = Comparable(SplitLines(ReadFile(expectedPath)));
    const auto actual = Comparable(SplitLines(run.out));
    EXPECT_TRUE(expected == actual) << Difference(expected, actual);
}

INSTANTIATE_TEST_SUITE_P(Scenarios, ScriptScenario,
                         ::testing::Values("five_mixed_signs", "delete_renumber", "unit_switch_m",
                                           "context_menu_grayed", "copy_rows_1_3", "draw_close_after",
                                           "close_then_new", "help_button", "main_frames"));

TEST(ScriptLines, BadLinesAreReportedAndTheRunGoesOn) {
    ScratchDir dir;
    const std::string script = "measure 12.5 1/100 線分\n"
                               "frobnicate 1\n"
                               "measure twelve 1/100 線分\n"
                               "measure 1 1/100\n"
                               "measure 1 1/100 線分 colour=red\n"
                               "click 9999\n"
                               "select 7\n"
                               "rclick \"unclosed\n"
                               "mainframe alive\n"
                               "key hyper\n"
                               "measure 7.5 1/100 線分 # a comment after a good line\n"
                               "summary\n";
    const HostRun run = RunHost(dir, {"--script", "-"}, script);
    EXPECT_EQ(run.status, 1);
    const auto lines = SplitLines(run.out);
    const std::vector<std::string> expected = {
        R"({"event":"measure","value":12.5,"scale":"1/100","element":"線分","area":0,"minus":0,"result":true})",
        R"({"event":"error","line":2,"message":"unknown command \"frobnicate\""})",
        R"({"event":"error","line":3,"message":"expected a number, got \"twelve\""})",
        R"({"event":"error","line":4,"message":"measure takes 3 to 5 arguments, got 2"})",
        R"({"event":"error","line":5,"message":"expected area=N or minus=N, got \"colour=red\""})",
        R"({"event":"error","line":6,"message":"the dialog has no control 9999"})",
        R"({"event":"error","line":7,"message":"no row 7 in a list of 1"})",
        R"({"event":"error","line":8,"message":"unclosed quote"})",
        R"({"event":"error","line":9,"message":"expected none|dead|live, got \"alive\""})",
        R"({"event":"error","line":10,"message":"no key named \"hyper\""})",
        R"({"event":"measure","value":7.5,"scale":"1/100","element":"線分","area":0,"minus":0,"result":true})",
        R"({"event":"summary","text":" "})",
    };
    EXPECT_TRUE(lines == expected) << Difference(expected, lines);
}

TEST(ScriptLines, CommandsThatNeedTheWindowFailWithoutIt) {
    ScratchDir dir;
    const HostRun run =
        RunHost(dir, {"--script", "-"},
                "dump\nclick " + std::to_string(IDC_BUTTON_DRAW) + "\nsummary\nsnapshot x.png\n");
    EXPECT_EQ(run.status, 1);
    const std::vector<std::string> expected = {
        R"({"event":"dump","window":"none"})",
        R"({"event":"error","line":2,"message":"the dialog has no window"})",
        R"({"event":"error","line":3,"message":"no dialog: nothing was measured yet"})",
        R"({"event":"error","line":4,"message":"the dialog has no window"})",
    };
    const auto lines = SplitLines(run.out);
    EXPECT_TRUE(lines == expected) << Difference(expected, lines);
}

// The dump reads what the user would read, whole: a scale text of 5,000 characters comes back as it went in,
// in the measure event and in the dumped row alike.
TEST(ScriptLines, TheDumpReadsALongScaleTextWhole) {
    ScratchDir dir;
    const std::string scale(5000, '7');
    const HostRun run = RunHost(dir, {"--script", "-"}, "measure 12.5 " + scale + " 線分\ndump\n");
    EXPECT_EQ(run.status, 0) << run.err;
    const auto lines = SplitLines(run.out);
    ASSERT_EQ(lines.size(), 2u) << run.out.substr(0, 300);
    const std::string cell = "\"scale\":\"" + scale + "\"";
    EXPECT_NE(lines[0].find(cell), std::string::npos) << "the measure event";
    EXPECT_NE(lines[1].find(cell), std::string::npos) << "the dumped row: " << lines[1].substr(0, 300);
}

TEST(ScriptLines, AGoodScriptEndsWithStatusZeroAndOnlyJsonOnStandardOutput) {
    ScratchDir dir;
    const HostRun run = RunHost(dir, {"--script", "-"}, "measure 1 1/100 線分\nmark done\n");
    EXPECT_EQ(run.status, 0) << run.err;
    for (const std::string& line : SplitLines(run.out)) {
        EXPECT_TRUE(line.size() > 2 && line.front() == '{' && line.back() == '}') << line;
    }
}

} // namespace
