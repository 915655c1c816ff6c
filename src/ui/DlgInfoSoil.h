// CDlgInfoSoil, the page "坡体信息": slope segments, strip surcharge, earth-pressure theory and the
// soil layers.
#pragma once

#include <QString>
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

// The most layers "增加土层" makes: as many as an analysis takes.
int LayersAddedMax();

// "增加土层" on a soil record: the last layer in use, which reached down past the base, is given a
// thickness of 1 m and a copy of it below becomes the last. Returns why it cannot (the most layers
// are in use already), or an empty text; the record is then unchanged.
QString AddLayer(wall::CSoil& soil);
// "删除土层": takes away layer `layer` (from 0; past the last in use: the last), the rows below moving
// up, and gives the new last layer a thickness of 0. Returns why it cannot (the only layer), or an
// empty text; the record is then unchanged.
QString RemoveLayer(wall::CSoil& soil, int layer);

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
    QPushButton* AddLayerButton() const { return addLayerButton_; }
    QPushButton* RemoveLayerButton() const { return removeLayerButton_; }
    // "地基与验算参数…", which asks the dialog for the case's required factors and foundation inputs.
    QPushButton* SettingsButton() const { return settingsButton_; }

  signals:
    // A value of the page changed; the dialog rebuilds the case and redraws the sketch.
    void changed();
    // "地基与验算参数…" was pressed; the dialog, which keeps those inputs, opens their dialog.
    void settingsRequested();
    // A table edit was refused: a cell left holding no number (it keeps its value), a layer that
    // cannot be added or removed. `reason` says why; empty, a layer was added or removed after all and
    // the last refusal no longer holds.
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
    void OnAddLayer();
    void OnRemoveLayer();

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
    QPushButton* addLayerButton_;
    QPushButton* removeLayerButton_;
};

// The soil record as the case holds it: the page's values, with the table cells the grids show taken
// as shown (two decimals), the way the analyses and the sketch read them.
wall::CSoil RebuildSoil(const CDlgInfoSoil& page);

}  // namespace wallui
