// The wall-type pages: one edit field per wall value, grouped as overall geometry, toe, heel and
// materials; the reinforced-concrete pages also carry the reinforcement parameters. Every page has
// "优化尺寸", which the main dialog answers.
#pragma once

#include <QString>
#include <QWidget>
#include <vector>

#include "case/FieldTable.h"
#include "case/WallCase.h"
#include "ui/DialogHooks.h"
#include "ui/DlgRebarParam.h"

class QLineEdit;
class QPushButton;

namespace wallui {

// One edit field of a page: its control id, the wall field it fills, its label on this page and its
// entry in the field table.
struct PageField {
    int id;
    float wall::CRetainingWall::*member;
    const char* label;
    const wall::CaseField* field;
};

// The page of one wall type. The fields keep the text as typed; the case is rebuilt from it.
class WallTypePage : public QWidget {
    Q_OBJECT
  public:
    int WallType() const { return wallType_; }
    QString Title() const;

    // The page as it opens: every field shows its default, the reinforcement parameters too.
    void Reset();

    // The fields in page order.
    const std::vector<PageField>& Fields() const { return fields_; }
    QString FieldText(std::size_t i) const;
    void SetFieldText(std::size_t i, const QString& text);
    // The field filling `member`, or nullptr when the page has none.
    QLineEdit* FieldEdit(float wall::CRetainingWall::*member) const;

    bool HasRebar() const { return rebarButton_ != nullptr; }
    const RebarParams& Rebar() const { return rebar_; }
    void SetRebar(const RebarParams& p) { rebar_ = p; }
    QPushButton* RebarButton() const { return rebarButton_; }
    QPushButton* SizeButton() const { return sizeButton_; }

  signals:
    // A value of the page changed; the dialog rebuilds the case and redraws the sketch.
    void changed();
    // "优化尺寸" was pressed; the main dialog sizes the case.
    void sizeRequested();

  protected:
    WallTypePage(int wallType, const DialogHooks& hooks, QWidget* parent);

  private:
    void OpenRebarDialog();

    int wallType_;
    const DialogHooks& hooks_;
    std::vector<PageField> fields_;
    std::vector<QLineEdit*> edits_;
    RebarParams rebar_;
    QPushButton* rebarButton_ = nullptr;
    QPushButton* sizeButton_ = nullptr;
};

// Builds the wall record of the page's type: each field the type uses is the number its text starts
// with (0 when none); the reinforcement parameters are copied on the reinforced-concrete pages.
// Fields the type does not use stay zero.
wall::CRetainingWall RebuildWall(const WallTypePage& page);

// Shows a wall record on the page: each field with the decimals of the field table (two), the
// reinforcement parameters as they are.
void ShowWall(const wall::CRetainingWall& wall, WallTypePage& page);

}  // namespace wallui
