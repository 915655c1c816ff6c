// wallcalc: the calculator's jobs from the command line.
#include <clocale>
#include <filesystem>
#include <iostream>

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
    return c;
}

void RefuseToReplace(const std::string& path, bool force) {
    std::error_code ec;
    if (!force && std::filesystem::exists(std::filesystem::symlink_status(path, ec)))
        throw CommandError{"文件已存在：" + path + "；要替换它请加 --force"};
}

void SaveCase(const std::string& path, const wall::WallCase& c) {
    wall::CaseIoResult r = wall::WriteCaseFile(path, c);
    if (!r.ok()) throw CommandError{"cannot write the case file (cause " + r.message + "): " + r.detail};
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

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "C");
    CLI::App app{"wallcalc: retaining-wall design calculator"};
    app.require_subcommand(1);
    for (const auto& setup : wallcalc::CommandSetups()) setup(app);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e);
    } catch (const wallcalc::CommandError& e) {
        std::cerr << "wallcalc: " << e.message << "\n";
        return e.exitCode;
    }
    return 0;
}
