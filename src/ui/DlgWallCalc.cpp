// The main calculation dialog: layout, type change, transfer between pages and case, and the
// open, save and calculate flows.
#include "ui/DlgWallCalc.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>
#include <algorithm>
#include <filesystem>

#include "analysis/ValidateCase.h"
#include "calc/CalculateCase.h"
#include "case/CaseDefaults.h"
#include "case/CaseFile.h"
#include "case/CaseJson.h"
#include "case/FieldTable.h"
#include "drawing/SketchComposition.h"
#include "fileio/AtomicFile.h"
#include "qtpaint/QtPainterDevice.h"
#include "ui/DialogUnits.h"
#include "ui/DlgCaseSettings.h"
#include "ui/DlgInfoSoil.h"
#include "ui/DlgInfoWallPages.h"
#include "ui/FieldCheck.h"
#include "ui/ManualHelp.h"
#include "ui/NumberText.h"
#include "ui/RecentCases.h"
#include "ui/SizeProposal.h"
#include "ui/SketchArea.h"
#include "ui/WheelGuard.h"

namespace wallui {
namespace {

// Shows the wait cursor until the scope ends.
class WaitCursor {
  public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { Release(); }
    void Release() {
        if (active_) QGuiApplication::restoreOverrideCursor();
        active_ = false;
    }

