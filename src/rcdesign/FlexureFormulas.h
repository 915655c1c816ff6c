// GB 50010-2010 formulas of flexural design and crack width, one per function; mm, N, N/mm², N·mm.
#pragma once

namespace wall {

// Distance from the tension face to the bar centroid, as = c + deq/2; mm.
float BarCentroidDepth(float cover, float barDiameter);

// Tension steel of a rectangular section of width b, α1 = 1 (clause 6.2.10 solved for As):
// As = (1 - √(1 - 2M/(fc·b·h0²)))·fc·b·h0/fy. M in N·mm; mm². Not a number when the section is too
// small for M (the radicand is negative).
float RectangularSteelArea(float M, float fc, float b, float h0, float fy);

// Moment the flange of a T-section carries alone, fc·bf·hf·(h0 - hf/2) (clause 6.2.11, eq. 6.2.11-1);
// N·mm.
float FlangeCapacity(float fc, float bf, float hf, float h0);

// T-section with the neutral axis in the web (clause 6.2.11, eq. 6.2.11-2 with 6.2.10-2):
// αs = (M - fc·(bf - b)·hf·(h0 - hf/2))/(fc·b·h0²), ξ = 1 - √(1 - 2αs),
// As = (fc·b·ξ·h0 + fc·(bf - b)·hf)/fy. M in N·mm; mm².
float TeeWebSteelArea(float M, float fc, float b, float bf, float hf, float h0, float fy);

// T-section with the neutral axis in the flange: a rectangle of width bf with the lever arm
// γs·h0, αs = M/(fc·bf·h0²), γs = (1 + √(1 - 2αs))/2, As = M/(γs·fy·h0). M in N·mm; mm².
float TeeFlangeSteelArea(float M, float fc, float bf, float h0, float fy);

// Factor on the counterfort's steel for its slant tension edge: √((h - hf)² + (bf - b)²/4)/(h - hf).
float TeeSlantFactor(float h, float bf, float b, float hf);

// Reinforcement ratio ρ = 100·As/(b·h0), in percent.
float RatioPercent(float As, float b, float h0);

// Effective tension-zone reinforcement ratio (clause 7.1.2, eq. 7.1.2-4): ρte = As/Ate with
// Ate = 0.5·b·h + (bf - b)·hf, and not below 0.01.
float EffectiveTensionRatio(float As, float b, float h, float bf, float hf);

// Steel stress under the characteristic moment of a flexural member (clause 7.1.4, eq. 7.1.4-3):
// σs = Mk/(0.87·h0·As). Mk in N·mm; N/mm².
float CrackSteelStress(float Mk, float As, float h0);

// Strain non-uniformity factor (clause 7.1.2, eq. 7.1.2-2): ψ = 1.1 - 0.65·ftk/(ρte·σs), bounded to
// 0.2..1.0 as the clause requires (unbounded, a lightly stressed section would get a width near or
// below zero).
float StrainNonUniformity(float ftk, float rhoTe, float sigmaS);

// Largest crack width of a flexural member (clause 7.1.2, eq. 7.1.2-1, αcr = 1.9):
// ωmax = 1.9·ψ·σs/Es·(1.9·c + 0.08·deq/ρte); mm.
float MaxCrackWidth(float psi, float sigmaS, float Es, float cover, float barDiameter, float rhoTe);

}  // namespace wall
