// Field tables, layout and behaviour of the wall-type pages, and the transfer to and from the record.
#include "ui/WallTypePage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "case/CaseDefaults.h"
#include "ui/DialogUnits.h"
#include "ui/NumberText.h"

namespace wallui {
namespace {

using W = wall::CRetainingWall;

// The fields of one page in its four groups.
struct PageLayout {
    std::vector<PageField> overall, toe, heel, materials;
    bool rebar = false;
};

const PageField kTopWidth{1064, &W::m_fTopWidth, "墙顶宽度B(m)"};
const PageField kHeight{1062, &W::m_fHeight, "墙体高度H(m)"};
const PageField kFrontSlope{10007, &W::m_fFrontSlope, "墙胸倾斜坡度(1:m)"};
const PageField kBackSlope{1069, &W::m_fBackSlope, "墙背倾斜坡度(1:m)"};
const PageField kBaseSlope{1070, &W::m_fBaseSlope, "墙底逆坡坡度(m:1)"};
const PageField kToeWidth{1071, &W::m_fToeWidth, "墙趾宽度B1(m)"};
const PageField kToeHeight{1067, &W::m_fToeHeight, "墙趾高度H1(m)"};
const PageField kHeelWidth{1076, &W::m_fHeelWidth, "墙踵宽度B2(m)"};
const PageField kHeelHeight{1075, &W::m_fHeelHeight, "墙踵高度H2(m)"};
const PageField kUnitWeight{1066, &W::m_fUnitWeight, "墙体材料容重RW(kN/m3)"};
const PageField kWallFriction{1072, &W::m_fWallFriction, "墙背与填土之间的摩擦角δ(°)"};
const PageField kBaseFriction{1068, &W::m_fBaseFriction, "墙底与基土的摩擦系数μ："};
const PageField kAllowCompress{1060, &W::m_fAllowCompress, "墙身砌体允许压应力σ(kPa)："};
const PageField kAllowShear{1079, &W::m_fAllowShear, "墙身砌体允许剪应力τ(kPa)："};

PageLayout LayoutOf(int wallType) {
    switch (wallType) {
        case wall::kGravity:
            return {{kTopWidth, kHeight, kFrontSlope, kBackSlope, kBaseSlope},
                    {kToeWidth, kToeHeight},
                    {kHeelWidth, kHeelHeight},
                    {kUnitWeight, kWallFriction, kBaseFriction, kAllowCompress, kAllowShear}};
        case wall::kSemiGravity:
            return {{kTopWidth, kHeight, kFrontSlope, kBackSlope},
                    {kToeWidth, kToeHeight},
                    {{1075, &W::m_fHeelHeight, "墙趾高度H2(m)"}},
                    {kUnitWeight, kWallFriction, kBaseFriction, kAllowCompress, kAllowShear}};
        case wall::kShelf:
            return {{kTopWidth,
                     kHeight,
                     kFrontSlope,
                     {1069, &W::m_fBackSlope, "上墙背倾斜坡度(1:m)"},
                     kBaseSlope,
                     {1078, &W::m_fLowerBackSlope, "下墙背倾斜坡度(1:m)"}},
                    {kToeWidth, kToeHeight},
                    {{1076, &W::m_fHeelWidth, "平台宽度B2(m)"}, {1075, &W::m_fHeelHeight, "上墙高度H2(m)"}},
                    {kUnitWeight, kWallFriction, kBaseFriction, kAllowCompress, kAllowShear}};
        case wall::kCantilever:
            return {{kTopWidth, kHeight, kBackSlope},
                    {kToeWidth, kToeHeight},
                    {kHeelWidth, kHeelHeight},
                    {kUnitWeight, kWallFriction, kBaseFriction},
                    true};
        case wall::kCounterfort:
            return {{kTopWidth,
                     kHeight,
                     {1065, &W::m_fCfSpacing, "扶壁间距l(m)"},
                     {1061, &W::m_fCfThickness, "扶壁板厚b(m)"}},
                    {kToeWidth, kToeHeight},
                    {kHeelWidth, kHeelHeight},
                    {kUnitWeight, kWallFriction, kBaseFriction},
                    true};
        default:
            return {};
    }
}

RebarParams RebarOf(const W& w) {
    return {w.m_nRebarGrade, w.m_nConcreteGrade, w.m_fBarDiameter, w.m_fCover, w.m_fCrackLimit};
}

}  // namespace

WallTypePage::WallTypePage(int wallType, const DialogHooks& hooks, QWidget* parent)
    : QWidget(parent), wallType_(wallType), hooks_(hooks) {
    setFont(DialogFont());
    DialogUnits du(font());
    PageLayout layout = LayoutOf(wallType);

    // Each group is a grid of right-aligned labels and edit fields 40 x 12 dialog units (the shelf
    // page's lower batter 31 x 12).
    auto makeGroup = [&](const std::vector<PageField>& fields) {
        auto* box = new QGroupBox(this);
        auto* grid = new QGridLayout(box);
        grid->setHorizontalSpacing(du.X(3));
        grid->setVerticalSpacing(du.Y(2));
        grid->setContentsMargins(du.X(4), du.Y(4), du.X(4), du.Y(4));
        int row = 0;
        for (const PageField& f : fields) {
            auto* label = new QLabel(QString::fromUtf8(f.label), box);
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            auto* edit = new QLineEdit(box);
            edit->setObjectName(QString("edit%1").arg(f.id));
            edit->setFixedSize(du.Size(f.id == 1078 ? 31 : 40, 12));
            label->setBuddy(edit);
            grid->addWidget(label, row, 0);
            grid->addWidget(edit, row, 1, Qt::AlignLeft);
            ++row;
            fields_.push_back(f);
            edits_.push_back(edit);
            connect(edit, &QLineEdit::textEdited, this, &WallTypePage::changed);
        }
        grid->setColumnStretch(0, 1);
        return box;
    };

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(du.X(6), du.Y(6), du.X(6), du.Y(6));
    page->setSpacing(du.Y(4));
    page->addWidget(makeGroup(layout.overall));
    auto* sides = new QHBoxLayout;
    sides->setSpacing(du.X(4));
    sides->addWidget(makeGroup(layout.toe), 1, Qt::AlignTop);
    sides->addWidget(makeGroup(layout.heel), 1, Qt::AlignTop);
    page->addLayout(sides);
    page->addWidget(makeGroup(layout.materials));
    page->addStretch(1);
    if (layout.rebar) {
        rebarButton_ = new QPushButton(QString::fromUtf8("配筋计算"), this);
        rebarButton_->setObjectName("button10018");
        rebarButton_->setFixedSize(du.Size(56, 13));
        rebarButton_->setAutoDefault(false);
        page->addWidget(rebarButton_, 0, Qt::AlignHCenter);
        connect(rebarButton_, &QPushButton::clicked, this, &WallTypePage::OpenRebarDialog);
    }
    Reset();
}

QString WallTypePage::Title() const {
    std::string_view name = wall::kWallTypeNames[static_cast<std::size_t>(wallType_)];
    return QString::fromUtf8(name.data(), static_cast<int>(name.size()));
}

void WallTypePage::Reset() {
    const W defaults = wall::DefaultWall(wallType_);
    for (std::size_t i = 0; i < fields_.size(); ++i)
        edits_[i]->setText(ShortestFloat(defaults.*fields_[i].member));
    rebar_ = HasRebar() ? RebarOf(defaults) : RebarParams{};
}

QString WallTypePage::FieldText(std::size_t i) const {
    return edits_.at(i)->text();
}

void WallTypePage::SetFieldText(std::size_t i, const QString& text) {
    edits_.at(i)->setText(text);
}

QLineEdit* WallTypePage::FieldEdit(float W::*member) const {
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (fields_[i].member == member) return edits_[i];
    return nullptr;
}

void WallTypePage::OpenRebarDialog() {
    CDlgRebarParam dialog(rebar_, hooks_.showMessage, this);
    if (hooks_.runModal(dialog) == 1) {
        rebar_ = dialog.Values();
        // The main dialog repaints when the reinforcement dialog closes, so the case follows.
        emit changed();
    }
}

wall::CRetainingWall RebuildWall(const WallTypePage& page) {
    W w;
    const std::vector<PageField>& fields = page.Fields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        w.*fields[i].member = static_cast<float>(LeadingNumberOf(page.FieldText(i)));
    if (page.HasRebar()) {
        const RebarParams& p = page.Rebar();
        w.m_nRebarGrade = p.rebarGrade;
        w.m_nConcreteGrade = p.concreteGrade;
        w.m_fBarDiameter = p.barDiameter;
        w.m_fCover = p.cover;
        w.m_fCrackLimit = p.crackLimit;
    }
    return w;
}

void ShowWall(const wall::CRetainingWall& w, WallTypePage& page) {
    const std::vector<PageField>& fields = page.Fields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        page.SetFieldText(i, TwoDecimalsText(w.*fields[i].member));
    if (page.HasRebar()) page.SetRebar(RebarOf(w));
}

}  // namespace wallui
