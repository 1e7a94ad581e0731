// The entry the host calls for every measurement: make the dialog object and its window when
// needed, then hand the record to the list.
#include "MeasureTotalDlg.h"
#include "MeasureTotalDlgIds.h"

#include "../trace/FunctionTrace.h"

namespace brio::ui::measure {
namespace {

// Our template is found through the instance handle while the window is made. The handle is put
// back on every way out, an exception from the window creation included, so the host never keeps
// looking for its own resources in the wrong place.
class ResourceHandleScope {
public:
    ResourceHandleScope() : m_pState(AfxGetModuleState()), m_hPrevious(m_pState->m_hCurrentResourceHandle) {
        m_pState->m_hCurrentResourceHandle = m_pState->m_hCurrentInstanceHandle;
    }
    ~ResourceHandleScope() { m_pState->m_hCurrentResourceHandle = m_hPrevious; }
    ResourceHandleScope(const ResourceHandleScope&) = delete;
    ResourceHandleScope& operator=(const ResourceHandleScope&) = delete;

private:
    AFX_MODULE_STATE* m_pState = nullptr;
    HINSTANCE m_hPrevious = NULL;
};

} // namespace

bool doMeasureTotalDlg(IMeasureTotalDlg*& dlg, CWnd* mainFrame, const TMSRDATA& data) {
    FunctionTrace trace;
    trace.write(L"doMeasureTotalDlg()");

    if (dlg != nullptr) {
        auto* dialog = dynamic_cast<MeasureTotalDlg*>(dlg);
        if (dialog == nullptr)
            return false;
        if (!dlg->isHWnd()) {
            ResourceHandleScope resources;
            dialog->Create(IDD_MEASURE_TOTAL, NULL);
            dialog->SetMainFrame(mainFrame);
        }
        dlg->SetListData(&data);
        return true;
    }

    {
        ResourceHandleScope resources;
        dlg = new MeasureTotalDlg(NULL);
        if (auto* dialog = dynamic_cast<MeasureTotalDlg*>(dlg)) {
            dialog->Create(IDD_MEASURE_TOTAL, NULL);
            dialog->SetMainFrame(mainFrame);
        }
    }
    if (dlg == nullptr)
        return false;
    dlg->SetListData(&data);
    return true;
}

} // namespace brio::ui::measure
