// Wall outline of the five wall types, in single precision as the analyses use it.
#include "analysis/geometry/WallOutline.h"

#include <cmath>

namespace wall {
namespace {

constexpr float kTiny = 1e-6f;

// The base through the toe point P4 as u·x + v·y + w = 0; level when |n| is below 1e-6.
struct BaseLine {
    float u, v, w;
};

BaseLine BaseThrough(float x4, float y4, float n, float H) {
    if (std::fabs(n) >= kTiny) return {1.0f, 1.0f / n, -x4 - y4 / n};
    return {0.0f, 1.0f, H};
}

// Height of the base at x.
float BaseY(float x, float x4, float y4, float n, float H) {
    if (std::fabs(n) >= kTiny) return y4 - n * (x - x4);
    return -H;
}

struct Pt {
    float x = 0, y = 0;
};

}  // namespace

WallOutline BuildWallOutline(const WallCase& c) {
    const CRetainingWall& w = c.wall;
    const float B = w.m_fTopWidth, H = w.m_fHeight;
    const float B1 = w.m_fToeWidth, H1 = w.m_fToeHeight;
    const float B2 = w.m_fHeelWidth, H2 = w.m_fHeelHeight;
    const float mf = w.m_fFrontSlope, mb = w.m_fBackSlope, n = w.m_fBaseSlope, m2 = w.m_fLowerBackSlope;
    auto frontX = [&](float y) { return -B + mf * y; };

    Pt p[8];
    p[0] = {0, 0};
    p[1] = {-B, 0};
    switch (c.wallType) {
        case kGravity: {
            p[2] = {frontX(H1 - H), H1 - H};
            p[3] = {p[2].x - B1, H1 - H};
            p[4] = {p[3].x, -H};
            BaseLine g = BaseThrough(p[4].x, p[4].y, n, H);
            // P7 on the back face such that a heel B2 wide and H2 high stands on the base.
            float x7 = (mb * g.u * B2 + mb * g.w - mb * g.v * H2) / (g.v - mb * g.u);
            p[5] = {x7 + B2, BaseY(x7 + B2, p[4].x, p[4].y, n, H)};
            float y7 = std::fabs(mb) >= kTiny ? -x7 / mb : p[5].y + H2;
            p[7] = {x7, y7};
            p[6] = {p[5].x, y7};
            break;
        }
        case kSemiGravity:
            // The toe top slopes from H2 at the face to H1 at its edge; the base is level.
            p[2] = {frontX(H2 - H), H2 - H};
            p[3] = {p[2].x - B1, H1 - H};
            p[4] = {p[3].x, -H};
            p[5] = p[6] = p[7] = {mb * H, -H};
            break;
        case kShelf: {
            p[2] = {frontX(H1 - H), H1 - H};
            p[3] = {p[2].x - B1, H1 - H};
            p[4] = {p[3].x, -H};
            p[7] = {mb * H2, -H2};
            p[6] = {p[7].x + B2, -H2};
            // Lower back face x + m2·y + d = 0 through P6, cut with the base.
            BaseLine g = BaseThrough(p[4].x, p[4].y, n, H);
            float d = -p[6].x - m2 * p[6].y;
            float y5 = (d * g.u - g.w) / (g.v - g.u * m2);
            p[5] = {-m2 * y5 - d, y5};
            break;
        }
        case kCantilever:
        case kCounterfort: {
            // Vertical front face; a counterfort wall's back face is vertical as well.
            float back = c.wallType == kCounterfort ? 0.0f : mb;
            p[2] = {-B, H1 - H};
            p[3] = {-B - B1, H1 - H};
            p[4] = {-B - B1, -H};
            p[7] = {back * (H - H1), H1 - H};
            p[6] = {p[7].x + B2, H1 - H};
            p[5] = {p[6].x, H1 - H - H2};
            break;
        }
        default:
            p[1] = {0, 0};
            break;
    }
    WallOutline o;
    for (int i = 0; i < 8; ++i) {
        o.x[i] = p[i].x;
        o.y[i] = p[i].y;
    }
    return o;
}

}  // namespace wall
