// Host services for tests: work paths chosen by the test, every echo and registered drawing kept.
#pragma once

#include <string>
#include <vector>

#include "host/HostServices.h"

namespace wall::test {

class RecordingHost : public HostServices {
  public:
    std::string WorkPath() override { return work; }
    std::string ItemWorkPath() override { return item; }
    void AddDrawingName(const std::string& name) override { drawings.push_back(name); }
    void TextOut(const std::string& text) override {
        texts.push_back(text);
        echo += text;
    }

    std::string work = "./";
    std::string item = ".";
    std::vector<std::string> texts;  // one entry per call
    std::string echo;                // all of them joined
    std::vector<std::string> drawings;
};

}  // namespace wall::test
