// The slope, surcharge and soil-layer page: template layout, grids, segment count and number checks.
#include "ui/DlgInfoSoil.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <algorithm>
#include <array>
#include <cstring>

#include "case/CaseDefaults.h"
#include "ui/CaseGrid.h"
#include "ui/DialogUnits.h"
#include "ui/NumberText.h"
#include "ui/UpDownControl.h"

namespace wallui {
namespace {

constexpr std::array<const char*, 5> kSlopeTitles = {"坡线序号", "水平长度(m)", "竖直长度(m)", "坡线长度(m)",
                                                     "坡线仰角(度)"};
constexpr std::array<const char*, 4> kLayerTitles = {"土层序号", "重度(kN/m3)", " 粘聚力 (kPa)",
                                                     "内摩擦角(度)"};

// A grid never shows more columns than it has titles nor more rows than its table holds, whatever a
// case file says.
int SlopeGridColumns(int n) {
    return std::clamp(n, 1, static_cast<int>(kSlopeTitles.size()));
}
int LayerGridColumns(int n) {
    return std::clamp(n, 1, static_cast<int>(kLayerTitles.size()));
}

QLabel* Label(const char* text, const QRect& r, Qt::Alignment align, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setAlignment(align | Qt::AlignVCenter);
    label->setGeometry(r);
    return label;
}

QLineEdit* Edit(int id, const QRect& r, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString("edit%1").arg(id));
    edit->setGeometry(r);
    return edit;
}

}  // namespace

int SegmentsAfterStep(int segments, int delta) {
    if (delta > 0 && segments >= 2) return segments - 1;
    if (delta < 0 && segments < 2) return segments + 1;
    return segments;
}

CDlgInfoSoil::CDlgInfoSoil(const DialogHooks& hooks, QWidget* parent) : QWidget(parent), hooks_(hooks) {
    setFont(DialogFont());
    DialogUnits du(font());
    setMinimumSize(du.Size(235, 246));

    Label("坡面线段数", du.Rect(10, 8, 47, 12), Qt::AlignLeft, this);
    arrows_ = new UpDownControl(this);
    arrows_->setObjectName("updown10001");
    arrows_->setGeometry(du.Rect(57, 6, 14, 14));
    segmentsEdit_ = Edit(10008, du.Rect(74, 7, 23, 13), this);
    segmentsEdit_->setReadOnly(true);
    arrows_->SetBuddy(segmentsEdit_);

    slopeGrid_ = new CaseGrid(this);
    slopeGrid_->setObjectName("grid1043");
    slopeGrid_->setGeometry(du.Rect(5, 24, 224, 66));

    auto* group = new QGroupBox(this);
    group->setGeometry(du.Rect(6, 96, 224, 58));
    Label("面荷载距墙体右上方角点的水平距离(m)", du.Rect(8, 107, 157, 12), Qt::AlignRight, this);
    offsetEdit_ = Edit(1073, du.Rect(168, 107, 40, 12), this);
    Label("面荷载分布宽度BQ(m)", du.Rect(8, 121, 157, 12), Qt::AlignRight, this);
    widthEdit_ = Edit(1074, du.Rect(168, 121, 40, 12), this);
    Label("面荷载BP(kPa)", du.Rect(8, 135, 157, 12), Qt::AlignRight, this);
    pressureEdit_ = Edit(1172, du.Rect(168, 135, 40, 12), this);

    theoryLabel_ = Label("土压力计算方法", du.Rect(10, 165, 62, 12), Qt::AlignLeft, this);
    theoryLabel_->setObjectName("label10020");
    theoryList_ = new QComboBox(this);
    theoryList_->setObjectName("list10012");
    for (std::string_view t : wall::kTheoryNames)
        theoryList_->addItem(QString::fromUtf8(t.data(), int(t.size())));
    theoryList_->setGeometry(du.Rect(74, 164, 69, 13));

    layerGrid_ = new CaseGrid(this);
    layerGrid_->setObjectName("grid10009");
    layerGrid_->setGeometry(du.Rect(5, 181, 224, 59));

    connect(arrows_, &UpDownControl::stepped, this, &CDlgInfoSoil::OnStep);
    connect(slopeGrid_, &CaseGrid::cellEdited, this, &CDlgInfoSoil::OnSlopeCellEdited);
    connect(layerGrid_, &CaseGrid::cellEdited, this, &CDlgInfoSoil::OnLayerCellEdited);
    for (QLineEdit* e : {offsetEdit_, pressureEdit_, widthEdit_}) {
        connect(e, &QLineEdit::textEdited, this, [this] {
            ReadPageData();
            emit changed();
        });
    }
    connect(theoryList_, &QComboBox::currentIndexChanged, this, [this] {
        ReadPageData();
        emit changed();
    });
    Reset();
}

