// What the development host prints: the callbacks and observers that report the plug-in's calls.
#pragma once

#include <string>

namespace wallhost {

// `text` quoted, with control characters, quotes and backslashes escaped; other bytes (UTF-8) kept.
std::string Quoted(const char* text);

// The text-out and close-document callbacks handed to the plug-in; each prints one line.
int PrintTextOut(const char* text);
int PrintCloseDocument();

// Observers of the substitute libraries; each prints one line.
void PrintRegistration(const char* token, const char* command);
void PrintDrawingName(const char* name);

}  // namespace wallhost