  private:
    bool active_ = true;
};

std::filesystem::path ToPath(const QString& s) {
    return std::filesystem::path(s.toStdString());
}

QString FromStd(const std::string& s) {
    return QString::fromStdString(s);
}

// Dialog units: the window's default size, the left column's (buttons, type list, pages), the least
// window, and the sketch area's margins in it. Below the default the left column scrolls and the
// sketch shrinks, so the window fits a 1366×768 screen at 125 %.
constexpr int kDialogWidth = 522;
constexpr int kDialogHeight = 312;
constexpr int kPaneWidth = 250;
constexpr int kPaneHeight = 299;
constexpr int kLeastWidth = 300;
constexpr int kLeastHeight = 140;
constexpr int kSketchLeft = 251;
constexpr int kSketchTop = 9;
constexpr int kSketchRightMargin = 5;
constexpr int kStatusHeight = 10;
constexpr int kStatusBottomMargin = 2;

}  // namespace

QString BinaryCaseFilter() {
    return QString::fromUtf8("挡土墙计算数据文件 (*.%1)").arg(QString::fromUtf8(wall::kDialogTitle));
}

QString TextCaseFilter() {
    return QString::fromUtf8("挡土墙工况文本 (*.wall.json)");
}

std::filesystem::path ChosenCasePath(const FileChoice& choice) {
    std::filesystem::path path = ToPath(choice.path);
    if (!path.has_extension() && choice.filter == TextCaseFilter()) return path += ".wall.json";
    return wall::WithCaseExtension(path);
}

CDlgWallCalc::~CDlgWallCalc() {
    // Hiding the dialog, which QDialog's destructor does, moves the focus and so makes a field or a
    // cell editor report that it was left; this object is no longer whole by then.
    for (QObject* child : findChildren<QObject*>()) QObject::disconnect(child, nullptr, this, nullptr);
}

CDlgWallCalc::CDlgWallCalc(wall::HostServices& host, DialogHooks hooks, QWidget* parent)
    : QDialog(parent), host_(host), hooks_(std::move(hooks)), case_(wall::DefaultCase(wall::kCounterfort)) {
    soilKept_ = case_.soil;
    setWindowTitle(QString::fromUtf8(wall::kDialogTitle));
    setFont(DialogFont());
    DialogUnits du(font());
    // Opens at the size the controls were laid out for; a smaller screen scrolls the left column.
    resize(du.Size(kDialogWidth, kDialogHeight));
    setMinimumSize(du.Size(kLeastWidth, kLeastHeight));
    leftScroll_ = new QScrollArea(this);
    leftScroll_->setObjectName("leftColumn");
    leftScroll_->setFrameShape(QFrame::NoFrame);
    leftPane_ = new QWidget;
    leftPane_->setFixedSize(du.Size(kPaneWidth, kPaneHeight));
    leftScroll_->setWidget(leftPane_);
    QWidget* pane = leftPane_;

    struct Button {
        int id;
        const char* text;
        int x;
        void (CDlgWallCalc::*action)();
    };
    // Alt with the letter presses the button.
    for (const Button& b : {Button{1006, "打开(&O)", 14, &CDlgWallCalc::OnOpen},
                            Button{1014, "保存(&S)", 62, &CDlgWallCalc::OnSave},
                            Button{1000, "计算(&C)", 110, &CDlgWallCalc::OnCalculate},
                            Button{2, "取消", 157, &CDlgWallCalc::reject},
                            Button{1007, "帮助(&H)", 201, &CDlgWallCalc::OnHelp}}) {
        QAbstractButton* button = nullptr;
        if (b.id == 1006) {
            // "打开" itself browses as before; its arrow offers the recent files, then "浏览…".
            auto* open = new QToolButton(pane);
            open->setPopupMode(QToolButton::MenuButtonPopup);
            openMenu_ = new QMenu(open);
            connect(openMenu_, &QMenu::aboutToShow, this, &CDlgWallCalc::FillOpenMenu);
            open->setMenu(openMenu_);
            button = open;
        } else {
            auto* push = new QPushButton(pane);
            // Enter in a field must not end the dialog; only the buttons act.
            push->setAutoDefault(false);
            button = push;
        }
        button->setText(QString::fromUtf8(b.text));
        button->setObjectName(QString("button%1").arg(b.id));
        button->setGeometry(du.Rect(b.x, 5, 35, 14));
        if (b.action) connect(button, &QAbstractButton::clicked, this, b.action);
    }

    auto* typeLabel = new QLabel(QString::fromUtf8("挡土墙类型"), pane);
    typeLabel->setGeometry(du.Rect(38, 24, 56, 10));
    typeList_ = new QComboBox(pane);
    typeList_->setObjectName("list10004");
    for (std::string_view name : wall::kWallTypeNames)
        typeList_->addItem(QString::fromUtf8(name.data(), static_cast<int>(name.size())));
    typeList_->setGeometry(du.Rect(96, 23, 95, 13));
    typeList_->setCurrentIndex(case_.wallType);

    pages_ = new QTabWidget(pane);
    pages_->setObjectName("pages10002");
    pages_->setGeometry(du.Rect(1, 38, 248, 260));
    for (int t = 0; t < wall::kWallTypeCount; ++t) {
        typePages_[static_cast<std::size_t>(t)] = MakeWallTypePage(t, hooks_, this);
        WallTypePage* page = typePages_[static_cast<std::size_t>(t)];
        page->hide();
        connect(page, &WallTypePage::changed, this, &CDlgWallCalc::RefreshSketch);
        connect(page, &WallTypePage::sizeRequested, this, &CDlgWallCalc::OnSizeWall);
    }
    soilPage_ = new CDlgInfoSoil(this);
    soilPage_->hide();
    connect(soilPage_, &CDlgInfoSoil::changed, this, &CDlgWallCalc::RefreshSketch);
    connect(soilPage_, &CDlgInfoSoil::cellRefused, this, [this](const QString& reason) {
        // No reason: the last refusal no longer holds, and the fields' own marks show again.
        if (reason.isEmpty()) {
            ShowMark(nullptr);
            return;
        }
        status_->setText(reason);
        status_->setToolTip(reason);
    });
    connect(soilPage_, &CDlgInfoSoil::settingsRequested, this, &CDlgWallCalc::OpenSettingsDialog);

    sketch_ = new SketchArea(this);
    sketch_->setObjectName("sketch10013");
    status_ = new QLabel(this);
    status_->setObjectName("status");
    QPalette statusColours = status_->palette();
    statusColours.setColor(QPalette::WindowText, QColor(0xc0, 0, 0));
    status_->setPalette(statusColours);
    sketch_->SetPainter([this](QPainter& painter, const QRect& r) {
        QtPainterDevice device(painter, DialogFont());
        wall::PaintPreview(m_canvasPreview, device, r.width(), r.height());
    });

    for (FieldCheck* check : findChildren<FieldCheck*>()) {
        connect(check, &FieldCheck::marked, this, &CDlgWallCalc::ShowMark);
        // The field the user typed into last: a relation it breaks is marked on it.
        connect(check, &FieldCheck::edited, this, [this](FieldCheck* edited) { lastEdited_ = edited; });
    }
    connect(typeList_, &QComboBox::currentIndexChanged, this, &CDlgWallCalc::ChooseWallType);
    SwapPages();
    RefreshSketch();
    ShowTheoryControls();
    GuardWheel(this);
    AddShortcuts();
    MarkSaved();
    FocusFirstField();
}

void CDlgWallCalc::AddShortcuts() {
    const struct {
        QKeySequence keys;
        void (CDlgWallCalc::*action)();
    } shortcuts[] = {{QKeySequence::Open, &CDlgWallCalc::OnOpen},
                     {QKeySequence::Save, &CDlgWallCalc::OnSave},
                     {QKeySequence(Qt::Key_F1), &CDlgWallCalc::OnHelp},
                     {QKeySequence(Qt::Key_F9), &CDlgWallCalc::OnCalculate},
                     {QKeySequence(Qt::CTRL | Qt::Key_Return), &CDlgWallCalc::OnCalculate},
                     {QKeySequence(Qt::CTRL | Qt::Key_Enter), &CDlgWallCalc::OnCalculate}};
    for (const auto& s : shortcuts) {
        auto* shortcut = new QShortcut(s.keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, s.action);
    }
}

void CDlgWallCalc::FocusFirstField() {
    if (WallTypePage* page = CurrentPage(); page && !page->Fields().empty())
        if (QLineEdit* first = page->FieldEdit(page->Fields().front().member)) first->setFocus();
}

void CDlgWallCalc::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous() && !shownOnce_) {
        shownOnce_ = true;
        // A screen smaller than the laid-out window (1366×768 at 125 %) gets a window that fits it,
        // frame included; the left column then scrolls. Offscreen there is no screen to fit.
        if (QScreen* s = screen(); s && QGuiApplication::platformName() != QLatin1String("offscreen")) {
            const QRect room = s->availableGeometry();
            const QSize frame = frameGeometry().size() - geometry().size();
            const QSize fits(std::min(width(), room.width() - frame.width()),
                             std::min(height(), room.height() - std::max(frame.height(), 30)));
            if (fits != size()) resize(fits.expandedTo(minimumSize()));
        }
        FocusFirstField();
    }
}

