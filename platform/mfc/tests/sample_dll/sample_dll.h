// The test library's interface: the ids of its dialog template (the control kinds of the component's
// template 436) and what it tells the loading program.
#pragma once

namespace sample {

constexpr int kDialogId = 4360;
constexpr int kDrawListCheck = 1313;
constexpr int kList = 1348;
constexpr int kDrawTotalCheck = 1314;
constexpr int kTotalEdit = 1316;
constexpr int kUnitLabel = 1350;
constexpr int kPositionLabel = 1311;
constexpr int kPositionCombo = 1355;
constexpr int kMethodLabel = 1312;
constexpr int kMethodCombo = 1356;
constexpr int kDrawButton = 1271;
constexpr int kDeleteButton = 1351;
constexpr int kDeleteAllButton = 1349;
constexpr int kLengthGroup = 5031;
constexpr int kMillimetreRadio = 1016;
constexpr int kMetreRadio = 1017;
constexpr int kAreaGroup = 5032;
constexpr int kSquareMillimetreRadio = 1019;
constexpr int kSquareMetreRadio = 1020;
constexpr int kCloseCheck = 1315;

// The loading program may export this (C linkage, default visibility); the library's DllMain calls it
// with "attach" and "detach".
using EventSink = void (*)(const char* event);
constexpr const char* kEventSinkName = "MfcSampleDllEvent";

// Exported by the library (C linkage): the name of the first run-time class its extension record
// claimed at load, "" if none.
using ClaimedClassName = const char* (*)();
constexpr const char* kClaimedClassName = "SampleClaimedClassName";

} // namespace sample
