// wallcalc-gui: the calculation dialog on its own, or rendered offscreen to a PNG picture.
#include <QApplication>
#include <QBuffer>
#include <QPixmap>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <clocale>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <optional>
#include <span>

#include "GuiOptions.h"
#include "case/CaseFile.h"
#include "case/WallCase.h"
#include "host/HostServices.h"
#include "ui/DisplayCheck.h"
#include "ui/DlgWallCalc.h"
#include "ui/ManualHelp.h"
#include "ui/QtTranslations.h"
#include "ui/WallTypePage.h"

namespace {

// Ends the run with a message on stderr and the exit code: 2 when no dialog can be shown, else 1.
struct GuiError {
    std::string message;
    int exitCode = 1;
};

// The host of a stand-alone run: paths of the current directory, drawings and echo on stdout.
class CommandLineHost : public wall::HostServices {
  public:
    std::string WorkPath() override { return "./"; }
    std::string ItemWorkPath() override { return "."; }
    void AddDrawingName(const std::string& name) override { std::cout << "drawing " << name << "\n"; }
    void TextOut(const std::string& text) override { std::cout << text; }
};

void RunGui(const wallgui::GuiOptions& o) {
    const bool offscreen = !o.screenshot.empty();
    if (offscreen)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    else if (std::optional<std::string> reason = wallui::DisplayUnavailable())
        // Qt would abort the process; --screenshot needs no display.
        throw GuiError{*reason + "可用 --screenshot OUT.png 把对话框画到图片中。", 2};
    // A file that cannot be read ends the run before any window is made.
    if (!o.file.empty()) {
        wall::WallCase c;
        if (wall::CaseIoResult r = wall::ReadCaseFile(o.file, c); !r.ok()) throw GuiError{r.message};
    }

    static int argc = 1;
    static char name[] = "wallcalc";
    static char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    // Qt takes the environment's locale; printf-style numbers must keep the decimal point.
    std::setlocale(LC_NUMERIC, "C");
    wallui::InstallQtTranslations(app);

    if (o.manual) {
        // "帮助" without the dialog: the manual the dialog would open, or why it cannot be.
        wallui::DialogHooks hooks = wallui::DefaultDialogHooks();
        std::string problem;
        hooks.showMessage = [&problem](QWidget*, const QString& text) { problem = text.toStdString(); };
        wallui::OpenManual(nullptr, hooks);
        if (!problem.empty()) throw GuiError{problem};
        return;
    }

    // A picture must not change the user's recent files, nor show them.
    QTemporaryDir settingsDir;
    if (offscreen) QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());

    CommandLineHost host;
    wallui::DialogHooks hooks = wallui::DefaultDialogHooks();
    // The host's fixed copies of the case are the plug-in's; a stand-alone run leaves the user's
    // folders to the files the user saves.
    hooks.fixedCopies = false;
    if (offscreen)
        hooks.showMessage = [](QWidget*, const QString& text) { std::cerr << text.toStdString() << "\n"; };
    // The picture of the dialog "地基与验算参数" or "配筋计算参数", taken while it is shown and then
    // cancelled.
    const bool subDialog = o.settingsDialog || o.rebarDialog;
    QPixmap subDialogPicture;
    if (subDialog) {
        hooks.runModal = [&subDialogPicture](QDialog& d) {
            d.show();
            QApplication::processEvents();
            subDialogPicture = d.grab();
            d.reject();
            return d.result();
        };
    }
    wallui::CDlgWallCalc dialog(host, hooks);
    if (o.wallType >= 0) dialog.ChooseWallType(o.wallType);
    if (!o.file.empty()) dialog.OpenCaseFile(QString::fromStdString(o.file));

    dialog.Pages()->setCurrentIndex(o.tab);
    if (std::optional<std::pair<int, int>> size = wallgui::ParseGuiSize(o.size))
        dialog.resize(size->first, size->second);
    if (!offscreen) {
        std::cout << "result " << dialog.exec() << "\n";
        return;
    }
    dialog.show();
    QApplication::processEvents();
    if (o.settingsDialog) dialog.OpenSettingsDialog();
    if (o.rebarDialog) {
        wallui::WallTypePage* page = dialog.CurrentPage();
        if (!page || !page->HasRebar())
            throw GuiError{"该墙型没有配筋计算参数（只有悬臂式和扶壁式挡土墙有）"};
        page->RebarButton()->click();
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!(subDialog ? subDialogPicture : dialog.grab()).save(&buffer, "PNG"))
        throw GuiError{"无法把对话框画成图片"};
    std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(png.constData()),
                                   static_cast<std::size_t>(png.size()));
    std::string reason;
    if (int cause = wall::WriteFileAtomically(o.screenshot, bytes, &reason); cause != 0)
        throw GuiError{"无法保存 " + o.screenshot + "：" + reason};
}

}  // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "C");
    // `wallcalc gui` starts this program as "wallcalc", so its messages read as that command's.
    const std::string self =
        argc > 0 && argv[0][0] != '\0' ? std::filesystem::path(argv[0]).filename().string() : "wallcalc-gui";
    CLI::App app{std::string("wallcalc-gui: ") + wallgui::kGuiDescription, "wallcalc-gui"};
    app.set_version_flag("--version", "wallcalc-gui " WALLCALC_VERSION, "print the version and exit");
    wallgui::GuiOptions options;
    wallgui::AddGuiOptions(app, options);
    try {
        app.parse(argc, argv);
        RunGui(options);
    } catch (const CLI::ParseError& e) {
        return app.exit(e);
    } catch (const GuiError& e) {
        std::cerr << self << ": " << e.message << "\n";
        return e.exitCode;
    }
    return 0;
}