WallTypePage* CDlgWallCalc::CurrentPage() const {
    if (case_.wallType < 0 || case_.wallType >= wall::kWallTypeCount) return nullptr;
    return typePages_[static_cast<std::size_t>(case_.wallType)];
}

wall::WallCase CDlgWallCalc::CaseForFile() const {
    wall::WallCase c = case_;
    c.soil = soilKept_;
    return c;
}

void CDlgWallCalc::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    LayOut();
}

void CDlgWallCalc::LayOut() {
    DialogUnits du(font());
    const int statusTop = height() - du.Y(kStatusHeight + kStatusBottomMargin);
    status_->setGeometry(du.X(4), statusTop, width() - du.X(4 + kSketchRightMargin), du.Y(kStatusHeight));
    // The left column at its laid-out size where the window has room, else scrolling; the sketch
    // takes the rest.
    const int paneHeight = statusTop - du.Y(1);
    const bool scrolls = paneHeight < leftPane_->height();
    const int columnWidth =
        std::min(leftPane_->width() + (scrolls ? leftScroll_->verticalScrollBar()->sizeHint().width() : 0),
                 width() / 2);
    leftScroll_->setGeometry(0, 0, columnWidth, paneHeight);
    const int sketchLeft = std::max(du.X(kSketchLeft), columnWidth + du.X(1));
    sketch_->setGeometry(sketchLeft, du.Y(kSketchTop),
                         std::max(0, width() - sketchLeft - du.X(kSketchRightMargin)),
                         std::max(0, statusTop - du.Y(kSketchTop + 1)));
}

