// Host services that record the echo and the registered drawings, for tests.
#pragma once

#include <string>
#include <vector>

#include "host/HostServices.h"

namespace wall {

class RecordingHost : public HostServices {
  public:
    std::string WorkPath() override { return work; }
    std::string ItemWorkPath() override { return item; }
    void AddDrawingName(const std::string& name) override { drawings.push_back(name); }
    void TextOut(const std::string& text) override { echo += text; }

    std::string work = "./";
    std::string item = ".";
    std::string echo;
    std::vector<std::string> drawings;
};

}  // namespace wall
