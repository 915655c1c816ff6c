// wallcalc batch: many cases at once, one row of results each, calculated on every core.
//
// The input is read in chunks; the cases of a chunk are shared out among the threads, each row lands
// in its input's slot, and the chunk is written in input order before the next one is read. So the
// output does not depend on the number of threads, and memory stays flat however long the input.
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <mutex>
#include <new>
#include <optional>
#include <thread>

#include "BatchInput.h"
#include "BatchRows.h"
#include "Commands.h"
#include "QuietHost.h"
#include "StreamedFile.h"
#include "calc/CalculateCase.h"
#include "case/CaseDefaults.h"
#include "casereport/WriteCaseReport.h"
#include "report/ReportConfig.h"

namespace wallcalc {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kChunk = 4096;

struct BatchOptions {
    std::string in;
    std::string out;
    std::string base;
    std::string reports;
    bool force = false;
    unsigned threads = 0;  // 0: every core
};

std::string LowerExtension(const fs::path& p) {
    std::string ext = p.extension().string();
    for (char& ch : ext)
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    return ext;
}

BatchFormat OutputFormat(const fs::path& out) {
    const std::string ext = LowerExtension(out);
    if (ext == ".csv") return BatchFormat::kCsv;
    if (ext == ".jsonl") return BatchFormat::kJsonLines;
    throw CommandError{"-o 的扩展名应为 .csv 或 .jsonl：" + out.string(), kExitUsage};
}

BatchInputKind InputKind(const fs::path& in) {
    std::error_code ec;
    if (fs::is_directory(in, ec)) return BatchInputKind::kFolder;
    const std::string ext = LowerExtension(in);
    if (ext != ".csv" && ext != ".jsonl")
        throw CommandError{"输入应为 .jsonl 文件、.csv 文件或文件夹：" + in.string(), kExitUsage};
    if (!fs::exists(in, ec)) throw CommandError{"找不到输入文件 " + in.string()};
    return ext == ".csv" ? BatchInputKind::kCsv : BatchInputKind::kJsonLines;
}

struct ReportSetup {
    fs::path dir;
    wall::ReportConfig config;
};

// What one input gave: its row, messages for stderr, and how it went.
struct ItemOutcome {
    std::string row;
    std::string notes;
    bool accepted = false;
    bool reportFailed = false;
};

void WriteReport(const wall::WallCase& c, const wall::CaseResult& r, const BatchId& id,
                 const ReportSetup& setup, ItemOutcome& outcome) {
    QuietHost host(setup.dir);
    wall::CaseReportJob job;
    job.folder = setup.dir;
    job.file = setup.dir / (id.text + ".docx");
    job.drawingsNamedAfterReport = true;
    job.config = setup.config;
    const wall::CaseReportFiles files = wall::WriteCaseReport(c, r, host, job);
    for (const std::string& w : files.warnings) outcome.notes += "wallcalc: " + id.text + "：" + w + "\n";
    if (!files.saved) {
        outcome.notes += "wallcalc: " + files.error + "\n";
        outcome.reportFailed = true;
    }
}

ItemOutcome RunItem(const BatchInput& input, const BatchItem& item, BatchFormat format,
                    const ReportSetup* reports) {
    ItemOutcome outcome;
    try {
        wall::WallCase c;
        if (std::string fault = input.CaseOf(item, c); !fault.empty()) {
            outcome.row = UnreadableRow(format, item.id, fault);
            return outcome;
        }
        const wall::CaseResult r = wall::CalculateCase(c);
        outcome.row = BatchRow(format, item.id, c, r);
        outcome.accepted = r.Accepted();
        if (reports && outcome.accepted) WriteReport(c, r, item.id, *reports, outcome);
    } catch (const std::bad_alloc&) {
        outcome = ItemOutcome{};
        outcome.row = UnreadableRow(format, item.id, "无法计算：内存不足");
    } catch (const std::exception& e) {
        // A fault of one input stops neither the batch nor the other threads.
        outcome = ItemOutcome{};
        outcome.row = UnreadableRow(format, item.id, std::string("无法计算：") + e.what());
    }
    return outcome;
}

// The progress bar on a terminal: how much of the input is done, and how many cases.
class Progress {
  public:
    explicit Progress(bool shown) : m_shown(shown) {}
    bool Shown() const { return m_shown; }
    void Draw(double fraction, std::size_t cases) {
        if (!m_shown) return;
        const int width = 30;
        const int filled = static_cast<int>(std::clamp(fraction, 0.0, 1.0) * width);
        std::fprintf(stderr, "\r批量计算 [%s%s] %3d%%  %zu 个工况", std::string(filled, '#').c_str(),
                     std::string(width - filled, '-').c_str(), static_cast<int>(fraction * 100), cases);
        std::fflush(stderr);
    }
    void Clear() {
        if (m_shown) std::fputs("\r\033[K", stderr);
    }