std::vector<FieldCheck*> CDlgWallCalc::ShownChecks() const {
    std::vector<FieldCheck*> checks;
    for (QWidget* page : {static_cast<QWidget*>(CurrentPage()), static_cast<QWidget*>(soilPage_)})
        if (page)
            for (FieldCheck* check : page->findChildren<FieldCheck*>()) checks.push_back(check);
    return checks;
}

void CDlgWallCalc::ShowMark(FieldCheck* marked) {
    const std::vector<FieldCheck*> shown = ShownChecks();
    QString text;
    if (marked && std::find(shown.begin(), shown.end(), marked) != shown.end()) text = marked->Fault();
    for (std::size_t i = 0; i < shown.size() && text.isEmpty(); ++i) text = shown[i]->Fault();
    QPalette colours = status_->palette();
    colours.setColor(QPalette::WindowText, QColor(0xc0, 0, 0));
    status_->setPalette(colours);
    status_->setText(text);
    status_->setToolTip(text);
}

void CDlgWallCalc::ShowNote(const QString& text) {
    QPalette colours = status_->palette();
    colours.setColor(QPalette::WindowText, palette().color(QPalette::WindowText));
    status_->setPalette(colours);
    status_->setText(text);
    status_->setToolTip(text);
}

void CDlgWallCalc::MarkRelations() {
    const std::vector<FieldCheck*> shown = ShownChecks();
    std::vector<std::pair<FieldCheck*, QString>> marks;
    for (const wall::Finding& f : wall::RelationFindings(case_)) {
        FieldCheck* own = nullptr;
        FieldCheck* other = nullptr;
        for (FieldCheck* check : shown) {
            const std::string title = check->Title().toStdString();
            if (title == f.field) own = check;
            if (!f.other.empty() && title == f.other) other = check;
        }
        FieldCheck* at = other && other == lastEdited_ ? other : own ? own : other;
        if (at) marks.emplace_back(at, QString::fromStdString(f.message));
    }
    for (FieldCheck* check : shown) {
        QString fault;
        for (const auto& [at, message] : marks)
            if (at == check && fault.isEmpty()) fault = message;
        check->SetRelationFault(fault);
    }
}

bool CDlgWallCalc::RefuseMissingNumber() {
    for (FieldCheck* check : ShownChecks()) {
        if (check->HoldsNumber()) continue;
        // The page holding the field comes forward, so the focus lands where the user can see it.
        if (soilPage_->isAncestorOf(check->Edit()))
            pages_->setCurrentWidget(soilPage_);
        else if (CurrentPage())
            pages_->setCurrentWidget(CurrentPage());
        hooks_.showMessage(this, check->Title() + QString::fromUtf8("：") + NotANumberText());
        check->Edit()->setFocus();
        return true;
    }
    return false;
}

void CDlgWallCalc::FillOpenMenu() {
    openMenu_->clear();
    int n = 0;
    for (const QString& path : ExistingRecentCaseFiles()) {
        QAction* action = openMenu_->addAction(QString("&%1 %2").arg(++n).arg(QFileInfo(path).fileName()));
        action->setToolTip(path);
        action->setData(path);
        connect(action, &QAction::triggered, this, [this, path] {
            if (!ConfirmDiscard()) return;
            fileName_ = path;
            filePath_ = ToPath(path);
            OpenCaseFile(path);
        });
    }
    if (n > 0) openMenu_->addSeparator();
    connect(openMenu_->addAction(QString::fromUtf8("浏览…")), &QAction::triggered, this,
            &CDlgWallCalc::OnOpen);
}

