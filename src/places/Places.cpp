// The places of the program's parts, from the installed layout the build's install rules write
// (WALL_INSTALL_LIBDIR, WALL_INSTALL_DOCDIR, relative to the prefix).
#include "places/Places.h"

#include <dlfcn.h>

#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace wall {

fs::path ProgramFolder() {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : self.parent_path();
}

fs::path FolderOfCode(const void* code) {
    Dl_info info{};
    // A library's name is its file; the main program's is whatever it was started as.
    if (dladdr(code, &info) != 0 && info.dli_fname != nullptr && fs::path(info.dli_fname).is_absolute()) {
        std::error_code ec;
        const fs::path file = fs::canonical(info.dli_fname, ec);
        if (!ec) return file.parent_path();
    }
    return ProgramFolder();
}

fs::path ProgramTree::LibraryFolder() const {
    return installed ? root / WALL_INSTALL_LIBDIR : root / "lib";
}

fs::path ProgramTree::DocFolder() const {
    return installed ? root / WALL_INSTALL_DOCDIR : root / "docs";
}

ProgramTree TreeOf(const fs::path& folder) {
    fs::path normal = folder.lexically_normal();
    if (normal.filename().empty()) normal = normal.parent_path();  // "bin/" as "bin"
    // In <prefix>/lib/wallcalc the prefix is up one folder for each part of lib/wallcalc.
    const fs::path libdir(WALL_INSTALL_LIBDIR);
    const std::vector<fs::path> parts(libdir.begin(), libdir.end());
    fs::path root = normal;
    for (auto part = parts.rbegin(); part != parts.rend() && root.filename() == *part; ++part) {
        root = root.parent_path();
        if (part + 1 == parts.rend()) return {root, true};
    }
    // <prefix>/bin beside <prefix>/lib/wallcalc; build/bin and build/lib.
    root = normal.parent_path();
    std::error_code ec;
    return {root, fs::is_directory(root / WALL_INSTALL_LIBDIR, ec)};
}

}  // namespace wall
