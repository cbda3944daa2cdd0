#include "document/TextFile.h"
#include "shell/Unit1.h"

#include <array>

namespace {

struct BatchPass {
    const char *rateText;
    double fps;
    const char *fileName;
};

// Rates 6 and 7 are the two-rate entries of the frame-rate list worked out:
// 23,976 x 23,976 / 25 and 25 x 25 / 23,976.
constexpr std::array<BatchPass, 7> kPasses{{
    {"23,976", 23.976, "Test1.srt"},
    {"23,978", 23.978, "Test2.srt"},
    {"24,000", 24.0, "Test3.srt"},
    {"25,000", 25.0, "Test4.srt"},
    {"30,000", 30.0, "Test5.srt"},
    {"22,99394304", 22.99394304, "Test6.srt"},
    {"26,0677344010677", 26.0677344010677, "Test7.srt"},
}};

// Puts the frame-rate box and the success switch back as the batch found
// them, however it ends, before a failure is reported.
class BatchRestore {
public:
    explicit BatchRestore(TForm1 &form)
        : form_(form), rateText_(form.Combobox2.Text), announceSuccess_(form.AnnounceSuccess) {}
    ~BatchRestore() {
        form_.Combobox2.Text = rateText_;
        form_.AnnounceSuccess = announceSuccess_;
    }
    BatchRestore(const BatchRestore &) = delete;
    BatchRestore &operator=(const BatchRestore &) = delete;

private:
    TForm1 &form_;
    std::string rateText_;
    bool announceSuccess_;
};

} // namespace

// CHOICE: a pass that fails (a list that does not fit or convert, a file
// that cannot be written) ends the batch without writing its file, and the
// box and the switch are restored all the same, so that no later conversion
// stays silent or runs at a batch rate.
void TForm1::btMultiClick() {
    const BatchRestore restore(*this);
    AnnounceSuccess = false;
    for (const BatchPass &pass : kPasses) {
        // Only the last conversion says "Success".
        if (&pass == &kPasses.back())
            AnnounceSuccess = true;
        Combobox2.Text = pass.rateText;
        CurrentFps = pass.fps;
        bt60Max();
        btConvertClick();
        // Declining UTF-8 for a character the output encoding lacks ends the batch.
        if (!SaveLines(pass.fileName, Memo1.Lines, true))
            return;
    }
}
