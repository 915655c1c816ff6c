// The dialog of the required factors, foundation inputs, ground water and earthquake: layout, number and
// range checks.
#include "ui/DlgCaseSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <optional>
#include <string>
#include <string_view>

#include "case/CaseSettings.h"
#include "ui/DialogUnits.h"
#include "ui/NumberText.h"

namespace wallui {
namespace {

struct SettingRow {
    std::string_view name;  // as SetCaseSetting takes it
    const char* label;
    const char* unit;
    const char* objectName;
    float wall::CaseSettings::*member;
    // An empty field clears the setting ("not given", "no water"); a value for which this holds is
    // shown empty. Null where a value must be given.
    bool (*absent)(float);
};

constexpr bool FaAbsent(float v) {
    return v == 0;
}
constexpr bool WaterAbsent(float v) {
    return v < 0;
}
constexpr bool NoEarthquake(float v) {
    return v == 0;
}
constexpr bool AngleFromTable(float v) {
    return v < 0;
}

constexpr std::array<SettingRow, 25> kRows = {{
    {"checks.overturning", "抗倾覆稳定安全系数要求值 Kq", "", "editKq", &wall::CaseSettings::overturning,
     nullptr},
    {"checks.sliding", "抗滑移稳定安全系数要求值 Kh", "", "editKh", &wall::CaseSettings::sliding, nullptr},
    {"foundation.fa", "修正后的地基承载力特征值 fa", "kPa", "editFa", &wall::CaseSettings::fa, FaAbsent},
    {"foundation.eccentricityLimit", "偏心距限值 e0/B", "", "editE0", &wall::CaseSettings::eccentricityLimit,
     nullptr},
    {"water.behind", "墙后水位距墙顶深度", "m", "editWaterBehind", &wall::CaseSettings::waterBehind,
     WaterAbsent},
    {"water.front", "墙前水位距墙底高度", "m", "editWaterFront", &wall::CaseSettings::waterFront,
     WaterAbsent},
    {"water.unitWeight", "水的重度 γw", "kN/m3", "editWaterWeight", &wall::CaseSettings::waterUnitWeight,
     nullptr},
    {"seismic.acceleration", "设计基本地震加速度 A/g", "", "editSeismicA",
     &wall::CaseSettings::seismicAcceleration, NoEarthquake},
    {"seismic.angle", "地震角 θ", "°", "editSeismicAngle", &wall::CaseSettings::seismicAngle, AngleFromTable},
    {"seismic.angleWater", "水下地震角 θw", "°", "editSeismicAngleWater",
     &wall::CaseSettings::seismicAngleWater, AngleFromTable},
    {"seismic.importance", "重要性修正系数 Ci", "", "editSeismicCi", &wall::CaseSettings::seismicImportance,
     nullptr},
    {"seismic.cz", "综合影响系数 Cz", "", "editSeismicCz", &wall::CaseSettings::seismicCz, nullptr},
    {"checks.seismicOverturning", "地震时抗倾覆安全系数要求值", "", "editSeismicKq",
     &wall::CaseSettings::seismicOverturning, nullptr},
    {"checks.seismicSliding", "地震时抗滑移安全系数要求值", "", "editSeismicKh",
     &wall::CaseSettings::seismicSliding, nullptr},
    {"foundation.seismicFactor", "地基抗震承载力调整系数 ζa", "", "editSeismicZeta",
     &wall::CaseSettings::seismicBearingFactor, nullptr},
    {"foundation.gamma", "基底以下土的重度 γ", "kN/m3", "editFoundationGamma",
     &wall::CaseSettings::foundationGamma, nullptr},
    {"foundation.gammaM", "基底以上土的加权平均重度 γm", "kN/m3", "editFoundationGammaM",
     &wall::CaseSettings::foundationGammaM, nullptr},
    {"foundation.depth", "基础埋置深度 d", "m", "editFoundationDepth", &wall::CaseSettings::foundationDepth,
     nullptr},
    {"foundation.fak", "地基承载力特征值 fak", "kPa", "editFak", &wall::CaseSettings::foundationFak,
     FaAbsent},
    {"foundation.etaB", "宽度修正系数 ηb", "", "editEtaB", &wall::CaseSettings::foundationEtaB, nullptr},
    {"foundation.etaD", "深度修正系数 ηd", "", "editEtaD", &wall::CaseSettings::foundationEtaD, nullptr},
    {"foundation.cohesion", "黏聚力标准值 ck", "kPa", "editCk", &wall::CaseSettings::foundationCohesion,
     WaterAbsent},
    {"foundation.friction", "内摩擦角标准值 φk", "°", "editPhiK", &wall::CaseSettings::foundationFriction,
     WaterAbsent},
    {"checks.overall", "整体稳定安全系数要求值", "", "editOverall", &wall::CaseSettings::overall, nullptr},
    {"checks.seismicOverall", "地震时整体稳定安全系数要求值", "", "editSeismicOverall",
     &wall::CaseSettings::seismicOverall, nullptr},
}};

// GB 50007-2011 Table 5.2.4: the soil classes with their ηb and ηd, which the list fills in.
struct SoilClass {
    const char* name;
    float etaB, etaD;
};
constexpr SoilClass kSoilClasses[] = {
    {"淤泥和淤泥质土", 0, 1.0f},
    {"人工填土；e或IL≥0.85的黏性土", 0, 1.0f},
    {"红黏土（含水比αw＞0.8）", 0, 1.2f},
    {"红黏土（含水比αw≤0.8）", 0.15f, 1.4f},
    {"大面积压实填土（压实系数＞0.95、黏粒含量ρc≥10%的粉土）", 0, 1.5f},
    {"大面积压实填土（最大干密度＞2100 kg/m³的级配砂石）", 0, 2.0f},
    {"粉土（黏粒含量ρc≥10%）", 0.3f, 1.5f},
    {"粉土（黏粒含量ρc＜10%）", 0.5f, 2.0f},
    {"e及IL均小于0.85的黏性土", 0.3f, 1.6f},
    {"粉砂、细砂（不包括很湿与饱和时的稍密状态）", 2.0f, 3.0f},
    {"中砂、粗砂、砾砂和碎石土", 3.0f, 4.4f},
};
// The rows of the first group, then the water's, the earthquake's; the rest are the soil under the base.
constexpr std::size_t kFoundationRows = 4;
constexpr std::size_t kWaterRows = 3;
constexpr std::size_t kSeismicRows = 8;

// The water modes in the order of their value.
constexpr const char* kWaterModes[] = {"水土分算", "水土合算"};

QString ValueText(const SettingRow& row, float v) {
    return row.absent && row.absent(v) ? QString() : ShortestFloat(v);
}

// The field as the dialog names it in a message: its label, with the unit if it has one.
QString FieldName(const SettingRow& row) {
    QString name = QString::fromUtf8(row.label);
    if (row.unit[0] != '\0') name += QString::fromUtf8("(%1)").arg(QString::fromUtf8(row.unit));
    return name;
}

// A refusal of SetCaseSetting as the dialog shows it: "title（name）应…" with the field named as the
// dialog labels it.
QString RefusalText(const QString& field, std::string_view name, const std::string& reason) {
    const std::string named = "（" + std::string(name) + "）";
    const std::size_t at = reason.find(named);
    if (at == std::string::npos) return field + QString::fromUtf8("：") + QString::fromStdString(reason);
    return field + " " + QString::fromStdString(reason.substr(at + named.size()));
}

QLabel* RowLabel(const char* text, Qt::Alignment align, const QRect& r, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setAlignment(align | Qt::AlignVCenter);
    label->setGeometry(r);
    return label;
}

}  // namespace

CDlgCaseSettings::CDlgCaseSettings(const wall::CaseSettings& initial, MessageFn showMessage, QWidget* parent)
    : QDialog(parent), values_(initial), showMessage_(std::move(showMessage)) {
    setWindowTitle(QString::fromUtf8("地基与验算参数"));
    setFont(DialogFont());
    DialogUnits du(font());
    setFixedSize(du.Size(632, 244));

    auto* group = new QGroupBox(this);
    group->setGeometry(du.Rect(5, 0, 204, 96));
    auto* water = new QGroupBox(QString::fromUtf8("地下水"), this);
    water->setObjectName("groupWater");
    water->setGeometry(du.Rect(5, 99, 204, 123));
    auto* quake = new QGroupBox(QString::fromUtf8("地震"), this);
    quake->setObjectName("groupSeismic");
    quake->setGeometry(du.Rect(214, 0, 204, 222));
    auto* soil = new QGroupBox(QString::fromUtf8("地基土（未给出 fa 时由此求 fa）"), this);
    soil->setObjectName("groupFoundationSoil");
    soil->setGeometry(du.Rect(423, 0, 204, 222));
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        const SettingRow& row = kRows[i];
        const int n = static_cast<int>(i);
        // The foundation's and the water's rows on the left, the earthquake's in the middle, the soil
        // under the base on the right.
        constexpr std::size_t kSeismicFrom = kFoundationRows + kWaterRows,
                              kSoilFrom = kSeismicFrom + kSeismicRows;
        const int x = i < kSeismicFrom ? 0 : i < kSoilFrom ? 209 : 418;
        const int y = i < kFoundationRows ? 10 + 16 * n
                      : i < kSeismicFrom  ? 111 + 16 * (n - static_cast<int>(kFoundationRows))
                      : i < kSoilFrom     ? 12 + 16 * (n - static_cast<int>(kSeismicFrom))
                                          : 12 + 16 * (n - static_cast<int>(kSoilFrom));
        QLabel* label = RowLabel(row.label, Qt::AlignRight, du.Rect(x + 8, y, 124, 12), this);
        auto* edit = new QLineEdit(ValueText(row, values_.*row.member), this);
        edit->setObjectName(row.objectName);
        edit->setGeometry(du.Rect(x + 136, y, 44, 12));
        label->setBuddy(edit);
        RowLabel(row.unit, Qt::AlignLeft, du.Rect(x + 184, y, 22, 12), this);
        edits_[i] = edit;
    }
    auto* hint =
        new QLabel(QString::fromUtf8("A/g 取 0.05、0.10、0.15、0.20、0.30、0.40，留空：不验算地震作用；"
                                     "0.05（6度）不验算。地震角留空：按 GB 50023-2009 表4.2.9 取值"),
                   this);
    hint->setWordWrap(true);
    hint->setGeometry(du.Rect(223, 142, 186, 40));

