// The verdict summary at the end of the results.
#include "casereport/VerdictSummary.h"

#include <array>

#include "casereport/NarrativeLines.h"

namespace wall {
namespace {

// The unit of a checked quantity; factors have none.
std::string Unit(const CheckVerdict& v) {
    if (v.symbol == "ωmax") return " mm";
    if (v.symbol == "e0") return " m";
    if (v.symbol == "σmax" || v.symbol == "σmin" || v.symbol == "σt" || v.symbol == "τ1" ||
        v.symbol == "pk" || v.symbol == "pkmax")
        return " kPa";
    return "";
}

// The symbol in report markup: "Kq" as K with a subscript q.
std::string Symbol(const std::string& s) {
    static const std::pair<const char*, const char*> scripted[] = {
        {"Kq", "WriteSubScript(K,q)"},
        {"Kh", "WriteSubScript(K,h)"},
        {"e0", "WriteSubScript(e,0)"},
        {"σmax", "WriteSubScript(σ,max)"},
        {"σmin", "WriteSubScript(σ,min)"},
        {"σt", "WriteSubScript(σ,t)"},
        {"τ1", "WriteSubScript(τ,1)"},
        {"ωmax", "WriteSubScript(ω,max)"},
        {"pk", "WriteSubScript(p,k)"},
        {"pkmax", "WriteSubScript(p,kmax)"},
        {"γREVE", "WriteSubScript(γ,RE)WriteSubScript(V,E)"}};
    for (const auto& [plain, markup] : scripted)
        if (s == plain) return markup;
    return s;
}

// The computed value as the table shows it: symbol and value (with As for a reinforced section),
// or the reason the value is not defined.
std::string Computed(const CheckVerdict& v) {
    if (!v.note.empty()) return v.note;
    std::string text = Symbol(v.symbol) + "=" + Compared(static_cast<float>(v.value), v.required) + Unit(v);
    if (v.symbol == "ωmax")
        text = Format("WriteSubScript(A,s)=%.2f mm²", v.area) + (v.bars.empty() ? "" : "（" + v.bars + "）") +
               "，" + text;
    return text;
}

std::string Required(const CheckVerdict& v) {
    if (v.warning) return "";
    // A section without a result has nothing to compare.
    const bool shear = v.name.size() > 6 && v.name.compare(v.name.size() - 6, 6, ".shear") == 0;
    if (!v.note.empty() && v.name.rfind("section.", 0) == 0 && !shear) return "—";
    return std::string(v.relation) + Format("%.2f", v.required) + Unit(v);
}

}  // namespace

std::string VerdictSentence(const std::vector<CheckVerdict>& checks,
                            const std::vector<CheckVerdict>& notChecked) {
    std::string failed, warned, left;
    for (const CheckVerdict& v : checks) {
        if (!v.pass) failed += (failed.empty() ? "" : "、") + v.title;
        if (v.warning) warned += (warned.empty() ? "" : "、") + v.title;
    }
    for (const CheckVerdict& v : notChecked) left += (left.empty() ? "" : "、") + v.title;
    std::string sentence = !failed.empty() ? "以下验算不满足：" + failed + "。"
                           : left.empty()  ? "全部验算满足。"
                                           : "已验算项目全部满足；未验算：" + left + "。";
    if (!warned.empty()) sentence += "请注意：" + warned + "。";
    return sentence;
}

void WriteVerdictSummary(ReportWriter& w, const std::vector<CheckVerdict>& given,
                         const std::vector<CheckVerdict>& notChecked, const Quantities& q,
                         const char* heading) {
    Heading(w, heading);
    std::vector<CheckVerdict> checks = given;
    for (CheckVerdict v : notChecked) {
        v.relation = "";
        checks.push_back(std::move(v));
    }
    // The text width: 593.5 pt less two margins of 89.85.
    static constexpr std::array<float, 4> kWidths = {140, 158, 70, 44};
    w.AddTable(static_cast<int>(checks.size()) + 1, 4, kWidths, 36);
    const std::array<std::string, 4> header = {"验算项目", "计算值", "要求值", "结论"};
    w.SetAlignment(1);
    for (int col = 0; col < 4; ++col) {
        w.TypeText(header[col]);
        w.NextCell(col == 3 ? 0 : 1);  // titles left, values centred
    }
    for (std::size_t i = 0; i < checks.size(); ++i) {
        const CheckVerdict& v = checks[i];
        const bool left = i >= given.size();
        const std::array<std::string, 4> row = {v.title, Computed(v), left ? "—" : Required(v),
                                                left        ? "未验算"
                                                : v.warning ? "警告"
                                                : v.pass    ? "满足"
                                                            : "不满足"};
        for (int col = 0; col < 4; ++col) {
            w.WriteText(row[col]);
            if (!(i + 1 == checks.size() && col == 3)) w.NextCell(col == 3 ? 0 : 1);
        }
    }
    w.LeaveTable();
    w.SetAlignment(0);
    w.WriteText("\t" + VerdictSentence(given, notChecked) + "\n");
    w.WriteText(Format("\t每延米墙体%s工程量：%.3f m³（截面面积 %.3f m²）", q.reinforced ? "混凝土" : "圬工",
                       q.volumePerMetre, q.area));
    if (q.reinforced) w.WriteText(Format("；钢筋用量估算：%.1f kg/m", q.steelPerMetre));
    w.WriteText("\n");
}

}  // namespace wall
