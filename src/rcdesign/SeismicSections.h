// The reinforced-concrete sections under the seismic combination (GB 50011-2010 §5.4.1, §5.4.2).
#pragma once

#include <string_view>
#include <vector>

#include "rcdesign/CantileverDesign.h"
#include "rcdesign/CounterfortDesign.h"

namespace wall {

// The partial factors of the seismic combination S = γG·S_GE + γEh·S_Ehk (GB 50011-2010 §5.4.1) and the
// seismic adjustment factor of flexure (§5.4.2, Table 5.4.2): the section resists γRE·S.
inline constexpr float kGammaGSeismic = 1.2f;
inline constexpr float kGammaEh = 1.3f;
inline constexpr float kGammaReFlexure = 0.75f;
// γRE of shear in every kind of member (Table 5.4.2): the section resists γRE·V.
inline constexpr float kGammaReShear = 0.85f;

// How a section's seismic design moment is found.
enum class SeismicMoment {
    // Linear in the back's pressures (a stem, a face panel, a counterfort): 1.2 × the static
    // characteristic moment + 1.3 × (the seismic characteristic moment − the static one) + 1.3 × the
    // moment of the inertia of the concrete above or on it. The surcharge is taken whole in the gravity
    // load (its combination value 0.5 of §5.1.3 left at 1.0).
    kCombined,
    // A base slab: the seismic analysis's base pressures and root moments in its basic combinations,
    // which take every unfavourable action (the seismic thrust, the inertia) at γG ≥ 1.3 and a
    // favourable one at 1.0: never below the code's 1.2·S_GE + 1.3·S_Ehk.
    kBasicBound,
};

struct SeismicSection {
    std::string_view name;
    SeismicMoment how = SeismicMoment::kCombined;
    float Mstatic = 0;  // the static design moment the section was designed for (magnitude)
    // kCombined: the static and seismic characteristic moments and the inertia's moment.
    float Mk = 0, MkE = 0, Mi = 0;
    float ME = 0;         // the seismic design moment (magnitude)
    float MEreduced = 0;  // γRE·ME
    bool seismicGoverns = false;
    // Where the seismic moment governs: the section designed for γRE·ME, its crack width on the static
    // characteristic moment as before.
    ReinforcementResult design;
    // The shear, where the static design checks one at this section, formed as the moment is: kCombined
    // 1.2·Vk + 1.3·(VkE − Vk) + 1.3·Vi, kBasicBound the seismic analysis's basic-combination shear. The
    // check takes γRE·VE: a slab against its concrete's share (GB 50010-2010 §6.3.3), a counterfort as
    // a beam under the seismic combination (§11.3.3, §11.3.4).
    float Vk = 0, VkE = 0, Vi = 0;
    float VE = 0, VEreduced = 0;
    float spanRatio = 0;  // a counterfort's section: its height above the section over its depth
    ShearResult shear;
};

// Each section of a cantilever wall: its static design (`s`) against the seismic analysis (`e`) of the
// same case, whose inertia coefficient is Ci·Cz·A/g.
std::vector<SeismicSection> SeismicSections(const WallCase& c, const CantileverResult& s,
                                            const CantileverResult& e, float inertiaFactor);
std::vector<SeismicSection> SeismicSections(const WallCase& c, const CounterfortResult& s,
                                            const CounterfortResult& e, float inertiaFactor);

}  // namespace wall
