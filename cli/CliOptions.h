#pragma once

#include "editing/FindReplace.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

enum class CliCommand { Open, Convert, MicroDvd, Multi, AviInfo, Fps, Sync, VideoInfo, Formats, Spell };

// What one run of the command line asks for. Texts meant for the window's
// boxes (frame rate, delay) are kept as typed; the core converts them.
struct CliOptions {
    CliCommand command = CliCommand::Open;
    // As typed (UTF-8); "-" is standard input. convert and microdvd take
    // several, each written into the folder named by -o.
    std::vector<std::string> fileNames;
    std::string fpsText = "25,000";
    std::string delayText = "0";
    bool answerYes = true;
    bool alerts = false;
    std::uint8_t language = 2;
    std::optional<std::string> outputFile;
    // The output format's key as typed (--to); none: the extension of -o FILE, else SubRip.
    std::optional<std::string> outputKey;
    // Encoding names as typed; none: detected when reading, as read when writing.
    std::optional<std::string> encoding;
    std::optional<std::string> outputEncoding;
    // The film sync aligns the list to (UTF-8, as typed).
    std::optional<std::string> videoFile;
    // Fitting to the player's limits: run after opening, and the limits
    // activation reads as the stored "NLinhas", "MaxLinha" and "MaxSum".
    bool fit = false;
    int lines = 2;
    int maxLine = 34;
    int maxTotal = 60;
    // Replacements over the subtitles' text, made in order after opening and
    // before fitting or converting.
    struct Replacement {
        std::string find;
        std::optional<std::string> with;
    };
    std::vector<Replacement> replacements;
    FindOptions findOptions;
    // The spell check's dictionary ("pt_PT"); none: the one that knows the list best.
    std::optional<std::string> dictionary;
    // The class to read from SAMI files with one per language; empty: the first.
    std::string samiClass;
};

// A run that ends before any file is touched.
struct CliStop {
    enum class Kind { Help, Version, UsageError };
    Kind kind;
    std::string message; // the usage error; empty otherwise
};

// The arguments after the program's own name.
std::variant<CliOptions, CliStop> ParseArguments(const std::vector<std::string> &arguments);

std::string UsageText();
