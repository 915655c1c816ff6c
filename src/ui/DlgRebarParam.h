// CDlgRebarParam, "配筋计算参数": grades, bar diameter, cover and crack limit of a reinforced wall.
#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>

class QComboBox;
class QLineEdit;

namespace wallui {

// The five reinforcement parameters a reinforced-concrete page carries (wall fields 18 to 22).
struct RebarParams {
    int32_t rebarGrade = 0;     // index into wall::kRebarGrades
    int32_t concreteGrade = 0;  // index into wall::kConcreteGrades
    float barDiameter = 0;      // mm
    float cover = 0;            // mm
    float crackLimit = 0;       // mm
};

class CDlgRebarParam : public QDialog {
    Q_OBJECT
  public:
    using MessageFn = std::function<void(QWidget*, const QString&)>;

    explicit CDlgRebarParam(const RebarParams& initial, MessageFn showMessage, QWidget* parent = nullptr);

    // The values as last read by "确定".
    const RebarParams& Values() const { return values_; }

    // "确定": reads the fields in order and ends with 1 when all are numbers and the crack limit is
    // above zero; otherwise says why, puts the focus on the field and stays open.
    void accept() override;
    // "取消", Escape and the close box end with 2.
    void reject() override;

  private:
    RebarParams values_;
    MessageFn showMessage_;
    QComboBox* rebarList_;
    QComboBox* concreteList_;
    QLineEdit* diameterEdit_;
    QLineEdit* coverEdit_;
    QLineEdit* crackEdit_;
};

}  // namespace wallui
