// CDlgWallCalc, the modal dialog "挡土墙计算": wall type, the two pages, the sketch, and the actions
// "打开", "保存", "计算", "取消", "帮助", and "优化尺寸" on the wall pages.
#pragma once

#include <QDialog>
#include <array>
#include <filesystem>
#include <vector>

#include "case/WallCase.h"
#include "drawing/DrawingCanvas.h"
#include "host/HostServices.h"
#include "ui/DialogHooks.h"

class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QScrollArea;
class QTabWidget;

namespace wallui {

class CDlgInfoSoil;
class FieldCheck;
class SketchArea;
class WallTypePage;

// The open and save file dialogs' filters: the binary case file, the text case file, any file.
QString BinaryCaseFilter();
QString TextCaseFilter();

// The file a choice names. A name with an extension is taken as it is (".json" is the text format);
// one without gets ".wall.json" under the text filter, else "." and the dialog title.
std::filesystem::path ChosenCasePath(const FileChoice& choice);

class CDlgWallCalc : public QDialog {
    Q_OBJECT
  public:
    explicit CDlgWallCalc(wall::HostServices& host, DialogHooks hooks = DefaultDialogHooks(),
                          QWidget* parent = nullptr);
    ~CDlgWallCalc() override;

    // The case as last rebuilt from the pages; the slope and layer values as the grids show them.
    const wall::WallCase& Case() const { return case_; }
    // The case the sketch shows: the last one whose every field could stand.
    const wall::WallCase& SketchCase() const { return sketchCase_; }
    // The case as the case files store it: the tables as the slope page keeps them.
    wall::WallCase CaseForFile() const;

    WallTypePage* CurrentPage() const;
    CDlgInfoSoil* SoilPage() const { return soilPage_; }
    QComboBox* TypeList() const { return typeList_; }
    QTabWidget* Pages() const { return pages_; }
    SketchArea* Sketch() const { return sketch_; }
    // The line under the pages that says why a field cannot stand.
    QLabel* StatusLine() const { return status_; }
    // The menu of "打开"'s arrow: the recent case files that still exist, then "浏览…".
    QMenu* OpenMenu() const { return openMenu_; }
    // The preview as last composed.
    const wall::DrawingCanvas& Preview() const { return m_canvasPreview; }
    // The path last chosen in the open or save file dialog.
    const QString& FileName() const { return fileName_; }

    // A selection in the type list: the wall page starts again from the type's defaults; the slope
    // page (soil, slope, surcharge) and the settings stay, as `wallcalc set wallType` keeps them.
    void ChooseWallType(int wallType);
    // Reads a case file and shows it, as "打开" does once a file was chosen. A file that cannot be
    // used leaves the case and the pages as they were. Values out of their ranges open, marked red.
    void OpenCaseFile(const QString& path);
    // Rebuilds the case from the pages and, when every field can stand, recomposes the preview and
    // repaints it; every edit ends here.
    void RefreshSketch();

    // "打开" (Ctrl+O) and the recent files ask first when the pages hold unsaved edits.
    void OnOpen();
    // "保存" (Ctrl+S) asks first when a shown field is out of its range, and says in the status
    // line where the case went.
    void OnSave();
    // "计算" (F9, Ctrl+Enter); after the report, unsaved edits are offered to be saved.
    void OnCalculate();
    // "帮助": the user manual with the desktop's viewer, or a message saying where it should be.
    void OnHelp();
    // "优化尺寸": sizes the case with the wall type's default fields and bounds and asks whether to
    // take the sizes found; "是" puts them into the page's fields as if typed. A case "计算" would
    // refuse is refused with the same message; when nothing passes the dialog says so. Otherwise
    // nothing changes.
    void OnSizeWall();
    // "地基与验算参数…" on the slope page: the case's required factors and foundation inputs, which
    // the calculation uses and the text case file keeps.
    void OpenSettingsDialog();
    // "取消", Escape and the close box end the dialog with 2; when the case differs from the one
    // last opened, saved or shown at the start, only after "放弃对本工况的修改？" is answered 是.
    void reject() override;
    // Whether the pages hold edits not in the case last opened, saved or shown at the start.
    bool HasUnsavedEdits();
    // True when there are no unsaved edits or the user agrees to drop them.
    bool ConfirmDiscard();

  protected:
    // The sketch area takes whatever the window gains; the pages keep their layout.
    void resizeEvent(QResizeEvent* event) override;
    // The dialog opens in the first field of the wall page, also when a case of another wall type
    // was opened before it is shown (which swaps the page holding the focus).
    void showEvent(QShowEvent* event) override;

  private:
    // The checks of the fields shown: the current wall page's and the slope page's.
    std::vector<FieldCheck*> ShownChecks() const;
    // The reason of the field just marked, else the first field that cannot stand, in the status line.
    void ShowMark(FieldCheck* marked);
    // Refuses an action while a shown field holds no number: says which, and puts the focus there.
    bool RefuseMissingNumber();
    void FillOpenMenu();
    // Marks the relations between fields that do not hold (H1 < H, δ ≤ φ, ...) on the field the user
    // changed last among the two, else on the field the relation names.
    void MarkRelations();
    // A message in the status line that is not a fault: shown in the window's text colour.
    void ShowNote(const QString& text);
    // "是"/"否" question; true for 是.
    bool Ask(const QString& text, bool yesByDefault);
    void AddShortcuts();
    // Lays out the scrolling left column, the sketch and the status line in the window's size.
    void LayOut();
    void FocusFirstField();
    // The type's wall page afresh; the slope page afresh too unless `keepSoil`.
    void SwapPages(bool keepSoil = false);
    void ShowTheoryControls();
    void RebuildWall();
    void RebuildSoil();
    void ShowWall();
    void ShowSoil();
    // Shows the case on freshly opened pages, as after "打开".
    void ShowCase();
    // Reads `path` into the case; false when the page refresh must not follow.
    bool ReadCase(const QString& path);
    void WriteFixedCopies();
    FileDialogRequest FileRequest(FileDialogMode mode) const;
    // The case as it would be saved now, in the text format: what "unsaved" compares.
    std::string SavedForm() const;
    void MarkSaved();

    wall::HostServices& host_;
    DialogHooks hooks_;
    wall::DrawingCanvas m_canvasPreview;
    wall::WallCase case_;
    wall::WallCase sketchCase_;
    wall::CSoil soilKept_;  // the slope page's values at the last rebuild, tables as typed
    QString fileName_;
    std::string savedForm_;           // SavedForm() when last opened, saved or at the start
    std::filesystem::path filePath_;  // the file last opened or saved; its format is offered first
    QComboBox* typeList_;
    QTabWidget* pages_;
    std::array<WallTypePage*, wall::kWallTypeCount> typePages_{};
    CDlgInfoSoil* soilPage_;
    SketchArea* sketch_;
    QLabel* status_;
    QMenu* openMenu_;
    QScrollArea* leftScroll_;
    QWidget* leftPane_;
    FieldCheck* lastEdited_ = nullptr;
    bool shownOnce_ = false;
};

}  // namespace wallui
