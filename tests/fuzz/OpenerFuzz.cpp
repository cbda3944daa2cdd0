// The whole opener on outside bytes: the bytes as the contents of a file
// opened by name, under an extension that varies with the input, so
// extension and content recognition, every importer, the frame-rate header,
// markup, the timing check and the selection all see them. The bytes are
// opened from memory: a file written and read back for every input would
// cost more than the opening. A failure that ends the handler is an allowed
// outcome; a crash or a sanitizer finding is not.

#include "document/Errors.h"
#include "shell/QuietDesktop.h"
#include "shell/Unit1.h"
#include "shell/UserEvent.h"
#include "tests/fuzz/FuzzCheck.h"
#include "tests/support/MemorySettings.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

// A desktop that shows nothing and answers Yes and No in turn.
class ScriptedDialogs : public Dialogs {
public:
    void ShowMessage(const std::string &) override {}
    bool AskYesNo(const std::string &, QuestionKind) override { return (++asked_ % 2) == 1; }
    bool InputQuery(const std::string &, const std::string &, std::string &) override { return false; }
    bool ExecuteOpen(FileDialog &) override { return false; }
    bool ExecuteSave(FileDialog &) override { return false; }
    bool ExecuteFont(FontDialog &) override { return false; }
    void ShowError(const std::string &) override { ++errors; }
    void ShowPreview(TForm2 &) override {}

    unsigned errors = 0;

private:
    unsigned asked_ = 0;
};

// Every extension that picks an importer by name, then the content rules.
constexpr std::array<const char *, 12> kExtensions = {".srt", ".stl", ".mpl", ".ssa", ".son", ".psb",
                                                      ".sbt", ".txt", ".sub", ".SRT", ".Ssa", ""};
constexpr std::array<const char *, 4> kRates = {"25,000", "23,976", "23.976", "0"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    ScriptedDialogs dialogs;
    // Opening reads no settings; any use of them is a fault of this target's making.
    MemorySettings settings;
    settings.FailFrom(1);
    NoLauncher launcher;
    NoPlayer player;
    Platform platform{dialogs, settings, launcher, player};
    TForm1 form(platform);
    form.Combobox2.Text = kRates[size % kRates.size()];
    form.ActivarosAlertas1.Checked = size % 2 == 0;
    form.CurrentLanguage = static_cast<std::uint8_t>(1 + size % 4);
    const std::string file = std::string("input") + kExtensions[size % kExtensions.size()];
    RunUserEvent(dialogs, [&] {
        form.OpenNamedText(file, std::string_view(reinterpret_cast<const char *>(data), size));
    });

    // A recognised file that opened without a failure shows what the
    // ImportBuffer holds, as many entries as it had when opened.
    const std::string &format = form.Formato.Caption;
    if (dialogs.errors == 0 && format != "Unknown" && format != "...") {
        FUZZ_CHECK(form.SubtitleList() == form.ImportBuffer());
        FUZZ_CHECK(form.SubtitleList().Count() == form.KeptCopy().Count());
    }
    return 0;
}
