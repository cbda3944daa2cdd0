#include "shell/Unit1.h"

#include "shell/MessageTable.h"
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
