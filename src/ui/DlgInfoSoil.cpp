// The slope, surcharge and soil-layer page: template layout, grids, segment count, layers added and
// removed, and number checks.
#include "ui/DlgInfoSoil.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <utility>
#include <vector>

#include "analysis/EarthThrust.h"
#include "case/CaseDefaults.h"
#include "case/FieldTable.h"
#include "ui/CaseGrid.h"
#include "ui/DialogUnits.h"
#include "ui/FieldCheck.h"
#include "ui/NumberText.h"
#include "ui/UpDownControl.h"

namespace wallui {
namespace {

using S = wall::CSoil;

// The header cells of a grid: the row numbers' title, then the labels of the table's columns.
std::vector<QString> GridTitles(const char* first, wall::FieldPlace grid) {
    std::vector<QString> titles = {QString::fromUtf8(first)};
    for (const wall::CaseField& f : wall::CaseFieldTable())
        if (f.place == grid) titles.push_back(QString::fromUtf8(f.label));
    return titles;
}

const std::vector<QString>& SlopeTitles() {
    static const std::vector<QString> titles = GridTitles("坡线序号", wall::FieldPlace::kSlopeGrid);
    return titles;
}
const std::vector<QString>& LayerTitles() {
    static const std::vector<QString> titles = GridTitles("土层序号", wall::FieldPlace::kLayerGrid);
    return titles;
}

// A grid never shows more columns than it has titles nor more rows than its table holds, whatever a
// case file says.
int SlopeGridColumns(int n) {
    return std::clamp(n, 1, static_cast<int>(SlopeTitles().size()));
}
// The layer grid shows every column of the table, whatever column count the case file stores.
int LayerGridColumns() {
    return static_cast<int>(LayerTitles().size());
}

// The thickness "增加土层" gives the layer that reached down past the base: the page does not know the
// wall's height, and 1 m is a layer one sees in the sketch and corrects in its cell.
constexpr float kAddedLayerThickness = 1;

// The text of a grid cell holding `value` in the table's `column`.
QString CellText(wall::FieldPlace grid, float value, int column) {
    for (const wall::CaseField& f : wall::CaseFieldTable())
        if (f.place == grid && f.column == column)
            return QString::fromStdString(wall::FieldValueText(f, value));
    return {};
}

QLabel* Label(const char* text, const QRect& r, Qt::Alignment align, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setAlignment(align | Qt::AlignVCenter);
    label->setGeometry(r);
    return label;
}

QLineEdit* Edit(const wall::CaseField& f, const QRect& r, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString("edit%1").arg(f.control));
    edit->setGeometry(r);
    return edit;
}

// A typed number field of the page, marked while it cannot stand. The page's fields are the same
// on every wall type's dialog.
QLineEdit* CheckedEdit(const wall::CaseField& f, const QRect& r, QWidget* parent) {
    QLineEdit* edit = Edit(f, r, parent);
    new FieldCheck(edit, RuleOf(f, wall::kGravity));
    return edit;
}

}  // namespace

int SegmentsAfterStep(int segments, int delta) {
    if (delta > 0 && segments >= 2) return segments - 1;
    if (delta < 0 && segments < 2) return segments + 1;
    return segments;
}

int LayersAddedMax() {
    return std::min(wall::kLayersAnalysed, wall::kLayerRowsMax);
}

QString AddLayer(wall::CSoil& soil) {
    const int n = wall::LayersInUse(soil);
    if (n >= LayersAddedMax())
        return QString::fromUtf8("土层已有%1层，计算最多取%2层，不能再增加").arg(n).arg(LayersAddedMax());
    float* last = soil.m_afLayer[n - 1];
    float* added = soil.m_afLayer[n];
    last[wall::kLayerThickness] = kAddedLayerThickness;
    std::copy(last, last + wall::kLayerColumns, added);
    added[wall::kLayerThickness] = 0;
    return {};
}

QString RemoveLayer(wall::CSoil& soil, int layer) {
    const int n = wall::LayersInUse(soil);
    if (n <= 1) return QString::fromUtf8("只有一层土，不能删除");
    if (layer < 0 || layer >= n) layer = n - 1;
    for (int r = layer; r + 1 < n; ++r)
        std::copy(soil.m_afLayer[r + 1], soil.m_afLayer[r + 1] + wall::kLayerColumns, soil.m_afLayer[r]);
    // Removing the last layer leaves the one above it last; below the others it already reached down.
    soil.m_afLayer[n - 2][wall::kLayerThickness] = 0;
    return {};
}

