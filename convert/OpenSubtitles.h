#pragma once

#include "document/EncodingChoice.h"
#include "document/Questions.h"
#include "document/TextList.h"
#include "formats/ImportContext.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Opening a subtitle file as work of its own, apart from the window: the
// bytes are decoded, the format recognised and imported, the frame-rate
// header taken, the markup normalised and the timing checked, with every
// message and question of the way put to the questions object.

struct OpenRequest {
    // The file's name: its extension takes part in recognising the format,
    // and a file is read from it when no bytes are given.
    std::string fileName;
    std::optional<std::string_view> bytes;
    // The frame-rate box as the user left it.
    std::string fpsText;
    ReadingOptions reading;
    bool alertsOn = true;
    std::uint8_t language = 1;
    // The delay box, which the fields of the entries the opening shows use.
    std::string delayText = "0";
    // The class to read from a SAMI file with one per language; empty to
    // ask, the first one by default.
    std::string samiClass = {};
};

enum class OpenOutcome {
    Empty,   // the file holds nothing but empty lines
    Unknown, // no format took it; the lines are the file's own
    Opened,  // a format took it; the lines are FrameLines
};

struct OpenedSubtitles {
    OpenOutcome outcome = OpenOutcome::Empty;
    // The format's name; "Unknown" when none took the file, empty when it is empty.
    std::string formatName;
    // The frame-rate box after the file's own rate went into it, and the rate
    // the importers worked with.
    std::string fpsText;
    double fps = 0.0;
    // The list as opened, before any correction, and as it stands after the
    // correction was offered.
    TextList opened;
    TextList lines;
    // The timing faults found on opening; corrected tells whether the user
    // had them corrected.
    TextList timingFaults;
    bool corrected = false;
    ChosenEncoding encoding;
    std::size_t invalidCharacters = 0;
    // The messages shown on the way, in order.
    std::vector<std::string> messages;
    // The classes of a SAMI file with one per language and the one read;
    // no classes for every other file.
    SamiClassesRead samiClasses;
};

// Reads (or decodes the given bytes), recognises and imports the file. A
// file that cannot be read, a rate box that is not a number and an import
// that fails throw as their readers do; nothing else is changed by them.
// progress, when given, hears how far the opening has come after each step
// and may throw to end it there.
OpenedSubtitles OpenSubtitles(const OpenRequest &request, Questions &questions,
                              const std::function<void(int)> &progress = {});
