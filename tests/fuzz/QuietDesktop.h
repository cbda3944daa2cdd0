#pragma once

// The parts of the desktop that a fuzz target never wants to reach: no
// program is started, no page opened, no video played.

#include "shell/Platform.h"

#include <string>

class NoLauncher : public ProgramLauncher {
public:
    void Start(const std::string &) override {}
    void OpenUrl(const std::string &) override {}
};

class NoPlayer : public MediaPlayer {
public:
    void SetUrl(const std::string &) override {}
};
