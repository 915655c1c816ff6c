// The mark of a number field whose text cannot stand: red, with the reason in its tooltip, while
// the user types; "请键入一个数。" once the field is left holding no number. Nothing here is modal.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QLineEdit;

namespace wall {
struct CaseField;
}

namespace wallui {

// What a field must hold: a number, then one its range takes.
struct FieldRule {
    QString title;                             // what messages name the field by
    std::function<QString(float)> outOfRange;  // why a number cannot stand; empty when it can
};

// A field of the field table as the given wall type's pages show it; the range's messages are the
// ones a calculation refuses the case with.
FieldRule RuleOf(const wall::CaseField& field, int wallType);

class FieldCheck : public QObject {
    Q_OBJECT
  public:
    // Watches `edit`, which owns it.
    FieldCheck(QLineEdit* edit, FieldRule rule);

    QLineEdit* Edit() const { return edit_; }
    const QString& Title() const { return rule_.title; }
    // Why the text cannot stand now; empty when it can. Read from the text, so it is current even
    // before the mark follows an edit.
    QString Fault() const;
    bool HoldsNumber() const;
    // A relation with another field that the number breaks (H1 not below H, ...), set by the dialog
    // that sees both; shown as a fault of this field while it holds a number in range.
    void SetRelationFault(const QString& fault);

    // The check of `edit`, or nullptr when it has none.
    static FieldCheck* Of(const QLineEdit* edit);

  signals:
    // The mark changed: the text was changed, or the field was left.
    void marked(FieldCheck* check);
    // The user changed the text (not the program).
    void edited(FieldCheck* check);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Mark();
    void Restyle(const QString& fault);

    QLineEdit* edit_;
    FieldRule rule_;
    bool left_ = false;  // left holding no number; cleared by the next change of the text
    QString relation_;
};

}  // namespace wallui
