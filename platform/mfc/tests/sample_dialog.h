// The tests' dialog on the sample library's template: a message map with the kinds of entries the
// component uses, data exchange for every control kind, and a record of what reached it.
#pragma once

#include "sample_dll/sample_dll.h"
#include "test_support.h"

#include <afxcmn.h>
#include <afxwin.h>

#include <string>
#include <vector>

// An owner-drawn list: the rows reach DrawItem through reflection from the dialog.
class SampleList : public CListCtrl {
public:
    EventLog* m_log = nullptr;

protected:
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
};

// An edit that colours itself (reflected WM_CTLCOLOR*).
class SampleTotalEdit : public CEdit {
public:
    ~SampleTotalEdit() override;
    EventLog* m_log = nullptr;
    HBRUSH m_hBrush = nullptr;

protected:
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()
};

class SampleDialog : public CDialog {
public:
    SampleDialog();
    ~SampleDialog() override;

    EventLog m_events;
    int m_nUnit1 = 0;
    int m_nUnit2 = 0;
    BOOL m_bDrawList = FALSE;
    BOOL m_bDrawTotal = FALSE;
    BOOL m_bClose = FALSE;
    CComboBox m_cmbPosition;
    CComboBox m_cmbMethod;
    SampleList m_list;
    SampleTotalEdit m_total;
    CWnd* m_pLastColoredControl = nullptr;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnCancel() override;

    afx_msg void OnClose();
    afx_msg void OnDraw();
    afx_msg void OnMillimetre();
    afx_msg void OnSelchangePosition();
    afx_msg void OnRclickList(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnKeydownList(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnMenuPlus();
    afx_msg void OnMenuMinus();
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
