// CDlgCaseSettings, "地基与验算参数": the required factors against overturning and sliding, the
// allowable bearing pressure and the eccentricity limit of the case, and its ground water.
#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "case/WallCase.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace wallui {

class CDlgCaseSettings : public QDialog {
    Q_OBJECT
  public:
    using MessageFn = std::function<void(QWidget*, const QString&)>;

    explicit CDlgCaseSettings(const wall::CaseSettings& initial, MessageFn showMessage,
                              QWidget* parent = nullptr);

    // The values as last accepted by "确定"; until then the ones the dialog opened with.
    const wall::CaseSettings& Values() const { return values_; }

    // "确定": reads the fields in order, then the water mode, and ends with 1 when every one is a
    // number in its range (an empty fa: not checked; an empty water level: no water there);
    // otherwise names the field and why, puts the focus on it, stays open and keeps the values it
    // opened with.
    void accept() override;
    // "取消", Escape and the close box end with 2.
    void reject() override;

  private:
    wall::CaseSettings values_;
    MessageFn showMessage_;
    std::array<QLineEdit*, 25> edits_{};
    QComboBox* waterMode_ = nullptr;
    QCheckBox* sand_ = nullptr;
    QComboBox* soilClass_ = nullptr;
};

}  // namespace wallui
