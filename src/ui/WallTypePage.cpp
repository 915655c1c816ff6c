// Layout and behaviour of the wall-type pages from the field table, and the transfer to and from the record.
#include "ui/WallTypePage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "case/CaseDefaults.h"
#include "case/FieldTable.h"
#include "ui/DialogUnits.h"
#include "ui/FieldCheck.h"
#include "ui/NumberText.h"

namespace wallui {
namespace {

using W = wall::CRetainingWall;

// The fields a type's page shows in one of its groups, in the table's order.
std::vector<PageField> GroupFields(int wallType, wall::FieldPlace group) {
    std::vector<PageField> fields;
    for (const wall::CaseField& f : wall::CaseFieldTable())
        if (f.place == group && wall::ShownForType(f, wallType))
            fields.push_back({f.control, std::get<float W::*>(f.member), wall::FieldLabel(f, wallType), &f});
    return fields;
}

// The reinforced-concrete pages open the reinforcement dialog for the fields it shows.
bool ShowsRebar(int wallType) {
    for (const wall::CaseField& f : wall::CaseFieldTable())
        if (f.place == wall::FieldPlace::kRebarDialog && wall::ShownForType(f, wallType)) return true;
    return false;
}

RebarParams RebarOf(const W& w) {
    return {w.m_nRebarGrade, w.m_nConcreteGrade, w.m_fBarDiameter, w.m_fCover, w.m_fCrackLimit};
}

}  // namespace

WallTypePage::WallTypePage(int wallType, const DialogHooks& hooks, QWidget* parent)
    : QWidget(parent), wallType_(wallType), hooks_(hooks) {
    setFont(DialogFont());
    DialogUnits du(font());

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
            edit->setFixedSize(du.Size(f.member == &W::m_fLowerBackSlope ? 31 : 40, 12));
            label->setBuddy(edit);
            new FieldCheck(edit, RuleOf(*f.field, wallType));
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
    page->addWidget(makeGroup(GroupFields(wallType, wall::FieldPlace::kOverall)));
    auto* sides = new QHBoxLayout;
    sides->setSpacing(du.X(4));
    sides->addWidget(makeGroup(GroupFields(wallType, wall::FieldPlace::kToe)), 1, Qt::AlignTop);
    sides->addWidget(makeGroup(GroupFields(wallType, wall::FieldPlace::kHeel)), 1, Qt::AlignTop);
    page->addLayout(sides);
    page->addWidget(makeGroup(GroupFields(wallType, wall::FieldPlace::kMaterials)));
    page->addStretch(1);
    // The page's buttons in one row at the bottom, centred: "配筋计算" on the reinforced-concrete
    // pages, then "优化尺寸".
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(du.X(8));
    buttons->addStretch(1);
    auto makeButton = [&](const char* text, const char* name) {
        auto* button = new QPushButton(QString::fromUtf8(text), this);
        button->setObjectName(name);
        button->setFixedSize(du.Size(56, 13));
        button->setAutoDefault(false);
        buttons->addWidget(button);
        return button;
    };
    if (ShowsRebar(wallType)) {
        rebarButton_ = makeButton("配筋计算", "button10018");
        connect(rebarButton_, &QPushButton::clicked, this, &WallTypePage::OpenRebarDialog);
    }
    sizeButton_ = makeButton("优化尺寸", "buttonSize");
    connect(sizeButton_, &QPushButton::clicked, this, &WallTypePage::sizeRequested);
    buttons->addStretch(1);
    page->addLayout(buttons);
    Reset();
}

QString WallTypePage::Title() const {
    std::string_view name = wall::kWallTypeNames[static_cast<std::size_t>(wallType_)];
    return QString::fromUtf8(name.data(), static_cast<int>(name.size()));
}

void WallTypePage::Reset() {
    const W defaults = wall::DefaultWall(wallType_);
    // The defaults show as written, not with the decimals a case is shown with.
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
        page.SetFieldText(
            i, QString::fromStdString(wall::FieldValueText(*fields[i].field, w.*fields[i].member)));
    if (page.HasRebar()) page.SetRebar(RebarOf(w));
}

}  // namespace wallui
