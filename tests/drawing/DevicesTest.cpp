// SVG and EMF output of every default preview: structure, and rendering through LibreOffice.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "case/CaseDefaults.h"
#include "drawing/EmfDevice.h"
#include "drawing/SketchComposition.h"
#include "drawing/SvgDevice.h"

namespace wall {
namespace {

uint32_t U32At(const std::vector<uint8_t>& b, std::size_t at) {
    uint32_t v;
    std::memcpy(&v, b.data() + at, 4);
    return v;
}

int Count(const std::string& s, const std::string& what) {
    int n = 0;
    for (std::size_t at = s.find(what); at != std::string::npos; at = s.find(what, at + 1)) ++n;
    return n;
}

struct Pictures {
    std::string svg;
    std::vector<uint8_t> emf;
    std::size_t lines = 0, chars = 0;
};

Pictures Preview(const WallCase& c) {
    DrawingCanvas canvas;
    ComposePreview(canvas, c);
    Pictures p;
    SvgDevice svg;
    svg.BeginPicture(480, 480);
    PaintPreview(canvas, svg, 480, 480);
    svg.EndPicture();
    p.svg = svg.Svg();
    EmfDevice emf;
    emf.BeginPicture(480, 480);
    PaintPreview(canvas, emf, 480, 480);
    emf.EndPicture();
    p.emf = emf.Bytes();
    p.lines = canvas.Lines().size();
    for (const auto& t : canvas.Texts())
        for (std::size_t i = 0; i < t->m_strText.size(); ++i, ++p.chars)
            if (static_cast<uint8_t>(t->m_strText[i]) >= 0x80) ++i;  // GBK double-byte pairs
    return p;
}

TEST(Devices, DeviceForFileChoosesByExtension) {
    EXPECT_NE(dynamic_cast<SvgDevice*>(DeviceForFile("a/b.svg").get()), nullptr);
    EXPECT_NE(dynamic_cast<EmfDevice*>(DeviceForFile("b.EMF").get()), nullptr);
    EXPECT_EQ(DeviceForFile("b.kst"), nullptr);
    EXPECT_EQ(DeviceForFile("b"), nullptr);
}

TEST(Devices, EveryDefaultPreviewIsWellFormed) {
    for (int type = 0; type < kWallTypeCount; ++type) {
        SCOPED_TRACE(type);
        Pictures p = Preview(DefaultCase(type));
        // SVG: one element per line and per character, over a black background.
        EXPECT_EQ(p.svg.rfind("</svg>\n"), p.svg.size() - 7);
        EXPECT_EQ(Count(p.svg, "<line "), static_cast<int>(p.lines));
        EXPECT_EQ(Count(p.svg, "<text "), static_cast<int>(p.chars));
        EXPECT_NE(p.svg.find("<rect x=\"0\" y=\"0\" width=\"480\" height=\"480\" fill=\"#000000\"/>"),
                  std::string::npos);
        EXPECT_EQ(p.svg.find("nan"), std::string::npos);

        // EMF: header, records whose sizes add up to the header's byte count, EOF last.
        const std::vector<uint8_t>& e = p.emf;
        ASSERT_GE(e.size(), 128u);
        EXPECT_EQ(U32At(e, 0), 1u);
        EXPECT_EQ(U32At(e, 40), 0x464D4520u);
        EXPECT_EQ(U32At(e, 48), e.size());
        std::size_t at = 0, records = 0, lineTo = 0, text = 0;
        uint32_t last = 0;
        while (at + 8 <= e.size()) {
            const uint32_t type = U32At(e, at), size = U32At(e, at + 4);
            ASSERT_TRUE(size >= 8 && size % 4 == 0 && at + size <= e.size()) << "record at " << at;
            lineTo += type == 54;
            text += type == 84;
            last = type;
            at += size;
            ++records;
        }
        EXPECT_EQ(at, e.size());
        EXPECT_EQ(records, U32At(e, 52));
        EXPECT_EQ(last, 14u);
        EXPECT_EQ(lineTo, p.lines);
        EXPECT_EQ(text, p.chars);
        // The black background covers the whole picture: bounds (0, 0)-(479, 479).
        EXPECT_EQ(U32At(e, 16), 479u);
    }
}

TEST(Devices, DegenerateCaseStillGivesAPicture) {
    WallCase c = DefaultCase(kGravity);
    c.wall.m_fBackSlope = 1;
    c.wall.m_fBaseSlope = 1;
    c.wall.m_fHeight = std::nanf("");
    Pictures p = Preview(c);
    EXPECT_EQ(p.svg.find("nan"), std::string::npos);
    EXPECT_EQ(p.svg.find("inf"), std::string::npos);
    EXPECT_EQ(U32At(p.emf, 48), p.emf.size());
}

TEST(Devices, InvertedMarksCancelAndTextIsEscaped) {
    SvgDevice svg;
    svg.BeginPicture(10, 10);
    svg.SetRasterOp(RasterOp::kInvert);
    svg.Ellipse(1, 1, 3, 3);
    svg.Char({1, 1}, "<", false);
    svg.Char({1, 1}, "\x01", false);
    svg.EndPicture();
    EXPECT_NE(svg.Svg().find("mix-blend-mode:difference"), std::string::npos);
    EXPECT_NE(svg.Svg().find(">&lt;</text>"), std::string::npos);
    EXPECT_EQ(svg.Svg().find('\x01'), std::string::npos);
}

std::string Base64(const std::vector<uint8_t>& in) {
    static const char* k = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    for (std::size_t i = 0; i < in.size(); i += 3) {
        uint32_t v = in[i] << 16;
        if (i + 1 < in.size()) v |= in[i + 1] << 8;
        if (i + 2 < in.size()) v |= in[i + 2];
        out += k[(v >> 18) & 63];
        out += k[(v >> 12) & 63];
        out += i + 1 < in.size() ? k[(v >> 6) & 63] : '=';
        out += i + 2 < in.size() ? k[v & 63] : '=';
    }
    return out;
}

// A flat OpenDocument text holding one picture, which LibreOffice renders through its own
// EMF and SVG readers.
void WriteDocument(const std::filesystem::path& path, const std::vector<uint8_t>& picture, const char* mime) {
    std::ofstream out(path);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<office:document xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
           "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
           "xmlns:draw=\"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0\" "
           "xmlns:svg=\"urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0\" "
           "xmlns:loext=\"urn:org:documentfoundation:names:experimental:office:xmlns:loext:1.0\" "
           "office:version=\"1.2\" office:mimetype=\"application/vnd.oasis.opendocument.text\">"
           "<office:body><office:text><text:p><draw:frame svg:width=\"12cm\" svg:height=\"12cm\" "
           "text:anchor-type=\"as-char\"><draw:image loext:mime-type=\""
        << mime << "\"><office:binary-data>" << Base64(picture)
        << "</office:binary-data></draw:image></draw:frame></text:p></office:text></office:body>"
           "</office:document>\n";
}

// Share of dark pixels in a binary PPM (P6) image.
double DarkShare(const std::filesystem::path& ppm) {
    std::ifstream in(ppm, std::ios::binary);
    std::string magic;
    int w = 0, h = 0, max = 0;
    in >> magic >> w >> h >> max;
    in.get();
    if (magic != "P6" || w <= 0 || h <= 0) return -1;
    std::vector<unsigned char> px(static_cast<std::size_t>(w) * h * 3);
    in.read(reinterpret_cast<char*>(px.data()), static_cast<std::streamsize>(px.size()));
    std::size_t dark = 0;
    for (std::size_t i = 0; i + 2 < px.size(); i += 3) dark += px[i] + px[i + 1] + px[i + 2] < 60;
    return static_cast<double>(dark) / (static_cast<double>(w) * h);
}

TEST(Devices, LibreOfficeRendersEveryDefaultPreview) {
    if (std::system("command -v soffice >/dev/null 2>&1 && command -v pdftoppm >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "LibreOffice or pdftoppm not installed";
    const std::filesystem::path dir = std::filesystem::path(testing::TempDir()) / "drawing_render";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    std::string docs;
    for (int type = 0; type < kWallTypeCount; ++type) {
        Pictures p = Preview(DefaultCase(type));
        const std::string t = std::to_string(type);
        WriteDocument(dir / ("emf" + t + ".fodt"), p.emf, "image/x-emf");
        WriteDocument(dir / ("svg" + t + ".fodt"), {p.svg.begin(), p.svg.end()}, "image/svg+xml");
        docs += " emf" + t + ".fodt svg" + t + ".fodt";
    }
    const std::string profile = "file://" + (dir / "profile").string();
    const std::string cmd = "cd '" + dir.string() + "' && soffice -env:UserInstallation=" + profile +
                            " --headless --convert-to pdf" + docs + " >/dev/null 2>&1";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    for (int type = 0; type < kWallTypeCount; ++type)
        for (const char* kind : {"emf", "svg"}) {
            const std::string base = (dir / (kind + std::to_string(type))).string();
            SCOPED_TRACE(base);
            ASSERT_TRUE(std::filesystem::exists(base + ".pdf"));
            const std::string ppm = "pdftoppm -r 40 -singlefile '" + base + ".pdf' '" + base + "'";
            ASSERT_EQ(std::system(ppm.c_str()), 0);
            // The 12 cm black picture covers about a fifth of an A4 page; a picture that failed
            // to load leaves the page white.
            const double dark = DarkShare(base + ".ppm");
            EXPECT_GT(dark, 0.12);
            EXPECT_LT(dark, 0.35);
        }
}

}  // namespace
}  // namespace wall
