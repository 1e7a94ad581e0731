// A live message box writes its title in the face every window's caption has: the same pixels of ink as
// the stand-in's own caption of a dialog with that title, not a face of pango's defaults.
#include "../ModalLook.h"

#include <standin/hooks.h>

#include <gtest/gtest.h>

#include <cairo.h>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr const wchar_t* kTitle = L"計測結果の合計 BrMeasure";

// Where the title's ink lies in a caption bar: the pixels that stand out from the bar's gradient in
// their column, left of the caption buttons.
struct Ink {
    int left = 1 << 30;
    int right = -1;
    int top = 1 << 30;
    int bottom = -1;
    int pixels = 0;
    int width() const { return right - left + 1; }
    int height() const { return bottom - top + 1; }
};

int Difference(COLORREF a, COLORREF b) {
    return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
           std::abs(GetBValue(a) - GetBValue(b));
}

Ink InkOf(const standin::WindowPicture& picture, const RECT& bar) {
    constexpr int kInk = 90;
    constexpr int kButtons = 26;
    Ink ink;
    for (int x = bar.left; x < bar.right - kButtons; ++x) {
        const COLORREF background = picture.at(x, bar.top);
        for (int y = bar.top; y < bar.bottom; ++y) {
            if (Difference(picture.at(x, y), background) < kInk) {
                continue;
            }
            ink.left = std::min(ink.left, x);
            ink.right = std::max(ink.right, x);
            ink.top = std::min(ink.top, y);
            ink.bottom = std::max(ink.bottom, y);
            ++ink.pixels;
        }
    }
    return ink;
}

standin::WindowPicture PictureOf(cairo_surface_t* surface) {
    cairo_surface_flush(surface);
    standin::WindowPicture picture;
    picture.width = cairo_image_surface_get_width(surface);
    picture.height = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    for (int y = 0; y < picture.height; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride);
        for (int x = 0; x < picture.width; ++x) {
            picture.pixels.push_back(RGB((row[x] >> 16) & 0xFF, (row[x] >> 8) & 0xFF, row[x] & 0xFF));
        }
    }
    return picture;
}

// Set STANDIN_TEST_PICTURES to a folder to look at both captions.
void KeepPicture(cairo_surface_t* surface, const char* name) {
    if (const char* folder = std::getenv("STANDIN_TEST_PICTURES")) {
        cairo_surface_write_to_png(surface, (std::string(folder) + "/" + name).c_str());
    }
}

// A dialog frame as wide as the box, so that both bars have the same gradient under the title.
standin::WindowPicture DialogCaption(int width, RECT* bar) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.lpszClassName = L"CaptionFaceTestWindow";
    RegisterClassW(&wc);
    HWND window =
        CreateWindowExW(WS_EX_DLGMODALFRAME, wc.lpszClassName, kTitle, WS_POPUP | WS_CAPTION | WS_SYSMENU, 40,
                        40, width, 160, nullptr, nullptr, nullptr, nullptr);
    ShowWindow(window, SW_SHOW); // active, as the box's caption always is
    RECT outer{};
    GetWindowRect(window, &outer);
    POINT client{0, 0};
    ClientToScreen(window, &client);
    const int captionBottom = client.y - outer.top - 1; // the line under the bar is not the bar
    *bar = RECT{client.x - outer.left, captionBottom - (GetSystemMetrics(SM_CYCAPTION) - 1),
                outer.right - outer.left - (client.x - outer.left), captionBottom};
    auto* surface = static_cast<cairo_surface_t*>(standin::RenderWindowSurface(window));
    KeepPicture(surface, "dialog-caption.png");
    standin::WindowPicture picture = PictureOf(surface);
    cairo_surface_destroy(surface);
    DestroyWindow(window);
    return picture;
}

standin::WindowPicture BoxCaption(RECT* bar) {
    const display::live::BoxLayout layout =
        display::live::LayoutMessageBox(L"削除しますか？", MB_YESNO, kTitle);
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, layout.width, layout.height);
    cairo_t* cr = cairo_create(surface);
    display::live::PaintMessageBox(cr, layout, L"削除しますか？", kTitle, MB_YESNO, 0, 0);
    cairo_destroy(cr);
    KeepPicture(surface, "box-caption.png");
    *bar = layout.caption;
    standin::WindowPicture picture = PictureOf(surface);
    cairo_surface_destroy(surface);
    return picture;
}

TEST(LiveMessageBox, TitleIsInkedAsTheDialogsCaptionWithTheSameTitle) {
    RECT boxBar{};
    const standin::WindowPicture boxPicture = BoxCaption(&boxBar);
    RECT dialogBar{};
    const Ink dialog = InkOf(DialogCaption(boxPicture.width, &dialogBar), dialogBar);
    const Ink box = InkOf(boxPicture, boxBar);
    ASSERT_GT(dialog.pixels, 50) << "the dialog's title was found";
    ASSERT_GT(box.pixels, 50) << "the box's title was found";
    // The same face, weight and size: the same run of ink to the pixel (another face of the same size
    // is tens of pixels wider or narrower over this title), about as much of it (a regular weight has far
    // less), and centred in the bar alike.
    EXPECT_EQ(box.left - boxBar.left, dialog.left - dialogBar.left)
        << "the title starts where captions start it";
    EXPECT_NEAR(box.width(), dialog.width(), 1);
    EXPECT_NEAR(box.height(), dialog.height(), 1);
    EXPECT_NEAR(box.pixels, dialog.pixels, dialog.pixels / 10);
    const int dialogMiddle = (dialog.top + dialog.bottom) - (dialogBar.top + dialogBar.bottom);
    const int boxMiddle = (box.top + box.bottom) - (boxBar.top + boxBar.bottom);
    EXPECT_NEAR(boxMiddle, dialogMiddle, 3) << "twice the offset of the ink from the bar's middle";
}

} // namespace
