// The sample run, README's first command: the built-in script against the dialog without a display,
// then the pictures and the event log in out/ under the current directory, and where they are.
//
// Not done here: choosing the mode (main), the script's commands (ScriptRunner).
#pragma once

#include <string>

namespace host::sample {

// Before anything reads them: the log and the settings go to `outDir` unless BRIO_LOG / BRIO_SETTINGS
// say otherwise, and the sample's own settings file starts empty, so that every run is the same.
// False when the directory cannot be made.
bool PrepareSampleEnvironment(const std::string& outDir);

struct SampleFiles {
    std::string dialogPng, drawingPng, events;
};
SampleFiles SampleFilesIn(const std::string& outDir);

} // namespace host::sample
