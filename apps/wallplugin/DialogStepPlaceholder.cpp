// The dialog step of a plug-in built without the dialog: every run ends as "取消" does.
#include "DialogStep.h"

int RunCalculationDialog(wall::HostServices&) {
    return 2;
}
