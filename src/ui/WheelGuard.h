// The mouse wheel changes a list or a number field only while it has the focus; over an unfocused
// one it scrolls what holds it instead.
#pragma once

class QWidget;

namespace wallui {

// Guards every list and spin box under `root` (made by now) and lets a click or Tab give them the
// focus, no longer the wheel.
void GuardWheel(QWidget* root);

}  // namespace wallui
