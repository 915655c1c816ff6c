// Writing and reading the text case format.
#include "case/CaseJson.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <set>
#include <vector>

#include "case/CaseDefaults.h"
#include "case/CaseFields.h"
#include "case/CaseSettings.h"
#include "case/FieldTable.h"
#include "case/LeadingNumber.h"
#include "text/Format.h"

namespace wall {
namespace {

// Reading keeps the numbers in double precision, so a value beyond a float's range is seen as such.
using InJson = nlohmann::ordered_json;

constexpr std::size_t kMaxNesting = 16;

// The deepest nesting of objects and arrays, strings skipped.
std::size_t NestingDepth(std::string_view text) {
    std::size_t depth = 0, deepest = 0;
    bool inString = false, escaped = false;
    for (char ch : text) {
        if (inString) {
            if (escaped)
                escaped = false;
            else if (ch == '\\')
                escaped = true;
            else if (ch == '"')
                inString = false;
            continue;
        }
        if (ch == '"') inString = true;
        if (ch == '{' || ch == '[') deepest = std::max(deepest, ++depth);
        if ((ch == '}' || ch == ']') && depth > 0) --depth;
    }
    return deepest;
}

// What the parsed value no longer shows, read from the text itself: a key repeated within one object
// (the parser keeps the last), and a number written non-zero that reads as 0 or below the smallest
// normal float ("0.000…5e-5" with 400 digits) — stored, it would silently be 0 or lose its digits.
struct TextScan {
    std::vector<std::set<std::string>> keys;
    std::string lastKey, fault;

    bool null() { return true; }
    bool boolean(bool) { return true; }
    bool number_integer(InJson::number_integer_t) { return true; }
    bool number_unsigned(InJson::number_unsigned_t) { return true; }
    bool number_float(InJson::number_float_t v, const std::string& written) {
        if (!WrittenNonZero(written) || std::fabs(v) >= std::numeric_limits<float>::min()) return true;
        fault = Format("%s 的值 %s 不为 0，却小于单精度数能存的最小值 %g", lastKey.c_str(),
                       Abridged(written).c_str(), static_cast<double>(std::numeric_limits<float>::min()));
        return false;
    }
    bool string(std::string&) { return true; }
    bool binary(InJson::binary_t&) { return true; }
    bool start_object(std::size_t) {
        keys.emplace_back();
        return true;
    }
    bool key(std::string& k) {
        lastKey = k;
        if (keys.back().insert(k).second) return true;
        fault = Format("工况文件中键 \"%s\" 出现了两次", k.c_str());
        return false;
    }
    bool end_object() {
        keys.pop_back();
        return true;
    }
    bool start_array(std::size_t) { return true; }
    bool end_array() { return true; }
    bool parse_error(std::size_t, const std::string&, const nlohmann::json::exception&) { return false; }
};

// JSON has no NaN or infinity (nlohmann writes null, which no reader accepts): such a value is written
// as 0, and UnwritableValues names it for a warning.
// A subnormal float (a binary file may hold one) is written as 0 too: the reader refuses a value
// that small, as `set` does.
bool Writable(double v) {
    return std::isfinite(v) && (v == 0 || std::fabs(v) >= std::numeric_limits<float>::min());
}

double AsWritten(double v) {
    return Writable(v) ? v : 0.0;
}

void PutField(Json& j, const WallCase& c, const CaseField& f) {
    const double v = AsWritten(FieldValue(c, f));
    if (IsIntegerField(f))
        j[std::string(f.name)] = static_cast<int32_t>(v);
    else
        j[std::string(f.name)] = static_cast<float>(v);
}

template <std::size_t Rows, std::size_t Columns>
Json Table(const float (&t)[Rows][Columns]) {
    Json rows = Json::array();
    for (const auto& row : t) {
        std::vector<float> cells;
        for (float v : row) cells.push_back(static_cast<float>(AsWritten(v)));
        rows.push_back(cells);
    }
    return rows;
}

// The reader: the first fault found, with where it was found.
class Reader {
  public:
    std::string fault;

    bool Number(const InJson& v, const std::string& where, bool integer, double& out) {
        if (!v.is_number() || (integer && !v.is_number_integer())) {
            fault = Format("%s 应为%s", where.c_str(), integer ? "整数" : "数值");
            return false;
        }
        out = v.get<double>();
        if (!integer && !(std::fabs(out) <= std::numeric_limits<float>::max())) {
            fault = Format("%s 超出单精度数的范围：%s", where.c_str(), v.dump().c_str());
            return false;
        }
        return true;
    }

