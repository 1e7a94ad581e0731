// Pictures on Windows: the top-level window is repainted whole (frame, caption, every child) and
// its pixels are copied from its window DC, as they are on the screen.
#include <standin/hooks.h>

namespace standin {

WindowPicture TakeWindowPicture(HWND hwnd) {
    WindowPicture picture;
    HWND root = GetAncestor(hwnd, GA_ROOT);
    RECT outer{};
    if (!root || !IsWindowVisible(root) || !GetWindowRect(root, &outer))
        return picture;
    RedrawWindow(root, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap)
        return picture;
    HDC source = GetWindowDC(root);
    HDC copy = CreateCompatibleDC(source);
    HGDIOBJ old = SelectObject(copy, bitmap);
    BitBlt(copy, 0, 0, width, height, source, 0, 0, SRCCOPY);
    GdiFlush();
    picture.width = width;
    picture.height = height;
    picture.pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
    const auto* argb = static_cast<const DWORD*>(bits);
    for (size_t i = 0; i < picture.pixels.size(); ++i)
        picture.pixels[i] = RGB((argb[i] >> 16) & 0xFF, (argb[i] >> 8) & 0xFF, argb[i] & 0xFF);
    SelectObject(copy, old);
    DeleteDC(copy);
    ReleaseDC(root, source);
    DeleteObject(bitmap);
    return picture;
}

COLORREF ReadPixel(HWND hwnd, int x, int y) {
    RECT outer{};
    HWND root = GetAncestor(hwnd, GA_ROOT);
    POINT at{x, y};
    if (!root || !ClientToScreen(hwnd, &at) || !GetWindowRect(root, &outer))
        return CLR_INVALID;
    return TakeWindowPicture(hwnd).at(at.x - outer.left, at.y - outer.top);
}

} // namespace standin
