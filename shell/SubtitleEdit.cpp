#include "shell/Unit1.h"

#include "document/FrameLine.h"
#include "document/Legendas.h"
#include "document/NumText.h"
#include "editing/RateBoxText.h"

#include <optional>
#include <string_view>
#include <utility>

namespace {

// An entry cut at its braces for editing its text.
// A field's text when it holds a whole number, else the frame the entry has.
const std::string &FrameOrOwn(const std::string &field, const std::string &own) {
    return TryStrToInt(field) ? field : own;
}

// The selected entry rebuilt from the two frame fields and its own text part.
// The fields' texts are used as typed ("{ 7}" stays).
// CHOICE: a field that does not hold a whole number, such as the end field
// emptied after "Error in Frame", keeps the entry's own frame: writing it
// would leave an entry that every later check and conversion rejects.
void WriteFrameFields(TForm1 &form) {
    const auto index = static_cast<std::size_t>(form.ListBox1.ItemIndex);
    const std::string_view entry = form.SubtitleList()[index];
    const FrameLineBoundTexts own = FrameLineBounds(entry);
    std::string rebuilt = FrameLine(FrameOrOwn(form.Edit5.Text, own.startText),
                                    FrameOrOwn(form.Edit6.Text, own.endText), FrameLineText(entry));
    form.SubtitleList().Set(index, std::move(rebuilt));
}

// Leaving a frame field: the typed frame in its normal form becomes the
// field's base value and goes into the entry.
// NOTE: the duration fields keep showing the entry as it was selected until
// the next selection or arrow click.
void TakeTypedFrame(TForm1 &form, Edit &field, int &selected) {
    if (field.Text.empty() || form.ListBox1.ItemIndex < 0)
        return;
    const std::optional<int> frame = TryStrToInt(field.Text);
    if (!frame) {
        form.platform.UI.ShowMessage(form.Message(MessageRow::FrameError));
        field.Text.clear();
        form.ActiveControl = &field;
        return;
    }
    field.Text = IntToStr(*frame);
    selected = *frame;
    WriteFrameFields(form);
}

// An arrow click: the field shows its base value moved by the control's
// position, the entry takes it, and the duration follows. The base value
// stays, so each click moves one frame from it.
void StepFrame(TForm1 &form, Edit &field, const UpDown &upDown, int selected) {
    if (field.Text.empty() || form.ListBox1.ItemIndex < 0)
        return;
    // CHOICE: a frame beyond 32 bits is a conversion error; nothing changes.
    field.Text = IntToStr(ToInt32(static_cast<Extended>(static_cast<long long>(selected) + upDown.Position)));
    WriteFrameFields(form);
    // NOTE: the fields below convert without a guard; a failure ends the
    // click with the entry already written.
    form.Edit7.Text = IntToStr(static_cast<long long>(StrToInt(form.Edit6.Text)) - StrToInt(form.Edit5.Text));
    const int delay = StrToInt(form.AtrasoEdit.Text);
    const Extended fps = StrToFloat(form.Combobox2.Text);
    form.Edit12.Text = FramesToTime(form.Edit7.Text, delay, fps);
}

} // namespace

void TForm1::ListBox1DblClick() {
    if (SubtitleList().Empty() || ListBox1.ItemIndex < 0)
        return;
    const auto index = static_cast<std::size_t>(ListBox1.ItemIndex);
    const std::string entry(SubtitleList()[index]);
    if (entry.empty())
        return;
    const std::optional<FrameLineViews> parts = FindFrameLineBraces(entry);
    // CHOICE: an entry whose frames do not stand in braces is offered whole,
    // and the answer replaces it whole, so that the user can repair it.
    std::string value = parts ? std::string(parts->text) : entry;
    if (!platform.UI.InputQuery(Message(MessageRow::ChangeSubtitles), Message(MessageRow::FieldToChange),
                                value))
        return;
    SubtitleList().Set(index, parts ? FrameLine(parts->startText, parts->endText, value) : value);
    // The SubRip text no longer matches the list until the next conversion.
    Guardar1.Enabled = false;
    // A repaired entry is shown, so the frame fields match it.
    if (!parts)
        ListBox1Click();
}

void TForm1::Edit5Exit() {
    TakeTypedFrame(*this, Edit5, SelectedStart);
}

void TForm1::Edit6Exit() {
    TakeTypedFrame(*this, Edit6, SelectedEnd);
}

void TForm1::UpDown1Click() {
    StepFrame(*this, Edit5, UpDown1, SelectedStart);
}

void TForm1::UpDown2Click() {
    StepFrame(*this, Edit6, UpDown2, SelectedEnd);
}

void TForm1::Combobox2Exit() {
    const std::optional<LeftRate> rate = RateOfBoxText(Combobox2.Text);
    if (!rate) {
        platform.UI.ShowMessage(Message(MessageRow::RateHasErrors));
        Combobox2.Text.clear();
        ActiveControl = &Combobox2;
        return;
    }
    CurrentFps = rate->fps;
    Combobox2.Text = rate->text;
}
