// The host of reports written without a person watching (batch runs, sizing tables): nothing to echo,
// drawings named with their report in the report's folder.
#pragma once

#include <filesystem>
#include <string>

#include "host/HostServices.h"

namespace wallcalc {

class QuietHost : public wall::HostServices {
  public:
    explicit QuietHost(const std::filesystem::path& dir) : m_dir(dir.string()) {}
    std::string WorkPath() override { return m_dir + "/"; }
    std::string ItemWorkPath() override { return m_dir; }
    void AddDrawingName(const std::string&) override {}
    void TextOut(const std::string&) override {}

  private:
    std::string m_dir;
};

}  // namespace wallcalc