    sand_ = new QCheckBox(QString::fromUtf8("砂土（第5.2.5条 b＜3 m 按 3 m）"), this);
    sand_->setObjectName("checkSand");
    sand_->setChecked(values_.foundationSand != 0);
    sand_->setGeometry(du.Rect(432, 174, 190, 12));
    QLabel* classLabel = RowLabel("按土类填入 ηb、ηd", Qt::AlignRight, du.Rect(427, 189, 60, 12), this);
    soilClass_ = new QComboBox(this);
    soilClass_->setObjectName("listSoilClass");
    soilClass_->addItem(QString::fromUtf8("（选择土类）"));
    for (const SoilClass& k : kSoilClasses) soilClass_->addItem(QString::fromUtf8(k.name));
    soilClass_->setGeometry(du.Rect(490, 188, 132, 13));
    classLabel->setBuddy(soilClass_);
    connect(soilClass_, &QComboBox::activated, this, [this](int index) {
        if (index < 1) return;
        const SoilClass& k = kSoilClasses[index - 1];
        constexpr std::size_t kEtaB = kFoundationRows + kWaterRows + kSeismicRows + 4;
        edits_[kEtaB]->setText(ShortestFloat(k.etaB));
        edits_[kEtaB + 1]->setText(ShortestFloat(k.etaD));
    });
    RowLabel("ck、φk 也用于整体稳定验算；给出 fa 时以 fa 为准", Qt::AlignLeft, du.Rect(427, 205, 196, 12),
             this);
    RowLabel("fa 留空：由右侧地基土求 fa，或不验算", Qt::AlignRight, du.Rect(8, 78, 172, 12), this);

