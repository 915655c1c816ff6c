// Substitute command manager for development: records the registrations and can run a command.
#include <string>
#include <vector>

#include "host/SubstituteHost.h"

#define PELLOD_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

struct Registration {
    std::string token;
    std::string command;
    HostCommandHandler handler;
};

struct Pellod {
    std::vector<Registration> registrations;
    void (*observer)(const char*, const char*) = nullptr;
};

Pellod& State() {
    static Pellod state;
    return state;
}

const Registration* At(int index) {
    const auto& regs = State().registrations;
    if (index < 0 || static_cast<size_t>(index) >= regs.size()) return nullptr;
    return &regs[static_cast<size_t>(index)];
}

}  // namespace

PELLOD_EXPORT int RegisterCmd(const char* token, const char* command, HostCommandHandler handler) {
    Pellod& state = State();
    state.registrations.push_back(
        {token != nullptr ? token : "", command != nullptr ? command : "", handler});
    const Registration& added = state.registrations.back();
    if (state.observer != nullptr) state.observer(added.token.c_str(), added.command.c_str());
    return 0;
}

PELLOD_EXPORT int PellodDevCommandCount() {
    return static_cast<int>(State().registrations.size());
}

PELLOD_EXPORT const char* PellodDevCommandToken(int index) {
    const Registration* r = At(index);
    return r != nullptr ? r->token.c_str() : nullptr;
}

PELLOD_EXPORT const char* PellodDevCommandName(int index) {
    const Registration* r = At(index);
    return r != nullptr ? r->command.c_str() : nullptr;
}

PELLOD_EXPORT HostCommandHandler PellodDevCommandHandler(int index) {
    const Registration* r = At(index);
    return r != nullptr ? r->handler : nullptr;
}

PELLOD_EXPORT int PellodDevRunCommand(const char* command) {
    if (command == nullptr) return -1;
    const auto& regs = State().registrations;
    for (auto it = regs.rbegin(); it != regs.rend(); ++it) {
        if (it->command == command && it->handler != nullptr) {
            // Copy first: the handler may register again and move the records.
            std::string name = it->command;
            return it->handler(name.c_str());
        }
    }
    return -1;
}

PELLOD_EXPORT void PellodDevSetObserver(void (*observer)(const char*, const char*)) {
    State().observer = observer;
}

PELLOD_EXPORT void PellodDevReset() {
    State() = Pellod{};
}
