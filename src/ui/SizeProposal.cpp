// The default sizing request of a case and the dialog's texts of its outcome.
#include "ui/SizeProposal.h"

#include <QStringList>

#include "calc/Quantities.h"
#include "case/FieldTable.h"
#include "text/Format.h"

namespace wallui {
namespace {

QString FromStd(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QString FieldName(const wall::CaseField& f, int wallType) {
    return FromStd(wall::FieldTitle(f, wallType));
}

// "抗滑移稳定 Kh=1.31 ≥ 1.3"
QString PassingCheckText(const wall::CheckVerdict& v) {
    if (!v.note.empty()) return FromStd(v.title + "（" + v.note + "）");
    return FromStd(wall::Format("%s %s=%.3g %s %.3g", v.title.c_str(), v.symbol.c_str(), v.value, v.relation,
                                v.required));
}

// "抗滑移稳定（Kh=1.05，要求 ≥ 1.3）"
QString FailingCheckText(const wall::CheckVerdict& v) {
    if (!v.note.empty()) return FromStd(v.title + "（" + v.note + "）");
    return FromStd(wall::Format("%s（%s=%.3g，要求 %s %.3g）", v.title.c_str(), v.symbol.c_str(), v.value,
                                v.relation, v.required));
}

// "构造下限：墙顶宽度B(m) ≥ 0.50（JTG D30 …）" for each varied field that has one, then each dimension
// the search keeps although it lies below its minimum.
QString MinimumsText(const wall::WallCase& base, const wall::SizeRequest& request) {
    QString text;
    for (const wall::VariedField& v : request.fields)
        if (v.constructive)
            text +=
                QString::fromUtf8("    %1 ≥ %2（%3）\n")
                    .arg(FieldName(*v.field, base.wallType), FromStd(wall::FieldValueText(*v.field, v.min)),
                         FromStd(std::string(v.constructive->basis)));
    if (!text.isEmpty()) text = QString::fromUtf8("构造下限：\n") + text;
    for (const wall::ConstructiveMinimum& m : wall::UnmetMinimums(base, request))
        if (const wall::CaseField* f = wall::FindCaseField(m.field))
            text += QString::fromUtf8("注意：%1 %2 小于构造下限 %3（%4），优化不改变它。\n")
                        .arg(FieldName(*f, base.wallType),
                             FromStd(wall::FieldValueText(*f, wall::FieldValue(base, *f))),
                             FromStd(wall::FieldValueText(*f, m.value)), FromStd(std::string(m.basis)));
    return text;
}

}  // namespace

wall::SizeRequest DefaultSizeRequest(const wall::WallCase& c) {
    wall::SizeRequest r;
    r.step = kSizeStep;
    for (std::string_view name : wall::DefaultVariedFieldNames(c.wallType))
        if (const wall::CaseField* f = wall::FindCaseField(name))
            r.fields.push_back(wall::DefaultBounds(c, *f, kSizeStep));
    return r;
}

QString ProposalText(const wall::WallCase& base, const wall::SizeRequest& request,
                     const wall::SizeOutcome& outcome) {
    QString text = QString::fromUtf8("满足全部验算、截面最小的尺寸（步长 %1 m）：\n").arg(kSizeStep);
    for (std::size_t i = 0; i < request.fields.size() && i < outcome.values.size(); ++i) {
        const wall::VariedField& v = request.fields[i];
        const wall::CaseField& f = *v.field;
        const double old = wall::FieldValue(base, f);
        text += QString::fromUtf8("    %1：%2 → %3%4\n")
                    .arg(FieldName(f, base.wallType), FromStd(wall::FieldValueText(f, old)),
                         FromStd(wall::FieldValueText(f, outcome.values[i])),
                         v.constructive && old < v.constructive->value - 1e-6
                             ? QString::fromUtf8("（原值小于构造下限）")
                             : QString());
    }
    text += FromStd(wall::Format("截面面积：%.3f → %.3f m²/m\n", wall::SectionArea(base), outcome.area));
    if (outcome.governing)
        text += QString::fromUtf8("控制验算：") + PassingCheckText(*outcome.governing) + "\n";
    text += MinimumsText(base, request);
    return text + QString::fromUtf8("\n是否采用这些尺寸？");
}

QString NoSizeText(const wall::WallCase& base, const wall::SizeRequest& request,
                   const wall::SizeOutcome& outcome) {
    QString text = QString::fromUtf8("在默认范围内没有满足全部验算的尺寸。");
    if (const QString minimums = MinimumsText(base, request); !minimums.isEmpty())
        text += "\n" + minimums.chopped(1);
    if (outcome.values.empty()) return text;
    QStringList values;
    for (std::size_t i = 0; i < request.fields.size() && i < outcome.values.size(); ++i) {
        const wall::CaseField& f = *request.fields[i].field;
        values << FieldName(f, base.wallType) + " " + FromStd(wall::FieldValueText(f, outcome.values[i]));
    }
    text += QString::fromUtf8("\n最大的候选尺寸（%1）").arg(values.join(QString::fromUtf8("，")));
    if (!outcome.refusal.empty()) return text + FromStd(outcome.refusal);
    text += QString::fromUtf8("仍不满足：");
    for (const wall::CheckVerdict& v : outcome.checks)
        if (!v.pass) text += "\n    " + FailingCheckText(v);
    return text;
}

}  // namespace wallui