void CDlgWallCalc::SwapPages(bool keepSoil) {
    const int active = pages_->currentIndex();
    while (pages_->count() > 0) pages_->removeTab(pages_->count() - 1);
    for (WallTypePage* page : typePages_) page->hide();
    // The wall page comes up as it opens: another type's dimensions mean nothing to this one.
    if (WallTypePage* page = CurrentPage()) {
        page->Reset();
        pages_->addTab(page, page->Title());
    }
    if (!keepSoil) soilPage_->Reset();
    pages_->addTab(soilPage_, QString::fromUtf8("坡体信息"));
    pages_->setCurrentIndex(active >= 0 && active < pages_->count() ? active : 0);
}

void CDlgWallCalc::ShowTheoryControls() {
    soilPage_->SetTheoryVisible(wall::ShownForType(wall::FieldOf(&wall::CSoil::m_nTheory), case_.wallType));
}

void CDlgWallCalc::RebuildWall() {
    if (const WallTypePage* page = CurrentPage()) case_.wall = wallui::RebuildWall(*page);
}

void CDlgWallCalc::RebuildSoil() {
    soilKept_ = soilPage_->Soil();
    case_.soil = wallui::RebuildSoil(*soilPage_);
}

void CDlgWallCalc::ShowWall() {
    if (WallTypePage* page = CurrentPage()) wallui::ShowWall(case_.wall, *page);
}

void CDlgWallCalc::ShowSoil() {
    soilPage_->SetSoil(soilKept_);
}

void CDlgWallCalc::RefreshSketch() {
    RebuildWall();
    RebuildSoil();
    MarkRelations();
    // The status line follows the edit: a stale note or refusal goes once the fields stand.
    ShowMark(lastEdited_);
    // A field that cannot stand would draw nonsense (a wall of height -5 upside down, a toe above
    // the wall); the sketch keeps the last case that could.
    for (const FieldCheck* check : ShownChecks())
        if (!check->Fault().isEmpty()) return;
    sketchCase_ = case_;
    wall::ComposePreview(m_canvasPreview, sketchCase_);
    sketch_->repaint();
}

void CDlgWallCalc::ChooseWallType(int wallType) {
    if (wallType < 0 || wallType >= wall::kWallTypeCount) return;
    case_.wallType = wallType;
    lastEdited_ = nullptr;
    SwapPages(true);
    RefreshSketch();
    ShowTheoryControls();
    ShowMark(nullptr);
    const QSignalBlocker blocker(typeList_);
    typeList_->setCurrentIndex(wallType);
}

void CDlgWallCalc::ShowCase() {
    lastEdited_ = nullptr;
    SwapPages();
    ShowWall();
    ShowSoil();
    RefreshSketch();
    ShowTheoryControls();
    ShowMark(nullptr);
    const QSignalBlocker blocker(typeList_);
    typeList_->setCurrentIndex(case_.wallType);
}

bool CDlgWallCalc::ReadCase(const QString& path) {
    wall::WallCase read;
    wall::CaseIoResult r = wall::ReadCaseFile(ToPath(path), read);
    switch (r.status) {
        case wall::CaseIoStatus::kOk:
            RememberCaseFile(path);
            case_ = read;
            soilKept_ = read.soil;
            return true;
        case wall::CaseIoStatus::kCannotOpen:
        case wall::CaseIoStatus::kIoError:
            // The case stays as it was; the pages are refreshed from it as after a cancelled choice.
            hooks_.showMessage(this, FromStd(r.message));
            return true;
        case wall::CaseIoStatus::kShortFile:
        case wall::CaseIoStatus::kInvalid:
            hooks_.showMessage(this, FromStd(r.message));
            return false;
    }
    return false;
}

void CDlgWallCalc::OpenCaseFile(const QString& path) {
    if (!ReadCase(path)) return;
    ShowCase();
    MarkSaved();
}

