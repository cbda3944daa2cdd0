#include "shell/Unit1.h"

#include "document/MessageTable.h"
#include "shell/SettingsNames.h"
#include "shell/UserEvent.h"

TForm1::TForm1(Platform &platform) : platform(platform), Form2(platform) {
    LoadFormDesign();
    FormCreate();
    Form2.FollowList(ListBox1, Combobox2, AtrasoEdit);
}

void TForm1::Run(Handler handler) {
    // Some controls answer no event (the hidden "Split" and "Join" buttons,
    // separators); a front end may pass their empty handler along.
    if (!handler)
        return;
    RunEvent([&] { (this->*handler)(); });
}

void TForm1::RunEvent(const std::function<void()> &body) {
    History.Begin(SubtitleList(), EditorStateNow());
    RunUserEvent(platform.UI, body);
    History.End(SubtitleList(), EditorStateNow());
    ShowHistoryItems();
}

const std::string &TForm1::Message(MessageRow row) const {
    return MessageText(row, CurrentLanguage);
}

void TForm1::MoveProgressBar(int position) {
    if (ProgressBar1.Position == position)
        return;
    ProgressBar1.Position = position;
    platform.UI.ProgressMoved();
}

void TForm1::FormCreate() {
    // Selecting entries here runs no change handler: models never fire handlers.
    ComboBox1.ItemIndex = 0;
    ComboBox1.Text = ComboBox1.Items[0];
    SaveFormato.ItemIndex = 0;
    SaveFormato.Text = SaveFormato.Items[0];
    MaxLineLength = 34;
    MaxTotalLength = 60;
    Combobox2.ItemIndex = 3;
    Combobox2.Text = Combobox2.Items[3];
    CheckChangedFlag = false;
    AnnounceSuccess = true;
    CurrentFps = 25.0;
}

void TForm1::FormActivate() {
    CurrentLanguage = 1;
    ReadSettings();
    ApplyLanguage(CurrentLanguage);
}

void TForm1::Sair1Click() {
    CloseRequested = true;
}

void TForm1::ReadWindowPlacement() {
    SettingsKey key(platform.Store);
    SettingsStore &store = key.store;
    for (const char *name : {kWindowLeftValue, kWindowTopValue, kWindowWidthValue, kWindowHeightValue})
        if (!store.ValueExists(name))
            return;
    Placement.Bounds = {store.ReadInteger(kWindowLeftValue), store.ReadInteger(kWindowTopValue),
                        store.ReadInteger(kWindowWidthValue), store.ReadInteger(kWindowHeightValue)};
    Placement.Maximized = store.ValueExists(kWindowMaximizedValue) && store.ReadBool(kWindowMaximizedValue);
}

void TForm1::FormClose() {
    SettingsKey key(platform.Store);
    key.store.WriteInteger(kWindowLeftValue, Placement.Bounds.Left);
    key.store.WriteInteger(kWindowTopValue, Placement.Bounds.Top);
    key.store.WriteInteger(kWindowWidthValue, Placement.Bounds.Width);
    key.store.WriteInteger(kWindowHeightValue, Placement.Bounds.Height);
    key.store.WriteBool(kWindowMaximizedValue, Placement.Maximized);
    key.store.WriteString(kOutputFormatValue, std::string(OutputOfBoxItem(SaveFormato.ItemIndex).key));
}
