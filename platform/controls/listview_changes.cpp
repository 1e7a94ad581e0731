// What a list view tells its parent of its rows: each change of a row's state, first cell or item
// data between LVN_ITEMCHANGING and LVN_ITEMCHANGED, and rows coming and going. The steps of the
// mouse and the keys are made of single-row changes, in the order Windows' list view makes them, so
// that the parent sees the same sequence whichever way a selection changes.
//
// Any notification may end the list (its parent may destroy it); after each one the list is asked
// whether it still lives before its state is touched again.
#include "control_base.h"
#include "listview_state.h"

#include <algorithm>
#include <utility>

namespace controls {

namespace {

constexpr UINT kSelectionBits = LVIS_SELECTED | LVIS_FOCUSED;

LRESULT NotifyRow(HWND list, UINT code, NMLISTVIEW& note) {
    return NotifyParent(list, &note.hdr, code);
}

// LVN_INSERTITEM, LVN_DELETEITEM, LVN_DELETEALLITEMS: the row (-1: every row) and its item data.
LRESULT NotifyOfRow(HWND list, UINT code, int row, LPARAM param) {
    NMLISTVIEW note{};
    note.iItem = row;
    note.lParam = param;
    return NotifyRow(list, code, note);
}

bool Gone(HWND list) {
    return !StillAlive(list);
}

} // namespace

RowEdit StateEdit(UINT state, UINT mask) {
    RowEdit edit;
    edit.fields = LVIF_STATE;
    edit.state = state;
    edit.stateMask = mask;
    return edit;
}

// LVN_ITEMCHANGING goes out even when the edit changes nothing (its uChanged is then the fields
// asked for), as Windows sends it; LVN_ITEMCHANGED only for a change. A row taking the focus takes
// it from the focused row, which is told of that as a change of its own between the two.
bool EditRow(HWND list, ListViewState& state, int row, const RowEdit& edit) {
    ListModel& model = state.m_model;
    if (!model.hasRow(row)) {
        return false;
    }
    const UINT oldState = model.rowState(row, ~0u);
    const UINT newState =
        (edit.fields & LVIF_STATE) ? (oldState & ~edit.stateMask) | (edit.state & edit.stateMask) : oldState;
    UINT changed = 0;
    if (newState != oldState) {
        changed |= LVIF_STATE;
    }
    if ((edit.fields & LVIF_TEXT) && model.cellText(row, 0) != edit.text) {
        changed |= LVIF_TEXT;
    }
    if ((edit.fields & LVIF_PARAM) && model.param(row) != edit.param) {
        changed |= LVIF_PARAM;
    }
    NMLISTVIEW note{};
    note.iItem = row;
    if (edit.fields & LVIF_STATE) {
        note.uOldState = oldState;
        note.uNewState = newState;
    }
    note.uChanged = changed ? changed : edit.fields;
    note.lParam = model.param(row);
    if (NotifyRow(list, LVN_ITEMCHANGING, note) != 0 || Gone(list) || !model.hasRow(row)) {
        return false;
    }
    if (changed == 0) {
        return true;
    }
    if (changed & LVIF_TEXT) {
        model.setCellText(row, 0, edit.text);
    }
    if (changed & LVIF_PARAM) {
        model.setParam(row, edit.param);
    }
    if (changed & LVIF_STATE) {
        const bool selecting = (newState & ~oldState & LVIS_SELECTED) != 0;
        const bool focusing = (newState & ~oldState & LVIS_FOCUSED) != 0;
        if (selecting && IsSingleSelection(list)) {
            DeselectAllBut(list, state, row);
            if (Gone(list) || !model.hasRow(row)) {
                return false;
            }
        }
        const int previousFocus = model.focusedRow();
        if (focusing && previousFocus >= 0 && previousFocus != row) {
            // The old row's answer cannot keep the focus: only one row holds it.
            EditRow(list, state, previousFocus, StateEdit(0, LVIS_FOCUSED));
            if (Gone(list) || !model.hasRow(row)) {
                return false;
            }
        }
        model.writeRowState(row, newState);
    }
    note.lParam = model.param(row);
    NotifyRow(list, LVN_ITEMCHANGED, note);
    return true;
}

// Every row: each row the change alters is told, one notification pair per row, as Windows tells a
// list that keeps its rows. Windows also sends LVN_ITEMCHANGING to each row the change leaves as it
// was; here those are left out, so that clearing the selection of a long list costs what its
// selected rows cost (the dialog clears it for every row it adds) and not a message per row.
bool SetRowStates(HWND list, ListViewState& state, int row, UINT rowState, UINT mask) {
    ListModel& model = state.m_model;
    if (row != -1) {
        return EditRow(list, state, row, StateEdit(rowState, mask));
    }
    if ((rowState & mask & LVIS_SELECTED) && IsSingleSelection(list)) {
        return false; // one row at most may be selected
    }
    if (rowState & mask & LVIS_FOCUSED) {
        return false; // one row at most holds the focus
    }
    const UINT wanted = rowState & mask;
    const bool onlyClearing = wanted == 0 && (mask & ~kSelectionBits) == 0;
    bool all = true;
    for (int each = 0; each < model.rowCount(); ++each) {
        if (onlyClearing && model.selectedCount() == 0 &&
            (!(mask & LVIS_FOCUSED) || model.focusedRow() < each)) {
            break; // nothing further to clear
        }
        if (model.rowState(each, mask) == wanted) {
            continue;
        }
        if (!EditRow(list, state, each, StateEdit(rowState, mask))) {
            if (Gone(list)) {
                return false;
            }
            all = false;
        }
    }
    return all;
}

void DeselectAllBut(HWND list, ListViewState& state, int keep) {
    ListModel& model = state.m_model;
    for (int each = 0; each < model.rowCount(); ++each) {
        const int othersSelected = model.selectedCount() - (model.rowState(keep, LVIS_SELECTED) ? 1 : 0);
        if (othersSelected <= 0) {
            return;
        }
        if (each != keep && model.rowState(each, LVIS_SELECTED)) {
            EditRow(list, state, each, StateEdit(0, LVIS_SELECTED));
            if (Gone(list)) {
                return;
            }
        }
    }
}

void SelectAlone(HWND list, ListViewState& state, int row) {
    DeselectAllBut(list, state, row);
    if (Gone(list)) {
        return;
    }
    EditRow(list, state, row, StateEdit(kSelectionBits, kSelectionBits));
    if (Gone(list)) {
        return;
    }
    state.m_model.setSelectionMark(row);
}

// Without `keepOthers` the rows outside the range lose their selection first; then each row of the
// range is selected from the top down, and the focus goes to `row`. The mark stays.
void SelectRangeTo(HWND list, ListViewState& state, int row, bool keepOthers) {
    ListModel& model = state.m_model;
    const int mark = model.selectionMark() >= 0 ? model.selectionMark() : row;
    const int first = std::min(mark, row);
    const int last = std::max(mark, row);
    if (!keepOthers) {
        for (int each = 0; each < model.rowCount() && model.selectedCount() > 0; ++each) {
            if ((each < first || each > last) && model.rowState(each, LVIS_SELECTED)) {
                EditRow(list, state, each, StateEdit(0, LVIS_SELECTED));
                if (Gone(list)) {
                    return;
                }
            }
        }
    }
    for (int each = first; each <= last && each < model.rowCount(); ++each) {
        EditRow(list, state, each, StateEdit(LVIS_SELECTED, LVIS_SELECTED));
        if (Gone(list)) {
            return;
        }
    }
    FocusRow(list, state, row);
}

void ToggleSelected(HWND list, ListViewState& state, int row, bool withFocus) {
    const UINT selected = state.m_model.rowState(row, LVIS_SELECTED) ^ LVIS_SELECTED;
    if (withFocus) {
        EditRow(list, state, row, StateEdit(selected | LVIS_FOCUSED, kSelectionBits));
    } else {
        EditRow(list, state, row, StateEdit(selected, LVIS_SELECTED));
    }
}

void FocusRow(HWND list, ListViewState& state, int row) {
    EditRow(list, state, row, StateEdit(LVIS_FOCUSED, LVIS_FOCUSED));
}

// A row inserted selected or focused is first inserted without those states and then given them
// as a change, so that the parent hears of the selection and of the focus leaving another row.
int InsertRow(HWND list, ListViewState& state, int index, ListRow row) {
    const UINT selection = row.state & kSelectionBits;
    const int at = state.m_model.insertRow(index, std::move(row));
    if (selection != 0) {
        EditRow(list, state, at, StateEdit(selection, kSelectionBits));
    }
    return at;
}

void NotifyInserted(HWND list, const ListViewState& state, int row) {
    NotifyOfRow(list, LVN_INSERTITEM, row, state.m_model.param(row));
}

bool DeleteRow(HWND list, ListViewState& state, int row) {
    if (!state.m_model.hasRow(row)) {
        return false;
    }
    // The row gives up its selection and the focus first (the answer cannot keep them: the row goes).
    EditRow(list, state, row, StateEdit(0, kSelectionBits));
    if (Gone(list) || !state.m_model.hasRow(row)) {
        return false;
    }
    NotifyOfRow(list, LVN_DELETEITEM, row, state.m_model.param(row));
    if (Gone(list) || !state.m_model.hasRow(row)) {
        return false;
    }
    return state.m_model.deleteRow(row);
}

// The rows are told of from the last one up, as Windows does.
void DeleteAllRows(HWND list, ListViewState& state) {
    const bool spared = NotifyOfRow(list, LVN_DELETEALLITEMS, -1, 0) != 0;
    if (Gone(list)) {
        return;
    }
    for (int row = state.m_model.rowCount() - 1; row >= 0 && !spared; --row) {
        NotifyOfRow(list, LVN_DELETEITEM, row, state.m_model.param(row));
        if (Gone(list)) {
            return;
        }
        row = std::min(row, state.m_model.rowCount());
    }
    state.m_model.deleteAllRows();
}

void NotifyCode(HWND list, UINT code) {
    NMHDR header{};
    NotifyParent(list, &header, code);
}

} // namespace controls
