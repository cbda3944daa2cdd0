#include "formats/ImportContext.h"

#include "document/FrameLine.h"
#include "document/Legendas.h"
#include "document/NumText.h"
#include "document/OwnMessages.h"

namespace {
constexpr std::string_view kFpsHeaderStart = "{1}{1}";
} // namespace

std::string WorkLines::TakeTop() {
    return lines_.TakeFirst();
}

void WorkLines::TakeTop(std::string &into) {
    into.assign(Top());
    DeleteTop();
}

void WorkLines::DeleteEmptyTop() {
    while (!Empty() && Top().empty())
        DeleteTop();
}

void WorkLines::DeleteTop(std::size_t count) {
    lines_.DeleteFirst(count);
}

TextList WorkLines::LinesFrom(std::size_t index) const {
    TextList rest;
    rest.Assign(lines_);
    rest.DeleteFirst(index);
    return rest;
}

void WorkLines::DeleteTopIf(std::string_view line) {
    if (!Empty() && Top() == line)
        DeleteTop();
}

void WorkLines::DeleteUntil(std::string_view line) {
    while (!Empty() && Top() != line)
        DeleteTop();
}

void WorkLines::DeleteThrough(std::string_view line) {
    DeleteUntil(line);
    DeleteTop(1);
}

const std::string &ImportContext::Message(MessageRow row) const {
    return MessageText(row, Language);
}

void ImportContext::ShowAlert(Alert alert) const {
    if (AlertsOn)
        UI.ShowMessage(Message(alert == Alert::SameFps ? MessageRow::SameFps : MessageRow::FpsInAvi));
}

std::string ImportContext::ValueHeader() const {
    return std::string(kFpsHeaderStart) + FloatToStr(CurrentFps);
}

std::string ImportContext::BoxHeader() {
    if (auto dot = FpsBoxText.find('.'); dot != std::string::npos)
        FpsBoxText[dot] = ',';
    return PlainBoxHeader();
}

std::string ImportContext::PlainBoxHeader() const {
    return std::string(kFpsHeaderStart) + FpsBoxText;
}

Extended ImportContext::BoxFps() const {
    // An empty text is no number, so it is never taken for one read before.
    if (FpsBoxText.empty() || FpsBoxText != BoxFpsTextRead) {
        BoxFpsRead = StrToFloat(FpsBoxText);
        BoxFpsTextRead = FpsBoxText;
    }
    return BoxFpsRead;
}

void ImportContext::Begin(Alert alert, std::string fpsHeaderLine) {
    ShowAlert(alert);
    ImportBuffer.Clear();
    ImportBuffer.Add(std::move(fpsHeaderLine));
}

void ImportContext::AddAtBoxRate(std::string_view startTime, std::string_view endTime,
                                 std::string_view text) {
    AddTimedSubtitle(startTime, endTime, BoxFps(), text);
}

void ImportContext::AddTimedSubtitle(std::string_view startTime, std::string_view endTime, Extended fps,
                                     std::string_view text) {
    AddTimedFrameLine(ImportBuffer, startTime, endTime, fps, text);
}

void ImportContext::AddSubtitle(int start, int end, std::string_view text) {
    AddFrameLine(ImportBuffer, start, ApplyDefaultDuration(start, end), text);
}

std::optional<int> ImportContext::AddWhenTimesRead(std::string_view startTime, std::string_view endTime,
                                                   Extended fps, std::string_view text) {
    const std::optional<int> start = TryTimeToFrames(startTime, fps);
    const std::optional<int> end = TryTimeToFrames(endTime, fps);
    if (!start || !end) {
        ++LeftOut;
        return std::nullopt;
    }
    AddSubtitle(*start, *end, text);
    return start;
}

void ImportContext::HandOver(std::string &firstLine, std::string &secondLine, std::string &formatName,
                             std::string_view name) {
    if (LeftOut > 0)
        UI.ShowMessage(LeftOutText(LeftOut, Language));
    SubtitleList.Assign(ImportBuffer);
    WorkList.lines_.Assign(SubtitleList);
    firstLine.clear();
    secondLine.clear();
    formatName = name;
}

std::string FileHeader(std::string_view rateText) {
    return std::string(kFpsHeaderStart) + std::string(rateText);
}

void AddTimedFrameLine(TextList &list, std::string_view startTime, std::string_view endTime, Extended fps,
                       std::string_view text) {
    const int start = TimeToFrames(startTime, fps);
    const int end = TimeToFrames(endTime, fps);
    AddFrameLine(list, start, ApplyDefaultDuration(start, end), text);
}

int ApplyDefaultDuration(int start, int end) {
    if (end > start)
        return end;
    return ToInt32(static_cast<Extended>(start) + kDefaultDurationFrames);
}
