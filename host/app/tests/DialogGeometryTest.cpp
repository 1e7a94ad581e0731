// The dialog's layout on both platforms, side by side: each control's rectangle, as the script host's
// dump gives it in the dialog's pixels, turned back into dialog units with the dialog's base units,
// against the rectangles of the stand-in's run (expected/dialog_units.txt, written on Linux with
// BR_UPDATE_EXPECTED=1). Pixels differ between the platforms as their dialog fonts do; dialog units
// must not, beyond the rounding of MapDialogRect's pixels.
#include "HostProcess.h"

#include <MeasureTotalDlgIds.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

namespace {

using host::testing::HostRun;
using host::testing::ReadFile;
using host::testing::RunProcess;
using host::testing::ScratchDir;

using Rect = std::array<int, 4>; // left, top, right, bottom

#define NAMED(id)                                                                                            \
    { id, #id }
const std::map<int, std::string> kControlNames = {
    NAMED(IDC_CHK_DRAW_LIST), NAMED(IDC_LIST_LENGTH),    NAMED(IDC_CHK_DRAW_TOTAL),
    NAMED(IDC_EDIT_TOTAL),    NAMED(IDC_STATIC_UNIT),    NAMED(IDC_STATIC_MARUME1),
    NAMED(IDC_CMB_MARUME1),   NAMED(IDC_STATIC_MARUME2), NAMED(IDC_CMB_MARUME2),
    NAMED(IDC_BUTTON_DRAW),   NAMED(IDC_BUTTON_DELETE),  NAMED(IDC_BUTTON_DELETE_ALL),
    NAMED(IDC_GROUP_LENGTH),  NAMED(IDC_UNIT_RADIO1),    NAMED(IDC_UNIT_RADIO2),
    NAMED(IDC_GROUP_AREA),    NAMED(IDC_UNIT_RADIO4),    NAMED(IDC_UNIT_RADIO5),
    NAMED(IDC_CHK_CLOSE),
};
#undef NAMED

const std::string kExpected = std::string(BR_EXPECTED_DIR) + "/dialog_units.txt";

// Pixels back to dialog units: the inverse of MapDialogRect's MulDiv(units, base, 4) (or 8), rounded
// to the nearest unit.
int Units(int pixels, int base, int unitsPerBase) {
    const double units = static_cast<double>(pixels) * unitsPerBase / base;
    return static_cast<int>(units < 0 ? units - 0.5 : units + 0.5);
}

// Control name -> rectangle in dialog units, read from the dump.
std::map<std::string, Rect> DialogUnitsOf(const std::string& dump) {
    std::smatch base;
    if (!std::regex_search(dump, base, std::regex(R"("base_units":\[(\d+),(\d+)\])"))) {
        return {};
    }
    const int baseX = std::stoi(base[1]);
    const int baseY = std::stoi(base[2]);
    std::map<std::string, Rect> rects;
    const std::regex control(R"re("(\d+)":\{[^{}]*"rect":\[(-?\d+),(-?\d+),(-?\d+),(-?\d+)\]\})re");
    for (auto it = std::sregex_iterator(dump.begin(), dump.end(), control); it != std::sregex_iterator();
         ++it) {
        const auto name = kControlNames.find(std::stoi((*it)[1]));
        const std::string key = name != kControlNames.end() ? name->second : (*it)[1].str();
        rects[key] = Rect{Units(std::stoi((*it)[2]), baseX, 4), Units(std::stoi((*it)[3]), baseY, 8),
                          Units(std::stoi((*it)[4]), baseX, 4), Units(std::stoi((*it)[5]), baseY, 8)};
    }
    return rects;
}

std::map<std::string, Rect> ReadExpected() {
    std::map<std::string, Rect> rects;
    std::istringstream in(ReadFile(kExpected));
    std::string name;
    Rect r{};
    while (in >> name >> r[0] >> r[1] >> r[2] >> r[3]) {
        rects[name] = r;
    }
    return rects;
}

std::string Text(const Rect& r) {
    return std::to_string(r[0]) + " " + std::to_string(r[1]) + " " + std::to_string(r[2]) + " " +
           std::to_string(r[3]);
}

// The dump of a dialog as the first measurement opens it.
std::string FirstDump(const ScratchDir& dir) {
    auto env = host::testing::Headless();
    env.insert({{"BRIO_SETTINGS", dir.path() + "/settings.sqlite3"}, {"BRIO_LOG", dir.path() + "/host.log"}});
    const HostRun run =
        RunProcess(BR_MEASURE_HOST, {"--script", "-"}, dir.path(), env, "measure 1200 1/100 線分\ndump\n");
    EXPECT_EQ(run.status, 0) << run.err;
    const size_t at = run.out.find(R"({"event":"dump")");
    return at == std::string::npos ? std::string() : run.out.substr(at);
}

TEST(DialogGeometry, ControlRectanglesInDialogUnitsAreThoseOfTheStandInsRun) {
    ScratchDir dir;
    const std::map<std::string, Rect> actual = DialogUnitsOf(FirstDump(dir));
    ASSERT_EQ(actual.size(), kControlNames.size()) << "every control of the template, with the base units";
#if !defined(_WIN32)
    if (std::getenv("BR_UPDATE_EXPECTED")) {
        std::ofstream out(kExpected, std::ios::binary);
        for (const auto& [name, rect] : actual) {
            out << name << ' ' << Text(rect) << '\n';
        }
    }
#endif
    const std::map<std::string, Rect> expected = ReadExpected();
    ASSERT_EQ(expected.size(), kControlNames.size()) << kExpected;
    // Rounding: a pixel is less than a dialog unit, so converting it back may land one unit away.
    const int tolerance = 1;
    std::string table;
    for (const auto& [name, want] : expected) {
        const auto got = actual.find(name);
        const Rect seen = got != actual.end() ? got->second : Rect{-1, -1, -1, -1};
        bool same = true;
        for (size_t i = 0; i < 4; ++i) {
            same = same && std::abs(seen[i] - want[i]) <= tolerance;
        }
        if (!same) {
            table += name + ": stand-in " + Text(want) + ", here " + Text(seen) + "\n";
        }
    }
    EXPECT_TRUE(table.empty()) << table;
}

} // namespace
