// The running-total dialog as a benchmark drives it: loaded and fed as the host feeds it (the
// exported entry, the interface, the user's clicks), with one shortcut the host does not have: a
// list can be filled directly through the list view's messages with exactly the cells the dialog
// writes, because adding 100,000 rows one by one costs 100,000 recomputations.
//
// What it does NOT do:
// - no painting and no live display: nothing here looks at pixels;
// - no settings of the user: the settings store is a file of the run's own, removed at the end;
// - no log: the log server's threshold is 5, above every trace and error line of the dialog.
#pragma once

#include "RowMix.h"

#include <MeasureTotalDlg.h>
#include <MeasureTotalDlgIds.h>

#include <filesystem>
#include <string>

namespace bench {

using enum brio::ui::measure::MeasureListColumn;

class HostedDialog {
public:
    HostedDialog();
    ~HostedDialog();
    HostedDialog(const HostedDialog&) = delete;
    HostedDialog& operator=(const HostedDialog&) = delete;

    // The host's call for one measurement: doMeasureTotalDlg, then the message loop drained.
    void Measure(const Measurement& measurement);
    // Appends rows [count(), rows) of `mix` with the cells the dialog itself writes; the shown
    // value is left for the next recomputation to write, as a just-inserted row's is.
    void FillTo(int rows, const RowMix& mix);
    // Deletes the last row without recomputing: undoes a Measure for the next iteration.
    void DropLastRow();
    void SelectEveryOtherRow(); // rows 1, 3, 5, ... and nothing else

    // What the user does.
    void ChoosePosition(int index); // rounding position combo: CBN_SELCHANGE, as a pick sends it
    void Click(int controlId);      // the simulated user's click on a control
    void Command(int commandId);    // a context-menu command (WM_COMMAND from a menu)
    const wchar_t* HostReadsSummary();

    int Rows() const;
    std::wstring Cell(int row, int column) const;
    std::wstring Text(int controlId) const;
    HWND Control(int controlId) const;
    brio::ui::measure::MeasureTotalDlg* Dialog() const;

private:
    brio::ui::measure::IMeasureTotalDlg* m_pDlg = nullptr;
    HWND m_hMainWindow = nullptr;
    CWnd m_mainFrame;
    std::filesystem::path m_settingsFile;
};

} // namespace bench