    bool Object(const InJson& v, const std::string& where) {
        if (v.is_object()) return true;
        fault = where + " 应为 JSON 对象";
        return false;
    }

    bool Unknown(const std::string& where) {
        fault = "未知的字段：" + where;
        return false;
    }

    bool Record(const InJson& j, const char* record, std::span<const CaseField* const> fields, WallCase& c) {
        for (const auto& [key, value] : j.items()) {
            const std::string where = std::string(record) + "." + key;
            if (key == "m_afSlope" || key == "m_afLayer") {
                if (std::string_view(record) != "soil") return Unknown(where);
                if (!Grid(value, where, key == "m_afSlope", c)) return false;
                continue;
            }
            const CaseField* f = nullptr;
            for (const CaseField* candidate : fields)
                if (candidate->name == key) f = candidate;
            if (!f) return Unknown(where);
            double v = 0;
            if (!Number(value, where, IsIntegerField(*f), v)) return false;
            // Converting a number beyond int to int is undefined: refused as typed.
            if (IsIntegerField(*f) && !(v >= INT32_MIN && v <= INT32_MAX)) {
                fault = Format("%s 超出整数范围，当前为 %s", where.c_str(), value.dump().c_str());
                return false;
            }
            VisitField(c, *f, 0, [v](auto& x) { x = static_cast<std::remove_reference_t<decltype(x)>>(v); });
        }
        return true;
    }

    // A table: up to its rows, each up to its columns; what is left out keeps the default.
    bool Grid(const InJson& j, const std::string& where, bool slope, WallCase& c) {
        const int rows = slope ? kSlopeRowsMax : kLayerRowsMax;
        const int columns = slope ? kSlopeColumns : kLayerColumns;
        if (!j.is_array() || static_cast<int>(j.size()) > rows) {
            fault = Format("%s 应为至多 %d 行的数组", where.c_str(), rows);
            return false;
        }
        for (int r = 0; r < static_cast<int>(j.size()); ++r) {
            const InJson& row = j[static_cast<std::size_t>(r)];
            const std::string rowWhere = Format("%s[%d]", where.c_str(), r);
            if (!row.is_array() || static_cast<int>(row.size()) > columns) {
                fault = Format("%s 应为至多 %d 个数的数组", rowWhere.c_str(), columns);
                return false;
            }
            float* cells = slope ? c.soil.m_afSlope[r] : c.soil.m_afLayer[r];
            for (int col = 0; col < static_cast<int>(row.size()); ++col) {
                double v = 0;
                if (!Number(row[static_cast<std::size_t>(col)], Format("%s[%d]", rowWhere.c_str(), col),
                            false, v))
                    return false;
                cells[col] = static_cast<float>(v);
            }
            // A slope row written as run and rise alone gets its length and angle.
            if (slope && row.size() <= kSlopeLength) UpdateSlopeRow(cells);
        }
        return true;
    }

