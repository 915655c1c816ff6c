// The plug-in's exported entry: its message codes, the callback record and the registration names.
#pragma once

extern "C" {

// The host hands a callback in with code 27 through this record: the callback's name, then its
// function. Both fields are pointer-sized on this 64-bit platform (the 32-bit host used two
// 32-bit fields; the order is the same).
struct HostCallbackRecord {
    const char* name;
    void* function;
};

// The text-out callback: takes one NUL-terminated text; its result is not used.
using HostTextOutCallback = int (*)(const char* text);
// The close-document callback: no arguments; its result is not used.
using HostCloseDocCallback = int (*)();

// The only export of the plug-in. Always returns 0.
int EntryPoint(int code, void* data);
using EntryPointFunction = int (*)(int code, void* data);
}

namespace wall {

// Message codes of EntryPoint; every other code is ignored.
enum EntryCode : int {
    kEntryLoad = 1,            // register the command
    kEntryUnload = 2,          // nothing
    kEntryIdle = 3,            // nothing
    kEntryHostQuit = 4,        // nothing
    kEntryRunCommand = 15,     // data: the command's name
    kEntryHandInCallback = 27  // data: a HostCallbackRecord
};

// The plug-in token and the command registered under it (exact, upper case).
constexpr const char* kPluginToken = "$KS_QURN";
constexpr const char* kCommandName = "KESTRO_QUARN";

// The name of the plug-in library as the development host finds it.
constexpr const char* kPluginFileName = "libwallcalc-plugin.so";

}  // namespace wall
