// The command line of the calculation dialog, read alike by `wallcalc gui` and by wallcalc-gui.
#pragma once

#include <CLI/CLI.hpp>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "case/WallCase.h"

namespace wallgui {

struct GuiOptions {
    std::string file;
    std::string screenshot;
    int wallType = -1;
    int tab = 0;
    bool settingsDialog = false;  // with a screenshot: the dialog "地基与验算参数" instead
    bool rebarDialog = false;     // with a screenshot: the dialog "配筋计算参数" instead
    std::string size;             // "WxH" in pixels; empty: the dialog's default size
    bool manual = false;          // open the user manual as "帮助" does, without the dialog
};

// The largest side of a window asked for: a picture of it must fit in memory.
inline constexpr int kMaxGuiSide = 8000;

// The width and height of a "WxH" size, each 1 to kMaxGuiSide; nothing when it is not one.
inline std::optional<std::pair<int, int>> ParseGuiSize(const std::string& text) {
    int w = 0, h = 0;
    char x = 0, rest = 0;
    if (std::sscanf(text.c_str(), "%d%c%d%c", &w, &x, &h, &rest) != 3 || (x != 'x' && x != 'X') || w <= 0 ||
        h <= 0 || w > kMaxGuiSide || h > kMaxGuiSide)
        return std::nullopt;
    return std::pair{w, h};
}

inline constexpr char kGuiDescription[] = "open the calculation dialog, or render it to a PNG picture";

// Declares the dialog's options on `cmd`, stored into `o`; --type takes the wall types' command-line
// names or their numbers.
inline void AddGuiOptions(CLI::App& cmd, GuiOptions& o) {
    std::map<std::string, int> names;
    for (int i = 0; i < wall::kWallTypeCount; ++i) names.emplace(wall::kWallTypeKeys[i], i);
    auto* file = cmd.add_option("file", o.file, "case file to open in the dialog");
    auto* screenshot =
        cmd.add_option("--screenshot", o.screenshot, "render the dialog offscreen to this PNG file");
    cmd.add_option("--type", o.wallType, "wall type chosen in the type list")
        ->transform(CLI::CheckedTransformer(names))
        ->excludes(file);
    cmd.add_option("--tab", o.tab, "page shown first: 0 the wall type's page, 1 坡体信息")
        ->check(CLI::Range(0, 1));
    auto* settings = cmd.add_flag("--settings-dialog", o.settingsDialog,
                                  "render the dialog 地基与验算参数 over the case instead")
                         ->needs(screenshot);
    cmd.add_flag("--rebar-dialog", o.rebarDialog,
                 "render the dialog 配筋计算参数 of a reinforced-concrete wall page instead")
        ->needs(screenshot)
        ->excludes(settings);
    cmd.add_flag("--manual", o.manual,
                 "open the user manual with the desktop's viewer, as 帮助 does, and exit")
        ->excludes(screenshot);
    cmd.add_option("--size", o.size, "window size WxH in logical pixels (at least the default size)")
        ->check(CLI::Validator(
            [](std::string& v) {
                return ParseGuiSize(v) ? std::string() : "expected WxH, each 1 to 8000, e.g. 1200x700";
            },
            "WxH"));
}

// The arguments that hand parsed options on to wallcalc-gui so that it reads back the same values:
// the wall type as its number (the transform takes numbers too), values joined with "=" and the file
// after "--", so no value that starts with "-" is taken for an option.
inline std::vector<std::string> GuiArguments(const GuiOptions& o) {
    std::vector<std::string> args;
    if (!o.screenshot.empty()) args.push_back("--screenshot=" + o.screenshot);
    if (o.wallType >= 0) args.push_back("--type=" + std::to_string(o.wallType));
    args.push_back("--tab=" + std::to_string(o.tab));
    if (o.settingsDialog) args.push_back("--settings-dialog");
    if (o.rebarDialog) args.push_back("--rebar-dialog");
    if (!o.size.empty()) args.push_back("--size=" + o.size);
    if (o.manual) args.push_back("--manual");
    if (!o.file.empty()) {
        args.push_back("--");
        args.push_back(o.file);
    }
    return args;
}

}  // namespace wallgui
