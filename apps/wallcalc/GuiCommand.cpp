// wallcalc gui: hands the dialog over to wallcalc-gui beside this program, so only this command loads Qt.
#ifdef WALLCALC_WITH_GUI

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "Commands.h"
#include "fileio/AtomicFile.h"
#include "wallcalc-gui/GuiOptions.h"

namespace wallcalc {
namespace {

// The dialog program in the folder of the running wallcalc.
std::filesystem::path GuiProgram() {
    std::error_code ec;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) throw CommandError{"无法确定 wallcalc 所在的文件夹：" + ec.message()};
    return self.parent_path() / "wallcalc-gui";
}

// Replaces this process with wallcalc-gui, whose exit code and messages become the command's; its
// argv[0] "wallcalc" keeps the messages' "wallcalc: " prefix.
[[noreturn]] void RunGui(const wallgui::GuiOptions& o) {
    const std::filesystem::path program = GuiProgram();
    std::vector<std::string> args = wallgui::GuiArguments(o);
    std::vector<char*> argv;
    static char name[] = "wallcalc";
    argv.push_back(name);
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    std::cout.flush();
    std::cerr.flush();
    execv(program.c_str(), argv.data());
    const int err = errno;
    if (err == ENOENT)
        throw CommandError{"找不到对话框程序 " + program.string() + "，它应与 wallcalc 放在同一文件夹中"};
    throw CommandError{"无法启动对话框程序 " + program.string() + "：" + wall::FileErrorText(err)};
}

const RegisterCommand guiCommand([](CLI::App& app) {
    auto* cmd = app.add_subcommand("gui", wallgui::kGuiDescription);
    auto o = std::make_shared<wallgui::GuiOptions>();
    wallgui::AddGuiOptions(*cmd, *o);
    cmd->callback([o] { RunGui(*o); });
});

}  // namespace
}  // namespace wallcalc

#endif  // WALLCALC_WITH_GUI
