#include "convert/Timing.h"

#include "document/Legendas.h"
#include "document/NumText.h"
#include "shell/Unit1.h"

namespace {

// A subtitle that is left without length gets this many frames, a little
// under one second at the usual rates; the importers use the same 23.
constexpr int kDefaultDuration = 23;

std::string FrameLine(int start, int end, std::string_view text) {
    std::string line = "{" + IntToStr(start) + "}{" + IntToStr(end) + "}";
    line += text;
    return line;
}

// Sums of frame numbers go through Extended so that one beyond the 32-bit
// range is a conversion error rather than a wrapped number.
int FrameAfter(int frame, int frames) {
    return ToInt32(static_cast<Extended>(frame) + frames);
}

} // namespace

TextList FindTimingFaults(const TextList &frameLines) {
    TextList faults;
    int start = 0;
    int end = 0;
    FrameLineFrames(frameLines[0], start, end);
    for (std::size_t i = 1; i < frameLines.Count(); ++i) {
        const int prevEnd = end;
        FrameLineFrames(frameLines[i], start, end);
        if (start <= prevEnd)
            faults.Add(IntToStr(static_cast<long long>(i)));
        if (start >= end)
            faults.Add(IntToStr(static_cast<long long>(i)));
    }
    return faults;
}

TextList CorrectedTiming(const TextList &frameLines) {
    TextList corrected;
    int start = 0;
    int end = 0;
    FrameLineFrames(frameLines[0], start, end);
    corrected.Add(FrameLine(start, end, FrameLineText(frameLines[0])));
    for (std::size_t i = 1; i < frameLines.Count(); ++i) {
        const int prevEnd = end;
        const std::string_view line = frameLines[i];
        FrameLineFrames(line, start, end);
        if (prevEnd >= start)
            start = FrameAfter(prevEnd, 1);
        if (start >= end)
            end = FrameAfter(start, kDefaultDuration);
        corrected.Add(FrameLine(start, end, FrameLineText(line)));
    }
    return corrected;
}

void TForm1::CheckTiming() {
    if (SubtitleList().Empty())
        return;
    btAuto.Enabled = false;
    ErrorList().Assign(FindTimingFaults(SubtitleList()));
    btAuto.Enabled = !ErrorList().Empty();
}

void TForm1::CorrectTiming() {
    // An empty list has nothing to correct (the window may still hold the
    // faults of a list that New has since emptied).
    if (SubtitleList().Empty())
        return;
    ImportBuffer().Assign(CorrectedTiming(SubtitleList()));
    SubtitleList().Assign(ImportBuffer());
    WorkList().Assign(ImportBuffer());
    btAuto.Enabled = false;
}

void TForm1::GoToFirstTimingError() {
    CheckTiming();
    if (ErrorList().Empty())
        return;
    // The faults may belong to a list that has been emptied since they were
    // found; an entry that does not exist cannot take the focus, and the user
    // is offered the correction instead.
    const std::optional<int> first = TryStrToInt(ErrorList()[0]);
    if (first && *first >= 1 && static_cast<std::size_t>(*first) < SubtitleList().Count()) {
        const int n = *first;
        ActiveControl = &ListBox1;
        ListBox1.TopIndex = n - 1;
        ListBox1.ItemIndex = n;
        platform.UI.ShowMessage(Message(42) + "\n\r" +
                                std::string(SubtitleList()[static_cast<std::size_t>(n)]));
    } else if (platform.UI.AskYesNo(Message(57), QuestionKind::Confirmation)) {
        CorrectTiming();
    } else {
        platform.UI.ShowMessage("Existe ainda erros");
    }
    ListBox1Click();
}

void TForm1::btAutoClick() {
    CheckTiming();
    if (platform.UI.AskYesNo(Message(57), QuestionKind::Confirmation))
        CorrectTiming();
    else
        GoToFirstTimingError();
}
