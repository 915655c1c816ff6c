// Building and writing a report of 200 paragraphs, 50 equation fields and 2 pictures (target: 20 ms).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "report/DocxWriter.h"
#include "report/ReportWriter.h"
#include "text/Format.h"

namespace {

// Pictures of the size a loading sketch has as a metafile (about 60 kB each).
const wall::Picture kPicture{wall::PictureFormat::kEmf, std::vector<uint8_t>(60000, 0x20), 200, 150};

void WriteReport(wall::ReportWriter& w) {
    const wall::Picture& picture = kPicture;
    {
        w.SetTitle("挡土墙计算");
        w.WriteTitleBlock();
        w.WriteSectionHeading("一", "设计资料");
        w.AddLayoutTable(1, 223.6f, 201.9f);
        w.PastePicture(picture);
        w.LeaveTable();
        w.WriteSectionHeading("二", "计算结果");
        for (int i = 0; i < 200; ++i) {
            w.WriteText(
                wall::Format("\t挡土墙抗倾覆稳定安全系数：WriteSubScript(K,q)=%.2f a*b/c\n", 1.5 + i * 0.01));
            if (i % 4 == 0)
                w.WriteEquation(
                    "EQ \\F(WWriteSubScript(Z,w)+WriteSubScript(E,y)WriteSubScript(Z,x),"
                    "WriteSubScript(E,x)WriteSubScript(Z,y))");
        }
        w.PastePicture(picture);
    }
}

// The document built and packed as .docx in memory.
void BuildReportInMemory(benchmark::State& state) {
    for (auto _ : state) {
        wall::NullHostServices host;
        wall::ReportWriter w(host);
        WriteReport(w);
        std::vector<uint8_t> bytes;
        wall::WriteDocx(w.Doc(), bytes);
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BuildReportInMemory)->Unit(benchmark::kMillisecond);

// The same written to a file: temporary file, fsync, rename.
void BuildAndWriteReport(benchmark::State& state) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("wall_report_bench_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    for (auto _ : state) {
        wall::NullHostServices host;
        wall::ReportWriter w(host);
        WriteReport(w);
        wall::ReportSaveResult r = w.Save(wall::ReportTarget{{}, dir / "bench.docx"});
        if (!r.ok) state.SkipWithError(r.message.c_str());
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BuildAndWriteReport)->Unit(benchmark::kMillisecond);

}  // namespace
