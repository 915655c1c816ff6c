// The plug-in fixture: loading, unloading and the recording callbacks.
#include "PluginFixture.h"

#include <dlfcn.h>

#include "host/SubstituteHost.h"

namespace hosttest {

std::vector<std::string>& Events() {
    static std::vector<std::string> events;
    return events;
}

int TextOutA(const char* text) {
    Events().push_back(std::string("textA:") + text);
    return 0;
}
int TextOutB(const char* text) {
    Events().push_back(std::string("textB:") + text);
    return 0;
}
int CloseDocA() {
    Events().push_back("closeA");
    return 0;
}
int CloseDocB() {
    Events().push_back("closeB");
    return 0;
}
int LoadMenuFile() {
    Events().push_back("loadMenuFile");
    return 0;
}

void PluginFixture::Load(const char* path) {
    Events().clear();
    PellodDevReset();
    TarnicDevReset();
    path_ = path;
    // A plug-in that is not expected to unload (the one carrying the Qt dialog) is kept mapped, so
    // what its libraries' start-up code allocates stays reachable instead of showing as a leak.
    library_ = dlopen(path, RTLD_NOW | RTLD_LOCAL | (expectUnload_ ? 0 : RTLD_NODELETE));
    ASSERT_NE(library_, nullptr) << dlerror();
    entry_ = reinterpret_cast<EntryPointFunction>(dlsym(library_, "EntryPoint"));
    ASSERT_NE(entry_, nullptr);
}

void PluginFixture::TearDown() {
    if (library_ != nullptr) {
        dlclose(library_);
        if (expectUnload_) {
            void* still = dlopen(path_.c_str(), RTLD_NOW | RTLD_NOLOAD);
            EXPECT_EQ(still, nullptr) << "plug-in stayed loaded";
            if (still != nullptr) dlclose(still);
        }
    }
    PellodDevReset();
    TarnicDevReset();
}

int PluginFixture::HandIn(const char* name, void* function) {
    HostCallbackRecord record{name, function};
    return Call(wall::kEntryHandInCallback, &record);
}

void* PluginFixture::Symbol(const char* name) {
    return dlsym(library_, name);
}

}  // namespace hosttest
