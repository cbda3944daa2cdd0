#include "shell/Unit1.h"

// PLACEHOLDER: the design-time state of every control.
void TForm1::LoadFormDesign() {
    ComboBox1.Items = TextList{"Firmware Brenwic"};
    SaveFormato.Items = TextList{"Original to MicroDVD (*.Sub)", "SubRip (*.Srt)"};
    Combobox2.Items = TextList{"23,976", "23,978", "24,000", "25,000", "29,700", "30,000", "23,976/25", "25/23,976"};
}
