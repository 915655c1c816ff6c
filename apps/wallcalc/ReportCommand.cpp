// wallcalc report: the calculation report of a case as .docx (or plain text), with its drawings.
#include <filesystem>
#include <iostream>

#include "Commands.h"
#include "analysis/KernelBlock.h"
#include "case/CaseDefaults.h"
#include "case/CaseFile.h"
#include "drawing/SketchComposition.h"
#include "drawing/SketchFiles.h"
#include "report/ReportConfig.h"
#include "report/assembly/CalcReport.h"

namespace wallcalc {
namespace {

namespace fs = std::filesystem;

// The host of the command line: the work folder stands for the host's paths; drawings are listed
// on stderr; the echo goes to stdout when asked for.
class CommandLineHost : public wall::HostServices {
  public:
    CommandLineHost(fs::path workDir, bool echo) : m_dir(std::move(workDir)), m_echo(echo) {}
    std::string WorkPath() override { return m_dir.string() + "/"; }
    std::string ItemWorkPath() override { return m_dir.string(); }
    void AddDrawingName(const std::string& name) override {
        std::cerr << "drawing: " << (m_dir / name).string() << "\n";
    }
    void TextOut(const std::string& text) override {
        if (m_echo) std::cout << text;
    }

  private:
    fs::path m_dir;
    bool m_echo;
};

struct ReportOptions {
    std::string file;
    std::string output;
    std::string workDir = ".";
    bool text = false;
    bool echo = false;
};

void RunReport(const ReportOptions& o) {
    wall::WallCase c = o.file.empty() ? wall::DefaultCase() : LoadCase(o.file);
    fs::path dir = o.workDir.empty() ? fs::path(".") : fs::path(o.workDir);
    if (!fs::is_directory(dir)) throw CommandError{"工作目录不存在：" + dir.string()};

    // One analysis state for this run; the preview is composed first, as the dialog shows it.
    wall::KernelBlock kb;
    wall::DrawingCanvas preview, loadSketch;
    wall::ComposePreview(preview, c, kb);
    wall::CaseAnalysis analysis = RequireAnalysis(c, kb);

    CommandLineHost host(dir, o.echo && !o.text);
    wall::CalcReport report(host, {c, analysis, kb, preview, loadSketch, wall::SketchRect{}, dir});
    wall::ReportConfigResult config = wall::LoadReportConfig(wall::DefaultReportConfigPath());
    for (const std::string& w : config.warnings) std::cerr << "wallcalc: " << w << "\n";
    report.SetConfig(config.config);
    report.Generate();
    for (const std::string& w : report.Warnings()) std::cerr << "wallcalc: " << w << "\n";

    if (o.text) std::cout << report.PlainText();
    wall::ReportTarget target;
    target.folder = dir;
    if (!o.output.empty()) target.file = o.output;
    wall::ReportSaveResult saved = report.Save(target);
    if (!saved.ok) throw CommandError{saved.message};
    std::cerr << "report: " << saved.path.string() << "\n";

    // The case's sketch drawing, as the dialog saves it after a calculation.
    wall::DrawingIoResult sketch = wall::SaveSketchDrawing(preview, host, wall::kDialogTitle, dir);
    if (!sketch.ok())
        std::cerr << "wallcalc: 无法保存计算简图：" << sketch.message << " " << sketch.detail << "\n";
}

const RegisterCommand reportCommand([](CLI::App& app) {
    auto* cmd = app.add_subcommand("report",
                                   "write the calculation report of a case (default: the counterfort case)");
    auto o = std::make_shared<ReportOptions>();
    cmd->add_option("file", o->file, "case file");
    cmd->add_option("-o,--output", o->output, "report file (default: 挡土墙计算N.docx in the work folder)");
    cmd->add_option("--workdir", o->workDir, "folder for the drawings and the default report name");
    cmd->add_flag("--text", o->text, "also print the report as plain text");
    cmd->add_flag("--echo", o->echo,
                  "print what the host is sent (the first section and the result message)");
    cmd->callback([o] { RunReport(*o); });
});

}  // namespace
}  // namespace wallcalc
