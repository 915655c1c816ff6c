// A temporary folder of one test, removed with everything in it when the test ends.
#pragma once

#include <filesystem>
#include <string>

namespace wall::test {

class ScratchDir {
  public:
    // A new empty folder under the system's temporary folder, named after `tag` and the process.
    explicit ScratchDir(const std::string& tag);
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const std::filesystem::path& name) const { return m_path / name; }

  private:
    std::filesystem::path m_path;
};

}  // namespace wall::test
