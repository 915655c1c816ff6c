// wallcalc size: the smallest wall on a grid that passes every check, for one case or a table of heights.
#include <algorithm>
#include <atomic>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <thread>

#include "Commands.h"
#include "QuietHost.h"
#include "calc/CalculateCase.h"
#include "calc/Quantities.h"
#include "case/FieldTable.h"
#include "casereport/WriteCaseReport.h"
#include "fileio/AtomicFile.h"
#include "sizing/SizeWall.h"
#include "text/Format.h"

namespace wallcalc {
namespace {

namespace fs = std::filesystem;

struct SizeOptions {
    std::string file;
    std::string output;
    std::string vary;
    double step = 0.05;
    std::vector<std::string> mins, maxes;
    std::string heights;
    std::string reports;
    bool force = false;
};

std::vector<std::string> Split(const std::string& text, char sep) {
    std::vector<std::string> parts;
    std::stringstream in(text);
    for (std::string p; std::getline(in, p, sep);)
        if (!p.empty()) parts.push_back(p);
    return parts;
}

double Number(const std::string& text, const std::string& what) {
    double v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(v))
        throw CommandError{what + " 的值“" + text + "”不是一个数", kExitUsage};
    return v;
}

// The request for a case: the fields to vary (default: the wall type's), their bounds, the step.
wall::SizeRequest Request(const wall::WallCase& c, const SizeOptions& o) {
    if (!(o.step > 0) || !std::isfinite(o.step)) throw CommandError{"--step 应为大于 0 的有限数", kExitUsage};
    std::vector<std::string> names;
    if (o.vary.empty())
        for (std::string_view n : wall::DefaultVariedFieldNames(c.wallType)) names.emplace_back(n);
    else
        names = Split(o.vary, ',');
    wall::SizeRequest r;
    r.step = o.step;
    for (const std::string& n : names) {
        const wall::CaseField* f = wall::FindCaseField(n);
        if (!f || f->column >= 0 || f->derived || wall::IsIntegerField(*f) || !wall::IsSizeableField(n))
            throw CommandError{"--vary：“" + n +
                                   "”不是可以优化的尺寸字段（可用：m_fTopWidth、m_fToeWidth、m_fToeHeight、"
                                   "m_fHeelWidth、m_fHeelHeight、m_fCfThickness、m_fCfSpacing）",
                               kExitUsage};
        r.fields.push_back(wall::DefaultBounds(c, *f, o.step));
    }
    auto bound = [&](const std::string& assignment, bool isMin) {
        const std::string option = isMin ? "--min" : "--max";
        const std::size_t eq = assignment.find('=');
        if (eq == std::string::npos)
            throw CommandError{option + "：“" + assignment + "”应为 所优化的字段=值", kExitUsage};
        const std::string name = assignment.substr(0, eq);
        if (!wall::FindCaseField(name))
            throw CommandError{option + "：没有名为“" + name + "”的字段", kExitUsage};
        for (wall::VariedField& v : r.fields)
            if (v.field->name == name) {
                const double value = Number(assignment.substr(eq + 1), name);
                if (value < 0)
                    throw CommandError{
                        wall::Format("%s：%s 的值 %g 不应小于 0", option.c_str(), name.c_str(), value),
                        kExitUsage};
                (isMin ? v.min : v.max) = value;
                return;
            }
        throw CommandError{option + "：“" + name + "”不是所优化的字段（所优化的字段由 --vary 指定）",
                           kExitUsage};
    };
    for (const std::string& a : o.mins) bound(a, true);
    for (const std::string& a : o.maxes) bound(a, false);
    for (const wall::VariedField& v : r.fields)
        if (!(v.min <= v.max))
            throw CommandError{wall::Format("%.*s 的下限 %g 大于上限 %g%s", int(v.field->name.size()),
                                            v.field->name.data(), v.min, v.max,
                                            v.constructive && !wall::BelowConstructive(v)
                                                ? "（下限为构造下限，可用 --min 另定）"
                                                : ""),
                               kExitUsage};
    if (!(wall::GridPoints(r) <= wall::kMaxGridPoints))
        throw CommandError{
            wall::Format("网格有 %.0f 个候选尺寸，超过 %.0f 个：请加大 --step 或收窄 --min/--max",
                         wall::GridPoints(r), wall::kMaxGridPoints),
            kExitUsage};
    return r;
}

std::string ValuesText(const wall::SizeRequest& r, const std::vector<double>& values) {
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i)
        text += wall::Format("%s%.*s=%g", i ? " " : "", int(r.fields[i].field->name.size()),
                             r.fields[i].field->name.data(), values[i]);
    return text;
}

