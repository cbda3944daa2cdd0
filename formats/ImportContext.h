#pragma once

#include "document/MessageTable.h"
#include "document/Numbers.h"
#include "document/Questions.h"
#include "document/TextList.h"
#include "formats/SamiCues.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The WorkList as an importer sees it: the file's lines, read and consumed
// from the top. Deleting the top line only moves the list's cursor, so an
// importer that eats a million lines one by one stays linear.
class WorkLines {
public:
    explicit WorkLines(TextList &lines) : lines_(lines) {}

    std::size_t Count() const { return lines_.Count(); }
    bool Empty() const { return lines_.Empty(); }
    // Throws ListIndexError for a position outside the list.
    std::string_view Item(std::size_t index) const { return lines_.Item(index); }
    std::string_view Top() const { return lines_.Item(0); }

    void DeleteTop() { lines_.Delete(0); }
    // Deletes `count` lines from the top, fewer when the list ends first.
    void DeleteTop(std::size_t count);
    // Deletes the top line when there is one and it is `line`.
    void DeleteTopIf(std::string_view line);
    // Deletes lines from the top until the top line is `line` (kept) or the list is empty.
    void DeleteUntil(std::string_view line);
    // Deletes lines from the top up to and including the first one that is
    // `line`; all of them when no line is.
    void DeleteThrough(std::string_view line);
    // The top line, deleted from the list.
    std::string TakeTop();
    // The same into a string kept across lines, which reuses its room.
    void TakeTop(std::string &into);
    // Deletes empty lines from the top until a non-empty line or the end of the list.
    void DeleteEmptyTop();
    // The lines from `index` on, as a list of their own that shares their
    // storage: another thread may read it while this one consumes the list.
    TextList LinesFrom(std::size_t index) const;
    // Whether any line left, from the top, passes `test`; it stops at the first that does.
    template <typename Test> bool AnyLine(Test test) const {
        for (std::size_t i = 0; i < Count(); ++i)
            if (test(Item(i)))
                return true;
        return false;
    }

private:
    friend struct ImportContext;
    TextList &lines_;
};

// The reminders an importer shows before it reads, when alerts are switched on.
enum class Alert {
    SameFps,  // "Remember to use the same FPS"
    FpsInAvi, // "Remember to see FPS in AVI file" / "Before open file"
};

// A subtitle whose end is not after its start lasts this many frames, whatever the rate.
constexpr int kDefaultDurationFrames = 23;

// Everything an importer may touch: the lists of the opening, the frame
// rate, the frame-rate box text, the alert switch, the dialogs and the
// language of their texts. The opener builds it over the main window.
struct ImportContext {
    WorkLines WorkList;
    TextList &ImportBuffer;
    TextList &SubtitleList;
    // The rate the opener read from the frame-rate box just before the importers run.
    double CurrentFps;
    // The text of the frame-rate box; the box header writes its correction back.
    std::string &FpsBoxText;
    bool AlertsOn;
    Questions &UI;
    std::uint8_t Language;

    // The MessageTable text of a row in the context's language.
    const std::string &Message(MessageRow row) const;
    void ShowAlert(Alert alert) const;

    // The four forms of the FpsHeaderLine, "{1}{1}" and a rate text.
    // Value header: CurrentFps in the general float format ("{1}{1}23,976").
    std::string ValueHeader() const;
    // Box header: the box text with its first "." turned into ",", which is
    // also written back into the box ("{1}{1}25,000").
    std::string BoxHeader();
    // Plain box header: the box text as it stands.
    std::string PlainBoxHeader() const;
    // The rate of the frame-rate box text; throws ConvertError when it is not a number.
    Extended BoxFps() const;
    // The box text BoxFps last read and its rate. Importers ask for the rate
    // once per subtitle; the text is read again only when it has changed.
    mutable std::string BoxFpsTextRead = {};
    mutable Extended BoxFpsRead = 0;
    // Subtitles left out because they do not read; HandOver tells how many.
    std::size_t LeftOut = 0;
    // The SAMI class to read from a file with several, with or without its
    // dot, in any case; empty to ask the user, whose default is the first.
    std::string SamiClass = {};
    // Set by the SAMI importer when the file has several classes.
    SamiClassesRead SamiClasses = {};

    // The opening steps of an import: the format's alert when alerts are on,
    // the ImportBuffer emptied and the FpsHeaderLine added as its first line.
    void Begin(Alert alert, std::string fpsHeaderLine);

    // One subtitle of a format that gives clock times: both time texts
    // converted at the rate (an invalid time is frame 0), an end that is not
    // after the start replaced by the default duration, and the FrameLine
    // added to the ImportBuffer. Throws ConvertError when the default
    // duration leaves the 32-bit range.
    void AddTimedSubtitle(std::string_view startTime, std::string_view endTime, Extended fps,
                          std::string_view text);
    // The same at the rate of the frame-rate box text as it stands at each
    // subtitle, as the formats that read the box do.
    void AddAtBoxRate(std::string_view startTime, std::string_view endTime, std::string_view text);
    // One subtitle given in frames, with the default duration as above.
    void AddSubtitle(int start, int end, std::string_view text);

    // One subtitle at clock times, left out and counted when either time
    // does not read. The start frame of a subtitle added.
    std::optional<int> AddWhenTimesRead(std::string_view startTime, std::string_view endTime, Extended fps,
                                        std::string_view text);

    // Accepting a file: the ImportBuffer becomes the SubtitleList and the
    // WorkList, the first and second line are emptied (so no later rule of
    // the opener matches again) and the format name is set. Subtitles left
    // out are counted in one message.
    void HandOver(std::string &firstLine, std::string &secondLine, std::string &formatName,
                  std::string_view name);
};

// File header: "{1}{1}" and a rate text taken from the file itself.
std::string FileHeader(std::string_view rateText);

// The end frame, or start + 23 when the end is not after the start. Throws
// ConvertError when that leaves the 32-bit range.
int ApplyDefaultDuration(int start, int end);

// One subtitle at clock times added to `list`, as AddTimedSubtitle adds it to
// the ImportBuffer.
void AddTimedFrameLine(TextList &list, std::string_view startTime, std::string_view endTime, Extended fps,
                       std::string_view text);
