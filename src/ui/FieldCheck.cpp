// Checking number fields as they are typed, and marking the ones that cannot stand.
#include "ui/FieldCheck.h"

#include <QEvent>
#include <QLineEdit>
#include <QVariant>

#include "case/FieldTable.h"
#include "ui/NumberText.h"

namespace wallui {
namespace {

// Set on a field whose text cannot stand, for style sheets and readers of the dialog.
constexpr char kFaultProperty[] = "fault";

// A style sheet of the field alone: a dialog-wide one would restyle every other control too.
const QString& FaultStyle() {
    static const QString style =
        QStringLiteral("QLineEdit { background: #ffd6d6; border: 1px solid #d40000; color: black; }");
    return style;
}

}  // namespace

FieldRule RuleOf(const wall::CaseField& field, int wallType) {
    const wall::CaseField* f = &field;
    return {QString::fromStdString(wall::FieldTitle(field, wallType)),
            [f, wallType](float v) { return QString::fromStdString(wall::DomainFault(*f, wallType, v)); }};
}

FieldCheck::FieldCheck(QLineEdit* edit, FieldRule rule) : QObject(edit), edit_(edit), rule_(std::move(rule)) {
    setObjectName(QStringLiteral("fieldCheck"));
    edit_->installEventFilter(this);
    connect(edit_, &QLineEdit::textEdited, this, [this] { emit edited(this); });
    connect(edit_, &QLineEdit::textChanged, this, [this] {
        left_ = false;
        Mark();
    });
    Mark();
}

bool FieldCheck::HoldsNumber() const {
    return FieldNumber(edit_->text()).has_value();
}

QString FieldCheck::Fault() const {
    const std::optional<float> v = FieldNumber(edit_->text());
    if (!v)
        return left_ ? rule_.title + QString::fromUtf8("：") + NotANumberText()
                     : rule_.title + QString::fromUtf8(" 不是一个数");
    const QString own = rule_.outOfRange ? rule_.outOfRange(*v) : QString();
    return own.isEmpty() ? relation_ : own;
}

void FieldCheck::SetRelationFault(const QString& fault) {
    if (fault == relation_) return;
    relation_ = fault;
    Restyle(Fault());
}

FieldCheck* FieldCheck::Of(const QLineEdit* edit) {
    return edit ? edit->findChild<FieldCheck*>(QStringLiteral("fieldCheck"), Qt::FindDirectChildrenOnly)
                : nullptr;
}

bool FieldCheck::eventFilter(QObject* watched, QEvent* event) {
    // Only now is an empty or half-typed field worth the request for a number.
    if (watched == edit_ && event->type() == QEvent::FocusOut && !HoldsNumber()) {
        left_ = true;
        Mark();
    }
    return QObject::eventFilter(watched, event);
}

void FieldCheck::Mark() {
    Restyle(Fault());
    emit marked(this);
}

void FieldCheck::Restyle(const QString& fault) {
    const bool faulty = !fault.isEmpty();
    if (edit_->property(kFaultProperty).toBool() != faulty) {
        edit_->setProperty(kFaultProperty, faulty);
        edit_->setStyleSheet(faulty ? FaultStyle() : QString());
    }
    edit_->setToolTip(fault);
}

}  // namespace wallui
