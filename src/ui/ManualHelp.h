// "帮助": the user manual, opened with the desktop's viewer.
#pragma once

#include <QString>
#include <vector>

#include "ui/DialogHooks.h"

class QWidget;

namespace wallui {

// Where the manual is looked for by default. Installed, the binary holding the dialog (the program
// or the plug-in) finds it in <prefix>/share/doc/wallcalc: manual.html, then manual.md; in the build
// tree it is the HTML the build writes, then the Markdown source.
std::vector<QString> DefaultManualFiles();

// Opens the first of `hooks.manualFiles` that exists through `hooks.openUrl`. When none exists, or
// nothing opens it, the message names where the manual should be.
void OpenManual(QWidget* parent, const DialogHooks& hooks);

}  // namespace wallui
