// The DXF writer: header, tables (layers, the CJK text style), blocks, entities and objects.
#include "drawing/DxfWriter.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <limits>
#include <tuple>
#include <utility>

#include "case/CaseFile.h"
#include "drawing/ColorTable.h"

namespace wall {
namespace {

constexpr double kDegPerRad = 57.29577951308232;
constexpr double kRadPerDeg = 0.017453292519943295;
// Height of the capitals in a character cell of SimSun.
constexpr double kCapHeight = 0.7;

// The colours of AutoCAD colour indices 1 to 9.
constexpr Rgb kAci[10] = {{0, 0, 0},   {255, 0, 0},   {255, 255, 0},   {0, 255, 0},     {0, 255, 255},
                          {0, 0, 255}, {255, 0, 255}, {255, 255, 255}, {128, 128, 128}, {192, 192, 192}};

// Handles of the fixed objects; entities count on from kFirstFree.
enum Handle : unsigned {
    kRootDict = 0xC,
    kGroupDict = 0xD,
    kVportTable = 0x8,
    kLtypeTable = 0x5,
    kLayerTable = 0x2,
    kStyleTable = 0x3,
    kViewTable = 0x6,
    kUcsTable = 0x7,
    kAppidTable = 0x9,
    kDimstyleTable = 0xA,
    kBlockRecordTable = 0x1,
    kModelSpace = 0x1F,
    kPaperSpace = 0x1B,
    kFirstFree = 0x100,
};

bool Finite(std::initializer_list<double> values) {
    for (double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

class DxfOut {
  public:
    void Tag(int code, const std::string& value) {
        m_s += std::to_string(code);
        m_s += '\n';
        m_s += value;
        m_s += '\n';
    }
    void Tag(int code, const char* value) { Tag(code, std::string(value)); }
    void Int(int code, long long value) { Tag(code, std::to_string(value)); }
    void Hex(int code, unsigned value) {
        char b[16];
        std::snprintf(b, sizeof b, "%X", value);
        Tag(code, b);
    }
    void Num(int code, double value) {
        char b[64];
        std::snprintf(b, sizeof b, "%.6f", value);
        std::string s = b;
        while (!s.empty() && s.back() == '0') s.pop_back();
        if (!s.empty() && s.back() == '.') s.pop_back();
        if (s == "-0") s = "0";
        Tag(code, s);
    }
    void Point(int code, double x, double y, double z = 0) {
        Num(code, x);
        Num(code + 10, y);
        Num(code + 20, z);
    }
    unsigned NewHandle() { return m_next++; }
    unsigned NextHandle() const { return m_next; }
    std::string& str() { return m_s; }

  private:
    std::string m_s;
    unsigned m_next = kFirstFree;
};

void Table(DxfOut& o, const char* name, unsigned handle, int count) {
    o.Tag(0, "TABLE");
    o.Tag(2, name);
    o.Hex(5, handle);
    o.Hex(330, 0);
    o.Tag(100, "AcDbSymbolTable");
    o.Int(70, count);
}

void Record(DxfOut& o, const char* type, unsigned table, const char* subclass) {
    o.Tag(0, type);
    o.Hex(5, o.NewHandle());
    o.Hex(330, table);
    o.Tag(100, "AcDbSymbolTableRecord");
    o.Tag(100, subclass);
}

void Header(DxfOut& o, const DrawingCanvas& canvas) {
    o.Tag(0, "SECTION");
    o.Tag(2, "HEADER");
    o.Tag(9, "$ACADVER");
    o.Tag(1, "AC1015");
    o.Tag(9, "$DWGCODEPAGE");
    o.Tag(3, "ANSI_936");
    float x0 = std::numeric_limits<float>::max(), y0 = x0, x1 = -x0, y1 = -x0;
    if (!canvas.GetExtents(x0, y0, x1, y1)) x0 = y0 = x1 = y1 = 0;
    o.Tag(9, "$EXTMIN");
    o.Point(10, x0, y0);
    o.Tag(9, "$EXTMAX");
    o.Point(10, x1, y1);
    o.Tag(9, "$INSUNITS");  // millimetres
    o.Int(70, 4);
    o.Tag(9, "$MEASUREMENT");  // metric
    o.Int(70, 1);
    o.Tag(9, "$TEXTSTYLE");
    o.Tag(7, kDxfTextStyle);
    o.Tag(9, "$HANDSEED");
    o.Tag(5, "FFFFF");  // above every handle written; rewritten at the end
    o.Tag(0, "ENDSEC");
}

struct LayerDef {
    const char* name;
    int colour;  // canvas colour
    int lineweight;
};

constexpr LayerDef kLayers[] = {
    {"0", 0, -3},
    {kDxfOutline, kOutlineColour, 35},
    {kDxfGround, kGroundColour, -3},
    {kDxfDimensions, kDimensionColour, -3},
    {kDxfLoads, kLoadColour, -3},
    {kDxfTexts, kDimensionColour, -3},
};

void Tables(DxfOut& o, const DrawingCanvas& canvas) {
    o.Tag(0, "SECTION");
    o.Tag(2, "TABLES");

    // The active viewport shows the whole drawing.
    float x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    if (!canvas.GetExtents(x0, y0, x1, y1)) x0 = y0 = 0, x1 = y1 = 1000;
    Table(o, "VPORT", kVportTable, 1);
    Record(o, "VPORT", kVportTable, "AcDbViewportTableRecord");
    o.Tag(2, "*Active");
    o.Int(70, 0);
    o.Point(10, 0, 0);
    o.Num(11, 1);
    o.Num(21, 1);
    o.Num(12, (x0 + x1) / 2.0);
    o.Num(22, (y0 + y1) / 2.0);
    o.Num(40, std::max(1.0, 1.1 * std::max<double>(y1 - y0, (x1 - x0) / 1.5)));
    o.Num(41, 1.5);
    o.Num(42, 50);
    o.Int(71, 0);
    o.Int(72, 100);
    o.Int(73, 1);
    o.Int(74, 3);
    o.Tag(0, "ENDTAB");

    Table(o, "LTYPE", kLtypeTable, 3);
    for (const char* name : {"ByBlock", "ByLayer", "Continuous"}) {
        Record(o, "LTYPE", kLtypeTable, "AcDbLinetypeTableRecord");
        o.Tag(2, name);
        o.Int(70, 0);
        o.Tag(3, std::string(name) == "Continuous" ? "Solid line" : "");
        o.Int(72, 65);
        o.Int(73, 0);
        o.Num(40, 0);
    }
    o.Tag(0, "ENDTAB");

    Table(o, "LAYER", kLayerTable, static_cast<int>(std::size(kLayers)));
    for (const LayerDef& l : kLayers) {
        Record(o, "LAYER", kLayerTable, "AcDbLayerTableRecord");
        o.Tag(2, l.name);
        o.Int(70, 0);
        o.Int(62, l.colour == 0 ? 7 : DxfColourOf(l.colour));
        o.Tag(6, "Continuous");
        o.Int(370, l.lineweight);
    }
    o.Tag(0, "ENDTAB");

    Table(o, "STYLE", kStyleTable, 2);
    for (const char* name : {"Standard", kDxfTextStyle}) {
        const bool cjk = std::string(name) == kDxfTextStyle;
        Record(o, "STYLE", kStyleTable, "AcDbTextStyleTableRecord");
        o.Tag(2, name);
        o.Int(70, 0);
        o.Num(40, 0);
        o.Num(41, 1);
        o.Num(50, 0);
        o.Int(71, 0);
        o.Num(42, 2.5);
        o.Tag(3, cjk ? "simsun.ttc" : "txt");
        o.Tag(4, "");
        if (cjk) {
            // The font family for programs that look the face up by name.
            o.Tag(1001, "ACAD");
            o.Tag(1000, "SimSun");
            o.Int(1071, 134 << 8);  // the GB2312 character set
        }
    }
    o.Tag(0, "ENDTAB");

    Table(o, "VIEW", kViewTable, 0);
    o.Tag(0, "ENDTAB");
    Table(o, "UCS", kUcsTable, 0);
    o.Tag(0, "ENDTAB");

    Table(o, "APPID", kAppidTable, 1);
    Record(o, "APPID", kAppidTable, "AcDbRegAppTableRecord");
    o.Tag(2, "ACAD");
    o.Int(70, 0);
    o.Tag(0, "ENDTAB");

    Table(o, "DIMSTYLE", kDimstyleTable, 1);
    o.Tag(100, "AcDbDimStyleTable");
    o.Tag(0, "DIMSTYLE");
    o.Hex(105, o.NewHandle());
    o.Hex(330, kDimstyleTable);
    o.Tag(100, "AcDbSymbolTableRecord");
    o.Tag(100, "AcDbDimStyleTableRecord");
    o.Tag(2, "Standard");
    o.Int(70, 0);
    o.Tag(0, "ENDTAB");

    Table(o, "BLOCK_RECORD", kBlockRecordTable, 2);
    for (auto [name, handle] :
         {std::pair{"*Model_Space", kModelSpace}, std::pair{"*Paper_Space", kPaperSpace}}) {
        o.Tag(0, "BLOCK_RECORD");
        o.Hex(5, handle);
        o.Hex(330, kBlockRecordTable);
        o.Tag(100, "AcDbSymbolTableRecord");
        o.Tag(100, "AcDbBlockTableRecord");
        o.Tag(2, name);
    }
    o.Tag(0, "ENDTAB");
    o.Tag(0, "ENDSEC");
}

void Blocks(DxfOut& o) {
    o.Tag(0, "SECTION");
    o.Tag(2, "BLOCKS");
    for (auto [name, owner, paper] :
         {std::tuple{"*Model_Space", kModelSpace, false}, std::tuple{"*Paper_Space", kPaperSpace, true}}) {
        o.Tag(0, "BLOCK");
        o.Hex(5, o.NewHandle());
        o.Hex(330, owner);
        o.Tag(100, "AcDbEntity");
        if (paper) o.Int(67, 1);
        o.Tag(8, "0");
        o.Tag(100, "AcDbBlockBegin");
        o.Tag(2, name);
        o.Int(70, 0);
        o.Point(10, 0, 0);
        o.Tag(3, name);
        o.Tag(1, "");
        o.Tag(0, "ENDBLK");
        o.Hex(5, o.NewHandle());
        o.Hex(330, owner);
        o.Tag(100, "AcDbEntity");
        if (paper) o.Int(67, 1);
        o.Tag(8, "0");
        o.Tag(100, "AcDbBlockEnd");
    }
    o.Tag(0, "ENDSEC");
}

void Entity(DxfOut& o, const char* type, const CEntityTemp& e, bool isText, const char* subclass) {
    o.Tag(0, type);
    o.Hex(5, o.NewHandle());
    o.Hex(330, kModelSpace);
    o.Tag(100, "AcDbEntity");
    o.Tag(8, DxfLayerOf(e.m_nColour, isText));
    o.Int(62, DxfColourOf(e.m_nColour));
    o.Tag(100, subclass);
}

// A solid fill of the closed boundary: a polygon, or the circle (cx, cy, r) when `points` is empty.
void SolidHatch(DxfOut& o, const CEntityTemp& e, const std::vector<std::array<float, 3>>& points, double cx,
                double cy, double r) {
    o.Tag(0, "HATCH");
    o.Hex(5, o.NewHandle());
    o.Hex(330, kModelSpace);
    o.Tag(100, "AcDbEntity");
    o.Tag(8, DxfLayerOf(e.m_nColour, false));
    o.Int(62, DxfColourOf(e.m_nFillColour));
    o.Tag(100, "AcDbHatch");
    o.Point(10, 0, 0);
    o.Point(210, 0, 0, 1);
    o.Tag(2, "SOLID");
    o.Int(70, 1);  // solid fill
    o.Int(71, 0);  // not associative
    o.Int(91, 1);  // one boundary path
    if (points.empty()) {
        o.Int(92, 1);  // external, made of edges
        o.Int(93, 1);
        o.Int(72, 2);  // circular arc
        o.Num(10, cx);
        o.Num(20, cy);
        o.Num(40, r);
        o.Num(50, 0);
        o.Num(51, 360);
        o.Int(73, 1);
    } else {
        o.Int(92, 3);  // external polyline
        o.Int(72, 0);  // no bulges
        o.Int(73, 1);  // closed
        o.Int(93, static_cast<int>(points.size()));
        for (const auto& v : points) {
            o.Num(10, v[0]);
            o.Num(20, v[1]);
        }
    }
    o.Int(97, 0);
    o.Int(75, 0);  // odd parity
    o.Int(76, 1);  // predefined pattern
    o.Int(98, 0);
}

void Text(DxfOut& o, const CTextTemp& t) {
    const double h = t.m_fHeight, cw = t.m_fCharWidth, gap = t.m_fGap;
    if (t.m_nErased || t.m_strText.empty() || !Finite({t.m_fX, t.m_fY, t.m_fDirection, h, cw, gap}) || h <= 0)
        return;
    // The length the canvas draws: each character advances by its stored width and the gap.
    const std::string& s = t.m_strText;
    double length = 0, lastGap = 0;
    for (std::size_t i = 0; i < s.size();) {
        const bool wide =
            i + 1 < s.size() && static_cast<uint8_t>(s[i]) >= 0x80 && static_cast<uint8_t>(s[i + 1]) >= 0x80;
        lastGap = wide ? gap : 0.5 * gap;
        length += (wide ? 2 * cw : cw) + lastGap;
        i += wide ? 2 : 1;
    }
    length -= lastGap;
    const double a = t.m_fDirection * kRadPerDeg, c = std::cos(a), sn = std::sin(a);
    // The centre of the box: half the length along the baseline, half the height across it.
    const double mx = t.m_fX + length / 2 * c - h / 2 * sn;
    const double my = t.m_fY + length / 2 * sn + h / 2 * c;
    Entity(o, "TEXT", t, true, "AcDbText");
    o.Point(10, mx, my);
    // The canvas's height is the character cell's; a CAD text's height is that of its capitals.
    o.Num(40, kCapHeight * h);
    o.Tag(1, s);  // GBK, the drawing's code page
    o.Num(50, t.m_fDirection);
    // A double-byte character of SimSun is one em (the cell height) wide, as two of the canvas's
    // character widths.
    double widthFactor = cw > 0 ? 2 * cw / h : 1;
    if (!(widthFactor >= 0.1 && widthFactor <= 10)) widthFactor = 1;
    o.Num(41, widthFactor);
    o.Tag(7, kDxfTextStyle);
    o.Int(72, 1);  // centred
    o.Point(11, mx, my);
    o.Tag(100, "AcDbText");
    o.Int(73, 2);  // middle
}

void Entities(DxfOut& o, const DrawingCanvas& canvas) {
    o.Tag(0, "SECTION");
    o.Tag(2, "ENTITIES");
    // Lines and arcs draw even when erased, as on the screen.
    for (const auto& l : canvas.Lines()) {
        if (!Finite({l->m_fX1, l->m_fY1, l->m_fX2, l->m_fY2})) continue;
        Entity(o, "LINE", *l, false, "AcDbLine");
        o.Point(10, l->m_fX1, l->m_fY1);
        o.Point(11, l->m_fX2, l->m_fY2);
    }
    for (const auto& p : canvas.Polylines()) {
        if (p->m_nErased || p->m_vertices.empty()) continue;
        bool finite = true;
        for (const auto& v : p->m_vertices) finite = finite && Finite({v[0], v[1]});
        if (!finite) continue;
        Entity(o, "LWPOLYLINE", *p, false, "AcDbPolyline");
        o.Int(90, static_cast<int>(p->m_vertices.size()));
        o.Int(70, p->m_nClosed ? 1 : 0);
        for (const auto& v : p->m_vertices) {
            o.Num(10, v[0]);
            o.Num(20, v[1]);
        }
        if (p->m_nClosed) SolidHatch(o, *p, p->m_vertices, 0, 0, 0);
    }
    // Circles of radius 0 (the picture's invisible corner marks) are left out.
    for (const auto& c : canvas.Circles()) {
        if (c->m_nErased || c->m_nFilled == -1 || !Finite({c->m_fCx, c->m_fCy, c->m_fR}) || c->m_fR <= 0)
            continue;
        Entity(o, "CIRCLE", *c, false, "AcDbCircle");
        o.Point(10, c->m_fCx, c->m_fCy);
        o.Num(40, c->m_fR);
        if (c->m_nFilled == 1) SolidHatch(o, *c, {}, c->m_fCx, c->m_fCy, c->m_fR);
    }
    for (const auto& a : canvas.Arcs()) {
        if (!Finite({a->m_fCx, a->m_fCy, a->m_fR, a->m_fStart, a->m_fEnd}) || a->m_fR <= 0) continue;
        Entity(o, "ARC", *a, false, "AcDbCircle");
        o.Point(10, a->m_fCx, a->m_fCy);
        o.Num(40, a->m_fR);
        o.Tag(100, "AcDbArc");
        o.Num(50, a->m_fStart * kDegPerRad);
        o.Num(51, a->m_fEnd * kDegPerRad);
    }
    for (const auto& t : canvas.Texts()) Text(o, *t);
    o.Tag(0, "ENDSEC");
}

void Objects(DxfOut& o) {
    o.Tag(0, "SECTION");
    o.Tag(2, "OBJECTS");
    o.Tag(0, "DICTIONARY");
    o.Hex(5, kRootDict);
    o.Hex(330, 0);
    o.Tag(100, "AcDbDictionary");
    o.Int(281, 1);
    o.Tag(3, "ACAD_GROUP");
    o.Hex(350, kGroupDict);
    o.Tag(0, "DICTIONARY");
    o.Hex(5, kGroupDict);
    o.Hex(330, kRootDict);
    o.Tag(100, "AcDbDictionary");
    o.Int(281, 1);
    o.Tag(0, "ENDSEC");
}

}  // namespace

const char* DxfLayerOf(int colour, bool isText) {
    if (isText) return kDxfTexts;
    switch (colour) {
        case kOutlineColour:
            return kDxfOutline;
        case kGroundColour:
            return kDxfGround;
        case kDimensionColour:
            return kDxfDimensions;
        case kLoadColour:
            return kDxfLoads;
        default:
            return "0";
    }
}

int DxfColourOf(int colour) {
    const Rgb c = TableColour(colour);
    int best = 7;
    long bestD = std::numeric_limits<long>::max();
    for (int i = 1; i <= 9; ++i) {
        const long dr = c.r - kAci[i].r, dg = c.g - kAci[i].g, db = c.b - kAci[i].b;
        const long d = dr * dr + dg * dg + db * db;
        if (d < bestD) bestD = d, best = i;
    }
    // Black is drawn as 7 too: CAD programs show 7 black on a white background.
    if (c == Rgb{0, 0, 0}) best = 7;
    return best;
}

std::string CanvasToDxf(const DrawingCanvas& canvas) {
    DxfOut o;
    Header(o, canvas);
    Tables(o, canvas);
    Blocks(o);
    Entities(o, canvas);
    Objects(o);
    o.Tag(0, "EOF");
    // The handle seed: the first handle not used.
    std::string& s = o.str();
    char seed[16];
    std::snprintf(seed, sizeof seed, "%X", o.NextHandle());
    const std::string mark = "$HANDSEED\n5\nFFFFF\n";
    if (auto at = s.find(mark); at != std::string::npos)
        s.replace(at, mark.size(), std::string("$HANDSEED\n5\n") + seed + "\n");
    return s;
}

int WriteDxfFile(const DrawingCanvas& canvas, const std::filesystem::path& path, std::string* reason) {
    const std::string dxf = CanvasToDxf(canvas);
    return WriteFileAtomically(path, {reinterpret_cast<const uint8_t*>(dxf.data()), dxf.size()}, reason);
}

}  // namespace wall
