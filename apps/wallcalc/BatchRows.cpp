// Rows written by hand rather than through a JSON object: a batch of a hundred thousand cases spends
// its time in the analysis, not in building and printing objects.
#include "BatchRows.h"

#include <charconv>
#include <optional>
#include <span>
#include <vector>

#include "Json.h"
#include "calc/CalculateCase.h"
#include "calc/Verdict.h"

namespace wallcalc {
namespace {

// The CSV columns between status and reason: W ... pk, allPass, failed, warnings, checks, sections.
constexpr std::size_t kCsvResultColumns = 14;

// The values a row shows, null where `analyse --json` prints null.
struct KeyResults {
    float W = 0, Ex = 0, Ey = 0;
    std::optional<float> Kq, Kh;
    float e0 = 0;
    std::optional<float> sigmaMax, sigmaMin, pk;
    std::span<const wall::DesignedSection> sections;  // reinforced-concrete walls only
};

void TakeStability(KeyResults& k, const wall::StabilityResult& s) {
    if (!s.noOverturningTendency) k.Kq = s.Kq;
    if (!s.noSlidingTendency) k.Kh = s.Kh;
    k.e0 = s.e0;
    if (!s.resultantOutsideBase) {
        k.sigmaMax = s.sigmaMax;
        k.sigmaMin = s.sigmaMin;
        if (s.bearingChecked) k.pk = s.pk;
    }
}

KeyResults KeyResultsOf(const wall::CaseResult& r) {
    KeyResults k;
    if (r.gravity) {
        k.W = r.gravity->W;
        k.Ex = r.gravity->pressure.Ex;
        k.Ey = r.gravity->pressure.Ey;
        TakeStability(k, r.gravity->stability);
    } else if (r.shelf) {
        k.W = r.shelf->W;
        k.Ex = r.shelf->pressure.Ex;
        k.Ey = r.shelf->pressure.Ey;
        TakeStability(k, r.shelf->stability);
    } else {
        const wall::ImaginaryBackResult& b = r.cantilever ? r.cantilever->back : r.counterfort->back;
        k.W = b.W;
        k.Ex = b.Ex;
        k.Ey = b.Ey;
        TakeStability(k, b.stability);
        if (r.cantilever)
            k.sections = r.cantilever->sections;
        else
            k.sections = r.counterfort->sections;
    }
    return k;
}

// The shortest text that reads back as the same float.
void PutFloat(std::string& out, float v) {
    char buffer[32];
    const std::to_chars_result r = std::to_chars(buffer, buffer + sizeof buffer, v);
    out.append(buffer, r.ptr);
}

void PutCsvValue(std::string& out, const std::optional<float>& v) {
    if (v) PutFloat(out, *v);
}

void PutJsonValue(std::string& out, const std::optional<float>& v) {
    if (v)
        PutFloat(out, *v);
    else
        out += "null";
}

// A cell as RFC 4180 has it: quoted, with quotes doubled, when it holds a comma, quote or line break.
void PutCsvCell(std::string& out, const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        out += text;
        return;
    }
    out += '"';
    for (char ch : text) {
        if (ch == '"') out += '"';
        out += ch;
    }
    out += '"';
}

// A JSON string; bytes that are not UTF-8 (a file name may hold them) become U+FFFD. Plain ASCII,
// as every check's and section's name is, goes straight through.
void PutJsonString(std::string& out, std::string_view text) {
    for (char ch : text)
        if (ch < ' ' || ch > '~' || ch == '"' || ch == '\\')
            return void(out += Json(std::string(text)).dump(-1, ' ', false, Json::error_handler_t::replace));
    out += '"';
    out += text;
    out += '"';
}

void PutJsonId(std::string& out, const BatchId& id) {
    out += "{\"id\":";
    if (id.lineNumber)
        out += id.text;
    else
        PutJsonString(out, id.text);
}

const char* VerdictText(const wall::CheckVerdict& v) {
    return v.warning ? "警告" : v.pass ? "满足" : "不满足";
}

// The names of the checks that `pick` selects, joined by ';' (CSV) or as a JSON array.
template <class Pick>
void PutNames(std::string& out, BatchFormat format, const std::vector<wall::CheckVerdict>& checks,
              Pick pick) {
    const bool csv = format == BatchFormat::kCsv;
    if (!csv) out += '[';
    bool first = true;
    for (const wall::CheckVerdict& v : checks) {
        if (!pick(v)) continue;
        if (!first) out += csv ? ';' : ',';
        first = false;
        if (csv)
            out += v.name;
        else
            PutJsonString(out, v.name);
    }
    if (!csv) out += ']';
}

std::string CsvRow(const BatchId& id, const wall::WallCase& c, const wall::CaseResult& r) {
    std::string out;
    out.reserve(1024);
    PutCsvCell(out, id.text);
    out += ',' + std::to_string(c.wallType);
    if (!r.Accepted()) {
        out += ",refused";
        out.append(kCsvResultColumns + 1, ',');
        PutCsvCell(out, wall::RefusalText(r));
        out += '\n';
        return out;
    }
    const KeyResults k = KeyResultsOf(r);
    out += ",ok,";
    PutFloat(out, k.W);
    out += ',';
    PutFloat(out, k.Ex);
    out += ',';
    PutFloat(out, k.Ey);
    out += ',';
    PutCsvValue(out, k.Kq);
    out += ',';
    PutCsvValue(out, k.Kh);
    out += ',';
    PutFloat(out, k.e0);
    out += ',';
    PutCsvValue(out, k.sigmaMax);
    out += ',';
    PutCsvValue(out, k.sigmaMin);
    out += ',';
    PutCsvValue(out, k.pk);
    const std::vector<wall::CheckVerdict> checks = wall::CaseChecks(r);
    bool allPass = true;
    for (const wall::CheckVerdict& v : checks) allPass = allPass && v.pass;
    out += allPass ? ",true," : ",false,";
    PutNames(out, BatchFormat::kCsv, checks, [](const wall::CheckVerdict& v) { return !v.pass; });
    out += ',';
    PutNames(out, BatchFormat::kCsv, checks, [](const wall::CheckVerdict& v) { return v.warning; });
    out += ',';
    for (std::size_t i = 0; i < checks.size(); ++i) {
        if (i) out += ';';
        out += checks[i].name;
        out += ':';
        out += VerdictText(checks[i]);
    }
    out += ',';
    for (std::size_t i = 0; i < k.sections.size(); ++i) {
        if (i) out += ';';
        out += k.sections[i].name;
        out += ':';
        PutFloat(out, k.sections[i].result.area);
        out += ':';
        PutFloat(out, k.sections[i].result.crackWidth);
    }
    out += ",\n";
    return out;
}

std::string JsonRow(const BatchId& id, const wall::WallCase& c, const wall::CaseResult& r) {
    std::string out;
    out.reserve(1024);
    PutJsonId(out, id);
    out += ",\"wallType\":" + std::to_string(c.wallType);
    if (!r.Accepted()) {
        out += ",\"status\":\"refused\",\"reason\":";
        PutJsonString(out, wall::RefusalText(r));
        out += "}\n";
        return out;
    }
    const KeyResults k = KeyResultsOf(r);
    out += ",\"status\":\"ok\",\"W\":";
    PutFloat(out, k.W);
    out += ",\"Ex\":";
    PutFloat(out, k.Ex);
    out += ",\"Ey\":";
    PutFloat(out, k.Ey);
    out += ",\"Kq\":";
    PutJsonValue(out, k.Kq);
    out += ",\"Kh\":";
    PutJsonValue(out, k.Kh);
    out += ",\"e0\":";
    PutFloat(out, k.e0);
    out += ",\"sigmaMax\":";
    PutJsonValue(out, k.sigmaMax);
    out += ",\"sigmaMin\":";
    PutJsonValue(out, k.sigmaMin);
    out += ",\"pk\":";
    PutJsonValue(out, k.pk);
    const std::vector<wall::CheckVerdict> checks = wall::CaseChecks(r);
    bool allPass = true;
    for (const wall::CheckVerdict& v : checks) allPass = allPass && v.pass;
    out += allPass ? ",\"allPass\":true,\"failed\":" : ",\"allPass\":false,\"failed\":";
    PutNames(out, BatchFormat::kJsonLines, checks, [](const wall::CheckVerdict& v) { return !v.pass; });
    out += ",\"warnings\":";
    PutNames(out, BatchFormat::kJsonLines, checks, [](const wall::CheckVerdict& v) { return v.warning; });
    out += ",\"checks\":{";
    for (std::size_t i = 0; i < checks.size(); ++i) {
        if (i) out += ',';
        PutJsonString(out, checks[i].name);
        out += checks[i].pass ? ":true" : ":false";
    }
    out += '}';
    if (!k.sections.empty()) {
        out += ",\"sections\":[";
        for (std::size_t i = 0; i < k.sections.size(); ++i) {
            if (i) out += ',';
            out += "{\"name\":";
            PutJsonString(out, k.sections[i].name);
            out += ",\"As\":";
            PutFloat(out, k.sections[i].result.area);
            out += ",\"omega\":";
            PutFloat(out, k.sections[i].result.crackWidth);
            out += '}';
        }
        out += ']';
    }
    out += "}\n";
    return out;
}

}  // namespace

std::string BatchHeader(BatchFormat format) {
    if (format != BatchFormat::kCsv) return {};
    return "id,wallType,status,W,Ex,Ey,Kq,Kh,e0,sigmaMax,sigmaMin,pk,allPass,failed,warnings,checks,sections,"
           "reason\n";
}

std::string BatchRow(BatchFormat format, const BatchId& id, const wall::WallCase& c,
                     const wall::CaseResult& r) {
    return format == BatchFormat::kCsv ? CsvRow(id, c, r) : JsonRow(id, c, r);
}

std::string UnreadableRow(BatchFormat format, const BatchId& id, const std::string& reason) {
    std::string out;
    if (format == BatchFormat::kCsv) {
        PutCsvCell(out, id.text);
        out += ",,refused";
        out.append(kCsvResultColumns + 1, ',');
        PutCsvCell(out, reason);
    } else {
        PutJsonId(out, id);
        out += ",\"wallType\":null,\"status\":\"refused\",\"reason\":";
        PutJsonString(out, reason);
        out += '}';
    }
    out += '\n';
    return out;
}

}  // namespace wallcalc
