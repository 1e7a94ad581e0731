// The random user's repertoire: every action a person at the dialog and the host around it can
// take, as plain data, so that a run can be printed, replayed from a fresh host and shrunk.
//
// What it does NOT do: no checks (Invariants), no choice that depends on the dialog's state: a
// step is drawn from the random numbers alone, and a step that makes no sense at the moment (a row
// that is not there, a disabled button) simply does what a person's attempt would do: nothing.
#pragma once

#include <DialogHost.h>
#include <DialogReader.h>
#include <ExpectedCells.h>

#include <random>
#include <string>

namespace reliability {

using namespace measure_test;

enum class Act {
    Measure,      // the host hands in a measurement
    DeleteDialog, // the host deletes the dialog object
    ReadSummary,  // the host reads GetString
    Click,        // a left click on control `a`; `answer` answers a message box it brings
    PickRow,      // a click on row `a` with modifiers `b`
    Key,          // key `a` with modifiers `b`
    RightClick,   // a right click on row `a` (-1: the empty area), menu entry `b` (-1 dismisses)
    Combo,        // combo box `a` picks item `b`
    Resize,       // the border dragged to `a` x `b`
    CloseButton,  // the title bar's close button
    CloseMessage, // WM_CLOSE from outside, sent (`a` 0) or posted (`a` 1)
    HelpButton,   // the title bar's help button
    Hover,        // the pointer rests on control `a`
    Look,         // a pixel is read: the window paints
    // Faults that last `a` steps (then they are put right again):
    LogRefuses,     // the log server refuses trace entries
    LogThrows,      // the log server throws on every write
    Store,          // settings store mode `b` (1 none, 2 throwing, 3 refusing, 4 garbage `c` on key `d`)
    ClipboardFails, // opening the clipboard fails
    // Faults armed until used:
    LogBreaksDraw, // the host's log starts throwing while it handles the next draw request
    FailNext,      // the next call of fault `a` fails
    MainFrame,     // the host's window given with later measurements: 0 its own, 1 none, 2 gone
};

struct Step {
    Act act = Act::Measure;
    int a = 0;
    int b = 0;
    int c = 0;
    int d = 0;
    int answer = IDOK; // the person's answer to a message box this step brings up
    // Measure only.
    double value = 0.0;
    int minus = 0;
    int areaFlag = 0;
    std::wstring scale;
    std::wstring element;
};

// One line a person can read and a test can paste back into a table.
std::string Describe(const Step& step);

// Draws the next step. `serial` numbers the measurements so that their texts tell rows apart.
Step DrawStep(std::mt19937_64& random, int& serial);

// Carries the step out on the host; "" or what escaped to the host's loop.
std::string Perform(DialogHost& world, const Step& step);

} // namespace reliability
