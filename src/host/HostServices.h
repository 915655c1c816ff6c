// The host's services as the core uses them: work paths, drawing registration and the text echo.
#pragma once

#include <string>

namespace wall {

// The plug-in implements this over the host's libraries and callbacks; the command-line tool and
// tests implement it on their own.
class HostServices {
  public:
    virtual ~HostServices() = default;
    // The host's work directory; ends with a directory separator.
    virtual std::string WorkPath() = 0;
    // The current project item's work directory.
    virtual std::string ItemWorkPath() = 0;
    // Lists a drawing file, written in the current directory, among the item's drawings.
    virtual void AddDrawingName(const std::string& name) = 0;
    // Echoes report text to the host; does nothing when the host handed in no echo callback.
    virtual void TextOut(const std::string& text) = 0;
};

// Services that do nothing: no echo, no registration, paths of the current directory.
class NullHostServices : public HostServices {
  public:
    std::string WorkPath() override { return "./"; }
    std::string ItemWorkPath() override { return "."; }
    void AddDrawingName(const std::string&) override {}
    void TextOut(const std::string&) override {}
};

}  // namespace wall