    QLabel* modeLabel = RowLabel("水土压力计算", Qt::AlignRight, du.Rect(8, 159, 124, 12), this);
    waterMode_ = new QComboBox(this);
    waterMode_->setObjectName("listWaterMode");
    for (const char* mode : kWaterModes) waterMode_->addItem(QString::fromUtf8(mode));
    waterMode_->setCurrentIndex(values_.waterCombined != 0 ? 1 : 0);
    waterMode_->setGeometry(du.Rect(136, 158, 62, 13));
    modeLabel->setBuddy(waterMode_);
    RowLabel("水位留空：该侧无水", Qt::AlignRight, du.Rect(8, 174, 172, 10), this);

    auto* ok = new QPushButton(QString::fromUtf8("确定"), this);
    ok->setObjectName("button1");
    ok->setGeometry(du.Rect(230, 226, 50, 14));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QString::fromUtf8("取消"), this);
    cancel->setObjectName("button2");
    cancel->setGeometry(du.Rect(352, 226, 50, 14));
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &CDlgCaseSettings::accept);
    connect(cancel, &QPushButton::clicked, this, &CDlgCaseSettings::reject);
}

void CDlgCaseSettings::accept() {
    wall::CaseSettings next = values_;
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        const SettingRow& row = kRows[i];
        QLineEdit* edit = edits_[i];
        std::string reason;
        QString refusal;
        if (row.absent && edit->text().trimmed().isEmpty())
            reason = wall::ClearCaseSetting(next, row.name);
        else if (std::optional<float> v = FieldNumber(edit->text()); !v)
            refusal = FieldName(row) + QString::fromUtf8("：") + NotANumberText();
        else
            reason = wall::SetCaseSetting(next, row.name, *v);
        if (!reason.empty()) refusal = RefusalText(FieldName(row), row.name, reason);
        if (!refusal.isEmpty()) {
            showMessage_(this, refusal);
            edit->setFocus();
            edit->selectAll();
            return;
        }
    }
    // The list holds only the two modes; the setting's own check stays the judge.
    if (std::string reason = wall::SetCaseSetting(next, "water.combined", waterMode_->currentIndex());
        !reason.empty()) {
        showMessage_(this, RefusalText(QString::fromUtf8("水土压力计算"), "water.combined", reason));
        waterMode_->setFocus();
        return;
    }
    next.foundationSand = sand_->isChecked() ? 1 : 0;
    values_ = next;
    done(1);
}

void CDlgCaseSettings::reject() {
    done(2);
}

}  // namespace wallui
