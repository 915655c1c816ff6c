// A file written piece by piece into a temporary file beside it and put in place by a rename once it
// is complete, so an output too large to hold in memory is still never left damaged or partial.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace wallcalc {

class StreamedFile {
  public:
    // Creates the temporary file beside the file `path` finally names; throws CommandError when the
    // folder cannot take it.
    explicit StreamedFile(std::filesystem::path path);
    // Removes the temporary file unless Commit() put it in place.
    ~StreamedFile();
    StreamedFile(const StreamedFile&) = delete;
    StreamedFile& operator=(const StreamedFile&) = delete;

    // Appends bytes; throws CommandError when they cannot be written.
    void Write(std::string_view bytes);
    // Flushes the file to disk and renames it over the path (an existing file keeps its mode);
    // throws CommandError on failure, leaving whatever the path held as it was.
    void Commit();

  private:
    [[noreturn]] void Fail(int err);

    std::filesystem::path m_path;
    std::filesystem::path m_target;
    std::string m_tmp;
    int m_fd = -1;
};

}  // namespace wallcalc