FileDialogRequest CDlgWallCalc::FileRequest(FileDialogMode mode) const {
    FileDialogRequest r;
    r.mode = mode;
    r.title = QString::fromUtf8("读取挡土墙计算数据");
    r.filter = BinaryCaseFilter() + ";;" + TextCaseFilter() + QString::fromUtf8(";;所有文件 (*.*)");
    r.selectedFilter = wall::IsTextCasePath(filePath_) ? TextCaseFilter() : BinaryCaseFilter();
    // A new run starts in the folder of the file last opened or saved.
    r.initialName = fileName_.isEmpty() ? LastCaseFolder() : fileName_;
    return r;
}

void CDlgWallCalc::OnOpen() {
    if (!ConfirmDiscard()) return;
    std::optional<FileChoice> chosen = hooks_.chooseFile(this, FileRequest(FileDialogMode::kOpen));
    if (chosen) {
        fileName_ = chosen->path;
        filePath_ = ChosenCasePath(*chosen);
        // Either format, recognised by its content.
        if (!ReadCase(FromStd(filePath_.string()))) return;
    }
    // Also after a cancelled choice: the pages show the case as last rebuilt, with two decimals.
    ShowCase();
    if (chosen) MarkSaved();
}

void CDlgWallCalc::OnSave() {
    if (RefuseMissingNumber()) return;
    RebuildWall();
    RebuildSoil();
    // A case with a red field is saved only when meant: it opens again with the field red.
    QStringList faulty;
    for (FieldCheck* check : ShownChecks())
        if (!check->Fault().isEmpty()) faulty << check->Title();
    if (!faulty.isEmpty() &&
        !Ask(QString::fromUtf8("%1超出范围，仍要保存？").arg(faulty.join(QString::fromUtf8("、"))), false))
        return;
    std::optional<FileChoice> chosen = hooks_.chooseFile(this, FileRequest(FileDialogMode::kSave));
    if (chosen) {
        fileName_ = chosen->path;
        filePath_ = ChosenCasePath(*chosen);
        const std::filesystem::path& path = filePath_;
        wall::CaseIoResult r = wall::WriteCaseFile(path, CaseForFile());
        // A file that cannot be written is said so; the user would otherwise believe it saved.
        if (r.status == wall::CaseIoStatus::kCannotOpen)
            hooks_.showMessage(
                this,
                QString::fromUtf8("不能写入文件 %1（%2）。").arg(FromStd(path.string()), FromStd(r.message)));
        else if (!r.ok())
            hooks_.showMessage(this, FromStd(r.message));
        // Saved, but a binary file has no room for the required factors and foundation inputs.
        else if (!r.warning.empty())
            hooks_.showMessage(this, FromStd(r.warning));
        if (r.ok()) {
            MarkSaved();
            RememberCaseFile(FromStd(path.string()));
            ShowNote(QString::fromUtf8("已保存：%1").arg(FromStd(path.string())));
        }
    }
    WriteFixedCopies();
}

void CDlgWallCalc::WriteFixedCopies() {
    if (!hooks_.fixedCopies) return;
    std::error_code ec;
    std::filesystem::path current = std::filesystem::current_path(ec);
    if (ec) current = ".";
    wall::CaseIoResult r = wall::WriteFixedCopies(CaseForFile(), host_.WorkPath(), current);
    // Only a failure part-way through a transfer is reported, with its cause number.
    if (r.status == wall::CaseIoStatus::kIoError) hooks_.showMessage(this, FromStd(r.message));
}

void CDlgWallCalc::OnCalculate() {
    const std::string itemPath = host_.ItemWorkPath();
    std::error_code ec;
    std::filesystem::current_path(itemPath, ec);
    if (ec) {
        // Without it the drawings and the case copy would land in an unexpected folder.
        hooks_.showMessage(this, QString::fromUtf8("不能进入工作目录 %1：%2")
                                     .arg(FromStd(itemPath),
                                          FromStd(wall::FileErrorText(ec.value(), wall::FileAccess::kRead))));
        return;
    }
    if (RefuseMissingNumber()) return;
    WaitCursor wait;
    RebuildWall();
    RebuildSoil();
    bool produced = false;
    if (hooks_.calculate) {
        produced = hooks_.calculate(CalculationRequest{case_, host_, this, sketch_->rect()});
    } else {
        wait.Release();
        hooks_.showMessage(this, ReportNotAvailableText());
    }
    if (!produced) return;

    WriteFixedCopies();
    wait.Release();
    // The report is written; edits not in a case file would be lost with the dialog.
    if (HasUnsavedEdits() && Ask(QString::fromUtf8("本工况的修改尚未保存，是否保存？"), true)) OnSave();
    done(1);
}

