// Window pictures as PNG files on Windows, through the Windows Imaging Component's PNG encoder: the
// same interface as the stand-in's display library (<display.h>), the pictures from
// window_picture.cpp.
//
// Does NOT: write other formats, keep the encoder between pictures (each file makes its own).
#include <display.h>

#include "../client_area.h"
#include "window_picture.h"

#include <wincodec.h>

#include <vector>

namespace display {

namespace {

// A COM interface pointer released when it goes.
template <class Interface> class Com {
public:
    Com() = default;
    ~Com() {
        if (m_p)
            m_p->Release();
    }
    Com(const Com&) = delete;
    Com& operator=(const Com&) = delete;
    Interface* operator->() const { return m_p; }
    Interface** out() { return &m_p; }
    Interface* get() const { return m_p; }

private:
    Interface* m_p = nullptr;
};

std::wstring WidePath(const std::string& utf8) {
    const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                                           static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length > 0 ? length : 0), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), static_cast<int>(utf8.size()),
                        wide.data(), length);
    return wide;
}

// COM for this thread while the object lives, unless the thread has it already (in any model).
class ComApartment {
public:
    ComApartment() : m_result(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComApartment() {
        if (SUCCEEDED(m_result))
            CoUninitialize();
    }
    bool usable() const { return SUCCEEDED(m_result) || m_result == RPC_E_CHANGED_MODE; }

private:
    HRESULT m_result;
};

// Writes the part of the picture (in its coordinates) as an 8-bit RGBA PNG, opaque as the stand-in's.
bool WritePng(const windows::WindowPicture& picture, const RECT& part, const std::string& path) {
    const int width = part.right - part.left;
    const int height = part.bottom - part.top;
    if (width <= 0 || height <= 0 || part.left < 0 || part.top < 0 || part.right > picture.width ||
        part.bottom > picture.height)
        return false;
    std::vector<BYTE> rows(static_cast<size_t>(width) * static_cast<size_t>(height) * 4);
    BYTE* out = rows.data();
    for (int y = part.top; y < part.bottom; ++y) {
        for (int x = part.left; x < part.right; ++x) {
            const COLORREF c = picture.at(x, y);
            *out++ = GetBValue(c);
            *out++ = GetGValue(c);
            *out++ = GetRValue(c);
            *out++ = 0xFF;
        }
    }
    const std::wstring file = WidePath(path);
    ComApartment apartment;
    Com<IWICImagingFactory> factory;
    Com<IWICStream> stream;
    Com<IWICBitmapEncoder> encoder;
    Com<IWICBitmapFrameEncode> frame;
    Com<IPropertyBag2> options;
    WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGRA;
    const UINT stride = static_cast<UINT>(width) * 4;
    return !file.empty() && apartment.usable() &&
           SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IWICImagingFactory, reinterpret_cast<void**>(factory.out()))) &&
           SUCCEEDED(factory->CreateStream(stream.out())) &&
           SUCCEEDED(stream->InitializeFromFilename(file.c_str(), GENERIC_WRITE)) &&
           SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.out())) &&
           SUCCEEDED(encoder->Initialize(stream.get(), WICBitmapEncoderNoCache)) &&
           SUCCEEDED(encoder->CreateNewFrame(frame.out(), options.out())) &&
           SUCCEEDED(frame->Initialize(options.get())) &&
           SUCCEEDED(frame->SetSize(static_cast<UINT>(width), static_cast<UINT>(height))) &&
           SUCCEEDED(frame->SetPixelFormat(&format)) && IsEqualGUID(format, GUID_WICPixelFormat32bppBGRA) &&
           SUCCEEDED(frame->WritePixels(static_cast<UINT>(height), stride, static_cast<UINT>(rows.size()),
                                        rows.data())) &&
           SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
}

} // namespace

bool WriteWindowPng(HWND hwnd, const std::string& path) {
    const standin::WindowPicture picture = windows::CaptureWindow(hwnd);
    return WritePng(picture, RECT{0, 0, picture.width, picture.height}, path);
}

bool WriteClientPng(HWND hwnd, const std::string& path) {
    RECT client{};
    return ClientAreaInPicture(hwnd, &client) && WritePng(windows::CaptureWindow(hwnd), client, path);
}

bool Available() {
    return true; // the windows are on the desktop
}

} // namespace display
