// The PNG files of window pictures on Windows: each is a PNG of the window's outer size, or of its
// client area alone; what is no top-level window, or no window any more, gives no file.
#include <display.h>

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

struct PngSize {
    unsigned width = 0;
    unsigned height = 0;
};

// The size the file's IHDR chunk gives; 0 x 0 when it is no PNG.
PngSize SizeOfPng(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() < 24 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0 ||
        bytes.compare(12, 4, "IHDR") != 0)
        return {};
    auto big = [&](size_t at) {
        unsigned value = 0;
        for (size_t i = 0; i < 4; ++i)
            value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
        return value;
    };
    return PngSize{big(16), big(20)};
}

class PngFile : public ::testing::Test {
protected:
    void SetUp() override {
        m_window = CreateWindowExW(0, L"Static", L"picture", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 300,
                                   200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(m_window, nullptr);
        m_dir = std::filesystem::temp_directory_path() /
                ("png-file-test-" + std::to_string(GetCurrentProcessId()));
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override {
        DestroyWindow(m_window);
        std::filesystem::remove_all(m_dir);
    }
    std::string File(const char* name) const { return (m_dir / name).string(); }

    HWND m_window = nullptr;
    std::filesystem::path m_dir;
};

TEST_F(PngFile, TheWindowAndItsClientAreaAreWrittenAtTheirSizes) {
    RECT outer{};
    RECT client{};
    GetWindowRect(m_window, &outer);
    GetClientRect(m_window, &client);
    ASSERT_TRUE(display::WriteWindowPng(m_window, File("window.png")));
    ASSERT_TRUE(display::WriteClientPng(m_window, File("client.png")));
    const PngSize window = SizeOfPng(File("window.png"));
    const PngSize area = SizeOfPng(File("client.png"));
    EXPECT_EQ(window.width, static_cast<unsigned>(outer.right - outer.left));
    EXPECT_EQ(window.height, static_cast<unsigned>(outer.bottom - outer.top));
    EXPECT_EQ(area.width, static_cast<unsigned>(client.right));
    EXPECT_EQ(area.height, static_cast<unsigned>(client.bottom));
}

TEST_F(PngFile, AChildOrAGoneWindowGivesNoClientPicture) {
    const HWND child = CreateWindowExW(0, L"Static", L"child", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, m_window,
                                       nullptr, GetModuleHandleW(nullptr), nullptr);
    EXPECT_FALSE(display::WriteClientPng(child, File("child.png")));
    DestroyWindow(child);
    EXPECT_FALSE(display::WriteWindowPng(child, File("gone.png")));
    EXPECT_FALSE(std::filesystem::exists(File("gone.png")));
}

} // namespace
