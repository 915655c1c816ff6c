// CDlgInfoSoil, the page "坡体信息": slope segments, strip surcharge, earth-pressure theory and the
// first soil layer.
#pragma once

#include <QWidget>
#include <vector>

#include "case/WallCase.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace wallui {

class CaseGrid;
class UpDownControl;

// The segment count after one step of the up-down control (the up arrow sends -1): the up arrow adds a
// segment up to 2, the down arrow removes one down to 1.
int SegmentsAfterStep(int segments, int delta);

class CDlgInfoSoil : public QWidget {
    Q_OBJECT
  public:
    explicit CDlgInfoSoil(QWidget* parent = nullptr);

    // The page as it opens: one segment 5 by 1, surcharge 0, 10, 4, Rankine, layers 17, 0, 30.
    void Reset();
    // The page's values as it keeps them: the tables hold what was typed, not rounded.
    wall::CSoil Soil() const;
    // Takes every scalar and both tables, then rebuilds both grids and shows the values.
    void SetSoil(const wall::CSoil& soil);
    // Shows or hides "土压力计算方法" and its list.
    void SetTheoryVisible(bool visible);

    CaseGrid* SlopeGrid() const { return slopeGrid_; }
    CaseGrid* LayerGrid() const { return layerGrid_; }
    UpDownControl* SegmentArrows() const { return arrows_; }
    // "地基与验算参数…", which asks the dialog for the case's required factors and foundation inputs.
    QPushButton* SettingsButton() const { return settingsButton_; }

  signals:
    // A value of the page changed; the dialog rebuilds the case and redraws the sketch.
    void changed();
    // "地基与验算参数…" was pressed; the dialog, which keeps those inputs, opens their dialog.
    void settingsRequested();
    // A table cell was left holding no number; it keeps its value, and `reason` says why.
    void cellRefused(const QString& reason);

  private:
    // Whether the edited cell holds a number; if not, says so (the caller then keeps the value).
    bool CellHoldsNumber(CaseGrid* grid, const std::vector<QString>& titles, int row, int column);
    void FillSlopeTable();
    void FillLayerTable();
    // Reads the surcharge fields, the segment count and the theory; a field holding no number keeps
    // the page's last value. False when one held none.
    bool ReadPageData();
    void ShowMembers();
    void OnStep(int delta);
    void OnSlopeCellEdited(int row, int column);
    void OnLayerCellEdited(int row, int column);

    wall::CSoil soil_;  // the page's values; the tables hold what was typed, not rounded

    UpDownControl* arrows_;
    QLineEdit* segmentsEdit_;
    CaseGrid* slopeGrid_;
    QLineEdit* offsetEdit_;
    QLineEdit* widthEdit_;
    QLineEdit* pressureEdit_;
    QLabel* theoryLabel_;
    QComboBox* theoryList_;
    QPushButton* settingsButton_;
    CaseGrid* layerGrid_;
};

// The soil record as the case holds it: the page's values, with the table cells the grids show taken
// as shown (two decimals), the way the analyses and the sketch read them.
wall::CSoil RebuildSoil(const CDlgInfoSoil& page);

}  // namespace wallui
