// Areas and centroids of a piecewise linear pressure diagram.
#include "analysis/PressureDiagram.h"

#include <algorithm>

namespace wall {
namespace {

double ValueOf(const DiagramNode& n, PressureDiagram::Part part) {
    switch (part) {
        case PressureDiagram::Part::kSoil:
            return n.soil;
        case PressureDiagram::Part::kLoad:
            return n.load;
        case PressureDiagram::Part::kWater:
            return n.water;
        case PressureDiagram::Part::kTotal:
            break;
    }
    return static_cast<double>(n.soil) + n.load;
}

}  // namespace

void PressureDiagram::Add(float depth, float soil, float load, float water) {
    if (m_count == kMaxNodes) {
        m_overflow = true;
        return;
    }
    m_nodes[m_count++] = {depth, soil, load, water};
}

DiagramThrust PressureDiagram::Thrust(Part part, float cut) const {
    double force = 0, moment = 0;  // moment about the back's top: ∫p·z dz
    for (int i = 1; i < m_count; ++i) {
        const double za = m_nodes[i - 1].depth, zb = m_nodes[i].depth;
        if (za >= cut) break;
        double pa = ValueOf(m_nodes[i - 1], part), pb = ValueOf(m_nodes[i], part);
        double z1 = zb;
        if (zb > cut && zb > za) {
            pb = pa + (pb - pa) * (cut - za) / (zb - za);
            z1 = cut;
        }
        const double dz = z1 - za;
        if (!(dz > 0)) continue;
        force += (pa + pb) / 2 * dz;
        moment += dz * (pa * (2 * za + z1) + pb * (za + 2 * z1)) / 6;
    }
    DiagramThrust t;
    t.force = static_cast<float>(force);
    t.depth = force != 0 ? static_cast<float>(moment / force) : 0.0f;
    return t;
}

DiagramThrust PressureDiagram::Between(Part part, float from, float to) const {
    const DiagramThrust a = Thrust(part, from), b = Thrust(part, to);
    DiagramThrust t;
    t.force = b.force - a.force;
    const double moment = static_cast<double>(b.force) * b.depth - static_cast<double>(a.force) * a.depth;
    t.depth = t.force > 0 ? static_cast<float>(moment / t.force) : from;
    return t;
}

float PressureDiagram::At(Part part, float depth) const {
    for (int i = 1; i < m_count; ++i) {
        const DiagramNode& a = m_nodes[i - 1];
        const DiagramNode& b = m_nodes[i];
        if (depth > b.depth || !(b.depth > a.depth)) continue;
        const double t = (depth - a.depth) / (b.depth - a.depth);
        return static_cast<float>(ValueOf(a, part) + (ValueOf(b, part) - ValueOf(a, part)) * t);
    }
    return m_count ? static_cast<float>(ValueOf(m_nodes[m_count - 1], part)) : 0.0f;
}

float PressureDiagram::Max(Part part, float cut) const {
    double best = 0;
    for (int i = 0; i < m_count; ++i) {
        if (m_nodes[i].depth > cut) {
            best = std::max(best, static_cast<double>(At(part, cut)));
            break;
        }
        best = std::max(best, ValueOf(m_nodes[i], part));
    }
    return static_cast<float>(best);
}

}  // namespace wall
