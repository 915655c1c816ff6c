// The host services as the plug-in's dialog sees them: the host's libraries and the text-out callback.
#pragma once

#include <string>

#include "host/HostServices.h"

namespace wall {

class PluginHostServices : public HostServices {
  public:
    // The host's work path with a separator added when it lacks one; empty when the host gives none.
    std::string WorkPath() override;
    // The item work path as the host gives it; empty when the host gives none.
    std::string ItemWorkPath() override;
    void AddDrawingName(const std::string& name) override;
    // Texts go to the host as they are: UTF-8 on this platform.
    void TextOut(const std::string& text) override;
};

}  // namespace wall
