// Pictures of windows on Windows: the top-level window that holds the given window, frame, caption and
// every child, as colours row by row from its outer top-left corner (as the stand-in's
// standin::TakeWindowPicture gives them on Linux).
//
// A shown window is repainted through its paint messages and copied from its window DC: each
// top-level window keeps its own surface (Wine's window surfaces, Windows' redirection surfaces), so
// what overlaps it on the desktop is not in the picture. A hidden window has nothing on a surface; it
// is asked to print itself (PrintWindow: WM_PRINT, the client through WM_PRINTCLIENT), so only a
// window that answers WM_PRINTCLIENT shows its client area then.
//
// Does NOT: picture several top-level windows together, or windows of another process.
#include "window_picture.h"

namespace display::windows {

namespace {

// A 32-bit top-down DIB section selected into a memory DC while the object lives.
class DibCanvas {
public:
    DibCanvas(int width, int height) : m_width(width), m_height(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        m_dc = CreateCompatibleDC(nullptr);
        m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &m_bits, nullptr, 0);
        if (m_dc && m_bitmap)
            m_previous = SelectObject(m_dc, m_bitmap);
    }
    ~DibCanvas() {
        if (m_previous)
            SelectObject(m_dc, m_previous);
        if (m_bitmap)
            DeleteObject(m_bitmap);
        if (m_dc)
            DeleteDC(m_dc);
    }
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;

    bool ready() const { return m_previous != nullptr && m_bits != nullptr; }
    HDC dc() const { return m_dc; }

    // The DIB's BGRX pixels as COLORREF (0x00BBGGRR).
    WindowPicture picture() const {
        GdiFlush();
        WindowPicture picture;
        picture.width = m_width;
        picture.height = m_height;
        picture.pixels.resize(static_cast<size_t>(m_width) * static_cast<size_t>(m_height));
        const auto* bits = static_cast<const DWORD*>(m_bits);
        for (size_t i = 0; i < picture.pixels.size(); ++i) {
            const DWORD pixel = bits[i];
            picture.pixels[i] = RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
        }
        return picture;
    }

private:
    int m_width;
    int m_height;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_previous = nullptr;
    void* m_bits = nullptr;
};

} // namespace

WindowPicture CaptureWindow(HWND hwnd) {
    const HWND root = GetAncestor(hwnd, GA_ROOT);
    RECT outer{};
    if (!root || !GetWindowRect(root, &outer) || outer.right <= outer.left || outer.bottom <= outer.top)
        return {};
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    DibCanvas canvas(width, height);
    if (!canvas.ready())
        return {};
    if (IsWindowVisible(root)) {
        RedrawWindow(root, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        const HDC window = GetWindowDC(root);
        const BOOL copied = BitBlt(canvas.dc(), 0, 0, width, height, window, 0, 0, SRCCOPY);
        ReleaseDC(root, window);
        if (!copied)
            return {};
    } else {
        // The frame, then the client area at its place in the frame (Wine's WM_PRINT leaves the
        // client area at the DC's origin when the frame is printed with it).
        RECT client{};
        POINT origin{0, 0};
        GetClientRect(root, &client);
        ClientToScreen(root, &origin);
        SendMessageW(root, WM_PRINT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_NONCLIENT);
        POINT previous{};
        SetViewportOrgEx(canvas.dc(), origin.x - outer.left, origin.y - outer.top, &previous);
        SendMessageW(root, WM_PRINT, reinterpret_cast<WPARAM>(canvas.dc()),
                     PRF_ERASEBKGND | PRF_CLIENT | PRF_CHILDREN);
        SetViewportOrgEx(canvas.dc(), previous.x, previous.y, nullptr);
    }
    return canvas.picture();
}

} // namespace display::windows
