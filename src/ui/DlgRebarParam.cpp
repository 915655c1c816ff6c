// The reinforcement parameter dialog: template layout, number check and crack-limit check.
#include "ui/DlgRebarParam.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "case/FieldTable.h"
#include "case/Grades.h"
#include "ui/DialogUnits.h"
#include "ui/FieldCheck.h"
#include "ui/NumberText.h"
#include "ui/WheelGuard.h"

namespace wallui {
namespace {

using W = wall::CRetainingWall;

QLabel* RightLabel(const wall::CaseField& f, const QRect& r, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(f.label), parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setGeometry(r);
    return label;
}

template <std::size_t N>
QComboBox* GradeList(const std::array<std::string_view, N>& grades, const wall::CaseField& f, const QRect& r,
                     QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString("list%1").arg(f.control));
    for (std::string_view g : grades) list->addItem(QString::fromUtf8(g.data(), static_cast<int>(g.size())));
    list->setGeometry(r);
    return list;
}

QLineEdit* Edit(const wall::CaseField& f, float value, const QRect& r, QWidget* parent) {
    auto* edit = new QLineEdit(QString::fromStdString(wall::FieldValueText(f, value)), parent);
    edit->setObjectName(QString("edit%1").arg(f.control));
    edit->setGeometry(r);
    // Red with its reason while it cannot stand, as the main pages' fields.
    new FieldCheck(edit, RuleOf(f, wall::kCantilever));
    return edit;
}

}  // namespace

CDlgRebarParam::CDlgRebarParam(const RebarParams& initial, MessageFn showMessage, QWidget* parent)
    : QDialog(parent), values_(initial), showMessage_(std::move(showMessage)) {
    setWindowTitle(QString::fromUtf8("配筋计算参数"));
    setFont(DialogFont());
    DialogUnits du(font());
    setFixedSize(du.Size(187, 115));

    auto* group = new QGroupBox(this);
    group->setGeometry(du.Rect(5, 0, 177, 94));
    // A drop-down list is one line high; the template's heights are those of the open lists.
    const wall::CaseField& concrete = wall::FieldOf(&W::m_nConcreteGrade);
    RightLabel(concrete, du.Rect(30, 11, 84, 10), this);
    concreteList_ = GradeList(wall::kConcreteGrades, concrete, du.Rect(124, 9, 48, 12), this);
    const wall::CaseField& rebar = wall::FieldOf(&W::m_nRebarGrade);
    RightLabel(rebar, du.Rect(31, 27, 82, 10), this);
    rebarList_ = GradeList(wall::kRebarGrades, rebar, du.Rect(124, 26, 48, 12), this);
    const wall::CaseField& diameter = wall::FieldOf(&W::m_fBarDiameter);
    RightLabel(diameter, du.Rect(8, 43, 110, 12), this);
    diameterEdit_ = Edit(diameter, initial.barDiameter, du.Rect(124, 43, 47, 12), this);
    const wall::CaseField& cover = wall::FieldOf(&W::m_fCover);
    RightLabel(cover, du.Rect(8, 59, 110, 12), this);
    coverEdit_ = Edit(cover, initial.cover, du.Rect(124, 59, 47, 12), this);
    const wall::CaseField& crack = wall::FieldOf(&W::m_fCrackLimit);
    RightLabel(crack, du.Rect(8, 75, 110, 12), this);
    crackEdit_ = Edit(crack, initial.crackLimit, du.Rect(124, 75, 47, 12), this);

    if (initial.concreteGrade >= 0 && initial.concreteGrade < concreteList_->count())
        concreteList_->setCurrentIndex(initial.concreteGrade);
    if (initial.rebarGrade >= 0 && initial.rebarGrade < rebarList_->count())
        rebarList_->setCurrentIndex(initial.rebarGrade);

    auto* ok = new QPushButton(QString::fromUtf8("确定"), this);
    ok->setObjectName("button1");
    ok->setGeometry(du.Rect(27, 97, 50, 14));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QString::fromUtf8("取消"), this);
    cancel->setObjectName("button2");
    cancel->setGeometry(du.Rect(110, 97, 50, 14));
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &CDlgRebarParam::accept);
    connect(cancel, &QPushButton::clicked, this, &CDlgRebarParam::reject);
    GuardWheel(this);
}

void CDlgRebarParam::accept() {
    values_.rebarGrade = rebarList_->currentIndex();
    values_.concreteGrade = concreteList_->currentIndex();
    struct Field {
        QLineEdit* edit;
        float* member;
    };
    for (const Field& f : {Field{diameterEdit_, &values_.barDiameter}, Field{coverEdit_, &values_.cover},
                           Field{crackEdit_, &values_.crackLimit}}) {
        std::optional<float> v = FieldNumber(f.edit->text());
        if (!v) {
            showMessage_(this, NotANumberText());
            f.edit->setFocus();
            f.edit->selectAll();
            return;
        }
        *f.member = *v;
    }
    // A crack limit of zero or below makes every crack-width check fail or divide by zero.
    if (!(values_.crackLimit > 0)) {
        showMessage_(this, QString::fromUtf8("裂缝控制宽度必须大于零。"));
        crackEdit_->setFocus();
        crackEdit_->selectAll();
        return;
    }
    for (QLineEdit* edit : {diameterEdit_, coverEdit_, crackEdit_}) {
        const FieldCheck* check = FieldCheck::Of(edit);
        if (!check || check->Fault().isEmpty()) continue;
        showMessage_(this, check->Fault());
        edit->setFocus();
        edit->selectAll();
        return;
    }
    done(1);
}

void CDlgRebarParam::reject() {
    done(2);
}

}  // namespace wallui
