// The dialog of the required factors and foundation inputs: layout, number and range checks.
#include "ui/DlgCaseSettings.h"

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
    bool emptyIsZero;  // an empty field means "not given"
};

constexpr std::array<SettingRow, 4> kRows = {{
    {"checks.overturning", "抗倾覆稳定安全系数要求值 Kq", "", "editKq", &wall::CaseSettings::overturning,
     false},
    {"checks.sliding", "抗滑移稳定安全系数要求值 Kh", "", "editKh", &wall::CaseSettings::sliding, false},
    {"foundation.fa", "修正后的地基承载力特征值 fa", "kPa", "editFa", &wall::CaseSettings::fa, true},
    {"foundation.eccentricityLimit", "偏心距限值 e0/B", "", "editE0", &wall::CaseSettings::eccentricityLimit,
     false},
}};

QString ValueText(const SettingRow& row, float v) {
    return row.emptyIsZero && v == 0 ? QString() : ShortestFloat(v);
}

// The field as the dialog names it in a message: its label, with the unit if it has one.
QString FieldName(const SettingRow& row) {
    QString name = QString::fromUtf8(row.label);
    if (row.unit[0] != '\0') name += QString::fromUtf8("(%1)").arg(QString::fromUtf8(row.unit));
    return name;
}

// A refusal of SetCaseSetting as the dialog shows it: "title（name）应…" with the field named as the
// dialog labels it.
QString RefusalText(const SettingRow& row, const std::string& reason) {
    const std::string named = "（" + std::string(row.name) + "）";
    const std::size_t at = reason.find(named);
    if (at == std::string::npos)
        return FieldName(row) + QString::fromUtf8("：") + QString::fromStdString(reason);
    return FieldName(row) + " " + QString::fromStdString(reason.substr(at + named.size()));
}

}  // namespace

CDlgCaseSettings::CDlgCaseSettings(const wall::CaseSettings& initial, MessageFn showMessage, QWidget* parent)
    : QDialog(parent), values_(initial), showMessage_(std::move(showMessage)) {
    setWindowTitle(QString::fromUtf8("地基与验算参数"));
    setFont(DialogFont());
    DialogUnits du(font());
    setFixedSize(du.Size(214, 118));

    auto* group = new QGroupBox(this);
    group->setGeometry(du.Rect(5, 0, 204, 96));
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        const SettingRow& row = kRows[i];
        const int y = 10 + 16 * static_cast<int>(i);
        auto* label = new QLabel(QString::fromUtf8(row.label), this);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setGeometry(du.Rect(8, y, 124, 12));
        auto* edit = new QLineEdit(ValueText(row, values_.*row.member), this);
        edit->setObjectName(row.objectName);
        edit->setGeometry(du.Rect(136, y, 44, 12));
        label->setBuddy(edit);
        auto* unit = new QLabel(QString::fromUtf8(row.unit), this);
        unit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        unit->setGeometry(du.Rect(184, y, 22, 12));
        edits_[i] = edit;
    }
    auto* note = new QLabel(QString::fromUtf8("fa 留空：不验算地基承载力"), this);
    note->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    note->setGeometry(du.Rect(8, 78, 172, 12));

    auto* ok = new QPushButton(QString::fromUtf8("确定"), this);
    ok->setObjectName("button1");
    ok->setGeometry(du.Rect(40, 100, 50, 14));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QString::fromUtf8("取消"), this);
    cancel->setObjectName("button2");
    cancel->setGeometry(du.Rect(124, 100, 50, 14));
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &CDlgCaseSettings::accept);
    connect(cancel, &QPushButton::clicked, this, &CDlgCaseSettings::reject);
}

void CDlgCaseSettings::accept() {
    wall::CaseSettings next = values_;
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        const SettingRow& row = kRows[i];
        QLineEdit* edit = edits_[i];
        QString refusal;
        if (row.emptyIsZero && edit->text().trimmed().isEmpty()) {
            next.*row.member = 0;
        } else if (std::optional<float> v = FieldNumber(edit->text()); !v) {
            refusal = FieldName(row) + QString::fromUtf8("：") + NotANumberText();
        } else if (std::string reason = wall::SetCaseSetting(next, row.name, *v); !reason.empty()) {
            refusal = RefusalText(row, reason);
        }
        if (!refusal.isEmpty()) {
            showMessage_(this, refusal);
            edit->setFocus();
            edit->selectAll();
            return;
        }
    }
    values_ = next;
    done(1);
}

void CDlgCaseSettings::reject() {
    done(2);
}

}  // namespace wallui
