// Report sections 3 to 5: overturning, sliding and the foundation.
#pragma once

#include "analysis/Stability.h"
#include "report/ReportWriter.h"

namespace wall {

// The symbols under which the analysis section of a wall type printed the forces and arms.
struct StabilitySymbols {
    const char* W;
    const char* Zw;
    const char* Ws;   // soil on a platform or heel
    const char* Zws;  // its arm
    const char* Ex;
    const char* Ey;
    const char* Zx;
    const char* Zy;
    const char* E2x;  // a shelf wall's lower thrust
    const char* E2y;
    const char* Z2x;
    const char* Z2y;
};

constexpr StabilitySymbols kGravitySymbols = {"W",
                                              "WriteSubScript(Z,w)",
                                              "",
                                              "",
                                              "WriteSubScript(E,x)",
                                              "WriteSubScript(E,y)",
                                              "WriteSubScript(Z,x)",
                                              "WriteSubScript(Z,y)",
                                              "",
                                              "",
                                              "",
                                              ""};
constexpr StabilitySymbols kShelfSymbols = {"W",
                                            "WriteSubScript(Z,w)",
                                            "WriteSubScript(W,s)",
                                            "WriteSubScript(Z,ws)",
                                            "WriteSubScript(E,a1x)",
                                            "WriteSubScript(E,a1y)",
                                            "WriteSubScript(Z,1x)",
                                            "WriteSubScript(Z,1y)",
                                            "WriteSubScript(E,a2x)",
                                            "WriteSubScript(E,a2y)",
                                            "WriteSubScript(Z,2x)",
                                            "WriteSubScript(Z,2y)"};
constexpr StabilitySymbols kReinforcedSymbols = {"W",
                                                 "WriteSubScript(Z,w)",
                                                 "WriteSubScript(W,1)",
                                                 "WriteSubScript(Z,w1)",
                                                 "WriteSubScript(E,x)",
                                                 "WriteSubScript(E,y)",
                                                 "WriteSubScript(Z,x)",
                                                 "WriteSubScript(Z,y)",
                                                 "",
                                                 "",
                                                 "",
                                                 ""};

// Writes "3、抗倾覆稳定验算", "4、抗滑移稳定验算" and "5、地基验算" from a computed stability result: each
// factor and pressure as its formula with exactly the terms computed, the same formula with the printed
// values, and the result.
void WriteStabilityReport(ReportWriter& w, const StabilityResult& s, const StabilitySymbols& symbols);

}  // namespace wall
