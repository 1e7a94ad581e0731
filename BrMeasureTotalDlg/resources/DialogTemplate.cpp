// Template 436 as the resource compiler would have laid it out: the dialog header, then every
// control in template order, which is also the tab order. Rectangles are in dialog units.
#include "DialogTemplate.h"

#include "../component/MeasureTotalDlgIds.h"

#include <commctrl.h>

namespace brio::ui::measure::resources {
namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

// clang-format off
constexpr DLGITEMTEMPLATEW kControls[] = {
    // style                                                              exStyle           x    y    cx   cy  id                     class            text
    {kChild | BS_AUTOCHECKBOX | WS_TABSTOP,                                0,                 1,   5,   9, 10, IDC_CHK_DRAW_LIST,     L"BUTTON",        L""},
    {kChild | LVS_REPORT | LVS_OWNERDRAWFIXED | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP,
                                                                           0,                10,   6, 190, 88, IDC_LIST_LENGTH,       L"SysListView32", L"List1"},
    {kChild | BS_AUTOCHECKBOX | WS_TABSTOP,                                0,                 1,  98,  25, 10, IDC_CHK_DRAW_TOTAL,    L"BUTTON",        L"累計"},
    {kChild | ES_RIGHT | ES_AUTOHSCROLL | ES_READONLY | WS_TABSTOP,        WS_EX_STATICEDGE, 27,  96, 137, 15, IDC_EDIT_TOTAL,        L"EDIT",          L""},
    {kChild | SS_LEFT | WS_GROUP,                                          0,               168,  99,  15,  8, IDC_STATIC_UNIT,       L"STATIC",        L"mm2"},
    {kChild | SS_LEFT | WS_GROUP,                                          0,                 6, 119,  31,  8, IDC_STATIC_MARUME1,    L"STATIC",        L"丸め位置"},
    {kChild | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP,                  0,                37, 117,  59, 68, IDC_CMB_MARUME1,       L"COMBOBOX",      L""},
    {kChild | SS_LEFT | WS_GROUP,                                          0,               103, 119,  30,  8, IDC_STATIC_MARUME2,    L"STATIC",        L"丸め方法"},
    {kChild | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP,                  0,               134, 117,  47, 60, IDC_CMB_MARUME2,       L"COMBOBOX",      L""},
    {kChild | BS_PUSHBUTTON | WS_TABSTOP,                                  0,               204,   6,  40, 14, IDC_BUTTON_DRAW,       L"BUTTON",        L"作図"},
    {kChild | BS_PUSHBUTTON | WS_TABSTOP,                                  0,               204,  22,  40, 14, IDC_BUTTON_DELETE,     L"BUTTON",        L"削除"},
    {kChild | BS_PUSHBUTTON | WS_TABSTOP,                                  0,               204,  38,  40, 14, IDC_BUTTON_DELETE_ALL, L"BUTTON",        L"すべて削除"},
    {kChild | BS_GROUPBOX | WS_GROUP,                                      0,               210,  54,  33, 31, IDC_GROUP_LENGTH,      L"BUTTON",        L"長さ"},
    {kChild | BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP,                  0,               216,  64,  23,  9, IDC_UNIT_RADIO1,       L"BUTTON",        L"mm"},
    {kChild | BS_AUTORADIOBUTTON,                                          0,               216,  74,  23,  9, IDC_UNIT_RADIO2,       L"BUTTON",        L"m"},
    {kChild | BS_GROUPBOX | WS_GROUP,                                      0,               210,  87,  33, 31, IDC_GROUP_AREA,        L"BUTTON",        L"面積"},
    {kChild | BS_AUTORADIOBUTTON | WS_GROUP,                               0,               216,  97,  25,  9, IDC_UNIT_RADIO4,       L"BUTTON",        L"mm2"},
    {kChild | BS_AUTORADIOBUTTON,                                          0,               216, 107,  25,  9, IDC_UNIT_RADIO5,       L"BUTTON",        L"m2"},
    {kChild | BS_AUTOCHECKBOX | WS_GROUP | WS_TABSTOP,                     0,               195, 122,  52,  9, IDC_CHK_CLOSE,         L"BUTTON",        L"作図後閉じる"},
};
// clang-format on

} // namespace

// Hidden until the first measurement shows it; sizing border and the "?" button, no minimise or
// maximise box.
const DLGTEMPLATEW kMeasureTotalTemplate = {
    DS_SETFONT | DS_CONTEXTHELP | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME,
    0,
    0,
    0,
    249,
    135,
    L"累計ダイアログ",
    9,
    FW_NORMAL,
    FALSE,
    SHIFTJIS_CHARSET,
    L"ＭＳ Ｐゴシック",
    MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT),
    kControls,
    static_cast<WORD>(_countof(kControls)),
};

} // namespace brio::ui::measure::resources
