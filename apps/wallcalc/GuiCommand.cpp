// wallcalc gui: the calculation dialog on its own, or rendered offscreen to a PNG picture.
#ifdef WALLCALC_WITH_GUI

#include <QApplication>
#include <QBuffer>
#include <QPixmap>
#include <QTabWidget>
#include <clocale>
#include <iostream>
#include <map>
#include <memory>

#include "Commands.h"
#include "case/CaseFile.h"
#include "host/HostServices.h"
#include "ui/DlgWallCalc.h"

namespace wallcalc {
namespace {

// The host of a stand-alone run: paths of the current directory, drawings and echo on stdout.
class CommandLineHost : public wall::HostServices {
  public:
    std::string WorkPath() override { return "./"; }
    std::string ItemWorkPath() override { return "."; }
    void AddDrawingName(const std::string& name) override { std::cout << "drawing " << name << "\n"; }
    void TextOut(const std::string& text) override { std::cout << text; }
};

struct GuiOptions {
    std::string file;
    std::string screenshot;
    int wallType = -1;
    int tab = 0;
};

void RunGui(const GuiOptions& o) {
    const bool offscreen = !o.screenshot.empty();
    if (offscreen)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    else if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !qEnvironmentVariableIsSet("DISPLAY") &&
             !qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
        throw CommandError{"no display to show the dialog on; use --screenshot OUT.png to render it"};
    // A file that cannot be read ends the command before any window is made.
    if (!o.file.empty()) LoadCase(o.file);

    static int argc = 1;
    static char name[] = "wallcalc";
    static char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    // Qt takes the environment's locale; printf-style numbers must keep the decimal point.
    std::setlocale(LC_NUMERIC, "C");

    CommandLineHost host;
    wallui::DialogHooks hooks = wallui::DefaultDialogHooks();
    if (offscreen)
        hooks.showMessage = [](QWidget*, const QString& text) { std::cerr << text.toStdString() << "\n"; };
    wallui::CDlgWallCalc dialog(host, hooks);
    if (o.wallType >= 0) dialog.ChooseWallType(o.wallType);
    if (!o.file.empty()) dialog.OpenCaseFile(QString::fromStdString(o.file));

    dialog.Pages()->setCurrentIndex(o.tab);
    if (!offscreen) {
        std::cout << "result " << dialog.exec() << "\n";
        return;
    }
    dialog.show();
    QApplication::processEvents();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!dialog.grab().save(&buffer, "PNG")) throw CommandError{"cannot render the dialog"};
    std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(png.constData()),
                                   static_cast<std::size_t>(png.size()));
    std::string reason;
    if (int cause = wall::WriteFileAtomically(o.screenshot, bytes, &reason); cause != 0)
        throw CommandError{"cannot write " + o.screenshot + ": " + reason};
}

const RegisterCommand guiCommand([](CLI::App& app) {
    auto* cmd = app.add_subcommand("gui", "open the calculation dialog, or render it to a PNG picture");
    auto o = std::make_shared<GuiOptions>();
    std::map<std::string, int> types(WallTypeOptions().begin(), WallTypeOptions().end());
    auto* file = cmd->add_option("file", o->file, "case file to open in the dialog");
    cmd->add_option("--screenshot", o->screenshot, "render the dialog offscreen to this PNG file");
    cmd->add_option("--type", o->wallType, "wall type chosen in the type list")
        ->transform(CLI::CheckedTransformer(types))
        ->excludes(file);
    cmd->add_option("--tab", o->tab, "page shown first: 0 the wall type's page, 1 坡体信息")
        ->check(CLI::Range(0, 1));
    cmd->callback([o] { RunGui(*o); });
});

}  // namespace
}  // namespace wallcalc

#endif  // WALLCALC_WITH_GUI
