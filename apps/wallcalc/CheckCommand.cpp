// wallcalc check: one line per check of a case, and an exit code a script can test.
#include <iostream>
#include <string>

#include "Commands.h"
#include "calc/Verdict.h"
#include "text/Format.h"

namespace wallcalc {
namespace {

const RegisterCommand checkCommand([](CLI::App& app) {
    auto* cmd = app.add_subcommand(
        "check", "print every check of a case; exit 0 when all pass, 3 when one fails, 1 when refused");
    auto file = std::make_shared<std::string>();
    cmd->add_option("file", *file, "case file")->required();
    cmd->callback([file] {
        const wall::CaseResult r = RequireResult(LoadCase(*file));
        bool allPass = true;
        for (const wall::CheckVerdict& v : wall::CaseChecks(r)) {
            // Crack widths in mm need a third decimal to be told from their limit.
            const int digits = v.symbol == "ωmax" ? 3 : 2;
            const std::string measure = v.note.empty()
                                            ? wall::Format("%s=%.*f %s %.*f", v.symbol.c_str(), digits,
                                                           v.value, v.relation, digits, v.required)
                                            : v.note;
            std::cout << v.title << '\t' << measure << '\t'
                      << (v.warning ? "警告"
                          : v.pass  ? "满足"
                                    : "不满足")
                      << '\n';
            allPass = allPass && v.pass;
        }
        if (!allPass) throw CommandError{{}, kExitCheckFailed};
    });
});

}  // namespace
}  // namespace wallcalc
