// The plug-in's dialog step: one modal run of the calculation dialog.
#pragma once

#include "host/HostServices.h"

// Runs the calculation dialog modally over `host`; returns 1 after a completed "计算", 2 otherwise
// ("取消", Escape, the close box, or no dialog available).
int RunCalculationDialog(wall::HostServices& host);
