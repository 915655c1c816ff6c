// EntryPoint, the command handler and the command registration of the plug-in.
#include <cstring>

#include "DialogStep.h"
#include "host/CallbackTable.h"
#include "host/EntryPoint.h"
#include "host/HostLibraries.h"
#include "host/PluginHostServices.h"

namespace {

// The dialog's result after a completed "计算".
constexpr int kDialogOk = 1;

extern "C" int RunCommand(const char* command) {
    if (command == nullptr || std::strcmp(command, wall::kCommandName) != 0) return 0;
    wall::PluginHostServices host;
    // Each run is a fresh dialog with a fresh case; only the callback table outlives it.
    if (RunCalculationDialog(host) != kDialogOk) wall::HostCloseDocument();
    return 0;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) int EntryPoint(int code, void* data) {
    switch (code) {
        case wall::kEntryLoad:
            RegisterCmd(wall::kPluginToken, wall::kCommandName, RunCommand);
            break;
        case wall::kEntryRunCommand:
            RunCommand(static_cast<const char*>(data));
            break;
        case wall::kEntryHandInCallback:
            wall::HandInCallback(wall::PluginCallbacks(), static_cast<const HostCallbackRecord*>(data));
            break;
        default:
            // Unload (2), idle (3), host quit (4) and unknown codes: nothing to do.
            break;
    }
    return 0;
}
