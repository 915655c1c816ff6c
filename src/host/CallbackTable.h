// The callbacks the host has handed in, how a hand-in is matched by name, and the text bridge.
#pragma once

#include "host/EntryPoint.h"

namespace wall {

// Held for the lifetime of the loaded plug-in; all empty at load.
struct CallbackTable {
    void* loadMenuFile = nullptr;  // kept, never called
    HostTextOutCallback textOut = nullptr;
    HostCloseDocCallback closeDoc = nullptr;
};

// Which slot a hand-in fills.
enum class CallbackKind { kNone, kLoadMenuFile, kTextOut, kCloseDoc };

// Upper-cases a copy of `name` (ASCII letters only) and tests, in this order, whether it contains
// "LOADMENUFILE", "EXRTFTEXTOUT" or "EXCLOSEDOC"; the first match wins. Null matches nothing.
CallbackKind MatchCallbackName(const char* name);

// Stores the record's function in the slot its name selects, replacing an earlier one. A null
// record, name or function changes nothing.
void HandInCallback(CallbackTable& table, const HostCallbackRecord* record);

// The plug-in's one table.
CallbackTable& PluginCallbacks();

// Passes `text` to the host's text-out callback; nothing when none was handed in or text is null.
void HostTextOut(const char* text);

// Calls the host's close-document callback, if one was handed in.
void HostCloseDocument();

}  // namespace wall
