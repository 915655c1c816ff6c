// The five wall-type page classes.
#include "ui/DlgInfoWallPages.h"

namespace wallui {

CDlgInfoWall::CDlgInfoWall(const DialogHooks& hooks, QWidget* parent)
    : WallTypePage(wall::kGravity, hooks, parent) {}

CDlgInfoSemiGravity::CDlgInfoSemiGravity(const DialogHooks& hooks, QWidget* parent)
    : WallTypePage(wall::kSemiGravity, hooks, parent) {}

CDlgInfoShelf::CDlgInfoShelf(const DialogHooks& hooks, QWidget* parent)
    : WallTypePage(wall::kShelf, hooks, parent) {}

CDlgInfoCantilever::CDlgInfoCantilever(const DialogHooks& hooks, QWidget* parent)
    : WallTypePage(wall::kCantilever, hooks, parent) {}

CDlgInfoCounterfort::CDlgInfoCounterfort(const DialogHooks& hooks, QWidget* parent)
    : WallTypePage(wall::kCounterfort, hooks, parent) {}

WallTypePage* MakeWallTypePage(int wallType, const DialogHooks& hooks, QWidget* parent) {
    switch (wallType) {
        case wall::kGravity:
            return new CDlgInfoWall(hooks, parent);
        case wall::kSemiGravity:
            return new CDlgInfoSemiGravity(hooks, parent);
        case wall::kShelf:
            return new CDlgInfoShelf(hooks, parent);
        case wall::kCantilever:
            return new CDlgInfoCantilever(hooks, parent);
        case wall::kCounterfort:
            return new CDlgInfoCounterfort(hooks, parent);
        default:
            return nullptr;
    }
}

}  // namespace wallui
