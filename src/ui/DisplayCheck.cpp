// The display probe: the X server is asked for a connection, a Wayland socket is looked for.
#include "ui/DisplayCheck.h"

#include <xcb/xcb.h>

#include <QDir>
#include <QLibraryInfo>
#include <QString>
#include <cstdlib>
#include <filesystem>

namespace wallui {
namespace {

std::string Env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

// An X server answers on $DISPLAY.
bool XServerAnswers(const std::string& display) {
    if (display.empty()) return false;
    xcb_connection_t* c = xcb_connect(display.c_str(), nullptr);
    const bool ok = c && xcb_connection_has_error(c) == 0;
    if (c) xcb_disconnect(c);
    return ok;
}

// A Wayland compositor's socket exists and Qt has its Wayland platform plug-in.
bool WaylandUsable(const std::string& display) {
    if (display.empty()) return false;
    std::filesystem::path socket = display;
    if (socket.is_relative()) {
        const std::string runtime = Env("XDG_RUNTIME_DIR");
        if (runtime.empty()) return false;
        socket = std::filesystem::path(runtime) / socket;
    }
    std::error_code ec;
    if (!std::filesystem::is_socket(socket, ec)) return false;
    const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"));
    return !platforms.entryList({QStringLiteral("libqwayland*.so")}, QDir::Files).isEmpty();
}

}  // namespace

std::optional<std::string> DisplayUnavailable() {
    const std::string display = Env("DISPLAY"), wayland = Env("WAYLAND_DISPLAY");
    // The first platform Qt is told to try decides.
    std::string platform = Env("QT_QPA_PLATFORM");
    platform = platform.substr(0, platform.find_first_of(";:"));
    if (!platform.empty() && platform != "xcb" && platform.rfind("wayland", 0) != 0) return std::nullopt;
    if (platform.rfind("wayland", 0) == 0) {
        if (WaylandUsable(wayland)) return std::nullopt;
        return "无法打开 Wayland 显示（WAYLAND_DISPLAY=" + wayland + "），对话框不能显示。";
    }
    if (XServerAnswers(display)) return std::nullopt;
    if (platform.empty() && display.empty() && WaylandUsable(wayland)) return std::nullopt;
    if (display.empty()) return std::string("没有可用的显示（未设置 DISPLAY），对话框不能显示。");
    return "无法连接显示 " + display + "，对话框不能显示。";
}

}  // namespace wallui
