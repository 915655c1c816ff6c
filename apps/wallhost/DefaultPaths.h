// Where the development host looks by default: the plug-in beside itself, the work folders.
#pragma once

#include <filesystem>
#include <string>

namespace wallhost {

// The plug-in among this program's libraries: <prefix>/lib/wallcalc/libwallcalc-plugin.so
// installed, build/lib/libwallcalc-plugin.so in the build tree.
std::filesystem::path DefaultPluginPath();

// $XDG_DATA_HOME/wallcalc/work/, or ~/.local/share/wallcalc/work/ when XDG_DATA_HOME is unset or
// not absolute; the current folder's wallcalc/work/ when there is no home either.
std::string DefaultWorkPath();

// The current folder.
std::string DefaultItemWorkPath();

// `path` with a trailing '/' added when it lacks one (the host's work path always ends with one);
// an empty path is the current folder, "./".
std::string WithTrailingSeparator(std::string path);

}  // namespace wallhost
