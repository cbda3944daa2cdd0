#include "shell/Unit1.h"

#include <optional>

void TForm1::Desfazer1Click() {
    if (const std::optional<EditorState> state = History.Undo(SubtitleList()))
        ShowEditorState(*state);
}

void TForm1::Refazer1Click() {
    if (const std::optional<EditorState> state = History.Redo(SubtitleList()))
        ShowEditorState(*state);
}

EditorState TForm1::EditorStateNow() const {
    return {ListBox1.ItemIndex, ListBox1.TopIndex, SelectedStart, SelectedEnd,      Edit5.Text,
            Edit6.Text,         Edit7.Text,        Edit12.Text,   UpDown1.Position, UpDown2.Position};
}

void TForm1::ShowEditorState(const EditorState &state) {
    ListBox1.ItemIndex = state.itemIndex;
    ListBox1.TopIndex = state.topIndex;
    SelectedStart = state.selectedStart;
    SelectedEnd = state.selectedEnd;
    Edit5.Text = state.start;
    Edit6.Text = state.end;
    Edit7.Text = state.duration;
    Edit12.Text = state.time;
    UpDown1.Position = state.startStep;
    UpDown2.Position = state.endStep;
}

void TForm1::ShowHistoryItems() {
    Desfazer1.Enabled = History.CanUndo();
    Refazer1.Enabled = History.CanRedo();
}