    bool Settings(const InJson& j, const char* group, CaseSettings& s) {
        for (const auto& [key, value] : j.items()) {
            const std::string where = std::string(group) + "." + key;
            if (!IsCaseSettingName(where)) return Unknown(where);
            double v = 0;
            // null: not given (fa, the water levels).
            if (value.is_null()) {
                if (std::string f = ClearCaseSetting(s, where); !f.empty()) {
                    fault = f;
                    return false;
                }
                continue;
            }
            if (!Number(value, where, false, v)) return false;
            if (std::string f = SetCaseSetting(s, where, v); !f.empty()) {
                fault = f;
                return false;
            }
        }
        return true;
    }
};

}  // namespace

Json CaseToJson(const WallCase& c) {
    Json j;
    j["format"] = kCaseFormatName;
    j["version"] = kCaseFormatVersion;
    j["wallType"] = c.wallType;
    Json w = Json::object();
    for (const CaseField* f : WallFieldsInRecordOrder()) PutField(w, c, *f);
    j["wall"] = w;
    Json s = Json::object();
    for (const CaseField* f : SoilScalarsInRecordOrder()) PutField(s, c, *f);
    // The slope rows' length and angle as the reader will recompute them from run and rise as written,
    // so that the text reads back the same (a binary case may hold others, or values that underflow).
    CSoil derived = c.soil;
    for (auto& row : derived.m_afSlope)
        for (float& v : row) v = static_cast<float>(AsWritten(v));
    UpdateSlopeDerived(derived);
    s["m_afSlope"] = Table(derived.m_afSlope);
    s["m_afLayer"] = Table(c.soil.m_afLayer);
    j["soil"] = s;
    // The earthquake's entries are written only where they differ from the defaults, so a case without
    // them reads as before.
    const CaseSettings dry;
    const CaseSettings& ws = c.settings;
    j["checks"] = Json{{"overturning", ws.overturning}, {"sliding", ws.sliding}};
    if (ws.seismicOverturning != dry.seismicOverturning)
        j["checks"]["seismicOverturning"] = ws.seismicOverturning;
    if (ws.seismicSliding != dry.seismicSliding) j["checks"]["seismicSliding"] = ws.seismicSliding;
    if (ws.overall != dry.overall) j["checks"]["overall"] = ws.overall;
    if (ws.seismicOverall != dry.seismicOverall) j["checks"]["seismicOverall"] = ws.seismicOverall;
    Json foundation;
    foundation["fa"] = ws.fa > 0 ? Json(ws.fa) : Json();
    foundation["eccentricityLimit"] = ws.eccentricityLimit;
    if (ws.seismicBearingFactor != dry.seismicBearingFactor)
        foundation["seismicFactor"] = ws.seismicBearingFactor;
    // The soil under the base, only where given or changed.
    const std::pair<const char*, float CaseSettings::*> soil[] = {
        {"gamma", &CaseSettings::foundationGamma}, {"gammaM", &CaseSettings::foundationGammaM},
        {"depth", &CaseSettings::foundationDepth}, {"fak", &CaseSettings::foundationFak},
        {"etaB", &CaseSettings::foundationEtaB},   {"etaD", &CaseSettings::foundationEtaD}};
    for (const auto& [key, member] : soil)
        if (ws.*member != dry.*member) foundation[key] = ws.*member;
    if (ws.foundationSand != dry.foundationSand) foundation["sand"] = static_cast<int>(ws.foundationSand);
    if (ws.foundationCohesion >= 0) foundation["cohesion"] = ws.foundationCohesion;
    if (ws.foundationFriction >= 0) foundation["friction"] = ws.foundationFriction;
    j["foundation"] = foundation;
    if (ws.seismicAcceleration != dry.seismicAcceleration || ws.seismicAngle != dry.seismicAngle ||
        ws.seismicAngleWater != dry.seismicAngleWater || ws.seismicImportance != dry.seismicImportance ||
        ws.seismicCz != dry.seismicCz) {
        Json seismic;
        seismic["acceleration"] = ws.seismicAcceleration;
        seismic["angle"] = ws.HasSeismicAngle() ? Json(ws.seismicAngle) : Json();
        seismic["angleWater"] = ws.HasSeismicAngleWater() ? Json(ws.seismicAngleWater) : Json();
        seismic["importance"] = ws.seismicImportance;
        seismic["cz"] = ws.seismicCz;
        j["seismic"] = seismic;
    }
    // Written only where given, so a dry case's file reads as before.
    if (ws.waterBehind != dry.waterBehind || ws.waterFront != dry.waterFront ||
        ws.waterUnitWeight != dry.waterUnitWeight || ws.waterCombined != dry.waterCombined) {
        Json water;
        water["behind"] = ws.HasWaterBehind() ? Json(ws.waterBehind) : Json();
        water["front"] = ws.HasWaterFront() ? Json(ws.waterFront) : Json();
        water["unitWeight"] = ws.waterUnitWeight;
        water["combined"] = static_cast<int>(ws.waterCombined);
        j["water"] = water;
    }
    return j;
}

std::string CaseToJsonText(const WallCase& c) {
    // Table rows stay on one line each: 100 rows of numbers read better across than down. The
    // tables go in as markers and come back as rows.
    Json j = CaseToJson(c);
    const Json slope = j["soil"]["m_afSlope"], layer = j["soil"]["m_afLayer"];
    j["soil"]["m_afSlope"] = "@slope@";
    j["soil"]["m_afLayer"] = "@layer@";
    std::string text = j.dump(2);
    auto rows = [](const Json& table) {
        std::string out = "[";
        for (std::size_t r = 0; r < table.size(); ++r)
            out += (r ? ",\n      " : "\n      ") + table[r].dump();
        return out + "\n    ]";
    };
    for (const auto& [marker, table] : {std::pair{"\"@slope@\"", &slope}, std::pair{"\"@layer@\"", &layer}}) {
        const std::size_t at = text.find(marker);
        text.replace(at, std::string_view(marker).size(), rows(*table));
    }
    return text + "\n";
}

std::string CaseFromJsonText(std::string_view text, WallCase& out) {
    // A byte-order mark, as some editors write one, is not part of the text.
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    // Text after a NUL would otherwise go unread.
    if (const std::size_t nul = text.find('\0'); nul != std::string_view::npos)
        return Format("工况文件第 %zu 字节是 NUL，不是 JSON 文本", nul + 1);
    // A deeply nested text would be built whole before any field is looked at.
    if (const std::size_t depth = NestingDepth(text); depth > kMaxNesting)
        return Format("工况文件的嵌套超过 %zu 层，不是工况", kMaxNesting);
    InJson j;
    try {
        j = InJson::parse(text.begin(), text.end());
    } catch (const InJson::parse_error& e) {
        // Where, and the text there ("1e309"), rather than the parser's English.
        const std::size_t at = e.byte > 0 ? e.byte - 1 : 0;
        const std::size_t from = at > 20 ? at - 20 : 0;
        std::string near(
            text.substr(from, std::min<std::size_t>(40, text.size() - std::min(from, text.size()))));
        for (char& ch : near)
            if (ch == '\n' || ch == '\r' || ch == '\t') ch = ' ';
        return Format("工况文件不是有效的 JSON 文本：第 %zu 字节附近“%s”", e.byte, near.c_str());
    } catch (const InJson::exception& e) {
        // A number beyond a double ("1e309"): the parser names it in quotes.
        const std::string what = e.what();
        const std::size_t open = what.find('\''), close = what.rfind('\'');
        const std::string number = open < close ? what.substr(open + 1, close - open - 1) : std::string();
        return Format("工况文件中的数 %s 超出双精度数的范围", Abridged(number).c_str());
    }
    if (TextScan scan; !InJson::sax_parse(text.begin(), text.end(), &scan)) return scan.fault;
    Reader r;
    if (!r.Object(j, "工况")) return r.fault;
    const auto format = j.find("format");
    if (format == j.end() || *format != kCaseFormatName)
        return Format("不是挡土墙工况文件：format 应为 \"%s\"", kCaseFormatName);
    const auto version = j.find("version");
    if (version == j.end() || !version->is_number_integer() || version->get<int64_t>() < 1 ||
        version->get<int64_t>() > kCaseFormatVersion)
        return Format("工况文件的版本应为 1～%d", kCaseFormatVersion);
    const auto type = j.find("wallType");
    double t = 0;
    if (type == j.end()) return "缺少字段 wallType";
    if (!r.Number(*type, "wallType", true, t)) return r.fault;
    if (!(t >= 0 && t < kWallTypeCount)) return Format("wallType %g 超出范围 0～%d", t, kWallTypeCount - 1);

    WallCase c = DefaultCase(static_cast<int>(t));
    for (const auto& [key, value] : j.items()) {
        if (key == "format" || key == "version" || key == "wallType") continue;
        bool ok = false;
        if (key == "wall")
            ok = r.Object(value, key) && r.Record(value, "wall", WallFieldsInRecordOrder(), c);
        else if (key == "soil")
            ok = r.Object(value, key) && r.Record(value, "soil", SoilScalarsInRecordOrder(), c);
        else if (key == "checks" || key == "foundation" || key == "water" || key == "seismic")
            ok = r.Object(value, key) && r.Settings(value, key.c_str(), c.settings);
        else
            ok = r.Unknown(key);
        if (!ok) return r.fault;
    }
    if (std::string range = CheckCaseRanges(c); !range.empty()) return range;
    // The slope rows' length and angle follow from their run and rise, whatever the file says: the
    // analysis reads the angle, and `set` recomputes it too.
    UpdateSlopeDerived(c.soil);
    // A value outside its field's range still opens, so the case can be mended where it is shown;
    // the calculation refuses it.
    out = c;
    return {};
}

std::string CaseFromJson(const Json& j, WallCase& out) {
    return CaseFromJsonText(j.dump(), out);
}

std::vector<std::string> UnwritableValues(const WallCase& c) {
    std::vector<std::string> out;
    for (const CaseField& f : CaseFieldTable()) {
        if (f.column >= 0) continue;
        if (!Writable(FieldValue(c, f))) out.emplace_back(f.name);
    }
    auto cells = [&out](const char* name, const auto& table) {
        for (std::size_t r = 0; r < std::size(table); ++r)
            for (std::size_t k = 0; k < std::size(table[r]); ++k)
                if (!Writable(table[r][k])) out.push_back(Format("%s[%zu][%zu]", name, r, k));
    };
    cells("m_afSlope", c.soil.m_afSlope);
    cells("m_afLayer", c.soil.m_afLayer);
    return out;
}

bool HasTextOnlyInputs(const WallCase& c) {
    return !(c.settings == CaseSettings{});
}

bool LooksLikeJson(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    for (char ch : bytes) {
        if (ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r') continue;
        return ch == '{';
    }
    return false;
}

}  // namespace wall
