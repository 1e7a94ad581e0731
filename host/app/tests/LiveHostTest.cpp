// The live host on a virtual X display, seen from outside as a person sees it: the drawing's window,
// the dialog's window appearing after two clicks on elements, the total drawn into the drawing after
// "作図", and the desktop's clipboard holding the copied rows. The screen is read back from the X
// server (a second client), not from the host's own pictures.
#include "HostProcess.h"

#include <MeasureTotalDlgIds.h>

#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <cairo.h>

#include <array>
#include <chrono>
#include <climits>
#include <filesystem>
#include <functional>
#include <fstream>
#include <regex>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

using host::testing::ReadFile;
using host::testing::RunningProcess;
using host::testing::ScratchDir;

// Xvfb on the first free display number, which it tells through a pipe. The pipe stays open while the
// server runs: Xvfb writes to it again later and gives up when nobody reads.
class VirtualDisplay {
public:
    VirtualDisplay() {
        const char* candidates[] = {"/usr/bin/Xvfb", "/usr/local/bin/Xvfb"};
        std::string program;
        for (const char* candidate : candidates) {
            if (access(candidate, X_OK) == 0) {
                program = candidate;
            }
        }
        int number[2];
        if (program.empty() || pipe(number) != 0) {
            return;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, number[1], 3);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        std::vector<std::string> words = {program, "-displayfd",   "3",         "-screen",
                                          "0",     "1280x1024x24", "-nolisten", "tcp"};
        std::vector<char*> argv;
        for (auto& word : words) {
            argv.push_back(word.data());
        }
        argv.push_back(nullptr);
        if (posix_spawn(&m_pid, program.c_str(), &actions, nullptr, argv.data(), environ) != 0) {
            m_pid = -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        close(number[1]);
        pollfd ready{number[0], POLLIN, 0};
        char text[16] = {};
        if (m_pid > 0 && poll(&ready, 1, 10000) > 0 && read(number[0], text, sizeof text - 1) > 0) {
            m_name = ":" + std::to_string(std::atoi(text));
        }
        m_numberPipe = number[0];
    }
    ~VirtualDisplay() {
        if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            waitpid(m_pid, nullptr, 0);
        }
        if (m_numberPipe >= 0) {
            close(m_numberPipe);
        }
    }
    bool started() const { return !m_name.empty(); }
    const std::string& name() const { return m_name; }

private:
    pid_t m_pid = -1;
    int m_numberPipe = -1;
    std::string m_name;
};

using Rgb = std::array<int, 3>;

// What the X server shows: the whole screen, read as any screenshot tool reads it.
class ScreenShot {
public:
    explicit ScreenShot(Display* display) {
        const Window root = DefaultRootWindow(display);
        XWindowAttributes attributes{};
        XGetWindowAttributes(display, root, &attributes);
        m_width = attributes.width;
        m_height = attributes.height;
        m_image = XGetImage(display, root, 0, 0, m_width, m_height, AllPlanes, ZPixmap);
    }
    ~ScreenShot() {
        if (m_image) {
            XDestroyImage(m_image);
        }
    }
    Rgb at(int x, int y) const {
        const unsigned long pixel = XGetPixel(m_image, x, y);
        return {int((pixel >> 16) & 0xFF), int((pixel >> 8) & 0xFF), int(pixel & 0xFF)};
    }

private:
    XImage* m_image = nullptr;
    int m_width = 0;
    int m_height = 0;
};