void CDlgWallCalc::OnHelp() {
    OpenManual(this, hooks_);
}

void CDlgWallCalc::OnSizeWall() {
    WallTypePage* page = CurrentPage();
    if (!page || RefuseMissingNumber()) return;
    WaitCursor wait;
    RebuildWall();
    RebuildSoil();
    const wall::WallCase base = case_;
    // Refused as "计算" refuses it: the sizes are sought only for a case it would calculate.
    if (const wall::CaseResult checked = wall::CalculateCase(base); !checked.Accepted()) {
        wait.Release();
        hooks_.showMessage(this, FromStd(wall::RefusalText(checked)));
        return;
    }
    const wall::SizeRequest request = DefaultSizeRequest(base);
    const wall::SizeOutcome outcome = wall::SizeWall(base, request);
    wait.Release();
    if (!outcome.found) {
        hooks_.showMessage(this, NoSizeText(base, request, outcome));
        return;
    }

    QMessageBox box(QMessageBox::Question, QString::fromUtf8(wall::kDialogTitle),
                    ProposalText(base, request, outcome), QMessageBox::Yes | QMessageBox::No, this);
    QAbstractButton* yes = box.button(QMessageBox::Yes);
    yes->setText(QString::fromUtf8("是"));
    box.button(QMessageBox::No)->setText(QString::fromUtf8("否"));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    const int answer = hooks_.runModal(box);
    if (answer != QMessageBox::Yes && box.clickedButton() != yes) return;

    const std::vector<PageField>& fields = page->Fields();
    for (std::size_t v = 0; v < request.fields.size() && v < outcome.values.size(); ++v)
        for (std::size_t i = 0; i < fields.size(); ++i)
            if (fields[i].field == request.fields[v].field)
                page->SetFieldText(i, FromStd(wall::FieldValueText(*fields[i].field, outcome.values[v])));
    RefreshSketch();
}

void CDlgWallCalc::OpenSettingsDialog() {
    CDlgCaseSettings dialog(case_.settings, hooks_.showMessage, this);
    if (hooks_.runModal(dialog) != 1) return;
    case_.settings = dialog.Values();
    // The sketch draws the water levels.
    RefreshSketch();
}

std::string CDlgWallCalc::SavedForm() const {
    return wall::CaseToJsonText(CaseForFile());
}

void CDlgWallCalc::MarkSaved() {
    savedForm_ = SavedForm();
}

bool CDlgWallCalc::HasUnsavedEdits() {
    RebuildWall();
    RebuildSoil();
    return SavedForm() != savedForm_;
}

bool CDlgWallCalc::Ask(const QString& text, bool yesByDefault) {
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(wall::kDialogTitle), text,
                    QMessageBox::Yes | QMessageBox::No, this);
    QAbstractButton* yes = box.button(QMessageBox::Yes);
    yes->setText(QString::fromUtf8("是"));
    box.button(QMessageBox::No)->setText(QString::fromUtf8("否"));
    box.setDefaultButton(yesByDefault ? QMessageBox::Yes : QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    const int answer = hooks_.runModal(box);
    return answer == QMessageBox::Yes || box.clickedButton() == yes;
}

bool CDlgWallCalc::ConfirmDiscard() {
    return !HasUnsavedEdits() || Ask(QString::fromUtf8("放弃对本工况的修改？"), false);
}

void CDlgWallCalc::reject() {
    if (!ConfirmDiscard()) return;
    done(2);
}

}  // namespace wallui
