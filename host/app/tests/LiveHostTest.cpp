// The live host on a virtual X display, seen from outside as a person sees it: the drawing's window,
// the dialog's window appearing after two clicks on elements, the total drawn into the drawing after
// "作図", and the desktop's clipboard holding the copied rows. The screen is read back from the X
// server (a second client), not from the host's own pictures.
#include "HostProcess.h"

#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <cairo.h>

#include <array>
#include <chrono>
#include <climits>
#include <filesystem>
#include <regex>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

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
bool FindWindow(Display* display, const std::string& title, int& x, int& y) {
    Window root = DefaultRootWindow(display);
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, root, &root, &parent, &children, &count)) {
        return false;
    }
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    bool found = false;
    for (unsigned i = 0; i < count && !found; ++i) {
        Atom type = None;
        int format = 0;
        unsigned long length = 0;
        unsigned long after = 0;
        unsigned char* name = nullptr;
        XGetWindowProperty(display, children[i], netName, 0, 256, False, utf8, &type, &format, &length,
                           &after, &name);
        if (name && title == reinterpret_cast<char*>(name)) {
            Window ignored = 0;
            found = XTranslateCoordinates(display, children[i], root, 0, 0, &x, &y, &ignored);
        }
        if (name) {
            XFree(name);
        }
    }
    if (children) {
        XFree(children);
    }
    return found;
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

TEST(LiveHost, MeasuresInTheDrawingShowsTheDialogDrawsTheTotalAndCopiesToTheDesktop) {
    VirtualDisplay x;
    if (!x.started()) {
        GTEST_SKIP() << "Xvfb is not installed";
    }
    ScratchDir dir;
    RunningProcess host(BR_MEASURE_HOST, {"--live", "--script", "-"}, dir.path(),
                        {{"DISPLAY", x.name()},
                         {"WAYLAND_DISPLAY", ""},
                         {"BRIO_SETTINGS", dir.path() + "/settings.sqlite3"},
                         {"BRIO_LOG", dir.path() + "/measure-host.log"}});
    ASSERT_TRUE(host.started());
    Display* display = nullptr;
    for (int attempt = 0; attempt < 50 && !display; ++attempt) {
        display = XOpenDisplay(x.name().c_str());
        if (!display) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    }
    ASSERT_NE(display, nullptr) << "no connection to " << x.name();

    // Two elements of the drawing: the kitchen counter (3000 mm) and the skirting run (6900 mm).
    host.writeLine("plan-click 120 101");
    host.writeLine("plan-click 100 336");
    host.writeLine("dump");
    host.writeLine("snapshot dialog.png");
    host.writeLine("mark measured");
    auto lines = host.readUntil("\"mark\"", kWaitMs);
    ASSERT_FALSE(lines.empty()) << host.errorOutput();
    int measured = 0;
    for (const std::string& line : lines) {
        measured += line.find(R"("event":"measure")") != std::string::npos &&
                    line.find(R"("result":true)") != std::string::npos;
    }
    EXPECT_EQ(measured, 2);
    const std::string dump = FindEvent(lines, "dump");
    EXPECT_EQ(Count(dump, "\"no\":"), 2) << dump;
    std::smatch rect;
    ASSERT_TRUE(
        std::regex_search(dump, rect, std::regex(R"("window_rect":\[(-?\d+),(-?\d+),(-?\d+),(-?\d+)\])")));
    const int left = std::stoi(rect[1]), top = std::stoi(rect[2]), right = std::stoi(rect[3]),
              bottom = std::stoi(rect[4]);

    // The screen shows the dialog where the stand-in has it, as the stand-in paints it.
    {
        ScreenShot screen(display);
        cairo_surface_t* picture = cairo_image_surface_create_from_png((dir.path() + "/dialog.png").c_str());
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
    host.writeLine("click 1314");
    host.writeLine("click 1271");
    host.writeLine("mark drawn");
    lines = host.readUntil("\"mark\"", kWaitMs);
    const std::string draw = FindEvent(lines, "draw");
    EXPECT_NE(draw.find("累計 9900 mm"), std::string::npos) << draw;
    {
        // The drawn text sits right below the last clicked point (100, 336) in the drawing's window.
        int planX = 0;
        int planY = 0;
        ASSERT_TRUE(FindWindow(display, "measure-host 図面", planX, planY));
        ScreenShot screen(display);
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
    host.writeLine("select all");
    host.writeLine("rclick 1002");
    host.writeLine("mark copied");
    lines = host.readUntil("\"mark\"", kWaitMs);
    EXPECT_NE(FindEvent(lines, "clipboard"), "");
    EXPECT_EQ(DesktopClipboard(display), "1\t1/100\t線分\t 3000\tmm\r\n2\t1/100\tポリライン\t 6900\tmm\r\n");

    XCloseDisplay(display);
    host.writeLine("quit");
    EXPECT_EQ(host.wait(kWaitMs), 0) << host.errorOutput();
}

} // namespace
