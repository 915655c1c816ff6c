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
    // A test may have locked the folder to provoke a failure.
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(m_path, ec);
}

}  // namespace wall::test
