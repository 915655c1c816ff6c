// Default locations of the development host.
#include "DefaultPaths.h"

#include <cstdlib>
#include <system_error>

#include "host/EntryPoint.h"
#include "places/Places.h"

namespace fs = std::filesystem;

namespace wallhost {

fs::path DefaultPluginPath() {
    fs::path folder = wall::ProgramFolder();
    std::error_code ec;
    if (folder.empty()) folder = fs::current_path(ec);
    return (wall::TreeOf(folder).LibraryFolder() / wall::kPluginFileName).lexically_normal();
}

std::string DefaultWorkPath() {
    fs::path data;
    const char* xdg = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    if (xdg != nullptr && fs::path(xdg).is_absolute()) {
        data = xdg;
    } else if (home != nullptr && *home != '\0') {
        data = fs::path(home) / ".local" / "share";
    } else {
        std::error_code ec;
        data = fs::current_path(ec);
    }
    return WithTrailingSeparator((data / "wallcalc" / "work").string());
}

std::string DefaultItemWorkPath() {
    std::error_code ec;
    return fs::current_path(ec).string();
}

std::string WithTrailingSeparator(std::string path) {
    if (path.empty()) return "./";
    if (path.back() != '/') path += '/';
    return path;
}

}  // namespace wallhost
