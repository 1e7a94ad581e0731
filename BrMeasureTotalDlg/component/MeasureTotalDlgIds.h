// Names of the running-total dialog's resources: its template, its controls, the commands of the
// list's context menu and the list's columns. The numbers are those of the dialog resource the host
// has always shipped; keep them. Everyone who needs one of them (the component, its tests, the
// benchmarks, a host's script driver, the resource script) includes this header and uses the name.
//
// Readable by a resource compiler too: the ids are plain #defines, and the C++ part is left out
// when RC_INVOKED is defined.
#ifndef BRMEASURETOTALDLG_IDS_H
#define BRMEASURETOTALDLG_IDS_H

#define IDD_MEASURE_TOTAL 436

// Controls of template 436, in template (and tab) order.
#define IDC_CHK_DRAW_LIST 1313
#define IDC_LIST_LENGTH 1348
#define IDC_CHK_DRAW_TOTAL 1314
#define IDC_EDIT_TOTAL 1316
#define IDC_STATIC_UNIT 1350
#define IDC_STATIC_MARUME1 1311
#define IDC_CMB_MARUME1 1355
#define IDC_STATIC_MARUME2 1312
#define IDC_CMB_MARUME2 1356
#define IDC_BUTTON_DRAW 1271
#define IDC_BUTTON_DELETE 1351
#define IDC_BUTTON_DELETE_ALL 1349
#define IDC_GROUP_LENGTH 5031
#define IDC_UNIT_RADIO1 1016
#define IDC_UNIT_RADIO2 1017
#define IDC_GROUP_AREA 5032
#define IDC_UNIT_RADIO4 1019
#define IDC_UNIT_RADIO5 1020
#define IDC_CHK_CLOSE 1315

// Commands of the list's context menu.
#define ID_LIST_COPY 1001
#define ID_LIST_COPY_ALL 1002
#define ID_LIST_ALL 1003
#define ID_LIST_DELETE 1004
#define ID_LIST_DELETE_ALL 1005
#define ID_LIST_PLUS 1006
#define ID_LIST_MINUS 1007

#ifndef RC_INVOKED
namespace brio::ui::measure {

// The columns of the list (IDC_LIST_LENGTH), in list order. The raw value is the measurement as the
// host handed it in, written with "%f"; its column has no width and is never shown.
enum MeasureListColumn : int {
    kColumnNumber = 0, // "No": 1, 2, ... in row order
    kColumnScale,      // "スケール"
    kColumnElement,    // "要素種別"
    kColumnSign,       // "±": "-" for a subtracted row
    kColumnValue,      // "値": the value in the chosen unit and rounding
    kColumnRawValue,   // hidden: mm or mm2
    kColumnCount
};

} // namespace brio::ui::measure
#endif // RC_INVOKED

#endif // BRMEASURETOTALDLG_IDS_H
