// The process environment as the host's libraries read it (getenv), set the same way on both
// platforms, and the names of the places a test host points it at.
#pragma once

#include <filesystem>
#include <string>

namespace measure_test {

// The file that keeps nothing: /dev/null, NUL on Windows.
extern const char* const kNullDevice;

void SetEnvironment(const char* name, const std::string& value);
void UnsetEnvironment(const char* name);

// A path in the system's temporary folder that names nothing yet: `stem` and a random number.
std::filesystem::path FreshTemporaryPath(const std::string& stem);

} // namespace measure_test
