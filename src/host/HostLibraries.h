// The host's C services that the plug-in imports: command registration and the common-data calls.
#pragma once

extern "C" {

// The command handler the host calls with the command's name; its result is not used.
using HostCommandHandler = int (*)(const char* command);

// Command manager (libpellod): registers `command` under the plug-in `token`. Result not used.
int RegisterCmd(const char* token, const char* command, HostCommandHandler handler);

// Common data (libtarnic).
// The host's work directory; ends with a directory separator.
const char* LTR_GET_WORK_PATH();
// The current project item's work directory.
const char* LTR_GET_CUR_ITEM_WORK_PATH();
// Lists a drawing file written in the current directory among the item's drawings. Result not used.
int LTR_ADD_TU_NAME(const char* name);
}
