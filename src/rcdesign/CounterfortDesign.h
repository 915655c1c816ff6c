// The computation of a counterfort wall: loads, stability, face panel, base slab, heel and counterforts.
#pragma once

#include <array>

#include "rcdesign/BaseSlab.h"
#include "rcdesign/ImaginaryBack.h"
#include "rcdesign/ReinforcementDesign.h"

namespace wall {

// One of the three counterfort sections, x below the wall top. m, kN, kN·m.
struct CounterfortSection {
    float x = 0;                // depth below the wall top, i·Hc/3
    float width = 0;            // web width b (the counterfort thickness)
    float height = 0;           // Hs = x·B2/Hc + t, along the heel
    float flangeWidth = 0;      // BT = L·x/Hc + b
    float flangeThickness = 0;  // HT = t, the face panel
    float Qk = 0;               // shear of one counterfort, standard
    float Q = 0;                // shear of one counterfort, design
    float M = 0;                // moment of one counterfort, design
    float Mk = 0;               // moment of one counterfort, standard
};

// Every value of the counterfort wall's report in print order. kPa, m, kN/m, kN·m/m.
struct CounterfortResult {
    ImaginaryBackResult back;  // self-weight, earth pressure, heel load, stability, Ka
    float panelHeight = 0;     // Hc = H - H1
    float panelTop = 0;        // depth of the wall's top below the imaginary back's top
    float panelDepth = 0;      // X7 - X2, the face panel's thickness at its base

    // The pressures on the panel from the imaginary back's diagram: the soil's mean over the panel
    // height and at its foot (with the water's, where there is water behind), and the strip's largest.
    float soilMean = 0, soilFoot = 0, loadMax = 0;
    float waterMean = 0, waterFoot = 0;  // the water's part of soilMean and soilFoot
    float heelUplift = 0;                // the least uplift under the heel, easing its stress (kPa)
    // Each design effect below is the larger of the basic combinations (γG on the soil's part, γQ on
    // the strip's); `combination` names the governing one of the panel and of the counterforts.
    int panelCombination = 0;
    int counterfortCombination = 0;
    // Face panel, horizontal span between counterforts, under the substitute pressure.
    float sigmaPj = 0;                    // soil's mean + strip's largest
    float L = 0;                          // clear distance between counterforts, l - b
    float panelQ = 0;                     // shear at the counterforts, σpj·L/2
    float panelMidM = 0, panelMidMk = 0;  // span moment, σpj·L²/20 (×1.35)
    float panelEndM = 0, panelEndMk = 0;  // end moments, -σpj·L²/12 (×1.35)
    // Face panel, vertical.
    float sigmaFoot = 0;                    // σ' = soil at the foot + strip's largest
    float panelPosM = 0, panelPosMk = 0;    // largest positive moment, -Mk底/4
    float panelFootM = 0, panelFootMk = 0;  // foot moment, -0.03·σ'·Hc·L (×1.35)

    BaseSlabResult slab;  // base pressures, toe moments Mb, Mbk

    // Heel slab spanning between counterforts.
    float sigmaW = 0, sigmaWk = 0;  // total vertical stress at its edge, design and standard
    int heelCombination = 0;
    float heelQ = 0;  // shear at the counterforts, σw·L/2
    float heelMidM = 0, heelMidMk = 0;
    float heelEndM = 0, heelEndMk = 0;

    // Each counterfort carries the pressure of one spacing l of wall.
    float tributaryWidth = 0;
    std::array<CounterfortSection, 3> counterfort;

    // In report order: "panelSpan", "panelEnds", "panelPositive", "panelFoot" (depth X7 - X2), "toe",
    // "heelSpan", "heelEnds" (depth H1), all with moment magnitudes; "counterfort1".."counterfort3"
    // (T-sections).
    std::array<DesignedSection, 10> sections;
};

// Runs every step on the block; the case's outline must already be in kb.outline.
CounterfortResult CounterfortDesign(const WallCase& c, KernelBlock& kb);

}  // namespace wall
