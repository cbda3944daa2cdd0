#include "document/NumText.h"
#include "shell/Unit1.h"
#include "tools/FpsCalculator.h"

void TForm1::CalcularFPS1Click() {
    std::string input;
    if (!platform.UI.InputQuery("Calc. FPS", "Frame, hh:mm:ss", input) || input.empty())
        return;
    const FpsCalculation result = CalculateFps(input);
    if (!result.fps) {
        platform.UI.ShowMessage(result.error);
        return;
    }
    const std::string rate = FloatToStr(*result.fps);
    if (platform.UI.AskYesNo(Message(MessageRow::PutInFps), QuestionKind::Confirmation))
        Combobox2.Text = rate;
    else
        platform.UI.ShowMessage(rate);
}
