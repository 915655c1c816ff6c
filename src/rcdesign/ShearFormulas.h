// GB 50010-2010 formulas of shear on inclined sections, one per function; mm, N, N/mm².
#pragma once

namespace wall {

// Height factor of slabs without stirrups (clause 6.3.3, eq. 6.3.3-2): βh = (800/h0)^(1/4), h0 taken
// as 800 below 800 mm and as 2000 above 2000 mm.
float SlabShearHeightFactor(float h0);

// Shear a slab without stirrups or bent bars carries (clause 6.3.3, eq. 6.3.3-1): 0.7·βh·ft·b·h0; N.
float SlabShearCapacity(float ft, float b, float h0);

// Concrete strength factor βc (clause 6.3.1): 1.0 up to C50, 0.8 at C80, linear between; fcuk in N/mm².
float ConcreteStrengthFactor(float fcuk);

// Largest shear the section may carry (clause 6.3.1): 0.25·βc·fc·b·h0 where hw/b ≤ 4, 0.2·βc·fc·b·h0
// where hw/b ≥ 6, linear between; N.
float SectionShearLimit(float betaC, float fc, float b, float h0, float hw);

// Shear a beam carries without stirrups (clause 6.3.4, αcv = 0.7 of a general flexural member):
// 0.7·ft·b·h0; N.
float BeamConcreteShear(float ft, float b, float h0);

// Stirrups a beam needs, Asv/s = (V − 0.7·ft·b·h0)/(fyv·h0) (clause 6.3.4), and at least the ratio
// 0.24·ft/fyv of §9.2.9 times b; mm²/mm. fyv is the stirrup steel's design strength, at most 360.
float RequiredStirrups(float V, float ft, float b, float h0, float fyv);

// The same beyond a given concrete share Vc (N): Asv/s = (V − Vc)/(fyv·h0), at least the minimum ratio.
float StirrupsBeyond(float V, float Vc, float ft, float b, float h0, float fyv);

// Under the seismic combination (clause 11.3.3), the section's limit before γRE: 0.20·βc·fc·b·h0 where
// the span is more than 2.5 times the depth, 0.15·βc·fc·b·h0 otherwise; N.
float SeismicSectionShearLimit(float betaC, float fc, float b, float h0, float spanRatio);

// Under the seismic combination (clause 11.3.4), the concrete's share before γRE: 0.6·αcv·ft·b·h0 with
// αcv = 0.7; N.
float SeismicBeamConcreteShear(float ft, float b, float h0);

}  // namespace wall