CDlgInfoSoil::CDlgInfoSoil(QWidget* parent) : QWidget(parent) {
    setFont(DialogFont());
    DialogUnits du(font());
    setMinimumSize(du.Size(235, 246));

    const wall::CaseField& segments = wall::FieldOf(&S::m_nSlopeSegs);
    Label(segments.label, du.Rect(10, 8, 47, 12), Qt::AlignLeft, this);
    arrows_ = new UpDownControl(this);
    arrows_->setObjectName("updown10001");
    arrows_->setGeometry(du.Rect(57, 6, 14, 14));
    segmentsEdit_ = Edit(segments, du.Rect(74, 7, 23, 13), this);
    segmentsEdit_->setReadOnly(true);
    arrows_->SetBuddy(segmentsEdit_);

    slopeGrid_ = new CaseGrid(this);
    slopeGrid_->setObjectName(QString("grid%1").arg(wall::FieldOf(&S::m_afSlope, wall::kSlopeRun).control));
    slopeGrid_->setGeometry(du.Rect(5, 24, 224, 66));

    auto* group = new QGroupBox(this);
    group->setGeometry(du.Rect(6, 96, 224, 58));
    const wall::CaseField& offset = wall::FieldOf(&S::m_fLoadOffset);
    Label(offset.label, du.Rect(8, 107, 157, 12), Qt::AlignRight, this);
    offsetEdit_ = CheckedEdit(offset, du.Rect(168, 107, 40, 12), this);
    const wall::CaseField& width = wall::FieldOf(&S::m_fLoadWidth);
    Label(width.label, du.Rect(8, 121, 157, 12), Qt::AlignRight, this);
    widthEdit_ = CheckedEdit(width, du.Rect(168, 121, 40, 12), this);
    const wall::CaseField& pressure = wall::FieldOf(&S::m_fLoadPressure);
    Label(pressure.label, du.Rect(8, 135, 157, 12), Qt::AlignRight, this);
    pressureEdit_ = CheckedEdit(pressure, du.Rect(168, 135, 40, 12), this);

    const wall::CaseField& theory = wall::FieldOf(&S::m_nTheory);
    theoryLabel_ = Label(theory.label, du.Rect(10, 165, 62, 12), Qt::AlignLeft, this);
    theoryLabel_->setObjectName("label10020");
    theoryList_ = new QComboBox(this);
    theoryList_->setObjectName(QString("list%1").arg(theory.control));
    for (std::string_view t : wall::kTheoryNames)
        theoryList_->addItem(QString::fromUtf8(t.data(), int(t.size())));
    theoryList_->setGeometry(du.Rect(74, 164, 69, 13));
    settingsButton_ = new QPushButton(QString::fromUtf8("地基与验算参数…"), this);
    settingsButton_->setObjectName("buttonSettings");
    settingsButton_->setGeometry(du.Rect(149, 164, 80, 13));
    settingsButton_->setAutoDefault(false);

    layerGrid_ = new CaseGrid(this);
    layerGrid_->setObjectName(
        QString("grid%1").arg(wall::FieldOf(&S::m_afLayer, wall::kLayerUnitWeight).control));
    layerGrid_->setGeometry(du.Rect(5, 181, 224, 49));
    // Scrolled, the layers keep their titles in view.
    layerGrid_->FreezeHeaderRow();
    Label("厚度填0：该层延伸到墙底以下", du.Rect(7, 232, 130, 12), Qt::AlignLeft, this)
        ->setObjectName("labelLastLayer");
    addLayerButton_ = new QPushButton(QString::fromUtf8("增加土层"), this);
    addLayerButton_->setObjectName("buttonAddLayer");
    addLayerButton_->setGeometry(du.Rect(139, 232, 44, 12));
    addLayerButton_->setAutoDefault(false);
    removeLayerButton_ = new QPushButton(QString::fromUtf8("删除土层"), this);
    removeLayerButton_->setObjectName("buttonRemoveLayer");
    removeLayerButton_->setGeometry(du.Rect(185, 232, 44, 12));
    removeLayerButton_->setAutoDefault(false);
    removeLayerButton_->setToolTip(QString::fromUtf8("删除所选的土层，未选时删除最下一层"));

    connect(settingsButton_, &QPushButton::clicked, this, &CDlgInfoSoil::settingsRequested);
    connect(arrows_, &UpDownControl::stepped, this, &CDlgInfoSoil::OnStep);
    connect(slopeGrid_, &CaseGrid::cellEdited, this, &CDlgInfoSoil::OnSlopeCellEdited);
    connect(layerGrid_, &CaseGrid::cellEdited, this, &CDlgInfoSoil::OnLayerCellEdited);
    connect(addLayerButton_, &QPushButton::clicked, this, &CDlgInfoSoil::OnAddLayer);
    connect(removeLayerButton_, &QPushButton::clicked, this, &CDlgInfoSoil::OnRemoveLayer);
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
    soil_ = wall::DefaultSoil();
    FillSlopeTable();
    FillLayerTable();
    ShowMembers();
}

