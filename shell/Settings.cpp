#include "shell/Unit1.h"

#include "convert/ReceiverProfiles.h"
#include "document/Errors.h"
#include "document/NumText.h"
#include "shell/RecentFiles.h"
#include "shell/SettingsNames.h"

#include <array>
#include <optional>
#include <string>

namespace {

constexpr int kDefaultLanguage = 1;
constexpr int kDefaultReceiver = 1;
constexpr int kDefaultLineCount = 2;
constexpr int kDefaultMaxLine = 34;
constexpr int kDefaultMaxSum = 60;
constexpr bool kDefaultAlerts = true;

// The smallest line count the lines box offers; its entries are "2" and "3".
constexpr int kFirstLineCount = 2;

// The language's name in Portuguese, stored beside its number for nobody in
// particular; users' files have always carried it.
constexpr std::array<const char *, 4> kLanguageNames = {"Português", "Inglês", "Dinamarquês", "Espanhol"};

// Shown when a number typed into a limit does not convert; never translated.
constexpr const char *kNotANumber = "Erro";
// NOTE: the misspelt "Aertas" is the text users have always seen.
constexpr const char *kAlertsNotStored = "Erro ao escrever os Aertas no registo do windows";

// Selects an entry of a drop-down list; a position it does not have selects nothing.
void SelectEntry(ComboBox &box, int index) {
    if (index >= 0 && static_cast<std::size_t>(index) < box.Items.Count()) {
        box.ItemIndex = index;
        box.Text = box.Items[static_cast<std::size_t>(index)];
    } else {
        box.ItemIndex = -1;
        box.Text.clear();
    }
}

// A value as stored; a missing one gets its default written first.
int StoredInteger(SettingsStore &store, const char *name, int fallback) {
    if (!store.ValueExists(name))
        store.WriteInteger(name, fallback);
    return store.ReadInteger(name);
}

bool StoredBool(SettingsStore &store, const char *name, bool fallback) {
    if (!store.ValueExists(name))
        store.WriteBool(name, fallback);
    return store.ReadBool(name);
}

std::string StoredString(SettingsStore &store, const char *name, const std::string &fallback) {
    if (!store.ValueExists(name))
        store.WriteString(name, fallback);
    return store.ReadString(name);
}

// The lists and the SubRip text share one font.
std::array<FontSpec *, 5> ListFonts(TForm1 &form) {
    return {&form.ListBox1.Font, &form.ListBox2.Font, &form.ListBox3.Font, &form.ListBox4.Font,
            &form.Memo1.Font};
}

// The language number as stored; one that no language has counts as
// Portuguese and is stored so again.
std::uint8_t StoredLanguage(SettingsStore &store) {
    int language = StoredInteger(store, kLanguageValue, kDefaultLanguage);
    if (language < 1 || language > static_cast<int>(kLanguageNames.size())) {
        language = kDefaultLanguage;
        store.WriteInteger(kLanguageValue, language);
    }
    return static_cast<std::uint8_t>(language);
}

// The encoding choices are stored only once the user makes them; a name
// no encoding has counts as no choice.
std::optional<TextEncoding> StoredEncoding(SettingsStore &store, const char *name) {
    return store.ValueExists(name) ? FindEncoding(store.ReadString(name)) : std::nullopt;
}

void ReadEncodingSettings(TForm1 &form, SettingsStore &store) {
    form.ChosenOutputEncoding = StoredEncoding(store, kOutputEncodingValue);
    form.ChosenFallbackEncoding = StoredEncoding(store, kFallbackEncodingValue);
    form.DetectEncodings = !store.ValueExists(kDetectEncodingValue) || store.ReadBool(kDetectEncodingValue);
}

void ReadStoredSettings(TForm1 &form, SettingsStore &store) {
    form.CurrentLanguage = StoredLanguage(store);
    store.WriteString(kLanguageNameValue, kLanguageNames[form.CurrentLanguage - 1]);

    // Only the selection: the profile's limits come from the values stored with it.
    SelectEntry(form.ComboBox1, StoredInteger(store, kReceiverValue, kDefaultReceiver));

    int lineCount = StoredInteger(store, kLineCountValue, kDefaultLineCount);
    SelectEntry(form.ComboBox3, lineCount >= kFirstLineCount ? lineCount - kFirstLineCount : -1);

    form.MaxLineLength = StoredInteger(store, kMaxLineValue, kDefaultMaxLine);
    form.Edit3.Text = IntToStr(form.MaxLineLength);
    form.MaxTotalLength = StoredInteger(store, kMaxSumValue, kDefaultMaxSum);
    form.Edit4.Text = IntToStr(form.MaxTotalLength);

    form.ActivarosAlertas1.Checked = StoredBool(store, kAlertsValue, kDefaultAlerts);

    if (const int item =
            store.ValueExists(kOutputFormatValue) ? BoxItemOfKey(store.ReadString(kOutputFormatValue)) : -1;
        item >= 0)
        SelectEntry(form.SaveFormato, item);

    std::string fontName = StoredString(store, kFontNameValue, form.FontDialog1.Font.Name);
    for (FontSpec *font : ListFonts(form))
        font->Name = fontName;
    int fontSize = StoredInteger(store, kFontSizeValue, form.FontDialog1.Font.Size);
    for (FontSpec *font : ListFonts(form))
        font->Size = fontSize;
    ReadEncodingSettings(form, store);
    ReadRecentFiles(form, store);
}

// A first start stores the defaults; the controls stay as designed, except
// the line-count box, which has no entry selected at design time and so
// shows the stored count at once.
void WriteDefaultSettings(TForm1 &form, SettingsStore &store) {
    SelectEntry(form.ComboBox3, kDefaultLineCount - kFirstLineCount);
    store.WriteInteger(kLanguageValue, kDefaultLanguage);
    store.WriteInteger(kReceiverValue, kDefaultReceiver);
    store.WriteInteger(kLineCountValue, kDefaultLineCount);
    store.WriteInteger(kMaxLineValue, kDefaultMaxLine);
    store.WriteInteger(kMaxSumValue, kDefaultMaxSum);
    store.WriteBool(kAlertsValue, kDefaultAlerts);
    store.WriteString(kFontNameValue, form.FontDialog1.Font.Name);
    store.WriteInteger(kFontSizeValue, form.FontDialog1.Font.Size);
}

// The number typed into a limit box, or nothing after telling the user and
// putting the focus back on the emptied box.
std::optional<int> TypedLimit(TForm1 &form, Edit &edit) {
    std::optional<int> number = TryStrToInt(edit.Text);
    if (!number) {
        form.platform.UI.ShowMessage(kNotANumber);
        edit.Text.clear();
        form.ActiveControl = &edit;
    }
    return number;
}

void StoreInteger(SettingsStore &store, const char *name, int value) {
    SettingsKey key(store);
    store.WriteInteger(name, value);
}

} // namespace

