// wallcalc: the calculator's jobs from the command line.
#include <clocale>
#include <filesystem>
#include <iostream>
#include <new>

#include "Commands.h"
#include "case/CaseFile.h"

namespace wallcalc {

std::vector<CommandSetup>& CommandSetups() {
    static std::vector<CommandSetup> setups;
    return setups;
}

RegisterCommand::RegisterCommand(CommandSetup setup) {
    CommandSetups().push_back(std::move(setup));
}

wall::WallCase LoadCase(const std::string& path) {
    wall::WallCase c;
    wall::CaseIoResult r = wall::ReadCaseFile(path, c);
    if (!r.ok()) throw CommandError{r.message};
    // Such a file still opens, so `show` can show it and `set` mend it; a calculation refuses it.
    if (!r.warning.empty()) std::cerr << "wallcalc: 警告：" << r.warning << "\n";
    return c;
}

void RefuseToReplace(const std::string& path, bool force) {
    std::error_code ec;
    if (!force && std::filesystem::exists(std::filesystem::symlink_status(path, ec)))
        throw CommandError{"文件已存在：" + path + "；要替换它请加 --force"};
}

void SaveCase(const std::string& path, const wall::WallCase& c) {
    wall::CaseIoResult r = wall::WriteCaseFile(path, c);
    if (!r.ok()) throw CommandError{"无法保存工况文件 " + r.detail};
    if (!r.warning.empty()) std::cerr << "wallcalc: " << r.warning << "\n";
}

const std::vector<std::pair<std::string, int>>& WallTypeOptions() {
    static const std::vector<std::pair<std::string, int>> types = [] {
        std::vector<std::pair<std::string, int>> t;
        for (int i = 0; i < wall::kWallTypeCount; ++i) t.emplace_back(wall::kWallTypeKeys[i], i);
        return t;
    }();
    return types;
}

}  // namespace wallcalc

namespace {

// What is wrong with the command line, in words: an unknown command by name, anything else with
// the parser's own description.
std::string UsageProblem(CLI::App& app, int argc, char** argv, const CLI::ParseError& e) {
    if (argc > 1 && argv[1][0] != '-') {
        bool known = false;
        for (const CLI::App* sub : app.get_subcommands([](CLI::App*) { return true; }))
            known = known || sub->get_name() == argv[1];
        if (!known) return std::string("没有这个命令：") + argv[1] + "（wallcalc --help 列出全部命令）";
    }
    if (argc <= 1) return "缺少命令（wallcalc --help 列出全部命令）";
    return std::string("命令行有误：") + e.what() + "（加 --help 查看用法）";
}

}  // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "C");
    CLI::App app{"wallcalc: retaining-wall design calculator"};
    app.set_version_flag("--version", "wallcalc " WALLCALC_VERSION, "print the version and exit");
    app.require_subcommand(1);
    for (const auto& setup : wallcalc::CommandSetups()) setup(app);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        // --help and --version are parse "errors" with exit code 0 that print the help or the version.
        if (e.get_exit_code() == 0) return app.exit(e);
        std::cerr << "wallcalc: " << UsageProblem(app, argc, argv, e) << "\n";
        return wallcalc::kExitUsage;
    } catch (const wallcalc::CommandError& e) {
        if (!e.message.empty()) std::cerr << "wallcalc: " << e.message << "\n";
        return e.exitCode;
    } catch (const std::bad_alloc&) {
        // Under a memory limit: a message and exit 1 rather than an abort; the unwinding has removed
        // any temporary file.
        std::cerr << "wallcalc: 内存不足，命令已停止\n";
        return 1;
    }
    return 0;
}
