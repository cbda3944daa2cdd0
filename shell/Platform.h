#pragma once

#include "document/Questions.h"
#include "shell/Controls.h"
#include "shell/FindDialog.h"
#include "shell/SpellDialog.h"

#include <functional>
#include <optional>
#include <string>

// What the desktop provides to the core. The Qt view implements these with
// real dialogs, QSettings and Qt Multimedia, the command line with flags and
// standard error, the tests with a strict scripted fake. Every text crossing
// this port is UTF-8.

class TForm2;

class Dialogs : public Questions {
public:
    // The input dialog: caption, prompt and a value the user may change; false on Cancel.
    virtual bool InputQuery(const std::string &caption, const std::string &prompt, std::string &value) = 0;
    // File dialogs read title, filter, filter index, default extension and
    // file name from the model and, on OK, write back the chosen file name
    // and filter index.
    virtual bool ExecuteOpen(FileDialog &dialog) = 0;
    virtual bool ExecuteSave(FileDialog &dialog) = 0;
    // The font dialog; on OK the chosen font is written into the model.
    virtual bool ExecuteFont(FontDialog &dialog) = 0;
    // The platform's error box, shown when a failure ends a handler.
    virtual void ShowError(const std::string &text) = 0;
    // The progress bar moved while a handler runs: a desktop that shows it
    // repaints it at once. The others have nothing to show.
    virtual void ProgressMoved() {}
    // Runs long work away from the window's thread under a progress bar with
    // the caption and a Cancel button, returning when the work has ended; the
    // window keeps painting meanwhile. A failure of the work is thrown here.
    // Where there is no window the work simply runs.
    virtual void RunLongWork(const std::string & /*caption*/, const LongWork &work) {
        work([](int) { return true; }, *this);
    }
    // Shows the preview window beside the main window, which stays usable:
    // its list and boxes drive the subtitles over the video. The window stays
    // until the user closes it.
    virtual void ShowPreview(TForm2 &window) = 0;
    // The find and replace dialog; on a button other than Cancel the typed
    // texts, the options and the button are written into the model. Where
    // there is no window nothing is found.
    virtual bool ExecuteFind(FindDialog & /*dialog*/) { return false; }
    // The spell check's dialog for one word; the button pressed, the chosen
    // dictionary and the replacement are written into the model. Where there
    // is no window it is closed at once.
    virtual void ExecuteSpelling(SpellDialog &dialog) { dialog.Pressed = SpellDialog::Action::Close; }
};

// The per-user settings key. Reads of a value of the wrong type and any
// failure of the store throw SettingsError.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual bool KeyExists(const std::string &key) = 0;
    // Opens the key, creating it when canCreate is set; false when it cannot be opened.
    virtual bool OpenKey(const std::string &key, bool canCreate) = 0;
    virtual bool ValueExists(const std::string &name) = 0;
    virtual int ReadInteger(const std::string &name) = 0;
    virtual bool ReadBool(const std::string &name) = 0;
    virtual std::string ReadString(const std::string &name) = 0;
    virtual void WriteInteger(const std::string &name, int value) = 0;
    virtual void WriteBool(const std::string &name, bool value) = 0;
    virtual void WriteString(const std::string &name, const std::string &value) = 0;
    virtual void CloseKey() = 0;
};

// Starts another program by its command line without waiting for it.
class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    virtual void Start(const std::string &commandLine) = 0;
    // Opens a web address in the desktop's browser; a failure reports nothing.
    virtual void OpenUrl(const std::string &url) = 0;
};

// The video player of the preview window; a file name starts loading and
// playing it, the empty text stops and unloads.
class MediaPlayer {
public:
    virtual ~MediaPlayer() = default;
    virtual void SetUrl(const std::string &url) = 0;
    // Where playback stands, in seconds; 0 with nothing loaded.
    virtual double Position() { return 0.0; }
    // Moves playback to `seconds` into the film; nothing with nothing loaded.
    virtual void Seek(double /*seconds*/) {}
};

struct Platform {
    Dialogs &UI;
    SettingsStore &Store;
    ProgramLauncher &Launcher;
    MediaPlayer &Player;
};
