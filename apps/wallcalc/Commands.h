// The command table of wallcalc: each command file registers one sub-command.
#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <string>
#include <vector>

#include "calc/CaseResult.h"
#include "case/WallCase.h"
#include "report/Document.h"

namespace wallcalc {

// The exit codes: 0 done (and every check passed), 1 a refused case or a file that could not be
// read or written, 2 a command line that could not be understood, 3 a check that failed.
constexpr int kExitRefused = 1;
constexpr int kExitUsage = 2;
constexpr int kExitCheckFailed = 3;

// Thrown by a command to end with a message on stderr (none when empty) and a non-zero exit code.
struct CommandError {
    std::string message;
    int exitCode = kExitRefused;
};

using CommandSetup = std::function<void(CLI::App&)>;

// Registers a sub-command; call from a static object in the command's file.
struct RegisterCommand {
    explicit RegisterCommand(CommandSetup setup);
};

std::vector<CommandSetup>& CommandSetups();

// Writes a document as PDF through the PDF module, opened on first use; false with `error` when
// the module or its fonts are missing.
bool WritePdfOnDemand(const wall::Document& doc, const std::string& title, const std::string& creator,
                      std::vector<uint8_t>& out, std::string* error);

// Reads a case file or throws CommandError with the reader's message.
wall::WallCase LoadCase(const std::string& path);

// Throws CommandError when `path` names an existing file (or link) and `force` is not given, so a
// command never replaces a file the user did not name for replacing.
void RefuseToReplace(const std::string& path, bool force);

// Writes a case file or throws CommandError naming the path and the cause.
void SaveCase(const std::string& path, const wall::WallCase& c);

// Calculates the case; throws CommandError with every reason when it is refused, so a refused
// case writes nothing.
wall::CaseResult RequireResult(const wall::WallCase& c);

// Wall type from its command-line name (gravity, semi-gravity, shelf, cantilever, counterfort).
const std::vector<std::pair<std::string, int>>& WallTypeOptions();

}  // namespace wallcalc
