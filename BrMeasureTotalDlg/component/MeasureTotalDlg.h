// The running-total dialog: a modeless MFC dialog on template IDD_MEASURE_TOTAL that lists the host's
// measurements, totals them in the chosen unit and rounding, and asks the host to draw a summary.
// Its member functions live beside the concern they serve: component/ (life cycle, settings,
// window commands), measure/ (rows, formatting, totals), listops/ (editing, menu, clipboard),
// options/ (units, rounding, draw request), layout/ (resizing, painting, colours).
#pragma once

#include "IMeasureTotalDlg.h"

#include <afxcmn.h>
#include <afxwin.h>

#include <brio/ui/control/CListViewEx.h>

namespace brio::ui::measure {

class BRMEASURETOTALDLG_API MeasureTotalDlg : public CDialog, public IMeasureTotalDlg {
public:
    explicit MeasureTotalDlg(CWnd* pParent = NULL);
    ~MeasureTotalDlg() override;

    // IMeasureTotalDlg
    const wchar_t* GetString() override;
    void SetListData(const TMSRDATA* pData) override;
    bool isHWnd() const override;

    void SetMainFrame(CWnd* frame);

    BOOL DestroyWindow() override;

protected:
    DECLARE_MESSAGE_MAP()

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnInitDialog() override;
    void OnCancel() override;

    // Window commands (component/WindowCommands.cpp)
    afx_msg void OnClose();
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);

    // Options and the draw request (options/)
    afx_msg void OnButtonDraw();
    afx_msg void OnUnitRadio1();
    afx_msg void OnUnitRadio2();
    afx_msg void OnUnitRadio4();
    afx_msg void OnUnitRadio5();
    afx_msg void OnSelchangeCmbMarume1();
    afx_msg void OnSelchangeCmbMarume2();
    afx_msg void OnChkDrawList();
    afx_msg void OnChkDrawTotal();

    // List editing, context menu and clipboard (listops/)
    afx_msg void OnDeleteItem();
    afx_msg void OnDeleteAllItem();
    afx_msg void OnListAll();
    afx_msg void OnListPlus();
    afx_msg void OnListMinus();
    afx_msg void OnKeydownVertexList(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnRclickLengthList(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnListCopy();
    afx_msg void OnListCopyAll();
    void ListToClipBoard(int nFlags);

    // Layout and painting (layout/)
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

private:
    // Rows, formatting, totals and summary (measure/)
    CString GetFormatedData(double dValue, wchar_t cKind, bool bConvert);
    void SetData();
    void SetTotalLength();
    void UpdateString();

    // Set-up and teardown helpers (component/)
    BOOL SetUpWindow();
    void AbandonWindow();
    void ReleaseDrawingObjects();
    void ReadSettings();
    void WriteSettings();
    void PrepareTooltips();

    CComboBox m_cmbMarume1;                      // IDC_CMB_MARUME1, rounding position
    CComboBox m_cmbMarume2;                      // IDC_CMB_MARUME2, rounding method
    brio::ui::control::CListViewEx m_listLength; // IDC_LIST_LENGTH, the rows: the only store of measurements
    int m_nUnit1 = 0;                            // 0 "mm", 1 "m"
    int m_nUnit2 = 0;                            // 0 "mm2", 1 "m2"
    BOOL m_bDrawList = FALSE;                    // IDC_CHK_DRAW_LIST
    BOOL m_bDrawTotal = FALSE;                   // IDC_CHK_DRAW_TOTAL
    BOOL m_bClose = FALSE;                       // IDC_CHK_CLOSE
    CString m_strSummary;                        // what GetString hands to the host
    int m_nMinWidth = 0;                         // outer size at set-up: the smallest size
    int m_nMinHeight = 0;
    int m_nPrevCx = -1; // client size at the last layout; -1: none yet
    int m_nPrevCy = -1;
    CToolTipCtrl m_toolTip;      // tips of the two draw check boxes
    int m_nMarume1 = 1;          // rounding position item; "整数"
    int m_nMarume2 = 0;          // rounding method item; "四捨五入"
    HFONT m_hFontTotal = NULL;   // font of the total box
    HBRUSH m_hBrushCombo = NULL; // system window colour at set-up
    HBRUSH m_hBrushTotal = NULL; // light cyan of the total box
    CWnd* m_pMainFrame = NULL;   // receives ID_TOTAL_EVENT
};

} // namespace brio::ui::measure
