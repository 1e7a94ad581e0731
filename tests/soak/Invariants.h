// What must hold after every step of the random user, whatever the step was and whatever failed:
//   - every trace entry the log server took has its exit (no trace left open);
//   - isHWnd() tells whether the dialog has a window;
//   - the person's input is let go: no window keeps the mouse, no modifier key stays down, no
//     modal loop leaves the dialog or the host's window disabled;
//   - the rows are numbered 1..n in order, and a row once inserted keeps its texts and its raw
//     value; rows go only by a delete command or with their window, and come only one per
//     measurement, at the end, with the texts and value the host handed in;
//   - the shown values, the total, the unit label and the unit radios follow the rows, the unit
//     and the rounding the controls show (checked once the dialog has had the chance to recompute
//     after a failure: a failure leaves the display as it was, by design);
//   - with no window, the live fonts, brushes, pens, DCs, menus, icons and windows are back at the
//     host's baseline, and window procedures nest as deeply as at the start (under Wine an exception
//     that left a window procedure through the system's frames lowers that for good);
//   - a new window shows the options the dialog object holds, and a closed one leaves them in the
//     store.
// The options the object holds are not visible; they are followed from what the user and the log
// show: a setting is "known" while it could be followed, and checked only then.
#pragma once

#include "Steps.h"

#include <DialogHost.h>
#include <DialogReader.h>

#include <array>
#include <string>

namespace reliability {

// How often each kind of check could be made, so that a run shows it proved something.
struct CheckCounts {
    long display = 0;    // values, total, unit label and radios against the rows
    long newWindows = 0; // options shown by a new window
    long stored = 0;     // options in the store after a close
    long noWindow = 0;   // live objects and the nesting depth back at the start
    long rows = 0;       // rows seen after the steps, summed
};

class Invariants {
public:
    CheckCounts m_counts;
    void start(DialogHost& world);
    void before(DialogHost& world, const Step& step);
    // "" when everything holds, else "[name] what was seen".
    std::string after(DialogHost& world, const Step& step, const std::string& escaped);

private:
    // The seven stored options in the order the dialog reads them: marume1, marume2, unit1, unit2,
    // drawList, drawTotal, close.
    struct Options {
        std::array<long long, 7> value{1, 0, 0, 0, 0, 0, 0};
        std::array<bool, 7> known{true, true, true, true, true, true, true};
    };

    std::string checkTraces(DialogHost& world) const;
    std::string checkInput(DialogHost& world, HWND dialog) const;
    std::string checkRows(const Step& step, HWND dialog, const DialogView& view,
                          const std::string& escaped) const;
    std::string checkDisplay(const DialogView& view, bool drawStale) const;
    std::string checkLiveObjects(DialogHost& world) const;
    std::string checkNesting() const;
    std::string checkNewWindow(const DialogView& view) const;
    std::string checkStored(DialogHost& world) const;
    void followOptions(DialogHost& world, const Step& step, const DialogView& view,
                       const std::string& escaped);
    Options optionsAtSetUp(DialogHost& world) const;

    int m_nNestingAtStart = 0;
    HWND m_hBefore = nullptr;
    DialogView m_before;
    Options m_options;         // what the dialog object holds, as far as it can be followed
    Options m_atSetUp;         // what a window made by this step must show
    bool m_bStale = false;     // a failure may have left the display behind the rows and options
    bool m_bDrawStale = false; // ... and the draw commands behind the draw boxes
    bool m_bLogFaulty = false;
    bool m_bLogThrowing = false;
    bool m_bStoreWorking = true;
};

} // namespace reliability
