// Before the dialog uses one of its controls it makes sure the control is there; a missing one is
// reported and the operation goes on without it.
#pragma once

#include <afxwin.h>

namespace brio::ui::measure {

// The control `id` of `dialog`, or null after the error line "コントロール(ID=%d) が無効".
CWnd* CheckedControl(CWnd& dialog, int id);

// The control `id`, or null, without a report (for steps that skip a missing control silently).
CWnd* LiveControl(CWnd& dialog, int id);

} // namespace brio::ui::measure
