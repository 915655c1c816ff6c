// Where the program's parts are, found from the binary that looks for them (the program, or the
// plug-in inside a host), so that an installed copy works wherever its prefix was put:
//
//   installed:   <prefix>/bin/wallcalc, <prefix>/lib/wallcalc/libwallcalc-pdf.so,
//                <prefix>/share/doc/wallcalc/manual.html
//   build tree:  build/bin/wallcalc,    build/lib/libwallcalc-pdf.so,
//                build/docs/manual.html
#pragma once

#include <filesystem>

namespace wall {

// The folder of the running program (/proc/self/exe); empty when it cannot be read.
std::filesystem::path ProgramFolder();

// The folder of the executable or shared library holding `code` (a function of it), else the
// running program's folder.
std::filesystem::path FolderOfCode(const void* code);

// The tree a binary belongs to: installed when its prefix holds lib/wallcalc, else a build tree.
struct ProgramTree {
    std::filesystem::path root;  // <prefix>, or the build folder
    bool installed = false;

    // The private libraries and modules: <prefix>/lib/wallcalc, or build/lib.
    std::filesystem::path LibraryFolder() const;
    // The manual and its pictures: <prefix>/share/doc/wallcalc, or build/docs.
    std::filesystem::path DocFolder() const;
};

// The tree of a binary in `folder`: <prefix>/bin and <prefix>/lib/wallcalc give <prefix>,
// build/bin and build/lib give build/.
ProgramTree TreeOf(const std::filesystem::path& folder);

}  // namespace wall
