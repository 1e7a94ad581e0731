// README's first command: with no display and no argument the program runs its sample and leaves the
// two pictures and the event log in out/ under the current directory.
#include "HostProcess.h"
#include "plan/PlanRenderer.h"

#include <gtest/gtest.h>

#include <cairo.h>

#include <filesystem>
#include <fstream>

namespace {

using host::testing::HostRun;
using host::testing::ReadFile;
using host::testing::RunProcess;
using host::testing::ScratchDir;
using host::testing::SplitLines;

TEST(SampleRun, WritesBothPicturesAndTheEventsAndSaysWhere) {
    ScratchDir dir;
    // Settings from an earlier run must not change the sample: it starts from its own empty file.
    std::filesystem::create_directories(dir.path() + "/out");
    std::ofstream(dir.path() + "/out/settings.sqlite3") << "left over";
    const HostRun run =
        RunProcess(BR_MEASURE_HOST, {}, dir.path(),
                   {{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"BRIO_LOG", ""}, {"BRIO_SETTINGS", ""}});
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    for (const char* file : {"out/dialog.png", "out/drawing.png", "out/events.jsonl"}) {
        EXPECT_NE(run.out.find(file), std::string::npos) << run.out;
        EXPECT_TRUE(std::filesystem::exists(dir.path() + "/" + file)) << file;
    }
    const auto events = SplitLines(ReadFile(dir.path() + "/out/events.jsonl"));
    ASSERT_FALSE(events.empty());
    int draws = 0;
    for (const std::string& event : events) {
        EXPECT_EQ(event.find(R"("event":"error")"), std::string::npos) << event;
        draws += event.find(R"("event":"draw")") != std::string::npos;
    }
    EXPECT_EQ(draws, 1);

    // The drawn summary sits at the last clicked point of the sample (470, 430).
    cairo_surface_t* drawing = cairo_image_surface_create_from_png((dir.path() + "/out/drawing.png").c_str());
    ASSERT_EQ(cairo_surface_status(drawing), CAIRO_STATUS_SUCCESS);
    const unsigned char* data = cairo_image_surface_get_data(drawing);
    const int stride = cairo_image_surface_get_stride(drawing);
    int ink = 0;
    for (int y = 436; y < 500; ++y) {
        for (int x = 476; x < 700; ++x) {
            const unsigned char* p = data + y * stride + x * 4;
            ink += p[0] > 120 && p[1] < 60 && p[2] < 60; // blue, green, red in memory
        }
    }
    EXPECT_GT(ink, 100);
    cairo_surface_destroy(drawing);

    cairo_surface_t* dialog = cairo_image_surface_create_from_png((dir.path() + "/out/dialog.png").c_str());
    ASSERT_EQ(cairo_surface_status(dialog), CAIRO_STATUS_SUCCESS);
    EXPECT_GT(cairo_image_surface_get_width(dialog), 300);
    cairo_surface_destroy(dialog);
}

} // namespace
