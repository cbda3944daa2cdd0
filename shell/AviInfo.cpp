#include "document/NumText.h"
#include "shell/Unit1.h"
#include "tools/AviFile.h"
#include "tools/AviReport.h"

void TForm1::btAVIInfoClick() {
    if (!platform.UI.ExecuteOpen(OpenDialog2))
        return;
    TAVIFileInfo info;
    if (ReadAviInfo(OpenDialog2.FileName, info) != AviReadStatus::Read) {
        platform.UI.ShowMessage("No AVI Information");
        return;
    }
    platform.UI.ShowMessage(AviReport(info));
    // CHOICE: a header without a frame duration has no rate to offer.
    if (info.FrameRate == 0)
        return;
    if (platform.UI.AskYesNo(Message(MessageRow::PutInFps), QuestionKind::Confirmation))
        Combobox2.Text = FloatToStr(info.FrameRate);
}
