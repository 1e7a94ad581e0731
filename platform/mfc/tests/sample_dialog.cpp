#include "sample_dialog.h"

#include <string>

void SampleList::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    if (m_log != nullptr)
        m_log->push_back("list DrawItem " + std::to_string(lpDrawItemStruct->itemID));
}

BEGIN_MESSAGE_MAP(SampleTotalEdit, CEdit)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

SampleTotalEdit::~SampleTotalEdit() {
    if (m_hBrush != nullptr)
        ::DeleteObject(m_hBrush);
}

HBRUSH SampleTotalEdit::CtlColor(CDC* pDC, UINT nCtlColor) {
    if (m_log != nullptr)
        m_log->push_back("edit CtlColor " + std::to_string(nCtlColor));
    if (m_hBrush == nullptr)
        m_hBrush = ::CreateSolidBrush(RGB(204, 255, 255));
    pDC->SetBkColor(RGB(204, 255, 255));
    return m_hBrush;
}

BEGIN_MESSAGE_MAP(SampleDialog, CDialog)
ON_WM_CLOSE()
ON_BN_CLICKED(sample::kDrawButton, &SampleDialog::OnDraw)
ON_BN_CLICKED(sample::kMillimetreRadio, &SampleDialog::OnMillimetre)
ON_CBN_SELCHANGE(sample::kPositionCombo, &SampleDialog::OnSelchangePosition)
ON_NOTIFY(NM_RCLICK, sample::kList, &SampleDialog::OnRclickList)
ON_NOTIFY(LVN_KEYDOWN, sample::kList, &SampleDialog::OnKeydownList)
ON_COMMAND(1006, &SampleDialog::OnMenuPlus)
ON_COMMAND(1007, &SampleDialog::OnMenuMinus)
ON_WM_CTLCOLOR()
ON_WM_SYSCOMMAND()
END_MESSAGE_MAP()

SampleDialog::SampleDialog() : CDialog(sample::kDialogId) {
    m_list.m_log = &m_events;
    m_total.m_log = &m_events;
}

SampleDialog::~SampleDialog() = default;

void SampleDialog::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, sample::kMethodCombo, m_cmbMethod);
    DDX_Control(pDX, sample::kPositionCombo, m_cmbPosition);
    DDX_Control(pDX, sample::kList, m_list);
    DDX_Control(pDX, sample::kTotalEdit, m_total);
    DDX_Radio(pDX, sample::kMillimetreRadio, m_nUnit1);
    DDX_Radio(pDX, sample::kSquareMillimetreRadio, m_nUnit2);
    DDX_Check(pDX, sample::kDrawListCheck, m_bDrawList);
    DDX_Check(pDX, sample::kDrawTotalCheck, m_bDrawTotal);
    DDX_Check(pDX, sample::kCloseCheck, m_bClose);
}

BOOL SampleDialog::OnInitDialog() {
    m_events.push_back("OnInitDialog");
    CDialog::OnInitDialog();
    for (LPCWSTR item : {L"10", L"1", L"0.1"})
        m_cmbPosition.AddString(item);
    for (LPCWSTR item : {L"half up", L"up", L"down"})
        m_cmbMethod.AddString(item);
    m_list.InsertColumn(0, L"No", LVCFMT_LEFT, 30);
    m_list.InsertColumn(1, L"Value", LVCFMT_RIGHT, 100);
    return FALSE;
}

void SampleDialog::OnCancel() {
    m_events.push_back("OnCancel");
    CDialog::OnCancel();
    DestroyWindow();
}

void SampleDialog::OnClose() {
    m_events.push_back("OnClose");
    Default();
}

void SampleDialog::OnDraw() {
    m_events.push_back("BN_CLICKED draw");
}
void SampleDialog::OnMillimetre() {
    m_events.push_back("BN_CLICKED mm");
}
void SampleDialog::OnSelchangePosition() {
    m_events.push_back("CBN_SELCHANGE position " + std::to_string(m_cmbPosition.GetCurSel()));
}
void SampleDialog::OnRclickList(NMHDR* pNMHDR, LRESULT* pResult) {
    m_events.push_back("NM_RCLICK " + std::to_string(pNMHDR->idFrom));
    *pResult = 0;
}
void SampleDialog::OnKeydownList(NMHDR* pNMHDR, LRESULT* pResult) {
    auto* key = reinterpret_cast<NMLVKEYDOWN*>(pNMHDR);
    m_events.push_back("LVN_KEYDOWN " + std::to_string(key->wVKey));
    *pResult = 0;
}
void SampleDialog::OnMenuPlus() {
    m_events.push_back("command plus");
}
void SampleDialog::OnMenuMinus() {
    m_events.push_back("command minus");
}

HBRUSH SampleDialog::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    m_pLastColoredControl = pWnd;
    m_events.push_back("dialog OnCtlColor " + std::to_string(pWnd->GetDlgCtrlID()) + " kind " +
                       std::to_string(nCtlColor));
    return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
}

void SampleDialog::OnSysCommand(UINT nID, LPARAM lParam) {
    if (nID == SC_CLOSE) {
        m_events.push_back("SC_CLOSE");
        OnCancel();
        return;
    }
    CDialog::OnSysCommand(nID, lParam);
}
