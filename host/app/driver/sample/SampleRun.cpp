#include "sample/SampleRun.h"

#include <cstdlib>
#include <filesystem>

namespace host::sample {

namespace {

void SetVariable(const char* name, const std::string& value) {
#ifdef _WIN32
    _putenv_s(name, value.c_str());
#else
    setenv(name, value.c_str(), 1);
#endif
}

} // namespace

bool PrepareSampleEnvironment(const std::string& outDir) {
    std::error_code error;
    std::filesystem::create_directories(outDir, error);
    if (error) {
        return false;
    }
    // An empty variable names nothing, as an unset one.
    auto unset = [](const char* name) { return !std::getenv(name) || !*std::getenv(name); };
    if (unset("BRIO_LOG")) {
        SetVariable("BRIO_LOG", outDir + "/measure-host.log");
    }
    if (unset("BRIO_SETTINGS")) {
        // Only our own file is removed; settings someone named on purpose are left alone.
        const std::string settings = outDir + "/settings.sqlite3";
        std::filesystem::remove(settings, error);
        SetVariable("BRIO_SETTINGS", settings);
    }
    return true;
}

SampleFiles SampleFilesIn(const std::string& outDir) {
    return SampleFiles{outDir + "/dialog.png", outDir + "/drawing.png", outDir + "/events.jsonl"};
}

} // namespace host::sample