wall::CSoil CDlgInfoSoil::Soil() const {
    return soil_;
}

void CDlgInfoSoil::SetSoil(const wall::CSoil& s) {
    soil_ = s;
    // The row count always follows from the segment count; a file cannot make the grid outgrow
    // its table.
    soil_.m_nSlopeSegs = std::clamp(soil_.m_nSlopeSegs, 1, wall::kSlopeRowsMax);
    soil_.m_nSlopeRows = soil_.m_nSlopeSegs + 1;
    FillSlopeTable();
    FillLayerTable();
    ShowMembers();
}

void CDlgInfoSoil::SetTheoryVisible(bool visible) {
    theoryLabel_->setVisible(visible);
    theoryList_->setVisible(visible);
}

void CDlgInfoSoil::FillSlopeTable() {
    const int rows = std::clamp(soil_.m_nSlopeRows, 1, wall::kSlopeRowsMax + 1);
    const int columns = SlopeGridColumns(soil_.m_nSlopeCols);
    slopeGrid_->SetShape(rows, columns);
    // The columns computed from the others cannot be edited; the grid's column 0 numbers the rows.
    for (const wall::CaseField& f : wall::CaseFieldTable())
        if (f.place == wall::FieldPlace::kSlopeGrid && f.derived) slopeGrid_->LockColumn(f.column + 1, true);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            QString text;
            if (r == 0)
                text = SlopeTitles()[static_cast<std::size_t>(c)];
            else if (c == 0)
                text = QString::number(r);
            else
                text = CellText(wall::FieldPlace::kSlopeGrid, soil_.m_afSlope[r - 1][c - 1], c - 1);
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
    // The header, then every layer in use.
    const int rows = wall::LayersInUse(soil_) + 1;
    const int columns = LayerGridColumns();
    layerGrid_->SetShape(rows, columns);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            QString text;
            if (r == 0)
                text = LayerTitles()[static_cast<std::size_t>(c)];
            else if (c == 0)
                text = QString::number(r);
            else
                text = CellText(wall::FieldPlace::kLayerGrid, soil_.m_afLayer[r - 1][c - 1], c - 1);
            layerGrid_->SetCellText(r, c, text);
        }
    }
    // The titles take two lines, a layer one; three layers share the grid's height and more scroll.
    const QFontMetrics metrics = layerGrid_->fontMetrics();
    const int line = metrics.lineSpacing();
    const int frame = 2 * layerGrid_->frameWidth();
    const int titleHeight = 2 * line + 6;
    layerGrid_->verticalHeader()->setMinimumSectionSize(line + 2);
    const int rowHeight = std::max(line + 2, (layerGrid_->height() - frame - titleHeight) / 3);
    layerGrid_->setRowHeight(0, titleHeight);
    for (int r = 1; r < rows; ++r) layerGrid_->setRowHeight(r, rowHeight);
    // The width inside the frame, less the scroll bar when the rows do not fit.
    int inner = layerGrid_->width() - frame;
    if (titleHeight + (rows - 1) * rowHeight > layerGrid_->height() - frame)
        inner -= layerGrid_->verticalScrollBar()->sizeHint().width();
    // The numbers' column is two characters wide ("土层" over "序号"); the others share the rest, the
    // last taking what is left (the header stretches it, but does not narrow it below its width).
    const int first =
        std::max(metrics.horizontalAdvance(QString::fromUtf8("土层")) + metrics.averageCharWidth(),
                 layerGrid_->horizontalHeader()->minimumSectionSize());
    const int each = (inner - first) / (columns - 1);
    layerGrid_->setColumnWidth(0, first);
    for (int c = 1; c < columns; ++c)
        layerGrid_->setColumnWidth(c, c < columns - 1 ? each : inner - first - each * (columns - 2));
}

bool CDlgInfoSoil::ReadPageData() {
    struct Field {
        QLineEdit* edit;
        float S::*member;
    };
    bool allNumbers = true;
    for (const Field& f : {Field{offsetEdit_, &S::m_fLoadOffset}, Field{pressureEdit_, &S::m_fLoadPressure},
                           Field{widthEdit_, &S::m_fLoadWidth}}) {
        // A field holding no number keeps its last number; its mark says why.
        if (std::optional<float> v = FieldNumber(f.edit->text()))
            soil_.*f.member = *v;
        else
            allNumbers = false;
    }
    // The segment field is read-only and always holds the count this page wrote into it.
    soil_.m_nTheory = theoryList_->currentIndex();
    return allNumbers;
}

