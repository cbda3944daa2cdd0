#pragma once

#include "shell/Controls.h"

#include <optional>
#include <vector>

// Where the main window stood when it was last closed: its normal bounds on
// the desktop (those it returns to from maximized) and whether it was maximized.
struct WindowPlacement {
    Rect Bounds;
    bool Maximized = false;
    friend bool operator==(const WindowPlacement &, const WindowPlacement &) = default;
};

// The stored bounds moved and shrunk onto the screen that holds most of
// them, the window's smallest size kept; nothing when no screen holds any
// part of them (a screen that is gone, or a first start), and the desktop
// then places the window.
std::optional<Rect> BoundsOnScreens(const Rect &stored, const std::vector<Rect> &screens, int minWidth,
                                    int minHeight);
