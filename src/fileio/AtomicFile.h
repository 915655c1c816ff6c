// Writing a file so that a failure never leaves it damaged: a temporary file beside it, then rename.
#pragma once

#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace wall {

// Why a file could not be read or written, in words for the user: "文件夹不存在", "磁盘已满", ...
enum class FileAccess { kRead, kWrite };
std::string FileErrorText(int err, FileAccess access = FileAccess::kWrite);

// The file a path finally names: symbolic links followed (relative targets against the link's
// folder), even when that file does not exist yet. A loop of links gives the path itself.
std::filesystem::path FinalTarget(const std::filesystem::path& path);

// The error of a write to a path that is not a regular file (ENODEV, which no write gives otherwise).
inline constexpr int kNotRegularFile = ENODEV;

// 0 when the final target of a path may be replaced (it is absent, or a regular file with some write
// permission), else kNotRegularFile, EISDIR or EACCES.
int ReplaceableTarget(const std::filesystem::path& target);

// An advisory lock on an existing regular file while the object lives: a writer's exclusive lock
// (ReplaceFileAtomically takes one) waits for the readers' shared ones and they for it, so a reader
// never sees a file with hard links half rewritten in place. Anything else (absent, a device, a pipe)
// is not locked and never waited on.
class FileLock {
  public:
    FileLock(const std::filesystem::path& path, bool exclusive);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

  private:
    int fd_ = -1;
};

// Writes `bytes` to a new temporary file beside `near` (mode 0666 less the umask), fsynced.
// Returns 0 and the temporary file's name, or the errno of the failure with nothing left behind.
int WriteTemporaryFile(const std::filesystem::path& near, std::span<const uint8_t> bytes,
                       std::string& tmpName);

// Replaces the file `path` finally names with `bytes`, or creates it. An existing file keeps its
// mode and, where permitted, its owner; one with several hard links is rewritten in place after
// the temporary copy is complete, so every link sees the new bytes. Returns 0 or the errno; on
// failure the old file is as it was (or, for a file with hard links, holds the new bytes under
// this name alone).
// A path that names a device, a pipe or a socket is refused with kNotRegularFile, and a file without
// any write permission with EACCES: neither is touched. Writers of one existing file take turns (an
// advisory lock on it).
int ReplaceFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes);

}  // namespace wall
