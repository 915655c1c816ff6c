// Loads a plug-in with dlopen over the substitute host libraries and records the callbacks it makes.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/EntryPoint.h"

namespace hosttest {

// Every call the plug-in makes to the recording callbacks, in order, e.g. "textA:设计资料\n", "closeA".
std::vector<std::string>& Events();

// Distinct recording callbacks, so a test can tell which one the plug-in kept.
int TextOutA(const char* text);
int TextOutB(const char* text);
int CloseDocA();
int CloseDocB();
// Must never be called: the plug-in keeps "LOADMENUFILE" callbacks without calling them.
int LoadMenuFile();

template <typename F>
void* AsData(F* function) {
    return reinterpret_cast<void*>(function);
}

class PluginFixture : public ::testing::Test {
  protected:
    void TearDown() override;

    // Loads `path` (fresh: the previous test unloaded it) and finds EntryPoint.
    void Load(const char* path);
    int Call(int code, void* data) { return entry_(code, data); }
    int HandIn(const char* name, void* function);
    int Run(const char* command) { return Call(wall::kEntryRunCommand, const_cast<char*>(command)); }
    // A function the loaded plug-in exports besides EntryPoint (the probe's controls).
    void* Symbol(const char* name);

    // Whether unloading must drop the plug-in, so the next test starts with an empty callback table.
    bool expectUnload_ = true;
    void* library_ = nullptr;
    EntryPointFunction entry_ = nullptr;
    std::string path_;
};

}  // namespace hosttest
