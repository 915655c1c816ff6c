// The earth-pressure diagram along a back.
#include "drawing/PressureSketch.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "drawing/ColorTable.h"
#include "text/Format.h"

namespace wall {

void ComposePressureDiagram(DrawingCanvas& canvas, const PressureDiagram& diagram) {
    canvas.RemoveAll();
    const float H = diagram.Height() * 1000;
    if (!(H > 0) || !std::isfinite(H)) return;
    float widest = 0;
    for (const DiagramNode& n : diagram) widest = std::max(widest, n.soil + n.load + n.water);
    const float text = H / 16;
    // The back, and the depth axis's label.
    canvas.AddLine(kOutlineColour, 3, 0, 0, 0, -H);
    canvas.AddText(kDimensionColour, 0, text * 0.6f, 0, 0, text, text / 2, 1, "σ（kPa）", 3, 1);
    if (!(widest > 0) || !std::isfinite(widest)) return;
    const float k = H / 2 / widest;  // mm per kPa

    // The outline of each part between consecutive nodes, the soil's hatched across to the back.
    for (int i = 1; i < diagram.size(); ++i) {
        const DiagramNode& a = diagram[i - 1];
        const DiagramNode& b = diagram[i];
        const float ya = -a.depth * 1000, yb = -b.depth * 1000;
        canvas.AddLine(kLoadColour, 2, a.soil * k, ya, b.soil * k, yb);
        if (a.load > 0 || b.load > 0)
            canvas.AddLine(kLabelColour, 2, (a.soil + a.load) * k, ya, (b.soil + b.load) * k, yb);
        // The water's pressure stacked on the earth's.
        if (a.water > 0 || b.water > 0)
            canvas.AddLine(kWaterColour, 2, (a.soil + a.load + a.water) * k, ya,
                           (b.soil + b.load + b.water) * k, yb);
    }
    // Ends and jumps: horizontal closing lines.
    for (int i = 0; i < diagram.size(); ++i) {
        const DiagramNode& n = diagram[i];
        const float y = -n.depth * 1000;
        if (i == diagram.size() - 1) {
            canvas.AddLine(kLoadColour, 2, 0, y, (n.soil + n.load) * k, y);
            if (n.water > 0)
                canvas.AddLine(kWaterColour, 2, (n.soil + n.load) * k, y, (n.soil + n.load + n.water) * k, y);
        }
        if (i > 0 && diagram[i - 1].depth == n.depth)
            canvas.AddLine(kLabelColour, 2, (n.soil + diagram[i - 1].load) * k, y, (n.soil + n.load) * k, y);
    }
    const int hatches = 14;
    for (int j = 1; j < hatches; ++j) {
        const float depth = diagram.Height() * j / hatches;
        const float soil = diagram.At(PressureDiagram::Part::kSoil, depth);
        if (soil > 0) canvas.AddLine(kGroundColour, 1, 0, -depth * 1000, soil * k, -depth * 1000);
    }

    // Values at the nodes, each at most once per depth and clear of the one above.
    float lastValueY = text * 2, lastDepthY = text * 2;
    for (int i = 0; i < diagram.size(); ++i) {
        const DiagramNode& n = diagram[i];
        // Two nodes at one depth: a jump where their totals differ, a kink of one value where not.
        const bool pair = i + 1 < diagram.size() && diagram[i + 1].depth == n.depth;
        const bool jump = pair && diagram[i + 1].soil + diagram[i + 1].load != n.soil + n.load;
        const float y = -n.depth * 1000;
        const float total =
            (jump ? std::max(n.soil + n.load, diagram[i + 1].soil + diagram[i + 1].load) : n.soil + n.load) +
            n.water;
        std::string value = Format("%.1f", static_cast<double>(n.soil + n.load));
        if (jump) value += Format("/%.1f", static_cast<double>(diagram[i + 1].soil + diagram[i + 1].load));
        if (n.water > 0) value += Format("+水%.1f", static_cast<double>(n.water));
        if (lastValueY - y >= text * 1.2f) {
            canvas.AddText(kDimensionColour, total * k + text / 3, y, 0, 0, text, text / 2, 1, value, 3, 2);
            lastValueY = y;
        }
        const bool end = i == 0 || i == diagram.size() - 1;
        // The water table: the last node without water pressure above the first with it.
        const int next = i + (pair ? 2 : 1);
        const bool waterTop = n.water == 0 && (!pair || diagram[i + 1].water == 0) && next < diagram.size() &&
                              diagram[next].water > 0;
        if ((jump || end || waterTop) && lastDepthY - y >= text * 1.2f) {
            canvas.AddText(kDimensionColour, -text / 3, y, 0, 0, text, text / 2, 1,
                           Format("z=%.2f", static_cast<double>(n.depth)), 1, 2);
            lastDepthY = y;
        }
        if (pair) ++i;
    }
}

}  // namespace wall