// "下限 m_fTopWidth ≥ 0.5 m（JTG D30 …）": the least value each varied field was searched from and where
// it comes from (its constructive minimum, --min, or its range); then every dimension kept as it is
// below its constructive minimum.
std::string MinimumsText(const wall::WallCase& c, const wall::SizeRequest& r, const SizeOptions& o) {
    std::string text;
    for (const wall::VariedField& v : r.fields) {
        const std::string prefix = std::string(v.field->name) + "=";
        const bool given = std::any_of(o.mins.begin(), o.mins.end(),
                                       [&](const std::string& a) { return a.starts_with(prefix); });
        std::string why = "取值范围";
        if (given && v.constructive)
            why = wall::Format("--min；构造下限 %g m", v.constructive->value);
        else if (given)
            why = "--min";
        else if (v.constructive)
            why = std::string(v.constructive->basis);
        text += wall::Format("下限 %.*s ≥ %g m（%s）\n", int(v.field->name.size()), v.field->name.data(),
                             v.min, why.c_str());
    }
    for (const wall::ConstructiveMinimum& m : wall::UnmetMinimums(c, r)) {
        const wall::CaseField* f = wall::FindCaseField(m.field);
        text += wall::Format("注意：%.*s=%g 小于构造下限 %g m（%.*s），它不在优化之列，保持原值\n",
                             int(m.field.size()), m.field.data(), wall::FieldValue(c, *f), m.value,
                             int(m.basis.size()), m.basis.data());
    }
    return text;
}

std::string CheckText(const wall::CheckVerdict& v) {
    if (!v.note.empty()) return v.title + "（" + v.note + "）";
    return wall::Format("%s（%s=%.3g %s %.3g）", v.title.c_str(), v.symbol.c_str(), v.value, v.relation,
                        v.required);
}

void SizeOne(const SizeOptions& o) {
    if (o.output.empty()) throw CommandError{"请用 -o 指定优化后工况的文件名", kExitUsage};
    const wall::WallCase c = LoadCase(o.file);
    const wall::SizeRequest r = Request(c, o);
    RefuseToReplace(o.output, o.force);
    const wall::SizeOutcome s = wall::SizeWall(c, r);
    if (!s.found) {
        std::cerr << "wallcalc: 在给定范围内没有满足全部验算的尺寸（" << s.candidates << " 个候选）。";
        if (!s.refusal.empty())
            std::cerr << "最大的候选尺寸无法计算：" << s.refusal << "\n";
        else {
            std::cerr << "最大的候选尺寸 " << ValuesText(r, s.values) << " 仍不满足：\n";
            for (const wall::CheckVerdict& v : s.checks)
                if (!v.pass) std::cerr << "  " << CheckText(v) << "\n";
        }
        std::cerr << MinimumsText(c, r, o);
        throw CommandError{{}, kExitCheckFailed};
    }
    std::cout << ValuesText(r, s.values) << "\n"
              << wall::Format("面积 %.4f m²/m\n", s.area) << "控制验算 "
              << (s.governing ? CheckText(*s.governing) : std::string("-")) << "\n"
              << wall::Format("分析 %ld / %ld 个候选\n", s.analysed, s.candidates) << MinimumsText(c, r, o);
    SaveCase(o.output, s.sized);
}

constexpr int kMaxHeights = 1000;

// Each height's label, in the table and in its report's name: "%g", with more digits where two
// heights would read alike.
std::vector<std::string> HeightLabels(const std::vector<double>& heights) {
    for (int digits = 6;; ++digits) {
        std::vector<std::string> labels;
        for (double h : heights) labels.push_back(wall::Format("%.*g", digits, h));
        std::vector<std::string> sorted = labels;
        std::sort(sorted.begin(), sorted.end());
        if (digits >= 17 || std::adjacent_find(sorted.begin(), sorted.end()) == sorted.end()) return labels;
    }
}

