// The 3336-byte case file: encoding, decoding, atomic writing and the two fixed copies.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "case/WallCase.h"

namespace wall {

constexpr int32_t kCaseMarker = 20111116;
constexpr std::size_t kCaseFileSize = 3336;
constexpr std::size_t kWallFieldsOffset = 2848;

// The dialog title, which names the case files' extension and the fixed copies.
constexpr const char* kDialogTitle = "挡土墙计算";

enum class CaseIoStatus {
    kOk,
    kCannotOpen,  // the file could not be opened or created; nothing read or written
    kShortFile,   // fewer than 3336 bytes
    kInvalid,     // markers or ranges wrong
    kIoError,     // a read or write failed part-way
};

// Outcome of reading or writing a case file. `cause` is the file error's cause number
// (0 none, 2 not found, 3 bad path, 5 access denied, 13 disk full, 14 end of file ...);
// `message` is the text the user is shown.
struct CaseIoResult {
    CaseIoStatus status = CaseIoStatus::kOk;
    int cause = 0;
    std::string message;
    std::string detail;  // the path and the system's reason, for the command line
    // Written: a binary file left out the text format's inputs. Read: values outside their ranges.
    std::string warning = {};
    bool ok() const { return status == CaseIoStatus::kOk; }
};

// The file image of a case, little-endian, exactly kCaseFileSize bytes.
std::vector<uint8_t> EncodeCase(const WallCase& c);

// Decodes the first kCaseFileSize bytes (further bytes are ignored). `out` is replaced only when
// the image is complete and valid; `path` names the file in messages.
CaseIoResult DecodeCase(std::span<const uint8_t> bytes, const std::string& path, WallCase& out);

// Reads a case file of either format, told apart by content; `out` changes only on success.
CaseIoResult ReadCaseFile(const std::filesystem::path& path, WallCase& out);

// Writes a case file through a temporary file in the same folder and a rename, so a failure never
// leaves a damaged file where a good one was. A name ending in ".json" gets the text format, any
// other the binary one; a binary file cannot keep the text format's inputs, and `warning` says so.
CaseIoResult WriteCaseFile(const std::filesystem::path& path, const WallCase& c);

// Writes `bytes` to `path` atomically (temporary file, then rename). Returns the cause number
// (0 on success) and fills `reason` with the system's text on failure.
int WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes,
                        std::string* reason = nullptr);

// Maps an errno value to the file error's cause number.
int CauseFromErrno(int err);

// The two fixed copies: <work path>/MOVA/SYSTEM/MovaTool.挡土墙计算 and
// <current directory>/MovaTool.挡土墙计算.
std::filesystem::path WorkPathCopy(const std::string& workPath);
std::filesystem::path CurrentDirCopy(const std::filesystem::path& currentDir);

// Writes both fixed copies, creating missing folders. Returns the first failure, if any; the
// second copy is written even when the first failed.
CaseIoResult WriteFixedCopies(const WallCase& c, const std::string& workPath,
                              const std::filesystem::path& currentDir);

// Whether a path names a text case file (it ends in ".json").
bool IsTextCasePath(const std::filesystem::path& path);

// A user-chosen name without an extension gets "." + the dialog title appended.
std::filesystem::path WithCaseExtension(const std::filesystem::path& chosen);

}  // namespace wall
