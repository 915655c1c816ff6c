// Whether Qt can open a display here, asked before a QApplication is made, since Qt aborts the
// whole process when its platform plug-in cannot start.
#pragma once

#include <optional>
#include <string>

namespace wallui {

// Nothing when the platform Qt will choose can start (an X server that answers, a Wayland socket
// with Qt's Wayland plug-in installed, or a platform that needs no display, such as offscreen);
// otherwise why not, in words for the user.
std::optional<std::string> DisplayUnavailable();

}  // namespace wallui
