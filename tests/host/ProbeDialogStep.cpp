// Dialog step of the probe plug-in: uses each host service once and ends with the result a test chose.
#include <cstdlib>
#include <string>

#include "DialogStep.h"

#define PROBE_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

struct Probe {
    int result = 2;
    int runs = 0;
    std::string workPath;
    std::string itemWorkPath;
};

Probe& State() {
    static Probe probe = [] {
        Probe p;
        // A separate process (the development host) chooses the result through the environment.
        if (const char* r = std::getenv("WALL_PROBE_DIALOG_RESULT")) p.result = std::atoi(r);
        return p;
    }();
    return probe;
}

}  // namespace

// The texts the probe sends, as a report would: the banner line and a drawing name.
PROBE_EXPORT const char* ProbeEchoText() {
    return "设计资料\n";
}
PROBE_EXPORT const char* ProbeDrawingName() {
    return "挡土墙计算计算简图";
}

PROBE_EXPORT void ProbeSetDialogResult(int result) {
    State().result = result;
}
PROBE_EXPORT int ProbeRunCount() {
    return State().runs;
}
PROBE_EXPORT const char* ProbeWorkPath() {
    return State().workPath.c_str();
}
PROBE_EXPORT const char* ProbeItemWorkPath() {
    return State().itemWorkPath.c_str();
}

int RunCalculationDialog(wall::HostServices& host) {
    Probe& probe = State();
    ++probe.runs;
    probe.workPath = host.WorkPath();
    probe.itemWorkPath = host.ItemWorkPath();
    host.TextOut(ProbeEchoText());
    host.AddDrawingName(ProbeDrawingName());
    return probe.result;
}
