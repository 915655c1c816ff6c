// Scratch folders: unique per process and tag, removed at the end of the test.
#include "ScratchDir.h"

#include <unistd.h>

#include <atomic>

namespace wall::test {

ScratchDir::ScratchDir(const std::string& tag) {
    static std::atomic<int> serial{0};
    m_path = std::filesystem::temp_directory_path() /
             ("wall-" + tag + "-" + std::to_string(::getpid()) + "-" + std::to_string(serial++));
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
}

ScratchDir::~ScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

}  // namespace wall::test
