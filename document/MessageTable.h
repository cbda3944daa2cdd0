#pragma once

#include <cstdint>
#include <string>

// The rows of the interface texts that follow the language, named after what
// each one says or labels.
enum class MessageRow : int {
    Version,                // 0
    FileMenu,               // 1
    AllSubtitles,           // 2
    AllFiles,               // 3
    New,                    // 4
    Open,                   // 5
    OpenSubtitle,           // 6
    Save,                   // 7
    SaveSubtitle,           // 8
    Exit,                   // 9
    Language,               // 10
    OriginalSubtitles,      // 11
    FileName,               // 12
    Options,                // 13
    Convert,                // 14
    ConvertSubtitle,        // 15
    ChangeSubtitles,        // 16
    FieldToChange,          // 17
    FpsError,               // 18
    SubtitleError,          // 19
    NumberingError,         // 20
    IgnoreNumbering,        // 21
    Success,                // 22
    Delay,                  // 23
    ConfirmDelete,          // 24
    OfficialSite,           // 25
    OnlyTxtFiles,           // 26
    DeleteSubtitle,         // 27
    FrameRate,              // 28
    Progress,               // 29
    Limitation,             // 30
    MaxLineLength,          // 31
    MaxTotalLength,         // 32
    LineCount,              // 33
    ChangeTitle,            // 34
    Title,                  // 35
    Begin,                  // 36
    End,                    // 37
    Time,                   // 38
    Frame,                  // 39
    SaveChanges,            // 40
    RateHasErrors,          // 41
    StartBeforePreviousEnd, // 42
    StartNotBeforeEnd,      // 43
    LineSizes,              // 44
    Remainder,              // 45
    LineLabel,              // 46
    LetterCase,             // 47
    SameFps,                // 48
    FpsInAvi,               // 49
    ActivateAlerts,         // 50
    PutInFps,               // 51
    FrameError,             // 52
    Continue,               // 53
    ChangeName,             // 54
    Properties,             // 55
    TimingErrors,           // 56
    AutoCorrection,         // 57
    UnknownFormat,          // 58
    InsertSubtitle,         // 59
    EditMenu,               // 60
    Undo,                   // 61
    Redo,                   // 62
    SyncToVideo,            // 63
    VideoFiles,             // 64
    WrittenAsUtf8,          // 65
    FindMenu,               // 66
    FindNext,               // 67
    ReplaceMenu,            // 68
    FindWhat,               // 69
    ReplaceWith,            // 70
    MatchCase,              // 71
    WholeWords,             // 72
    RegularExpression,      // 73
    ReplaceOnce,            // 74
    ReplaceAll,             // 75
    TextNotFound,           // 76
    ReplacementsMade,       // 77
    SamiClassQuestion,      // 78
    SamiClassRead,          // 79
    SpellingMenu,           // 80
    NotInDictionary,        // 81
    ChangeTo,               // 82
    SpellingSuggestions,    // 83
    DictionaryLabel,        // 84
    ChangeWord,             // 85
    ChangeAllWords,         // 86
    IgnoreWord,             // 87
    IgnoreAllWords,         // 88
    AddToDictionary,        // 89
    CloseSpelling,          // 90
    SpellingDone,           // 91
    NoDictionary,           // 92
};

// The interface texts: 93 rows in Portuguese (1), English (2), Danish (3) and
// Spanish (4), UTF-8, exactly as shown.
constexpr int kMessageRows = static_cast<int>(MessageRow::NoDictionary) + 1;

// Throws ListIndexError for a row outside the table or a language outside 1..4.
const std::string &MessageText(MessageRow row, std::uint8_t language);

// The Cancel button of the progress bar long work runs under, and the bar's
// label once Cancel has been pressed; ours, so apart from the table above.
enum class ProgressText { Cancel, Cancelling };
// Throws ListIndexError for a language outside 1..4.
const std::string &ProgressDialogText(ProgressText text, std::uint8_t language);
