// The dialog object itself: construction and destruction, the data exchange with the controls and
// the message map that routes the controls' notifications to the handlers in the other folders.
#include "MeasureTotalDlg.h"
#include "MeasureTotalDlgIds.h"

#include "../trace/GuardedOperation.h"

namespace brio::ui::measure {

MeasureTotalDlg::MeasureTotalDlg(CWnd* pParent) : CDialog(IDD_MEASURE_TOTAL, pParent) {
    FunctionTrace trace;
    trace.write(L"MeasureTotalDlg: コンストラクタ  this=%x", TraceAddress(this));
    m_bDrawList = FALSE;
    m_bDrawTotal = FALSE;
    m_bClose = FALSE;
    m_nMinWidth = 0;
    m_nMinHeight = 0;
    m_pMainFrame = pParent;
}

MeasureTotalDlg::~MeasureTotalDlg() {
    // A destructor cannot pass an exception on without ending the host (C++ makes it noexcept, as
    // CDialog's is), so the error line is the last word here; the members are destroyed regardless.
    try {
        FunctionTrace trace;
        trace.write(L"MeasureTotalDlg: デストラクタ  this=%x", TraceAddress(this));
        ReleaseDrawingObjects();
    } catch (...) {
        try {
            WriteErrorLine(L"MeasureTotalDlg: デストラクタ 例外");
        } catch (...) {
        }
    }
    // Nothing else could free them once the object is gone: a log that failed at the trace above
    // must not leave the font and brushes behind.
    ReleaseDrawingObjects();
}

void MeasureTotalDlg::SetMainFrame(CWnd* frame) {
    m_pMainFrame = frame;
}

bool MeasureTotalDlg::isHWnd() const {
    return m_hWnd != NULL;
}

void MeasureTotalDlg::DoDataExchange(CDataExchange* pDX) {
    GuardedOperation(L"MeasureTotalDlg: DoDataExchange() 例外", [&] {
        DDX_Control(pDX, IDC_CMB_MARUME2, m_cmbMarume2);
        DDX_Control(pDX, IDC_CMB_MARUME1, m_cmbMarume1);
        DDX_Control(pDX, IDC_LIST_LENGTH, m_listLength);
        DDX_Radio(pDX, IDC_UNIT_RADIO1, m_nUnit1);
        DDX_Radio(pDX, IDC_UNIT_RADIO4, m_nUnit2);
        DDX_Check(pDX, IDC_CHK_DRAW_LIST, m_bDrawList);
        DDX_Check(pDX, IDC_CHK_DRAW_TOTAL, m_bDrawTotal);
        DDX_Check(pDX, IDC_CHK_CLOSE, m_bClose);
    });
}

BEGIN_MESSAGE_MAP(MeasureTotalDlg, CDialog)
ON_WM_CLOSE()
ON_BN_CLICKED(IDC_BUTTON_DRAW, &MeasureTotalDlg::OnButtonDraw)
ON_WM_GETMINMAXINFO()
ON_BN_CLICKED(IDC_BUTTON_DELETE_ALL, &MeasureTotalDlg::OnDeleteAllItem)
ON_WM_SIZE()
ON_WM_PAINT()
ON_BN_CLICKED(IDC_BUTTON_DELETE, &MeasureTotalDlg::OnDeleteItem)
ON_NOTIFY(NM_RCLICK, IDC_LIST_LENGTH, &MeasureTotalDlg::OnRclickLengthList)
ON_BN_CLICKED(IDC_UNIT_RADIO1, &MeasureTotalDlg::OnUnitRadio1)
ON_BN_CLICKED(IDC_UNIT_RADIO2, &MeasureTotalDlg::OnUnitRadio2)
ON_BN_CLICKED(IDC_UNIT_RADIO4, &MeasureTotalDlg::OnUnitRadio4)
ON_BN_CLICKED(IDC_UNIT_RADIO5, &MeasureTotalDlg::OnUnitRadio5)
ON_CBN_SELCHANGE(IDC_CMB_MARUME1, &MeasureTotalDlg::OnSelchangeCmbMarume1)
ON_CBN_SELCHANGE(IDC_CMB_MARUME2, &MeasureTotalDlg::OnSelchangeCmbMarume2)
ON_WM_CTLCOLOR()
ON_COMMAND(ID_LIST_COPY, &MeasureTotalDlg::OnListCopy)
ON_COMMAND(ID_LIST_COPY_ALL, &MeasureTotalDlg::OnListCopyAll)
ON_COMMAND(ID_LIST_ALL, &MeasureTotalDlg::OnListAll)
ON_COMMAND(ID_LIST_PLUS, &MeasureTotalDlg::OnListPlus)
ON_COMMAND(ID_LIST_MINUS, &MeasureTotalDlg::OnListMinus)
ON_NOTIFY(LVN_KEYDOWN, IDC_LIST_LENGTH, &MeasureTotalDlg::OnKeydownVertexList)
ON_BN_CLICKED(IDC_CHK_DRAW_LIST, &MeasureTotalDlg::OnChkDrawList)
ON_COMMAND(ID_LIST_DELETE, &MeasureTotalDlg::OnDeleteItem)
ON_COMMAND(ID_LIST_DELETE_ALL, &MeasureTotalDlg::OnDeleteAllItem)
ON_BN_CLICKED(IDC_CHK_DRAW_TOTAL, &MeasureTotalDlg::OnChkDrawTotal)
ON_WM_SYSCOMMAND()
END_MESSAGE_MAP()

} // namespace brio::ui::measure