// The CLIPBOARD selection as UTF-8, asked of its owner like a paste into another program does.
std::string DesktopClipboard(Display* display) {
    const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
    const Atom clipboard = XInternAtom(display, "CLIPBOARD", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    const Atom property = XInternAtom(display, "BR_PASTE", False);
    XConvertSelection(display, clipboard, utf8, property, window, CurrentTime);
    XFlush(display);
    std::string text;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (std::chrono::steady_clock::now() < deadline) {
        XEvent event;
        if (!XCheckTypedWindowEvent(display, window, SelectionNotify, &event)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            continue;
        }
        if (event.xselection.property != None) {
            Atom type = None;
            int format = 0;
            unsigned long count = 0;
            unsigned long after = 0;
            unsigned char* data = nullptr;
            XGetWindowProperty(display, window, property, 0, LONG_MAX / 4, False, AnyPropertyType, &type,
                               &format, &count, &after, &data);
            if (data) {
                text.assign(reinterpret_cast<char*>(data), count);
                XFree(data);
            }
        }
        break;
    }
    XDestroyWindow(display, window);
    return text;
}

// Where the top-level window with this title (as the desktop shows it, UTF-8) has its top left corner.
// A window manager puts each top-level window into a frame of its own: the search goes down the tree.
bool FindWindowUnder(Display* display, Window parentWindow, const std::string& title, int& x, int& y,
                     Window* found, int depth) {
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (depth > 3 || !XQueryTree(display, parentWindow, &root, &parent, &children, &count)) {
        return false;
    }
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    bool seen = false;
    for (unsigned i = 0; i < count && !seen; ++i) {
        Atom type = None;
        int format = 0;
        unsigned long length = 0;
        unsigned long after = 0;
        unsigned char* name = nullptr;
        XGetWindowProperty(display, children[i], netName, 0, 256, False, utf8, &type, &format, &length,
                           &after, &name);
        XWindowAttributes attributes{};
        XGetWindowAttributes(display, children[i], &attributes);
        if (name && title == reinterpret_cast<char*>(name) && attributes.map_state == IsViewable) {
            Window ignored = 0;
            seen = XTranslateCoordinates(display, children[i], root, 0, 0, &x, &y, &ignored);
            if (found) {
                *found = children[i];
            }
        }
        if (name) {
            XFree(name);
        }
        seen = seen || FindWindowUnder(display, children[i], title, x, y, found, depth + 1);
    }
    if (children) {
        XFree(children);
    }
    return seen;
}

bool FindWindow(Display* display, const std::string& title, int& x, int& y, Window* found = nullptr) {
    return FindWindowUnder(display, DefaultRootWindow(display), title, x, y, found, 0);
}

std::string FindEvent(const std::vector<std::string>& lines, const std::string& kind) {
    for (const std::string& line : lines) {
        if (line.find("\"event\":\"" + kind + "\"") != std::string::npos) {
            return line;
        }
    }
    return "";
}

int Count(const std::string& text, const std::string& part) {
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

constexpr int kWaitMs = 30000;

// The person's mouse on a window at (x, y) of it. Without the XTEST extension's help, the pointer is
// really moved (the X server makes the motion events, and the desktop's idea of where the pointer is
// stays true) while the button presses are sent as the server would deliver them.
void Mouse(Display* display, Window window, int type, int x, int y) {
    if (type == MotionNotify) {
        XWarpPointer(display, None, window, 0, 0, 0, 0, x, y);
    } else {
        XEvent event{};
        event.xbutton.type = type;
        event.xbutton.window = window;
        event.xbutton.root = DefaultRootWindow(display);
        event.xbutton.x = x;
        event.xbutton.y = y;
        event.xbutton.state = type == ButtonRelease ? Button1Mask : 0;
        event.xbutton.button = Button1;
        event.xbutton.same_screen = True;
        XSendEvent(display, window, True, type == ButtonPress ? ButtonPressMask : ButtonReleaseMask, &event);
    }
    XFlush(display);
    std::this_thread::sleep_for(std::chrono::milliseconds(40));
}

// A left-button drag in window coordinates (a click when both points are the same).
void Drag(Display* display, Window window, int x0, int y0, int x1, int y1) {
    Mouse(display, window, MotionNotify, x0, y0);
    Mouse(display, window, ButtonPress, x0, y0);
    for (int step = 1; step <= 4; ++step) {
        Mouse(display, window, MotionNotify, x0 + (x1 - x0) * step / 4, y0 + (y1 - y0) * step / 4);
    }
    Mouse(display, window, ButtonRelease, x1, y1);
    // The host reads its script and the desktop's events separately: give the events time to arrive
    // before the next script line asks about their effect.
    XSync(display, False);
    std::this_thread::sleep_for(std::chrono::milliseconds(250));
}

constexpr const char* kOpenbox = "/usr/bin/openbox";

// A window manager has taken the screen once the root window names its check window.
bool WaitForWindowManager(const std::string& name) {
    Display* display = XOpenDisplay(name.c_str());
    if (!display) {
        return false;
    }
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
    bool running = false;
    for (int attempt = 0; attempt < 100 && !running; ++attempt) {
        Atom type = None;
        int format = 0;
        unsigned long count = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False, XA_WINDOW, &type, &format,
                           &count, &after, &data);
        running = count == 1;
        if (data) {
            XFree(data);
        }
        if (!running) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }
    XCloseDisplay(display);
    return running;
}

// The live host on its own virtual display, with the test connected as another X client.
class LiveHost : public ::testing::Test {
protected:
    void SetUp() override {
        if (!m_x.started()) {
            GTEST_SKIP() << "Xvfb is not installed";
        }
        if (underWindowManager()) {
            ASSERT_EQ(access(kOpenbox, X_OK), 0) << kOpenbox << " is missing: scripts/install-deps brings it";
            m_windowManager =
                std::make_unique<RunningProcess>(kOpenbox, std::vector<std::string>{}, m_dir.path(),
                                                 std::map<std::string, std::string>{{"DISPLAY", m_x.name()}});
            ASSERT_TRUE(WaitForWindowManager(m_x.name())) << "openbox did not take the screen";
        }
        m_host = std::make_unique<RunningProcess>(
            BR_MEASURE_HOST, std::vector<std::string>{"--live", "--script", "-"}, m_dir.path(),
            std::map<std::string, std::string>{{"DISPLAY", m_x.name()},
                                               {"WAYLAND_DISPLAY", ""},
                                               {"BRIO_SETTINGS", m_dir.path() + "/settings.sqlite3"},
                                               {"BRIO_LOG", m_dir.path() + "/measure-host.log"},
                                               {"LSAN_OPTIONS", LeakOptions()}});
        ASSERT_TRUE(m_host->started());
        for (int attempt = 0; attempt < 50 && !m_display; ++attempt) {
            m_display = XOpenDisplay(m_x.name().c_str());
            if (!m_display) {
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
            }
        }
        ASSERT_NE(m_display, nullptr) << "no connection to " << m_x.name();
    }
    void TearDown() override {
        if (m_display) {
            XCloseDisplay(m_display);
        }
        if (m_host && m_host->started()) {
            m_host->writeLine("quit");
            EXPECT_EQ(m_host->wait(kWaitMs), 0) << m_host->errorOutput();
        }
    }
    // The project's leak suppressions, and one more for the live host: SDL's X11 driver opens a D-Bus
    // connection whose memory libdbus keeps until dbus_shutdown, which SDL never calls.
    std::string LeakOptions() const {
        const char* source = std::getenv("BR_SOURCE_DIR");
        std::string suppressions =
            source ? ReadFile(std::string(source) + "/tests/sanitizers/lsan.supp") : "";
        suppressions += "\nleak:libdbus-1.so\n";
        const std::string path = m_dir.path() + "/lsan.supp";
        std::ofstream(path) << suppressions;
        return "suppressions=" + path + ":print_suppressions=0";
    }

    // Runs script lines and returns what they printed, up to a mark of their end.
    std::vector<std::string> run(const std::vector<std::string>& script) {
        for (const std::string& line : script) {
            m_host->writeLine(line);
        }
        m_host->writeLine("mark end");
        auto lines = m_host->readUntil(R"({"event":"mark","text":"end"})", kWaitMs);
        EXPECT_FALSE(lines.empty()) << m_host->errorOutput();
        return lines;
    }

    // The fixture of the tests below that run with a window manager says so.
    virtual bool underWindowManager() const { return false; }

    VirtualDisplay m_x;
    ScratchDir m_dir;
    std::unique_ptr<RunningProcess> m_windowManager;
    std::unique_ptr<RunningProcess> m_host;
    Display* m_display = nullptr;
};

std::array<int, 4> WindowRect(const std::string& dump) {
    std::smatch rect;
    if (!std::regex_search(dump, rect, std::regex(R"("window_rect":\[(-?\d+),(-?\d+),(-?\d+),(-?\d+)\])"))) {
        return {0, 0, 0, 0};
    }
    return {std::stoi(rect[1]), std::stoi(rect[2]), std::stoi(rect[3]), std::stoi(rect[4])};
}

TEST_F(LiveHost, MeasuresInTheDrawingShowsTheDialogDrawsTheTotalAndCopiesToTheDesktop) {
    // Two elements of the drawing: the kitchen counter (3000 mm) and the skirting run (6900 mm).
    auto lines = run({"plan-click 120 101", "plan-click 100 336", "dump", "snapshot dialog.png"});
    int measured = 0;
    for (const std::string& line : lines) {
        measured += line.find(R"("event":"measure")") != std::string::npos &&
                    line.find(R"("result":true)") != std::string::npos;
    }
    EXPECT_EQ(measured, 2);
    const std::string dump = FindEvent(lines, "dump");
    EXPECT_EQ(Count(dump, "\"no\":"), 2) << dump;
    const auto [left, top, right, bottom] = WindowRect(dump);
    ASSERT_GT(right, left) << dump;

    // The screen shows the dialog where the stand-in has it, as the stand-in paints it.
    {
        ScreenShot screen(m_display);
        cairo_surface_t* picture =
            cairo_image_surface_create_from_png((m_dir.path() + "/dialog.png").c_str());
        ASSERT_EQ(cairo_surface_status(picture), CAIRO_STATUS_SUCCESS);
        ASSERT_EQ(cairo_image_surface_get_width(picture), right - left);
        const unsigned char* data = cairo_image_surface_get_data(picture);
        const int stride = cairo_image_surface_get_stride(picture);
        int same = 0;
        int all = 0;
        for (int y = 0; y < bottom - top; ++y) {
            for (int x0 = 0; x0 < right - left; ++x0) {
                const unsigned char* p = data + y * stride + x0 * 4;
                same += screen.at(left + x0, top + y) == Rgb{p[2], p[1], p[0]};
                ++all;
            }
        }
        EXPECT_GT(same, all * 95 / 100) << same << " of " << all << " pixels as painted";
        cairo_surface_destroy(picture);
    }

    // "累計" checked, then "作図", both clicked on the dialog's window on the desktop.
    lines = run({"click " + std::to_string(IDC_CHK_DRAW_TOTAL), "click " + std::to_string(IDC_BUTTON_DRAW)});
    const std::string draw = FindEvent(lines, "draw");
    EXPECT_NE(draw.find("累計 9900 mm"), std::string::npos) << draw;
    {
        // The drawn text sits right below the last clicked point (100, 336) of the sheet, which is the
        // client area of the drawing's window: inside its fixed frame (3 px) and caption (19 px).
        int planX = 0;
        int planY = 0;
        ASSERT_TRUE(FindWindow(m_display, "measure-host 図面", planX, planY));
        planX += 3;
        planY += 3 + 19;
        ScreenShot screen(m_display);
        int ink = 0;
        for (int y = planY + 342; y < planY + 362; ++y) {
            for (int x0 = planX + 106; x0 < planX + 220; ++x0) {
                const bool underDialog = x0 >= left && x0 < right && y >= top && y < bottom;
                const Rgb c = screen.at(x0, y);
                ink += !underDialog && c[2] > 120 && c[0] < 60 && c[1] < 60;
            }
        }
        EXPECT_GT(ink, 30) << "no drawn text below the clicked point";
    }

    // Both rows copied through the context menu reach the desktop's clipboard.
    lines = run({"select all", "rclick " + std::to_string(ID_LIST_COPY_ALL)});
    EXPECT_NE(FindEvent(lines, "clipboard"), "");
    EXPECT_EQ(DesktopClipboard(m_display),
              "1\t1/100\t線分\t 3000\tmm\r\n2\t1/100\tポリライン\t 6900\tmm\r\n");
}

// The dialog's own frame, used from the desktop: the sizing border, the help button and ×. Their
// places follow the stand-in's frame metrics (4-pixel border, 19-pixel caption with 16-pixel buttons).
TEST_F(LiveHost, TheDialogsFrameIsUsedWithTheMouse) {
    auto lines = run({"measure 1200 1/100 線分", "dump"});
    const auto [left, top, right, bottom] = WindowRect(FindEvent(lines, "dump"));
    int x = 0;
    int y = 0;
    Window dialog = 0;
    ASSERT_TRUE(FindWindow(m_display, "累計ダイアログ", x, y, &dialog));
    EXPECT_EQ(x, left);
    EXPECT_EQ(y, top);
    const int width = right - left;
    const int height = bottom - top;

    Drag(m_display, dialog, width - 2, height - 2, width + 38, height + 28);
    lines = run({"dump"});
    EXPECT_EQ(WindowRect(FindEvent(lines, "dump")), (std::array<int, 4>{left, top, right + 40, bottom + 30}));

    Drag(m_display, dialog, width + 40 - 32, 12, width + 40 - 32, 12);
    lines = run({"dump"});
    EXPECT_EQ(FindEvent(lines, "help"), R"({"event":"help","topic":"DLG_HLP_MEASURE_TOTAL"})");
    EXPECT_NE(FindEvent(lines, "dump").find(R"("window":"open")"), std::string::npos);
    // The person sees an answer too: a notice beside the dialog, which goes on working.
    int noticeX = 0;
    int noticeY = 0;
    bool notice = false;
    for (int attempt = 0; attempt < 40 && !notice; ++attempt) {
        notice = FindWindow(m_display, "ヘルプ", noticeX, noticeY);
        std::this_thread::sleep_for(std::chrono::milliseconds(notice ? 0 : 50));
    }
    EXPECT_TRUE(notice) << "no help notice on the screen";

    Drag(m_display, dialog, width + 40 - 13, 12, width + 40 - 13, 12);
    lines = run({"dump"});
    EXPECT_EQ(FindEvent(lines, "dump"), R"({"event":"dump","window":"closed"})");
}

// What a person does with the real mouse and keyboard, through the X server's test extension as
// xdotool does it: the pointer moves, the keyboard goes where the desktop's focus is.
constexpr const char* kXdotool = "/usr/bin/xdotool";

// The list's values as the dump gives them, a subtracted row's with its "-".
std::vector<std::string> Rows(const std::string& dump) {
    std::vector<std::string> rows;
    const std::regex row(R"re("sign":"(.)","value":"([^"]*)")re");
    for (auto at = std::sregex_iterator(dump.begin(), dump.end(), row); at != std::sregex_iterator(); ++at) {
        rows.push_back(((*at)[1] == "-" ? "-" : "") + (*at)[2].str());
    }
    return rows;
}

std::string Field(const std::string& dump, const std::string& pattern) {
    std::smatch found;
    return std::regex_search(dump, found, std::regex(pattern)) ? found[1].str() : "";
}

class LiveDesktop : public LiveHost {
protected:
    void SetUp() override {
        LiveHost::SetUp();
        if (!IsSkipped() && !HasFatalFailure()) {
            ASSERT_EQ(access(kXdotool, X_OK), 0) << kXdotool << " is missing: scripts/install-deps brings it";
        }
    }
    void xdotool(const std::vector<std::string>& words) {
        const auto run = host::testing::RunProcess(kXdotool, words, m_dir.path(), {{"DISPLAY", m_x.name()}});
        ASSERT_EQ(run.status, 0) << run.err;
    }
    // A click at a point of a window's client area (the window found by its title).
    void click(const std::string& title, int x, int y, const std::string& button = "1",
               const std::string& modifier = "") {
        int left = 0;
        int top = 0;
        bool shown = false;
        for (int attempt = 0; attempt < 100 && !shown; ++attempt) {
            shown = FindWindow(m_display, title, left, top);
            if (!shown) {
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
        }
        ASSERT_TRUE(shown) << title << " is not on the screen";
        const auto [frameX, frameY] = title == kDrawing ? std::pair{3, 3 + 19} : std::pair{4, 4 + 19};
        std::vector<std::string> words = {"mousemove", std::to_string(left + frameX + x),
                                          std::to_string(top + frameY + y)};
        if (!modifier.empty()) {
            words.insert(words.end(), {"keydown", modifier});
        }
        words.insert(words.end(), {"click", button});
        if (!modifier.empty()) {
            words.insert(words.end(), {"keyup", modifier});
        }
        xdotool(words);
    }
    void keys(const std::vector<std::string>& names) {
        std::vector<std::string> words = {"key", "--delay", "40"};
        words.insert(words.end(), names.begin(), names.end());
        xdotool(words);
    }
    // The host's dump once it shows what the desktop's input did (the host reads the script and the
    // desktop's events separately, so the effect is waited for).
    std::string dumpWhen(const std::function<bool(const std::string&)>& done) {
        std::string dump;
        for (int attempt = 0; attempt < 50; ++attempt) {
            dump = FindEvent(run({"dump"}), "dump");
            if (done(dump)) {
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return dump;
    }
    std::string dumpWithRows(const std::vector<std::string>& rows) {
        return dumpWhen([&](const std::string& dump) { return Rows(dump) == rows; });
    }

    void popupsThenShiftClick();

    static constexpr const char* kDrawing = "measure-host 図面";
    static constexpr const char* kDialog = "累計ダイアログ";
    // Client points of the dialog at its template size: the list's first row, the rounding place's
    // combo (its open list starts below it, a line of the dialog's font and 2 pixels an item), and
    // "すべて削除".
    static constexpr std::pair<int, int> kFirstRow{90, 37};
    static constexpr std::pair<int, int> kPlaceCombo{90, 186};
    static constexpr int kPlaceListTop = 196 + 1;
    static constexpr int kItemHeight = 14;
    static constexpr std::pair<int, int> kDeleteAll{336, 67};
};

// The plan's kitchen counter (3000 mm) and skirting run (6900 mm), in its client coordinates.
constexpr std::pair<int, int> kCounter{120, 101};
constexpr std::pair<int, int> kSkirting{100, 336};

// The same person with and without a window manager: three measurements, then each popup in turn,
// and the list still takes Delete after it; at the end a Shift-click on the drawing.
void LiveDesktop::popupsThenShiftClick() {
    click(kDrawing, kCounter.first, kCounter.second);
    click(kDrawing, kSkirting.first, kSkirting.second);
    click(kDrawing, kCounter.first, kCounter.second);
    ASSERT_EQ(Rows(dumpWithRows({"3000", "6900", "3000"})),
              (std::vector<std::string>{"3000", "6900", "3000"}));

    // The shown dialog left the keyboard with the drawing: Delete there deletes nothing.
    keys({"Delete"});
    click(kDialog, kFirstRow.first, kFirstRow.second);
    keys({"Delete"});
    EXPECT_EQ(Rows(dumpWithRows({"6900", "3000"})), (std::vector<std::string>{"6900", "3000"}));

    // The drop-down list takes the arrows and Return, and gives the keys back when it closes.
    click(kDialog, kPlaceCombo.first, kPlaceCombo.second);
    keys({"Home", "Down", "Down", "Down", "Up", "Return"});
    std::string dump = dumpWhen([](const std::string& d) { return Field(d, R"("1355":(\d+))") == "2"; });
    EXPECT_EQ(Field(dump, R"("1355":(\d+))"), "2") << dump;
    EXPECT_EQ(Field(dump, R"re("total":"([^"]*)")re"), "9900.0") << dump;
    click(kDialog, kPlaceCombo.first, kPlaceCombo.second);
    keys({"End", "Escape", "F4", "Home", "F4"});
    dump = dumpWhen([](const std::string& d) { return Field(d, R"("1355":(\d+))") == "0"; });
    EXPECT_EQ(Field(dump, R"re("total":"([^"]*)")re"), "9900") << dump;

    // The context menu, dismissed with Esc.
    click(kDialog, kFirstRow.first, kFirstRow.second, "3");
    keys({"Escape"});
    keys({"Delete"});
    EXPECT_EQ(Rows(dumpWithRows({"3000"})), (std::vector<std::string>{"3000"}));

    // The message box of "すべて削除", answered "いいえ" with the keys; the list still takes Delete.
    click(kDialog, kDeleteAll.first, kDeleteAll.second);
    keys({"Right", "Return"});
    click(kDialog, kFirstRow.first, kFirstRow.second);
    keys({"Delete"});
    EXPECT_EQ(Rows(dumpWithRows({})), std::vector<std::string>{});

    // Shift held on the keyboard while the drawing is clicked: the element is subtracted, also when
    // the keyboard was with another program until that click.
    click(kDrawing, kSkirting.first, kSkirting.second);
    const Window other =
        XCreateSimpleWindow(m_display, DefaultRootWindow(m_display), 1000, 900, 100, 50, 0, 0, 0);
    XMapWindow(m_display, other);
    XWindowAttributes otherState{};
    for (int attempt = 0; attempt < 100 && otherState.map_state != IsViewable; ++attempt) {
        // A window manager maps it in its own time.
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        XGetWindowAttributes(m_display, other, &otherState);
    }
    xdotool({"windowfocus", "--sync", std::to_string(other)});
    click(kDrawing, kCounter.first, kCounter.second, "1", "shift");
    XDestroyWindow(m_display, other);
    dump = dumpWithRows({"6900", "-3000"});
    EXPECT_EQ(Rows(dump), (std::vector<std::string>{"6900", "-3000"})) << dump;
    EXPECT_EQ(Field(dump, R"re("total":"([^"]*)")re"), "3900") << dump;
}

TEST_F(LiveDesktop, AfterEveryPopupTheDialogTakesKeysAndAShiftClickSubtracts) {
    popupsThenShiftClick();
}

class LiveDesktopWithWindowManager : public LiveDesktop {
protected:
    bool underWindowManager() const override { return true; }
};

TEST_F(LiveDesktopWithWindowManager, AfterEveryPopupTheDialogTakesKeysAndAShiftClickSubtracts) {
    popupsThenShiftClick();
}

TEST_F(LiveDesktopWithWindowManager, MovesAndSizesReachTheDialogAndFirstClicksCount) {
    click(kDrawing, kCounter.first, kCounter.second);
    ASSERT_EQ(Rows(dumpWithRows({"3000"})), std::vector<std::string>{"3000"});
    Window dialog = 0;
    int x = 0;
    int y = 0;
    ASSERT_TRUE(FindWindow(m_display, kDialog, x, y, &dialog));
    const std::string id = std::to_string(dialog);

    // Moved by the window manager: the window's rectangle follows, and the drop-down list opens
    // under the combo at its new place (a click on its third item picks that item).
    xdotool({"windowmove", id, "420", "160"});
    std::string dump = dumpWhen([](const std::string& d) { return WindowRect(d)[0] == 420; });
    EXPECT_EQ(WindowRect(dump), (std::array<int, 4>{420, 160, 420 + 382, 160 + 230})) << dump;
    click(kDialog, kPlaceCombo.first, kPlaceCombo.second);
    click(kDialog, kPlaceCombo.first, kPlaceListTop + kItemHeight * 2 + kItemHeight / 2);
    dump = dumpWhen([](const std::string& d) { return Field(d, R"("1355":(\d+))") == "2"; });
    EXPECT_EQ(Field(dump, R"("1355":(\d+))"), "2") << dump;

    // Sized by the window manager: larger as asked, smaller only down to the dialog's minimum.
    xdotool({"windowsize", id, "520", "330"});
    dump = dumpWhen([](const std::string& d) { return WindowRect(d)[2] == 420 + 520; });
    EXPECT_EQ(WindowRect(dump), (std::array<int, 4>{420, 160, 420 + 520, 160 + 330})) << dump;
    xdotool({"windowsize", id, "200", "100"});
    dump = dumpWhen([](const std::string& d) { return WindowRect(d)[2] == 420 + 382; });
    EXPECT_EQ(WindowRect(dump), (std::array<int, 4>{420, 160, 420 + 382, 160 + 230})) << dump;

    // The first click after switching between the drawing and the dialog counts on both.
    click(kDrawing, kSkirting.first, kSkirting.second);
    EXPECT_EQ(Rows(dumpWithRows({"3000.0", "6900.0"})), (std::vector<std::string>{"3000.0", "6900.0"}));
    click(kDialog, kFirstRow.first, kFirstRow.second);
    keys({"Delete"});
    EXPECT_EQ(Rows(dumpWithRows({"6900.0"})), std::vector<std::string>{"6900.0"});
}

} // namespace
