// The five wall-type pages, one class per wall type.
#pragma once

#include "ui/WallTypePage.h"

namespace wallui {

class CDlgInfoWall final : public WallTypePage {
  public:
    explicit CDlgInfoWall(const DialogHooks& hooks, QWidget* parent = nullptr);
};

class CDlgInfoSemiGravity final : public WallTypePage {
  public:
    explicit CDlgInfoSemiGravity(const DialogHooks& hooks, QWidget* parent = nullptr);
};

class CDlgInfoShelf final : public WallTypePage {
  public:
    explicit CDlgInfoShelf(const DialogHooks& hooks, QWidget* parent = nullptr);
};

class CDlgInfoCantilever final : public WallTypePage {
  public:
    explicit CDlgInfoCantilever(const DialogHooks& hooks, QWidget* parent = nullptr);
};

class CDlgInfoCounterfort final : public WallTypePage {
  public:
    explicit CDlgInfoCounterfort(const DialogHooks& hooks, QWidget* parent = nullptr);
};

// The page of a wall type (0 to 4), owned by `parent`; nullptr for another type.
WallTypePage* MakeWallTypePage(int wallType, const DialogHooks& hooks, QWidget* parent);

}  // namespace wallui