void CDlgInfoSoil::ShowMembers() {
    for (auto [edit, member] :
         {std::pair{offsetEdit_, &S::m_fLoadOffset}, std::pair{pressureEdit_, &S::m_fLoadPressure},
          std::pair{widthEdit_, &S::m_fLoadWidth}})
        edit->setText(QString::fromStdString(wall::FieldValueText(wall::FieldOf(member), soil_.*member)));
    const wall::CaseField& segments = wall::FieldOf(&S::m_nSlopeSegs);
    segmentsEdit_->setText(QString::fromStdString(wall::FieldValueText(segments, soil_.m_nSlopeSegs)));
    const QSignalBlocker blocker(theoryList_);
    const int theory = soil_.m_nTheory;
    theoryList_->setCurrentIndex(theory >= 0 && theory < theoryList_->count() ? theory : -1);
}

void CDlgInfoSoil::OnStep(int delta) {
    ReadPageData();
    soil_.m_nSlopeSegs = SegmentsAfterStep(soil_.m_nSlopeSegs, delta);
    soil_.m_nSlopeRows = soil_.m_nSlopeSegs + 1;
    FillSlopeTable();
    ShowMembers();
    emit changed();
}

bool CDlgInfoSoil::CellHoldsNumber(CaseGrid* grid, const std::vector<QString>& titles, int row, int column) {
    if (FieldNumber(grid->CellText(row, column))) return true;
    const QString title = column < static_cast<int>(titles.size()) ? titles[column] : QString();
    emit cellRefused(QString::fromUtf8("%1 第 %2 行：").arg(title).arg(row) + NotANumberText());
    return false;
}

void CDlgInfoSoil::OnSlopeCellEdited(int row, int column) {
    if (row < 1 || row > wall::kSlopeRowsMax) return;
    // A cell left without a number keeps its value: refilling the table puts it back.
    if ((column == 1 || column == 2) && !CellHoldsNumber(slopeGrid_, SlopeTitles(), row, column)) {
        FillSlopeTable();
        return;
    }
    if (column == 1 || column == 2)
        soil_.m_afSlope[row - 1][column - 1] = static_cast<float>(slopeGrid_->CellNumber(row, column));
    for (int i = 0; i < soil_.m_nSlopeSegs && i < wall::kSlopeRowsMax; ++i)
        wall::UpdateSlopeRow(soil_.m_afSlope[i]);
    FillSlopeTable();
    ShowMembers();
    emit changed();
}

void CDlgInfoSoil::OnLayerCellEdited(int row, int column) {
    if (row < 1 || row > wall::kLayerRowsMax || column < 1 || column > wall::kLayerColumns) return;
    if (!CellHoldsNumber(layerGrid_, LayerTitles(), row, column)) {
        FillLayerTable();
        return;
    }
    const int before = wall::LayersInUse(soil_);
    float* layer = soil_.m_afLayer[row - 1];
    layer[column - 1] = static_cast<float>(layerGrid_->CellNumber(row, column));
    // A thickness given to the last layer opens the row below: it starts as that layer's copy reaching
    // down past the base, as 增加土层 makes it, not as whatever the table last held there.
    if (column - 1 == wall::kLayerThickness && row == before && row < wall::kLayerRowsMax &&
        wall::AsShown(layer[wall::kLayerThickness]) > 0) {
        std::copy(layer, layer + wall::kLayerColumns, soil_.m_afLayer[row]);
        soil_.m_afLayer[row][wall::kLayerThickness] = 0;
    }
    FillLayerTable();
    ShowMembers();
    emit changed();
}

void CDlgInfoSoil::OnAddLayer() {
    if (const QString refusal = AddLayer(soil_); !refusal.isEmpty()) {
        emit cellRefused(refusal);
        return;
    }
    FillLayerTable();
    // The new layer comes into view.
    layerGrid_->scrollToBottom();
    emit cellRefused({});
    emit changed();
}

void CDlgInfoSoil::OnRemoveLayer() {
    // The selected layer, or the last one when none is.
    const int current = layerGrid_->currentRow();
    const bool selected = current >= 1 && layerGrid_->selectionModel()->hasSelection();
    if (const QString refusal = RemoveLayer(soil_, selected ? current - 1 : -1); !refusal.isEmpty()) {
        emit cellRefused(refusal);
        return;
    }
    FillLayerTable();
    emit cellRefused({});
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
