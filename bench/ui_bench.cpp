// One keystroke in the dialog: the edit, the rebuilt case and the repainted sketch (target < 10 ms).
#include <benchmark/benchmark.h>

#ifdef WALL_HAVE_UI

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <clocale>
#include <memory>

#include "ui/DlgWallCalc.h"
#include "ui/SketchArea.h"

namespace {

QApplication& App() {
    static int argc = 1;
    static char name[] = "ui_bench";
    static char* argv[] = {name, nullptr};
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    return app;
}

// Types alternately "7.5" and "8" into the wall height and repaints the sketch at once.
void BM_EditRebuildRepaint(benchmark::State& state) {
    App();
    wall::NullHostServices host;
    wallui::DialogHooks hooks = wallui::DefaultDialogHooks();
    hooks.showMessage = [](QWidget*, const QString&) {};
    wallui::CDlgWallCalc dialog(host, hooks);
    dialog.TypeList()->setCurrentIndex(static_cast<int>(state.range(0)));
    dialog.show();
    QApplication::processEvents();
    auto* height = dialog.Pages()->widget(0)->findChild<QLineEdit*>("edit1062");
    bool flip = false;
    for (auto _ : state) {
        const QString text = (flip = !flip) ? QStringLiteral("7.5") : QStringLiteral("8");
        height->setText(text);
        emit height->textEdited(text);
        dialog.Sketch()->repaint();
        benchmark::DoNotOptimize(dialog.Case().wall.m_fHeight);
    }
}
BENCHMARK(BM_EditRebuildRepaint)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

}  // namespace

#else

// Built without the dialog: nothing to measure.
static void BM_EditRebuildRepaint(benchmark::State& state) {
    for (auto _ : state) {
    }
    state.SkipWithError("built without the Qt dialog (WALL_BUILD_UI=OFF)");
}
BENCHMARK(BM_EditRebuildRepaint);

#endif
