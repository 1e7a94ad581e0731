// The test library's interface: the ids of its dialog template (the control kinds of the component's
// template 436) and what it tells the loading program.
#pragma once

#include "sample_ids.h"

namespace sample {

constexpr int kDialogId = SAMPLE_DIALOG_ID;
constexpr int kDrawListCheck = SAMPLE_DRAW_LIST_CHECK;
constexpr int kList = SAMPLE_LIST;
constexpr int kDrawTotalCheck = SAMPLE_DRAW_TOTAL_CHECK;
constexpr int kTotalEdit = SAMPLE_TOTAL_EDIT;
constexpr int kUnitLabel = SAMPLE_UNIT_LABEL;
constexpr int kPositionLabel = SAMPLE_POSITION_LABEL;
constexpr int kPositionCombo = SAMPLE_POSITION_COMBO;
constexpr int kMethodLabel = SAMPLE_METHOD_LABEL;
constexpr int kMethodCombo = SAMPLE_METHOD_COMBO;
constexpr int kDrawButton = SAMPLE_DRAW_BUTTON;
constexpr int kDeleteButton = SAMPLE_DELETE_BUTTON;
constexpr int kDeleteAllButton = SAMPLE_DELETE_ALL_BUTTON;
constexpr int kLengthGroup = SAMPLE_LENGTH_GROUP;
constexpr int kMillimetreRadio = SAMPLE_MILLIMETRE_RADIO;
constexpr int kMetreRadio = SAMPLE_METRE_RADIO;
constexpr int kAreaGroup = SAMPLE_AREA_GROUP;
constexpr int kSquareMillimetreRadio = SAMPLE_SQUARE_MILLIMETRE_RADIO;
constexpr int kSquareMetreRadio = SAMPLE_SQUARE_METRE_RADIO;
constexpr int kCloseCheck = SAMPLE_CLOSE_CHECK;

// The loading program may export this (C linkage, default visibility); the library's DllMain calls it
// with "attach" and "detach".
using EventSink = void (*)(const char* event);
constexpr const char* kEventSinkName = "MfcSampleDllEvent";

// Exported by the library (C linkage): the name of the first run-time class its extension record
// claimed at load, "" if none.
using ClaimedClassName = const char* (*)();
constexpr const char* kClaimedClassName = "SampleClaimedClassName";

} // namespace sample
