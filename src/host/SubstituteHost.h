// Development-only calls of the substitute host libraries: set their work paths, observe their records.
#pragma once

#include "host/HostLibraries.h"

extern "C" {

// libpellod: the commands registered so far, in order of registration.
int PellodDevCommandCount();
// Token, name and handler of registration `index`; null (or a null handler) when out of range.
const char* PellodDevCommandToken(int index);
const char* PellodDevCommandName(int index);
HostCommandHandler PellodDevCommandHandler(int index);
// Runs the handler of the last command registered under `command`, as the host's menu would.
// Returns the handler's result, or -1 when no such command is registered.
int PellodDevRunCommand(const char* command);
// Called after each registration; null switches the observer off.
void PellodDevSetObserver(void (*observer)(const char* token, const char* command));
// Forgets all registrations and the observer.
void PellodDevReset();

// libtarnic: the paths the services return (copied; null makes the service return null).
void TarnicDevSetWorkPath(const char* path);
void TarnicDevSetItemWorkPath(const char* path);
// The drawing names registered so far, in order.
int TarnicDevDrawingCount();
const char* TarnicDevDrawingName(int index);
// Called after each registered drawing name; null switches the observer off.
void TarnicDevSetObserver(void (*observer)(const char* name));
// Back to the default paths ("./" and "."), no drawing names, no observer.
void TarnicDevReset();
}
