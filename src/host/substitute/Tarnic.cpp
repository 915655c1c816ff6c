// Substitute common-data library for development: settable work paths, recorded drawing names.
#include <optional>
#include <string>
#include <vector>

#include "host/SubstituteHost.h"

#define TARNIC_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

struct Tarnic {
    // nullopt makes the service return null, to try callers against a host without a path.
    std::optional<std::string> workPath = "./";
    std::optional<std::string> itemWorkPath = ".";
    std::vector<std::string> drawings;
    void (*observer)(const char*) = nullptr;
};

Tarnic& State() {
    static Tarnic state;
    return state;
}

std::optional<std::string> Copy(const char* path) {
    if (path == nullptr) return std::nullopt;
    return std::string(path);
}

}  // namespace

TARNIC_EXPORT const char* LTR_GET_WORK_PATH() {
    const auto& p = State().workPath;
    return p ? p->c_str() : nullptr;
}

TARNIC_EXPORT const char* LTR_GET_CUR_ITEM_WORK_PATH() {
    const auto& p = State().itemWorkPath;
    return p ? p->c_str() : nullptr;
}

TARNIC_EXPORT int LTR_ADD_TU_NAME(const char* name) {
    if (name == nullptr) return 0;
    Tarnic& state = State();
    state.drawings.emplace_back(name);
    if (state.observer != nullptr) state.observer(state.drawings.back().c_str());
    return 1;
}

TARNIC_EXPORT void TarnicDevSetWorkPath(const char* path) {
    State().workPath = Copy(path);
}

TARNIC_EXPORT void TarnicDevSetItemWorkPath(const char* path) {
    State().itemWorkPath = Copy(path);
}

TARNIC_EXPORT int TarnicDevDrawingCount() {
    return static_cast<int>(State().drawings.size());
}

TARNIC_EXPORT const char* TarnicDevDrawingName(int index) {
    const auto& names = State().drawings;
    if (index < 0 || static_cast<size_t>(index) >= names.size()) return nullptr;
    return names[static_cast<size_t>(index)].c_str();
}

TARNIC_EXPORT void TarnicDevSetObserver(void (*observer)(const char*)) {
    State().observer = observer;
}

TARNIC_EXPORT void TarnicDevReset() {
    State() = Tarnic{};
}