void CDlgInfoSoil::Reset() {
    const wall::CSoil d = wall::DefaultSoil();
    loadOffset_ = d.m_fLoadOffset;
    loadPressure_ = d.m_fLoadPressure;
    loadWidth_ = d.m_fLoadWidth;
    segments_ = d.m_nSlopeSegs;
    theory_ = d.m_nTheory;
    slopeColumns_ = d.m_nSlopeCols;
    slopeRows_ = d.m_nSlopeRows;
    slopeLabels_ = d.m_nSlopeLabels;
    layerColumns_ = d.m_nLayerCols;
    layerLabelBound_ = d.m_nLayerLabels;
    std::memcpy(slope_, d.m_afSlope, sizeof slope_);
    std::memcpy(layer_, d.m_afLayer, sizeof layer_);
    FillSlopeTable();
    FillLayerTable();
    ShowMembers();
}

wall::CSoil CDlgInfoSoil::Soil() const {
    wall::CSoil s;
    s.m_nSlopeCols = slopeColumns_;
    s.m_nLayerCols = layerColumns_;
    s.m_fLoadOffset = loadOffset_;
    s.m_fLoadPressure = loadPressure_;
    s.m_fLoadWidth = loadWidth_;
    s.m_nTheory = theory_;
    s.m_nSlopeSegs = segments_;
    s.m_nSlopeLabels = slopeLabels_;
    s.m_nLayerLabels = layerLabelBound_;
    s.m_nSlopeRows = slopeRows_;
    std::memcpy(s.m_afSlope, slope_, sizeof slope_);
    std::memcpy(s.m_afLayer, layer_, sizeof layer_);
    return s;
}

void CDlgInfoSoil::SetSoil(const wall::CSoil& s) {
    slopeColumns_ = s.m_nSlopeCols;
    layerColumns_ = s.m_nLayerCols;
    loadOffset_ = s.m_fLoadOffset;
    loadPressure_ = s.m_fLoadPressure;
    loadWidth_ = s.m_fLoadWidth;
    theory_ = s.m_nTheory;
    segments_ = s.m_nSlopeSegs;
    slopeLabels_ = s.m_nSlopeLabels;
    layerLabelBound_ = s.m_nLayerLabels;
    // The row count always follows from the segment count; a file cannot make the grid outgrow
    // its table.
    segments_ = std::clamp(segments_, 1, wall::kSlopeRowsMax);
    slopeRows_ = segments_ + 1;
    std::memcpy(slope_, s.m_afSlope, sizeof slope_);
    std::memcpy(layer_, s.m_afLayer, sizeof layer_);
    FillSlopeTable();
    FillLayerTable();
    ShowMembers();
}

void CDlgInfoSoil::SetTheoryVisible(bool visible) {
    theoryLabel_->setVisible(visible);
    theoryList_->setVisible(visible);
}

void CDlgInfoSoil::FillSlopeTable() {
    const int rows = std::clamp(slopeRows_, 1, wall::kSlopeRowsMax + 1);
    const int columns = SlopeGridColumns(slopeColumns_);
    slopeGrid_->SetShape(rows, columns);
    slopeGrid_->LockColumn(3, true);
    slopeGrid_->LockColumn(4, true);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            QString text;
            if (r == 0)
                text = QString::fromUtf8(kSlopeTitles[static_cast<std::size_t>(c)]);
            else if (c == 0)
                text = QString::number(r);
            else
                text = TwoDecimalsText(slope_[r - 1][c - 1]);
            slopeGrid_->SetCellText(r, c, text);
        }
    }
    const int w = slopeGrid_->width();
    const int h = slopeGrid_->height();
    slopeGrid_->setRowHeight(0, h / 3);
    slopeGrid_->setColumnWidth(0, w / 5 - 20);
    for (int c = 1; c < columns; ++c) slopeGrid_->setColumnWidth(c, w / 5);
}

