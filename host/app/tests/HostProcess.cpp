#include "HostProcess.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace host::testing {

// A name no other folder has: create_directory fails on one that exists, and a few tries with random
// names find a free one.
ScratchDir::ScratchDir() {
    std::random_device random;
    for (int attempt = 0; attempt < 100 && m_path.empty(); ++attempt) {
        const auto candidate =
            std::filesystem::temp_directory_path() / ("measure-host-" + std::to_string(random()));
        std::error_code error;
        if (std::filesystem::create_directory(candidate, error)) {
            m_path = candidate.string();
        }
    }
}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::map<std::string, std::string> Headless() {
#if defined(_WIN32)
    return {};
#else
    return {{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}};
#endif
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        lines.push_back(line);
    }
    return lines;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace host::testing
