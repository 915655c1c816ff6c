// wallcalc sketch: the preview of a case as a drawing file (.kst), an SVG or an EMF picture, or DXF.
#include <algorithm>
#include <cctype>
#include <memory>

#include "Commands.h"
#include "casereport/CalcReport.h"
#include "drawing/DrawingCanvas.h"
#include "drawing/DxfWriter.h"
#include "drawing/SketchComposition.h"

namespace wallcalc {
namespace {

struct SketchOptions {
    std::string file;
    std::string output;
    bool report = false;
    bool force = false;
    int width = 480;
    int height = 480;
};

std::string LowerExtension(const std::string& path) {
    std::string ext = std::filesystem::path(path).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext;
}

void RunSketch(const SketchOptions& o) {
    const std::string ext = LowerExtension(o.output);
    if (ext != ".kst" && ext != ".svg" && ext != ".emf" && ext != ".dxf")
        throw CommandError{"“" + o.output + "”：输出文件的扩展名应为 .kst、.svg、.emf 或 .dxf"};
    // An existing drawing is replaced only when asked, as every other command's output.
    RefuseToReplace(o.output, o.force);
    wall::WallCase c = LoadCase(o.file);
    wall::DrawingCanvas canvas;
    if (o.report)
        // The loading sketch as the report shows it: the analysis first, then its loads drawn.
        wall::ComposeReportSketch(canvas, c, wall::LoadingSketchLoads(RequireResult(c)));
    else
        wall::ComposePreview(canvas, c);
    if (ext == ".kst") {
        wall::DrawingIoResult r = canvas.SaveToFile(o.output);
        if (!r.ok()) throw CommandError{"无法保存图形文件 " + o.output + "：" + r.reason};
        return;
    }
    if (ext == ".dxf") {
        // The canvas itself, in millimetres: the picture size does not enter.
        std::string reason;
        if (wall::WriteDxfFile(canvas, o.output, &reason) != 0)
            throw CommandError{"无法保存 " + o.output + "：" + reason};
        return;
    }
    std::unique_ptr<wall::DrawingDevice> dc = wall::DeviceForFile(o.output);
    dc->BeginPicture(o.width, o.height);
    if (o.report) {
        // The report picture: colour 0 on a white page.
        dc->FillRect(0, 0, o.width, o.height, wall::Rgb{255, 255, 255});
        canvas.SetDeviceRect(0, 0, o.width, o.height);
        canvas.Paint(*dc, wall::kRopCopy, wall::kOneColour, 0);
    } else {
        wall::PaintPreview(canvas, *dc, o.width, o.height);
    }
    std::string reason;
    if (dc->EndPicture(&reason) != 0) throw CommandError{"无法保存 " + o.output + "：" + reason};
}

const RegisterCommand sketchCommand([](CLI::App& app) {
    auto* cmd = app.add_subcommand("sketch", "draw the preview of a case as .kst, .svg, .emf or .dxf");
    auto o = std::make_shared<SketchOptions>();
    cmd->add_option("file", o->file, "case file")->required();
    cmd->add_option("-o,--output", o->output, "drawing to write; the extension chooses the format")
        ->required();
    cmd->add_flag("--report", o->report, "the loading sketch of the analysis instead of the preview");
    cmd->add_flag("--force", o->force, "replace an existing drawing");
    cmd->add_option("--width", o->width, "picture width, pixels")->check(CLI::Range(40, 10000));
    cmd->add_option("--height", o->height, "picture height, pixels")->check(CLI::Range(40, 10000));
    cmd->callback([o] { RunSketch(*o); });
});

}  // namespace
}  // namespace wallcalc
