// The loads of a reinforced-concrete wall's stem and heel, handed from the earth pressure to the designs.
#pragma once

namespace wall {

// kN/m, m (heights above the top of the base slab, distances from the toe), rad.
struct StemLoads {
    float soilThrust = 0;        // E1s: earth pressure of the soil on the stem height
    float loadThrust = 0;        // Eqs: earth pressure of the surcharge on the stem height
    float soilThrustArm = 0;     // z1: height of E1s above the top of the base slab
    float loadThrustArm = 0;     // zq: height of Eqs above the top of the base slab
    float waterThrust = 0;       // Pws: water pressure on the stem height (horizontal)
    float waterThrustArm = 0;    // zw: its height above the top of the base slab
    float thrustAngle = 0;       // ψ: direction of the earth pressure from the horizontal
    float heelWeight = 0;        // W1: the soil resting on the heel
    float heelWeightArm = 0;     // Zw1: its distance from the toe
    float heelWeightHeight = 0;  // its centroid's height above the toe
    float heelLoad = 0;          // Wq: the part of the surcharge standing on the heel (Rankine)
    float heelLoadArm = 0;       // zW: its distance from the toe
};

}  // namespace wall
