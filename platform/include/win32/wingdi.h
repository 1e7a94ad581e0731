// GDI of the stand-in: device contexts drawn with cairo, text with pango. COLORREF is 0x00BBGGRR.
#pragma once

#include "windef.h"
#include "winuser.h" // PAINTSTRUCT, DT_* and the drawing flags the user32 half of GDI takes

#define TRANSPARENT 1
#define OPAQUE 2
#define WHITE_BRUSH 0
#define LTGRAY_BRUSH 1
#define GRAY_BRUSH 2
#define DKGRAY_BRUSH 3
#define BLACK_BRUSH 4
#define NULL_BRUSH 5
#define HOLLOW_BRUSH NULL_BRUSH
#define WHITE_PEN 6
#define BLACK_PEN 7
#define NULL_PEN 8
#define SYSTEM_FONT 13
#define DEFAULT_GUI_FONT 17
#define PS_SOLID 0
#define PS_DOT 2
#define PS_NULL 5
#define FW_DONTCARE 0
#define FW_NORMAL 400
#define FW_BOLD 700
#define ANSI_CHARSET 0
#define DEFAULT_CHARSET 1
#define SHIFTJIS_CHARSET 128
#define OUT_DEFAULT_PRECIS 0
#define CLIP_DEFAULT_PRECIS 0
#define DEFAULT_QUALITY 0
#define DEFAULT_PITCH 0
#define FF_DONTCARE 0x00
#define LF_FACESIZE 32
#define CLR_INVALID 0xFFFFFFFF
#define HGDI_ERROR ((HANDLE)(LONG_PTR)-1)
#define SRCCOPY 0x00CC0020
#define ETO_OPAQUE 0x0002
#define ETO_CLIPPED 0x0004

typedef struct tagLOGFONTW {
    LONG lfHeight;
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    WCHAR lfFaceName[LF_FACESIZE];
} LOGFONTW, *LPLOGFONTW;

typedef struct tagTEXTMETRICW {
    LONG tmHeight;
    LONG tmAscent;
    LONG tmDescent;
    LONG tmInternalLeading;
    LONG tmExternalLeading;
    LONG tmAveCharWidth;
    LONG tmMaxCharWidth;
    LONG tmWeight;
} TEXTMETRICW, *LPTEXTMETRICW;

