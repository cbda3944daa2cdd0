#include "document/FrameLine.h"
#include "document/NumText.h"
#include "shell/Unit2.h"

#include <algorithm>

void TForm2::FollowList(const ListBox &list, const ComboBox &rateBox, const Edit &delayBox) {
    list_ = &list;
    rateBox_ = &rateBox;
    delayBox_ = &delayBox;
    timedBy_.reset();
}

const SubtitleTimeline &TForm2::Timeline() {
    if (!list_)
        return timeline_;
    const TimedBy now{list_->Items.Revision(), rateBox_->Text, delayBox_->Text};
    if (timedBy_ == now)
        return timeline_;
    // A box that does not hold a number shows no subtitles, as Convert would write none.
    const std::optional<Extended> fps = TryStrToFloat(now.rate);
    const std::optional<Extended> delay = TryStrToFloat(now.delay);
    if (fps && delay)
        timeline_.Time(list_->Items, *fps, *delay);
    else
        timeline_.Time(TextList{}, 0, 0);
    timedBy_ = now;
    return timeline_;
}

std::string TForm2::SubtitleAt(double seconds) {
    const std::optional<std::size_t> index = Timeline().At(seconds);
    if (!index)
        return {};
    std::string text(CutFrameLine(list_->Items[*index]).text);
    std::replace(text.begin(), text.end(), '|', '\n');
    return text;
}

void TForm2::SeekTo(std::optional<double> seconds) {
    if (seconds)
        platform.Player.Seek(std::max(*seconds, 0.0));
}

void TForm2::btNextClick() {
    SeekTo(Timeline().NextStart(platform.Player.Position()));
}

void TForm2::btPreviousClick() {
    SeekTo(Timeline().PreviousStart(platform.Player.Position()));
}

void TForm2::ListSelectionChanged() {
    if (!list_ || list_->ItemIndex == selectionSeen_)
        return;
    selectionSeen_ = list_->ItemIndex;
    if (selectionSeen_ >= 0)
        SeekTo(Timeline().StartOf(static_cast<std::size_t>(selectionSeen_)));
}
