#include "ControlCheck.h"

#include "../trace/FunctionTrace.h"

namespace brio::ui::measure {

CWnd* LiveControl(CWnd& dialog, int id) {
    CWnd* control = dialog.GetDlgItem(id);
    if (control == nullptr || !::IsWindow(control->GetSafeHwnd()))
        return nullptr;
    return control;
}

CWnd* CheckedControl(CWnd& dialog, int id) {
    CWnd* control = LiveControl(dialog, id);
    if (control == nullptr)
        WriteErrorLine(L"コントロール(ID=%d) が無効", id);
    return control;
}

} // namespace brio::ui::measure