// --heights a:b:s: a CSV row a height, the heights sized in parallel.
void SizeHeights(const SizeOptions& o) {
    if (o.output.empty()) throw CommandError{"请用 -o 指定尺寸表（.csv）的文件名", kExitUsage};
    const std::vector<std::string> parts = Split(o.heights, ':');
    if (parts.size() != 3) throw CommandError{"--heights 应为 起始:终止:步长，如 3:10:0.5", kExitUsage};
    const double from = Number(parts[0], "--heights"), to = Number(parts[1], "--heights"),
                 by = Number(parts[2], "--heights");
    // As the grid of one sizing is capped, so are the rows: a table of at most 1000 heights.
    if (!(from > 0) || !(to >= from) || !(by > 0) || !((to - from) / by < kMaxHeights))
        throw CommandError{
            wall::Format("--heights 的范围不合理：%s（至多 %d 个墙高）", o.heights.c_str(), kMaxHeights),
            kExitUsage};
    const wall::WallCase base = LoadCase(o.file);
    const wall::SizeRequest fields = Request(base, o);  // refuses bad field names and bounds before any work
    RefuseToReplace(o.output, o.force);
    std::vector<double> heights;
    for (long k = 0; from + k * by <= to + 1e-9; ++k) heights.push_back(from + k * by);
    const std::vector<std::string> labels = HeightLabels(heights);
    // Reports already in the folder are replaced only with --force, as batch's are.
    if (!o.reports.empty() && !o.force)
        for (const std::string& label : labels)
            RefuseToReplace((fs::path(o.reports) / ("H" + label + ".docx")).string(), false);

    std::vector<std::string> rows(heights.size());
    std::vector<std::optional<wall::WallCase>> sized(heights.size());
    std::string header;
    auto work = [&](std::size_t i) {
        wall::WallCase c = base;
        c.wall.m_fHeight = static_cast<float>(heights[i]);
        // The fields were checked on the base case; the bounds grow with the height, and a grid too
        // fine for this height is said in its row (an exception must not leave a worker thread).
        wall::SizeRequest r;
        try {
            r = Request(c, o);
        } catch (const CommandError& e) {
            rows[i] = labels[i] + std::string(fields.fields.size() + 4, ',') + e.message;
            return;
        }
        const wall::SizeOutcome s = wall::SizeWall(c, r);
        std::string row = labels[i];
        for (std::size_t k = 0; k < r.fields.size(); ++k)
            row += s.found ? wall::Format(",%g", s.values[k]) : std::string(",");
        if (!s.found) {
            rows[i] = row + ",,,,无解";
            return;
        }
        sized[i] = s.sized;
        const wall::Quantities q = wall::CaseQuantities(s.sized, wall::CalculateCase(s.sized));
        row += wall::Format(",%.4f,%.4f,", q.area, q.volumePerMetre);
        if (q.reinforced) row += wall::Format("%.1f", q.steelPerMetre);
        row += "," + (s.governing ? s.governing->name : std::string());
        rows[i] = row;
    };
    std::vector<std::thread> threads;
    const unsigned n = std::max(1u, std::thread::hardware_concurrency());
    std::atomic<std::size_t> next{0};
    for (unsigned t = 0; t < n; ++t)
        threads.emplace_back([&] {
            for (std::size_t i; (i = next++) < heights.size();) work(i);
        });
    for (std::thread& t : threads) t.join();

    header = "H";
    for (const wall::VariedField& v : fields.fields) header += "," + std::string(v.field->name);
    header += ",area,volumePerMetre,steelPerMetre,governing\n";
    std::string text = header;
    for (const std::string& r : rows) text += r + "\n";
    const int err = wall::ReplaceFileAtomically(
        o.output, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
    if (err)
        throw CommandError{"无法写入 " + o.output + "：" +
                           wall::FileErrorText(err, wall::FileAccess::kWrite)};
    std::cout << text;
    // The bounds of the base case's height; the table keeps its columns.
    std::cerr << MinimumsText(base, fields, o);
    // Reports one after the other: the report writer is not shared between threads.
    if (!o.reports.empty()) {
        const fs::path dir = o.reports;
        std::error_code ec;
        fs::create_directories(dir, ec);
        if (!fs::is_directory(dir, ec)) throw CommandError{"无法创建计算书文件夹 " + dir.string()};
        const wall::ReportConfigResult config = wall::LoadReportConfig(wall::DefaultReportConfigPath());
        for (std::size_t i = 0; i < heights.size(); ++i) {
            if (!sized[i]) continue;
            QuietHost host(dir);
            wall::CaseReportJob job;
            job.folder = dir;
            job.file = dir / ("H" + labels[i] + ".docx");
            job.drawingsNamedAfterReport = true;
            job.config = config.config;
            const wall::CaseReportFiles files =
                wall::WriteCaseReport(*sized[i], wall::CalculateCase(*sized[i]), host, job);
            if (!files.saved) throw CommandError{files.error};
            std::cerr << "report: " << files.report.string() << "\n";
        }
    }
}

const RegisterCommand sizeCommand([](CLI::App& app) {
    auto* cmd = app.add_subcommand("size",
                                   "find the smallest wall (least cross-section) on a grid that passes every "
                                   "check; exit 3 when none does");
    auto o = std::make_shared<SizeOptions>();
    cmd->add_option("file", o->file, "case file")->required();
    cmd->add_option("-o,--output", o->output, "sized case file, or with --heights the table (.csv)");
    cmd->add_option("--vary", o->vary, "fields to vary, comma-separated (default: the wall type's widths)");
    cmd->add_option("--step", o->step, "grid step, m (default 0.05)");
    cmd->add_option("--min", o->mins,
                    "lower bound FIELD=VALUE, replacing the constructive minimum (default: the field's "
                    "constructive minimum, else the least value its range allows)");
    cmd->add_option("--max", o->maxes, "upper bound FIELD=VALUE (default: the wall height)");
    cmd->add_option("--heights", o->heights, "size each height FROM:TO:STEP into a CSV table");
    cmd->add_option("--reports", o->reports,
                    "with --heights: write each height's report (H<height>.docx) into DIR");
    cmd->add_flag("--force", o->force, "replace an existing output file");
    cmd->callback([o] {
        if (o->heights.empty())
            SizeOne(*o);
        else
            SizeHeights(*o);
    });
});

}  // namespace
}  // namespace wallcalc
