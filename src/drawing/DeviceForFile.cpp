// Choice of the file device by the path's extension.
#include <algorithm>
#include <cctype>

#include "drawing/EmfDevice.h"
#include "drawing/SvgDevice.h"

namespace wall {

std::unique_ptr<DrawingDevice> DeviceForFile(const std::filesystem::path& path) {
    std::string ext = path.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    if (ext == ".svg") return std::make_unique<SvgDevice>(path);
    if (ext == ".emf") return std::make_unique<EmfDevice>(path);
    return nullptr;
}

}  // namespace wall
