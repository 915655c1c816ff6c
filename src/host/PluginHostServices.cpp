// Host services over libtarnic and the host's text-out callback.
#include "host/PluginHostServices.h"

#include "host/CallbackTable.h"
#include "host/HostLibraries.h"

namespace wall {

std::string PluginHostServices::WorkPath() {
    const char* path = LTR_GET_WORK_PATH();
    std::string result = path != nullptr ? path : "";
    // File names are appended to the work path directly, so it must end with a separator.
    if (!result.empty() && result.back() != '/') result += '/';
    return result;
}

std::string PluginHostServices::ItemWorkPath() {
    const char* path = LTR_GET_CUR_ITEM_WORK_PATH();
    return path != nullptr ? path : "";
}

void PluginHostServices::AddDrawingName(const std::string& name) {
    LTR_ADD_TU_NAME(name.c_str());
}

void PluginHostServices::TextOut(const std::string& text) {
    HostTextOut(text.c_str());
}

}  // namespace wall