SettingsKey::SettingsKey(SettingsStore &store) : store(store) {
    if (!store.OpenKey(kSettingsKey, true))
        throw SettingsError(std::string("The settings key '") + kSettingsKey + "' cannot be opened");
}

SettingsKey::~SettingsKey() {
    store.CloseKey();
}

void ShowReceiverHints(TForm1 &form) {
    form.ComboBox1.Hint = form.ComboBox1.Text;
    form.btMax.Hint = form.Message(MessageRow::Limitation) + " (" + form.ComboBox1.Text + ")";
}

void TForm1::ReadSettings() {
    SettingsStore &store = platform.Store;
    bool stored = store.KeyExists(kSettingsKey);
    SettingsKey key(store);
    if (stored)
        ReadStoredSettings(*this, store);
    else
        WriteDefaultSettings(*this, store);
}

void TForm1::ComboBox1Change() {
    int profile = ComboBox1.ItemIndex;
    {
        SettingsKey key(platform.Store);
        if (std::optional<ProfileLimits> limits = ReceiverProfileLimits(profile)) {
            SelectEntry(ComboBox3, limits->LinesPerSubtitle - kFirstLineCount);
            Edit3.Text = IntToStr(limits->MaxLineLength);
            Edit4.Text = IntToStr(limits->MaxTotalLength);
            key.store.WriteInteger(kLineCountValue, limits->LinesPerSubtitle);
            MaxLineLength = limits->MaxLineLength;
            key.store.WriteInteger(kMaxLineValue, MaxLineLength);
            MaxTotalLength = limits->MaxTotalLength;
            key.store.WriteInteger(kMaxSumValue, MaxTotalLength);
        }
        key.store.WriteInteger(kReceiverValue, profile);
    }
    ShowReceiverHints(*this);
}

