#pragma once

#include "shell/Platform.h"

class TForm1;

// The per-user key of the settings and the names of its values. The names
// are those stored on users' machines; they never change.
inline constexpr const char *kSettingsKey = "Software\\Lumavert";
inline constexpr const char *kLanguageValue = "Idioma";
inline constexpr const char *kLanguageNameValue = "Lingua";
inline constexpr const char *kReceiverValue = "Receptor";
inline constexpr const char *kLineCountValue = "NLinhas";
inline constexpr const char *kMaxLineValue = "MaxLinha";
inline constexpr const char *kMaxSumValue = "MaxSum";
inline constexpr const char *kAlertsValue = "Alertas";
inline constexpr const char *kFontNameValue = "Font";
inline constexpr const char *kFontSizeValue = "Tamanho";
inline constexpr const char *kOutputEncodingValue = "OutputEncoding";
inline constexpr const char *kFallbackEncodingValue = "FallbackEncoding";
inline constexpr const char *kDetectEncodingValue = "DetectEncoding";
// The recent files, the latest first: "Recente1" to "Recente8"; an empty one is unused.
inline constexpr const char *kRecentFileValuePrefix = "Recente";
inline constexpr const char *kWindowLeftValue = "JanelaEsquerda";
inline constexpr const char *kWindowTopValue = "JanelaTopo";
inline constexpr const char *kWindowWidthValue = "JanelaLargura";
inline constexpr const char *kWindowHeightValue = "JanelaAltura";
inline constexpr const char *kWindowMaximizedValue = "JanelaMaximizada";
// The output-format box's format, by its key ("srt").
inline constexpr const char *kOutputFormatValue = "OutputFormat";

// The settings key opened (created when missing) for the length of one
// handler's work and closed when it goes out of scope, also when a failure of
// the store ends the handler. Throws SettingsError when the key cannot be opened.
class SettingsKey {
public:
    explicit SettingsKey(SettingsStore &store);
    ~SettingsKey();
    SettingsKey(const SettingsKey &) = delete;
    SettingsKey &operator=(const SettingsKey &) = delete;

    SettingsStore &store;
};

// The hints that name the chosen receiver profile: ComboBox1's own and the
// limits button's, which reads "Limitation (profile)" in the current language.
void ShowReceiverHints(TForm1 &form);