void CDlgInfoSoil::FillLayerTable() {
    // The page shows the header and the first layer only.
    const int rows = 2;
    const int columns = LayerGridColumns(layerColumns_);
    layerGrid_->SetShape(rows, columns);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            QString text;
            if (r == 0)
                text = QString::fromUtf8(kLayerTitles[static_cast<std::size_t>(c)]);
            else if (c == 0)
                text = QString::number(r);
            else
                text = TwoDecimalsText(layer_[r - 1][c - 1]);
            layerGrid_->SetCellText(r, c, text);
        }
    }
    const int w = layerGrid_->width();
    const int h = layerGrid_->height();
    layerGrid_->setRowHeight(0, h / 3);
    layerGrid_->setColumnWidth(0, w / 5 - 20);
    for (int c = 1; c < columns; ++c) layerGrid_->setColumnWidth(c, w / 3 - 18);
}

bool CDlgInfoSoil::ReadPageData() {
    struct Field {
        QLineEdit* edit;
        float* member;
    };
    for (const Field& f : {Field{offsetEdit_, &loadOffset_}, Field{pressureEdit_, &loadPressure_},
                           Field{widthEdit_, &loadWidth_}}) {
        std::optional<float> v = FieldNumber(f.edit->text());
        if (!v) {
            hooks_.showMessage(this, NotANumberText());
            f.edit->setFocus();
            return false;
        }
        *f.member = *v;
    }
    // The segment field is read-only and always holds the count this page wrote into it.
    theory_ = theoryList_->currentIndex();
    return true;
}

void CDlgInfoSoil::ShowMembers() {
    offsetEdit_->setText(ShortestFloat(loadOffset_));
    pressureEdit_->setText(ShortestFloat(loadPressure_));
    widthEdit_->setText(ShortestFloat(loadWidth_));
    segmentsEdit_->setText(QString::number(segments_));
    const QSignalBlocker blocker(theoryList_);
    theoryList_->setCurrentIndex(theory_ >= 0 && theory_ < theoryList_->count() ? theory_ : -1);
}

void CDlgInfoSoil::OnStep(int delta) {
    ReadPageData();
    segments_ = SegmentsAfterStep(segments_, delta);
    slopeRows_ = segments_ + 1;
    FillSlopeTable();
    ShowMembers();
    emit changed();
}

void CDlgInfoSoil::OnSlopeCellEdited(int row, int column) {
    if (row < 1 || row > wall::kSlopeRowsMax) return;
    if (column == 1 || column == 2)
        slope_[row - 1][column - 1] = static_cast<float>(slopeGrid_->CellNumber(row, column));
    for (int i = 0; i < segments_ && i < wall::kSlopeRowsMax; ++i) wall::UpdateSlopeRow(slope_[i]);
    FillSlopeTable();
    ShowMembers();
    emit changed();
}

void CDlgInfoSoil::OnLayerCellEdited(int row, int column) {
    if (row >= 1 && row <= wall::kLayerRowsMax && column >= 1 && column <= wall::kLayerColumns)
        layer_[row - 1][column - 1] = static_cast<float>(layerGrid_->CellNumber(row, column));
    FillLayerTable();
    ShowMembers();
    emit changed();
}

wall::CSoil RebuildSoil(const CDlgInfoSoil& page) {
    wall::CSoil s = page.Soil();
    const CaseGrid* slope = page.SlopeGrid();
    for (int r = 1; r < slope->rowCount() && r <= wall::kSlopeRowsMax; ++r)
        for (int c = 1; c < slope->columnCount() && c <= wall::kSlopeColumns; ++c)
            s.m_afSlope[r - 1][c - 1] = static_cast<float>(slope->CellNumber(r, c));
    const CaseGrid* layer = page.LayerGrid();
    for (int r = 1; r < layer->rowCount() && r <= wall::kLayerRowsMax; ++r)
        for (int c = 1; c < layer->columnCount() && c <= wall::kLayerColumns; ++c)
            s.m_afLayer[r - 1][c - 1] = static_cast<float>(layer->CellNumber(r, c));
    return s;
}

}  // namespace wallui