void TForm1::Edit3Exit() {
    std::optional<int> number = TypedLimit(*this, Edit3);
    if (!number)
        return;
    // NOTE: with no list loaded the limit in force waits for the next
    // activation, which reads the stored value; the sum limit does not wait.
    if (!SubtitleList().Empty())
        MaxLineLength = *number;
    StoreInteger(platform.Store, kMaxLineValue, *number);
    if (!SubtitleList().Empty())
        LoadAgainAtOnce();
}

void TForm1::Edit4Exit() {
    std::optional<int> number = TypedLimit(*this, Edit4);
    if (!number)
        return;
    MaxTotalLength = *number;
    StoreInteger(platform.Store, kMaxSumValue, *number);
    if (!SubtitleList().Empty())
        LoadAgainAtOnce();
}

void TForm1::ComboBox3Exit() {
    // The box is a drop-down list: its text is the selected entry, empty when none is.
    std::optional<int> number = TryStrToInt(ComboBox3.Text);
    if (!number) {
        platform.UI.ShowMessage(kNotANumber);
        ActiveControl = &ComboBox3;
        return;
    }
    StoreInteger(platform.Store, kLineCountValue, *number);
    if (!SubtitleList().Empty())
        LoadAgainAtOnce();
}

void TForm1::ActivarosAlertas1Click() {
    ActivarosAlertas1.Checked = !ActivarosAlertas1.Checked;
    // The one failure of the store with a message of its own: the switch
    // still holds for this session, only remembering it failed.
    try {
        SettingsKey key(platform.Store);
        key.store.WriteBool(kAlertsValue, ActivarosAlertas1.Checked);
    } catch (const SettingsError &) {
        platform.UI.ShowMessage(kAlertsNotStored);
    }
}

void TForm1::Font1Click() {
    if (!platform.UI.ExecuteFont(FontDialog1))
        return;
    for (FontSpec *font : ListFonts(*this))
        *font = FontDialog1.Font;
    SettingsKey key(platform.Store);
    key.store.WriteString(kFontNameValue, FontDialog1.Font.Name);
    key.store.WriteInteger(kFontSizeValue, FontDialog1.Font.Size);
}

ReadingOptions TForm1::ReadingChoice() const {
    return ReadingOptions{NamedEncoding,
                          ChosenFallbackEncoding.value_or(LegacyEncodingForLanguage(DesktopLanguage)),
                          DetectEncodings};
}

TextEncoding TForm1::OutputEncoding() const {
    return ChosenOutputEncoding.value_or(FileEncoding.encoding);
}

void TForm1::ChooseOutputEncoding(const std::string &encodingName) {
    ChosenOutputEncoding = encodingName.empty() ? std::nullopt : FindEncoding(encodingName);
    if (!encodingName.empty() && !ChosenOutputEncoding)
        throw ConvertError("'" + encodingName + "' is not a known encoding");
    SettingsKey key(platform.Store);
    key.store.WriteString(kOutputEncodingValue,
                          ChosenOutputEncoding ? EncodingName(*ChosenOutputEncoding) : "");
}