  private:
    bool m_shown;
};

// Runs the items on `threads` threads; each outcome lands in its item's slot.
void RunChunk(const std::vector<BatchItem>& items, std::vector<ItemOutcome>& outcomes, unsigned threads,
              const BatchInput& input, BatchFormat format, const ReportSetup* reports, Progress& progress,
              double fromFraction, double toFraction, std::size_t casesBefore) {
    const std::size_t n = items.size();
    outcomes.assign(n, ItemOutcome{});
    std::atomic<std::size_t> next{0}, done{0};
    std::mutex mutex;
    std::condition_variable finished;
    auto work = [&] {
        for (std::size_t i; (i = next.fetch_add(1)) < n;) {
            outcomes[i] = RunItem(input, items[i], format, reports);
            if (done.fetch_add(1) + 1 == n) {
                std::lock_guard<std::mutex> lock(mutex);
                finished.notify_all();
            }
        }
    };
    std::vector<std::thread> pool;
    const unsigned count = static_cast<unsigned>(std::min<std::size_t>(threads, n));
    for (unsigned t = 0; t < count; ++t) pool.emplace_back(work);
    if (progress.Shown()) {
        std::unique_lock<std::mutex> lock(mutex);
        while (!finished.wait_for(lock, std::chrono::milliseconds(200), [&] { return done.load() == n; })) {
            const double share = static_cast<double>(done.load()) / static_cast<double>(n);
            progress.Draw(fromFraction + (toFraction - fromFraction) * share, casesBefore + done.load());
        }
    }
    for (std::thread& t : pool) t.join();
}

void RunBatch(const BatchOptions& o) {
    const BatchFormat format = OutputFormat(o.out);
    const BatchInputKind kind = InputKind(o.in);
    if (!o.base.empty() && kind != BatchInputKind::kCsv)
        throw CommandError{"--base 只用于 CSV 输入（每行的值改在基准工况上）", kExitUsage};
    const wall::WallCase base = o.base.empty() ? wall::DefaultCase() : LoadCase(o.base);
    std::error_code ec;
    if (fs::is_directory(o.out, ec)) throw CommandError{"-o 应指定结果文件，" + o.out + " 是一个文件夹"};
    // Not even --force lets the results replace the input they are read from.
    if (fs::equivalent(o.in, o.out, ec))
        throw CommandError{"-o 与输入是同一个文件：" + o.out + "；请另选结果文件", kExitUsage};
    RefuseToReplace(o.out, o.force);

    std::optional<ReportSetup> reports;
    if (!o.reports.empty()) {
        const fs::path dir = o.reports;
        if (fs::exists(dir, ec) && !fs::is_directory(dir, ec))
            throw CommandError{"--reports 应指定文件夹，" + o.reports + " 不是文件夹"};
        if (fs::is_directory(dir, ec) && !fs::is_empty(dir, ec) && !o.force)
            throw CommandError{"计算书文件夹 " + o.reports + " 不是空的；要替换其中的计算书请加 --force"};
        fs::create_directories(dir, ec);
        if (ec) throw CommandError{"无法建立计算书文件夹 " + o.reports + "：" + ec.message()};
        wall::ReportConfigResult config = wall::LoadReportConfig(wall::DefaultReportConfigPath());
        for (const std::string& w : config.warnings) std::cerr << "wallcalc: " << w << "\n";
        reports = ReportSetup{dir, config.config};
    }

    // The folder is listed before the output's temporary file exists, and never lists the output.
    BatchInput input(o.in, kind, base, o.out);
    StreamedFile out(o.out);
    out.Write(BatchHeader(format));

    unsigned threads = o.threads ? o.threads : std::thread::hardware_concurrency();
    if (threads == 0) threads = 1;
    Progress progress(::isatty(STDERR_FILENO) == 1);
    std::vector<BatchItem> items;
    std::vector<ItemOutcome> outcomes;
    std::size_t cases = 0, refused = 0, reportsWritten = 0, reportsFailed = 0;
    double fraction = 0;
    std::string text;
    while (input.Next(items, kChunk)) {
        const double after = input.Fraction();
        RunChunk(items, outcomes, threads, input, format, reports ? &*reports : nullptr, progress, fraction,
                 after, cases);
        fraction = after;
        text.clear();
        bool notes = false;
        for (const ItemOutcome& r : outcomes) {
            text += r.row;
            notes = notes || !r.notes.empty();
            refused += r.accepted ? 0 : 1;
            reportsWritten += reports && r.accepted && !r.reportFailed ? 1 : 0;
            reportsFailed += r.reportFailed ? 1 : 0;
        }
        out.Write(text);
        cases += items.size();
        if (notes) {
            progress.Clear();
            for (const ItemOutcome& r : outcomes) std::cerr << r.notes;
            std::cerr.flush();
        }
        progress.Draw(fraction, cases);
    }
    out.Commit();
    progress.Clear();
    std::cerr << "wallcalc: 批量计算 " << cases << " 个工况，" << cases - refused << " 个算完，" << refused
              << " 个无法计算；结果写入 " << o.out << "\n";
    if (reports) std::cerr << "wallcalc: 写出 " << reportsWritten << " 份计算书到 " << o.reports << "\n";
    if (reportsFailed) throw CommandError{std::to_string(reportsFailed) + " 份计算书未能写出"};
    // A batch of which nothing could be calculated has failed, whatever its rows say.
    if (cases > 0 && refused == cases) throw CommandError{"没有一个工况能计算，原因见 " + o.out + " 的各行"};
}

const RegisterCommand batchCommand([](CLI::App& app) {
    auto* cmd = app.add_subcommand(
        "batch", "calculate many cases: a .jsonl of cases, a .csv of field values or a folder of case files");
    auto o = std::make_shared<BatchOptions>();
    cmd->add_option("input", o->in,
                    "cases: .jsonl (one case per line), .csv (a row of field values each) or a folder")
        ->required();
    cmd->add_option("-o,--output", o->out, "results: .csv or .jsonl, one row per case")->required();
    cmd->add_option("--base", o->base, "the case a CSV's rows change (default: the counterfort case)");
    cmd->add_option("--reports", o->reports, "also write each calculated case's report into this folder");
    cmd->add_option("--threads", o->threads, "threads to calculate on (default: every core)")
        ->check(CLI::Range(1u, 1024u));
    cmd->add_flag("--force", o->force, "replace an existing output file and reports");
    cmd->callback([o] { RunBatch(*o); });
});

}  // namespace
}  // namespace wallcalc
