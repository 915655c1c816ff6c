// wallhost: a development host that loads the plug-in, runs its command and prints what it receives.
#include <dlfcn.h>

#include <CLI/CLI.hpp>
#include <clocale>
#include <iostream>
#include <string>

#include "DefaultPaths.h"
#include "HostLog.h"
#include "host/EntryPoint.h"
#include "host/SubstituteHost.h"

namespace {

struct Options {
    std::string plugin = wallhost::DefaultPluginPath().string();
    std::string command = wall::kCommandName;
    std::string workPath = wallhost::DefaultWorkPath();
    std::string itemWorkPath = wallhost::DefaultItemWorkPath();
    bool viaHandler = false;
};

int Call(EntryPointFunction entry, int code, void* data, const std::string& shown) {
    std::cout << "call EntryPoint(" << code << ", " << shown << ")\n";
    int result = entry(code, data);
    std::cout << "  returned " << result << "\n";
    return result;
}

void HandIn(EntryPointFunction entry, const char* name, void* function, const char* what) {
    HostCallbackRecord record{name, function};
    Call(entry, wall::kEntryHandInCallback, &record, "{" + wallhost::Quoted(name) + ", " + what + "}");
}

int Run(const Options& o) {
    std::string workPath = wallhost::WithTrailingSeparator(o.workPath);
    TarnicDevSetWorkPath(workPath.c_str());
    TarnicDevSetItemWorkPath(o.itemWorkPath.c_str());
    TarnicDevSetObserver(wallhost::PrintDrawingName);
    PellodDevSetObserver(wallhost::PrintRegistration);
    std::cout << "plug-in: " << o.plugin << "\nwork path: " << workPath
              << "\nitem work path: " << o.itemWorkPath << "\n";

    // Mapped until the process ends, as in the host: what the plug-in keeps in its globals stays
    // reachable (and the leak checker does not take it for lost).
    void* library = dlopen(o.plugin.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    if (library == nullptr) {
        std::cerr << "wallhost: 无法加载插件：" << dlerror() << "\n";
        return 1;
    }
    auto entry = reinterpret_cast<EntryPointFunction>(dlsym(library, "EntryPoint"));
    if (entry == nullptr) {
        std::cerr << "wallhost: " << o.plugin << " 中没有 EntryPoint\n";
        dlclose(library);
        return 1;
    }

    Call(entry, wall::kEntryLoad, nullptr, "null");
    HandIn(entry, "ExRtfTextOut", reinterpret_cast<void*>(&wallhost::PrintTextOut), "text-out");
    HandIn(entry, "ExCloseDoc", reinterpret_cast<void*>(&wallhost::PrintCloseDocument), "close-document");
    if (o.viaHandler) {
        // As the host's menu does: through the handler the plug-in registered.
        std::cout << "run registered handler of " << wallhost::Quoted(o.command.c_str()) << "\n";
        if (PellodDevRunCommand(o.command.c_str()) < 0) std::cout << "  no such command registered\n";
    } else {
        Call(entry, wall::kEntryRunCommand, const_cast<char*>(o.command.c_str()),
             wallhost::Quoted(o.command.c_str()));
    }
    Call(entry, wall::kEntryUnload, nullptr, "null");

    dlclose(library);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "C");
    // Each line shows at once, also while the plug-in's modal dialog is open.
    std::cout << std::unitbuf;
    CLI::App app{"wallhost: development host for the retaining-wall plug-in"};
    Options o;
    app.add_option("--plugin", o.plugin, "Plug-in library to load")->capture_default_str();
    app.add_option("--command", o.command, "Command name to run with code 15")->capture_default_str();
    app.add_option("--work-path", o.workPath, "The host's work directory")->capture_default_str();
    app.add_option("--item-path", o.itemWorkPath, "The current item's work directory")->capture_default_str();
    app.add_flag("--via-handler", o.viaHandler, "Run the command through the registered handler instead");
    CLI11_PARSE(app, argc, argv);
    return Run(o);
}
