// The earth pressure along a back as a diagram: piecewise linear in the depth below the back's top.
#pragma once

#include <array>

namespace wall {

// One node of the diagram. The pressures are thrust per metre of depth (kN/m per m, i.e. kPa on the
// back's vertical projection), split into the soil's and the surface load's parts and the water's.
// Two nodes at the same depth carry a jump (the edge of a strip load's band, a layer boundary).
// No member initialisers: a diagram's unused nodes are never read, and the analyses build many
// diagrams a second.
struct DiagramNode {
    float depth;  // m below the back's top
    float soil;   // kPa
    float load;   // kPa
    float water;  // kPa, the water pressure below the water table
};

// A thrust and its depth of action below the back's top: the area and centroid of a diagram's part.
struct DiagramThrust {
    float force = 0;  // kN/m
    float depth = 0;  // m; the centroid's depth (0 when there is no force)
};

class PressureDiagram {
  public:
    // Three nodes for each layer an analysis takes (a jump and a tension crack), with room for the
    // upper part's wedge, the water table and a strip's band.
    static constexpr int kMaxNodes = 64;

    // Appends a node; depths must not decrease. Nodes beyond the capacity are dropped (no diagram of
    // this program has that many).
    void Add(float depth, float soil, float load, float water = 0);
    int size() const { return m_count; }
    // A node was dropped for want of room: the diagram is not to be used.
    bool Overflowed() const { return m_overflow; }
    const DiagramNode& operator[](int i) const { return m_nodes[i]; }
    const DiagramNode* begin() const { return m_nodes.data(); }
    const DiagramNode* end() const { return m_nodes.data() + m_count; }
    float Height() const { return m_count ? m_nodes[m_count - 1].depth : 0; }

    // kTotal is the earth's: the soil's and the load's parts, without the water.
    enum class Part { kSoil, kLoad, kTotal, kWater };
    // The thrust of a part down to `cut` (the whole diagram when cut ≥ its height), exactly for the
    // linear pieces.
    DiagramThrust Thrust(Part part, float cut) const;
    DiagramThrust Thrust(Part part) const { return Thrust(part, Height()); }
    // The thrust of a part between two depths; its depth is measured from the back's top.
    DiagramThrust Between(Part part, float from, float to) const;
    // The pressure of a part at a depth (the lower value at a jump).
    float At(Part part, float depth) const;
    // The largest pressure of a part down to `cut`.
    float Max(Part part, float cut) const;

  private:
    std::array<DiagramNode, kMaxNodes> m_nodes;
    int m_count = 0;
    bool m_overflow = false;
};

}  // namespace wall
