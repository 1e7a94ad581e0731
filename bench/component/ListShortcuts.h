// What the benchmarks do to the running-total dialog beyond what the test host does (tests/support's
// DialogHost, which loads and feeds it as the host does): the host's call with a benchmark's row,
// and one shortcut the host does not have: a list filled directly through the list view's messages
// with exactly the cells the dialog writes, because adding 100,000 rows one by one costs 100,000
// recomputations. The user's picks go through the window messages the picks send.
//
// What it does NOT do: no reading of the dialog (DialogReader does that), no painting.
#pragma once

#include "RowMix.h"

#include <DialogHost.h>
#include <DialogReader.h>

#include <MeasureTotalDlg.h>
#include <MeasureTotalDlgIds.h>

namespace bench {

using enum brio::ui::measure::MeasureListColumn;

// The host's call for one measurement: doMeasureTotalDlg, then the message loop drained.
void Measure(measure_test::DialogHost& host, const Measurement& measurement);
// Appends rows [count, rows) of `mix` with the cells the dialog itself writes; the shown value is
// left for the next recomputation to write, as a just-inserted row's is.
void FillTo(HWND list, int rows, const RowMix& mix);
// Deletes the last row without recomputing: undoes a Measure for the next iteration.
void DropLastRow(HWND list);
void SelectEveryOtherRow(HWND list); // rows 1, 3, 5, ... and nothing else
// The rounding position combo: CB_SETCURSEL and the CBN_SELCHANGE a pick sends.
void ChoosePosition(HWND combo, int index);
// A context-menu command, as the menu sends it (WM_COMMAND).
void Command(HWND dialog, int commandId);
// The dialog class behind the host's interface pointer.
brio::ui::measure::MeasureTotalDlg* DialogObject(const measure_test::DialogHost& host);

} // namespace bench
