#pragma once

#include "shell/Controls.h"

#include <string>

// The preview window: created hidden at start-up, shown by the main
// window's "WMP" button.
class TForm2 {
public:
    TForm2();

    std::string Caption;
    int ClientWidth = 628;
    int ClientHeight = 462;
    bool Visible = false;
};
