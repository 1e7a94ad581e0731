#include "sample/SampleRun.h"

#include <cstdlib>
#include <filesystem>

namespace host::sample {

bool PrepareSampleEnvironment(const std::string& outDir) {
    std::error_code error;
    std::filesystem::create_directories(outDir, error);
    if (error) {
        return false;
    }
    // An empty variable names nothing, as an unset one.
    auto unset = [](const char* name) { return !std::getenv(name) || !*std::getenv(name); };
    if (unset("BRIO_LOG")) {
        setenv("BRIO_LOG", (outDir + "/measure-host.log").c_str(), 1);
    }
    if (unset("BRIO_SETTINGS")) {
        // Only our own file is removed; settings someone named on purpose are left alone.
        const std::string settings = outDir + "/settings.sqlite3";
        std::filesystem::remove(settings, error);
        setenv("BRIO_SETTINGS", settings.c_str(), 1);
    }
    return true;
}

SampleFiles SampleFilesIn(const std::string& outDir) {
    return SampleFiles{outDir + "/dialog.png", outDir + "/drawing.png", outDir + "/events.jsonl"};
}

} // namespace host::sample
