#pragma once

// A desktop without programs or videos, for the command line and the fuzz
// targets: no program is started, no page opened, no video played.

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
