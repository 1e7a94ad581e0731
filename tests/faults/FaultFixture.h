// What every fault-injection test stands on: a host (DialogHost) with a dialog opened on a few
// measurements, a way to say that the host went on after the fault (everything put right, one more
// measurement lands as the last row of a shown window, every trace closed), and the count of faults
// injected and survived that the run prints at its end.
#pragma once

#include <DialogHost.h>
#include <DialogReader.h>
#include <StopMarks.h>
#include <ExpectedCells.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace reliability::test {

using namespace measure_test;

class Faults : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A measured length as the host hands it in.
    static brio::ui::measure::TMSRDATA Length(double value, BOOL minus = FALSE);
    // What the dialog's traces write after "this=" for the object.
    static std::string AddressText(const brio::ui::measure::IMeasureTotalDlg* object);
    // The host opens the dialog on these lengths.
    void Open(std::initializer_list<double> values);
    DialogView View() const { return ReadDialog(m_world->dialog()); }
    // One column of every row; numbers, texts and raw values, as the user sees them.
    std::vector<std::wstring> Column(int column) const;

    // A fault is about to be injected; `name` goes into the figures.
    void Inject(const std::string& name);
    // Puts everything right (log, store, clipboard, main frame) and measures once more: the
    // measurement must become the last row of a shown window with every trace closed, and the
    // rows that were there must still be there. Counts the fault as survived when all of it holds.
    void HostGoesOn();
    // The host deletes the dialog; the live objects must be back at the baseline.
    void ExpectNothingLeaked();

    std::unique_ptr<DialogHost> m_world;
    std::string m_strFault;

public:
    static int s_nInjected;
    static int s_nSurvived;
};

} // namespace reliability::test
