// wallcalc report: the calculation report of a case as .docx and or PDF (or plain text), with its
// drawings.
#include <cctype>
#include <filesystem>
#include <iostream>
#include <vector>

#include "Commands.h"
#include "case/CaseDefaults.h"
#include "casereport/WriteCaseReport.h"
#include "drawing/DrawingCanvas.h"
#include "drawing/DxfWriter.h"
#include "report/ReportConfig.h"

namespace wallcalc {
namespace {

namespace fs = std::filesystem;

// The host of the command line: the work folder stands for the host's paths; the echo goes to
// stdout when asked for.
class CommandLineHost : public wall::HostServices {
  public:
    CommandLineHost(fs::path workDir, bool echo) : m_dir(std::move(workDir)), m_echo(echo) {}
    std::string WorkPath() override { return m_dir.string() + "/"; }
    std::string ItemWorkPath() override { return m_dir.string(); }
    // The drawings are named with their folder once the report is done.
    void AddDrawingName(const std::string&) override {}
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
    bool force = false;
    bool dxf = false;
    bool pdf = false;
    std::string equations;  // "math" or "field"; empty: as report.conf says
};

// Each drawing file read back and written as DXF beside it, under the same name with ".dxf",
// replacing an older one as the drawing files themselves are replaced.
void WriteDxfBeside(const std::vector<fs::path>& drawings) {
    for (const fs::path& d : drawings) {
        wall::DrawingCanvas canvas;
        wall::DrawingIoResult r = wall::ReadDrawingFile(d, canvas);
        if (!r.ok()) throw CommandError{"无法读取图形文件 " + d.string() + "：" + r.reason};
        fs::path dxf = d;
        dxf.replace_extension(".dxf");
        std::string reason;
        if (wall::WriteDxfFile(canvas, dxf, &reason) != 0)
            throw CommandError{"无法保存 " + dxf.string() + "：" + reason};
        std::cerr << "drawing: " << dxf.string() << "\n";
    }
}

void RunReport(const ReportOptions& o) {
    wall::WallCase c = o.file.empty() ? wall::DefaultCase() : LoadCase(o.file);
    fs::path dir = o.workDir.empty() ? fs::path(".") : fs::path(o.workDir);
    std::error_code ec;
    if (!fs::is_directory(dir, ec))
        throw CommandError{(fs::exists(dir, ec) ? "工作目录不是文件夹：" : "工作目录不存在：") +
                           dir.string()};
    if (!o.output.empty() && fs::is_directory(o.output, ec))
        throw CommandError{"-o 应指定计算书文件，" + o.output + " 是一个文件夹"};
    // A report named .pdf is the PDF alone; --pdf adds one beside the .docx, which -o's rule of
    // replacing only with --force covers too.
    std::string extension = fs::path(o.output).extension().string();
    for (char& ch : extension) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    const bool pdfOnly = extension == ".pdf";
    // The report is Word or PDF; a name promising another format would hold a Word file.
    if (!o.output.empty() && !extension.empty() && extension != ".docx" && extension != ".pdf")
        throw CommandError{
            "-o " + o.output + "：计算书的扩展名应为 .docx 或 .pdf（纯文本请用 --text 输出到标准输出）",
            kExitUsage};
    if (!o.output.empty()) {
        RefuseToReplace(o.output, o.force);
        if (o.pdf && !pdfOnly)
            RefuseToReplace(fs::path(o.output).replace_extension(".pdf").string(), o.force);
    }
    wall::CaseResult result = RequireResult(c);

    // report.conf, with the command line's choice of equations over its own.
    wall::ReportConfigResult config = wall::LoadReportConfig(wall::DefaultReportConfigPath());
    for (const std::string& w : config.warnings) std::cerr << "wallcalc: " << w << "\n";
    if (!o.equations.empty())
        config.config.equations =
            o.equations == "field" ? wall::EquationStyle::kField : wall::EquationStyle::kOfficeMath;

    CommandLineHost host(dir, o.echo && !o.text);
    wall::CaseReportJob job;
    job.config = config.config;
    job.folder = dir;
    if (!o.output.empty()) job.file = o.output;
    job.drawingsNamedAfterReport = true;
    job.docx = !pdfOnly;
    job.pdf = pdfOnly || o.pdf;
    job.pdfWriter = WritePdfOnDemand;
    wall::CaseReportFiles files = wall::WriteCaseReport(c, result, host, job);
    for (const std::string& w : files.warnings) std::cerr << "wallcalc: " << w << "\n";
    if (o.text && !files.plainText.empty()) std::cout << files.plainText;
    if (!files.saved) throw CommandError{files.error};
    std::cerr << "report: " << files.report.string() << "\n";
    if (!files.pdf.empty()) std::cerr << "report: " << files.pdf.string() << "\n";
    for (const fs::path& d : files.drawings) std::cerr << "drawing: " << d.string() << "\n";
    if (o.dxf) WriteDxfBeside(files.drawings);
    if (job.docx && job.pdf && files.pdf.empty()) throw CommandError{"PDF 计算书未能写出"};
    // A report whose drawings could not be saved is incomplete: said, and not a success.
    if (files.drawingsMissing) throw CommandError{"计算书不完整：有图形文件未能保存（原因见上）"};
}

const RegisterCommand reportCommand([](CLI::App& app) {
    auto* cmd = app.add_subcommand("report",
                                   "write the calculation report of a case (default: the counterfort case)");
    auto o = std::make_shared<ReportOptions>();
    cmd->add_option("file", o->file, "case file");
    cmd->add_option(
        "-o,--output", o->output,
        "report file, .docx or .pdf by its extension (default: 挡土墙计算N.docx in the work folder)");
    cmd->add_option("--workdir", o->workDir, "folder of the report when -o is not given (挡土墙计算N.docx)");
    cmd->add_flag("--text", o->text, "also print the report as plain text");
    cmd->add_option("--equations", o->equations,
                    "equations as Office Math (math, the default) or as EQ fields that Word updates on "
                    "opening (field); overrides report.conf")
        ->check(CLI::IsMember({"math", "field"}));
    cmd->add_flag("--force", o->force, "replace an existing report file named by -o");
    cmd->add_flag("--pdf", o->pdf, "also write the report as PDF beside the .docx (same name, .pdf)");
    cmd->add_flag("--dxf", o->dxf, "also write each drawing as DXF beside it (same name, .dxf)");
    cmd->add_flag("--echo", o->echo,
                  "print what the host is sent (the first section and the result message)");
    cmd->callback([o] { RunReport(*o); });
});

}  // namespace
}  // namespace wallcalc