extern "C" {
WINGDIAPI HFONT WINAPI CreateFontW(int height, int width, int escapement, int orientation, int weight,
                                   DWORD italic, DWORD underline, DWORD strikeOut, DWORD charSet,
                                   DWORD outPrecision, DWORD clipPrecision, DWORD quality,
                                   DWORD pitchAndFamily, LPCWSTR faceName);
WINGDIAPI HFONT WINAPI CreateFontIndirectW(const LOGFONTW* lf);
WINGDIAPI HBRUSH WINAPI CreateSolidBrush(COLORREF color);
WINGDIAPI HPEN WINAPI CreatePen(int style, int width, COLORREF color);
WINGDIAPI BOOL WINAPI DeleteObject(HGDIOBJ object);
WINGDIAPI HGDIOBJ WINAPI GetStockObject(int index);
WINGDIAPI HGDIOBJ WINAPI SelectObject(HDC dc, HGDIOBJ object);
WINGDIAPI int WINAPI GetObjectW(HGDIOBJ object, int size, LPVOID buffer);
WINGDIAPI HGDIOBJ WINAPI GetCurrentObject(HDC dc, UINT type);
#define OBJ_PEN 1
#define OBJ_BRUSH 2
#define OBJ_FONT 6

WINUSERAPI HDC WINAPI BeginPaint(HWND hwnd, LPPAINTSTRUCT ps);
WINUSERAPI BOOL WINAPI EndPaint(HWND hwnd, const PAINTSTRUCT* ps);
WINUSERAPI HDC WINAPI GetDC(HWND hwnd);
WINUSERAPI HDC WINAPI GetWindowDC(HWND hwnd);
WINUSERAPI int WINAPI ReleaseDC(HWND hwnd, HDC dc);
WINGDIAPI int WINAPI SaveDC(HDC dc);
WINGDIAPI BOOL WINAPI RestoreDC(HDC dc, int saved);

WINGDIAPI COLORREF WINAPI SetBkColor(HDC dc, COLORREF color);
WINGDIAPI COLORREF WINAPI GetBkColor(HDC dc);
WINGDIAPI int WINAPI SetBkMode(HDC dc, int mode);
WINGDIAPI int WINAPI GetBkMode(HDC dc);
WINGDIAPI COLORREF WINAPI SetTextColor(HDC dc, COLORREF color);
WINGDIAPI COLORREF WINAPI GetTextColor(HDC dc);
WINGDIAPI BOOL WINAPI SetViewportOrgEx(HDC dc, int x, int y, LPPOINT old);
WINGDIAPI BOOL WINAPI GetViewportOrgEx(HDC dc, LPPOINT org);
WINGDIAPI int WINAPI IntersectClipRect(HDC dc, int left, int top, int right, int bottom);
WINGDIAPI int WINAPI ExcludeClipRect(HDC dc, int left, int top, int right, int bottom);
#define NULLREGION 1
#define SIMPLEREGION 2
#define COMPLEXREGION 3

WINUSERAPI int WINAPI FillRect(HDC dc, const RECT* rect, HBRUSH brush);
WINUSERAPI int WINAPI FrameRect(HDC dc, const RECT* rect, HBRUSH brush);
WINGDIAPI BOOL WINAPI Rectangle(HDC dc, int left, int top, int right, int bottom);
WINGDIAPI BOOL WINAPI Ellipse(HDC dc, int left, int top, int right, int bottom);
WINGDIAPI BOOL WINAPI MoveToEx(HDC dc, int x, int y, LPPOINT old);
WINGDIAPI BOOL WINAPI LineTo(HDC dc, int x, int y);
WINGDIAPI BOOL WINAPI Polygon(HDC dc, const POINT* points, int count);
WINGDIAPI COLORREF WINAPI SetPixel(HDC dc, int x, int y, COLORREF color);
WINGDIAPI COLORREF WINAPI GetPixel(HDC dc, int x, int y);

// Gradients (msimg32 on Windows): only the two rectangle modes.
typedef USHORT COLOR16;
typedef struct _TRIVERTEX {
    LONG x;
    LONG y;
    COLOR16 Red;
    COLOR16 Green;
    COLOR16 Blue;
    COLOR16 Alpha;
} TRIVERTEX, *PTRIVERTEX;
typedef struct _GRADIENT_RECT {
    ULONG UpperLeft;
    ULONG LowerRight;
} GRADIENT_RECT, *PGRADIENT_RECT;
#define GRADIENT_FILL_RECT_H 0x00000000
#define GRADIENT_FILL_RECT_V 0x00000001
WINGDIAPI BOOL WINAPI GradientFill(HDC dc, PTRIVERTEX vertices, ULONG vertexCount, PVOID mesh,
                                   ULONG meshCount, ULONG mode);
WINUSERAPI int WINAPI DrawTextW(HDC dc, LPCWSTR text, int count, LPRECT rect, UINT format);
WINGDIAPI BOOL WINAPI TextOutW(HDC dc, int x, int y, LPCWSTR text, int count);
WINGDIAPI BOOL WINAPI ExtTextOutW(HDC dc, int x, int y, UINT options, const RECT* rect, LPCWSTR text,
                                  UINT count, const int* dx);
WINGDIAPI BOOL WINAPI GetTextExtentPoint32W(HDC dc, LPCWSTR text, int count, LPSIZE size);
WINGDIAPI BOOL WINAPI GetTextMetricsW(HDC dc, LPTEXTMETRICW tm);
WINUSERAPI BOOL WINAPI DrawEdge(HDC dc, LPRECT rect, UINT edge, UINT flags);
WINUSERAPI BOOL WINAPI DrawFrameControl(HDC dc, LPRECT rect, UINT type, UINT state);
WINUSERAPI BOOL WINAPI DrawFocusRect(HDC dc, const RECT* rect);
WINUSERAPI BOOL WINAPI DrawIconEx(HDC dc, int x, int y, HICON icon, int cx, int cy, UINT step, HBRUSH brush,
                                  UINT flags);
#define DI_NORMAL 0x0003
}

#define DrawText DrawTextW
#define TextOut TextOutW
#define CreateFont CreateFontW
