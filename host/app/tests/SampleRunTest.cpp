// README's first command: with no display and no argument the program runs its sample and leaves the
// two pictures and the event log in out/ under the current directory. (On Windows there is always a
// desktop, so the sample is asked for by name.) What the pictures show is the drawing's and the
// dialog's own tests' business; here they must be there, as PNGs of their windows' sizes.
#include "HostProcess.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

using host::testing::Headless;
using host::testing::HostRun;
using host::testing::ReadFile;
using host::testing::RunProcess;
using host::testing::ScratchDir;
using host::testing::SplitLines;

#if defined(_WIN32)
const std::vector<std::string> kSampleArguments = {"--sample"};
#else
const std::vector<std::string> kSampleArguments = {};
#endif

struct PngSize {
    unsigned width = 0;
    unsigned height = 0;
};

// The size a PNG file says it has (its IHDR chunk), 0 x 0 when the file is no PNG.
PngSize SizeOfPng(const std::string& path) {
    const std::string bytes = ReadFile(path);
    if (bytes.size() < 24 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0 ||
        bytes.compare(12, 4, "IHDR") != 0) {
        return {};
    }
    auto big = [&](size_t at) {
        unsigned value = 0;
        for (size_t i = 0; i < 4; ++i) {
            value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
        }
        return value;
    };
    return PngSize{big(16), big(20)};
}

TEST(SampleRun, WritesBothPicturesAndTheEventsAndSaysWhere) {
    ScratchDir dir;
    // Settings from an earlier run must not change the sample: it starts from its own empty file.
    std::filesystem::create_directories(dir.path() + "/out");
    std::ofstream(dir.path() + "/out/settings.sqlite3") << "left over";
    auto env = Headless();
    env.insert({{"BRIO_LOG", ""}, {"BRIO_SETTINGS", ""}});
    const HostRun run = RunProcess(BR_MEASURE_HOST, kSampleArguments, dir.path(), env);
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    for (const char* file : {"out/dialog.png", "out/drawing.png", "out/events.jsonl"}) {
        EXPECT_NE(run.out.find(file), std::string::npos) << run.out;
        EXPECT_TRUE(std::filesystem::exists(dir.path() + "/" + file)) << file;
    }
    const auto events = SplitLines(ReadFile(dir.path() + "/out/events.jsonl"));
    ASSERT_FALSE(events.empty());
    std::vector<std::string> draws;
    for (const std::string& event : events) {
        EXPECT_EQ(event.find(R"("event":"error")"), std::string::npos) << event;
        if (event.find(R"("event":"draw")") != std::string::npos) {
            draws.push_back(event);
        }
    }
    // The summary is drawn once, at the last clicked point of the sample.
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_NE(draws[0].find(R"("at":[470,430])"), std::string::npos) << draws[0];

    const PngSize drawing = SizeOfPng(dir.path() + "/out/drawing.png");
    EXPECT_EQ(drawing.width, 900u);
    EXPECT_EQ(drawing.height, 600u);
    EXPECT_GT(SizeOfPng(dir.path() + "/out/dialog.png").width, 300u);
}

} // namespace
