#include "shell/Unit1.h"

#include "document/NumText.h"
#include "editing/FindReplace.h"

#include <optional>

namespace {

TextSearch SearchOf(const FindDialog &dialog) {
    return TextSearch(dialog.FindText, dialog.ReplaceText,
                      FindOptions{dialog.MatchCase, dialog.WholeWords, dialog.RegularExpression});
}

// Shows the dialog in the window's language; false on Cancel.
bool AskFind(TForm1 &form, bool replacing) {
    FindDialog &dialog = form.FindDialog1;
    dialog.Replacing = replacing;
    dialog.Labels = {form.Message(replacing ? MessageRow::ReplaceMenu : MessageRow::FindMenu),
                     form.Message(MessageRow::FindWhat),
                     form.Message(MessageRow::ReplaceWith),
                     form.Message(MessageRow::MatchCase),
                     form.Message(MessageRow::WholeWords),
                     form.Message(MessageRow::RegularExpression),
                     form.Message(MessageRow::FindNext),
                     form.Message(MessageRow::ReplaceOnce),
                     form.Message(MessageRow::ReplaceAll)};
    return form.platform.UI.ExecuteFind(dialog);
}

} // namespace

void TForm1::Procurar1Click() {
    if (AskFind(*this, false))
        ProcurarSeguinte1Click();
}

// The next subtitle after the selected one whose text holds the find text is
// selected and shown in the frame fields.
void TForm1::ProcurarSeguinte1Click() {
    if (FindDialog1.FindText.empty()) {
        Procurar1Click();
        return;
    }
    const TextSearch search = SearchOf(FindDialog1);
    const std::optional<std::size_t> after =
        ListBox1.ItemIndex >= 0 ? std::optional<std::size_t>(ListBox1.ItemIndex) : std::nullopt;
    if (const std::optional<std::size_t> found = FindInList(SubtitleList(), search, after))
        PointAtEntry(*found);
    else
        platform.UI.ShowMessage(Message(MessageRow::TextNotFound));
}

// Replace changes the first match of the selected subtitle and goes to the
// next; replace all changes the whole list as one step of the history.
void TForm1::Substituir1Click() {
    if (!AskFind(*this, true))
        return;
    const TextSearch search = SearchOf(FindDialog1);
    switch (FindDialog1.Pressed) {
    case FindDialog::Action::FindNext:
        break;
    case FindDialog::Action::Replace:
        if (ListBox1.ItemIndex >= 0) {
            const auto index = static_cast<std::size_t>(ListBox1.ItemIndex);
            if (const std::optional<std::string> changed =
                    search.ReplaceFirst(SubtitleList()[index], index)) {
                SubtitleList().Set(index, *changed);
                ListBox1Click();
            }
        }
        break;
    case FindDialog::Action::ReplaceAll: {
        ReplaceResult result = ReplaceInList(SubtitleList(), search);
        SubtitleList().Assign(result.list);
        if (ListBox1.ItemIndex >= 0)
            ListBox1Click();
        platform.UI.ShowMessage(Message(MessageRow::ReplacementsMade) +
                                IntToStr(static_cast<long long>(result.replaced)));
        return;
    }
    }
    ProcurarSeguinte1Click();
}
