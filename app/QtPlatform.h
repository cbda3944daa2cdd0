#pragma once

#include "shell/Platform.h"

#include <QFont>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <string>

class QWidget;

// The desktop of the Qt view: message boxes, the input, file and font
// dialogs, starting programs and the media player.

// A Windows filter "description|pattern|description|pattern" as the name
// filters of a Qt file dialog, "description (pattern)" each, with the
// patterns of one entry separated by blanks instead of ";".
QStringList FileDialogFilters(const std::string &filter);

// The suffix a file dialog adds to a name typed without one: "*.sub" -> "sub".
QString DefaultSuffix(const std::string &defaultExt);

// A font of the core as a Qt font. A family that is not installed (the
// form's "MS Sans Serif" on Linux) falls back to an installed sans font of
// the same point size.
QFont FontFromSpec(const FontSpec &model);
// The chosen font back into the core's form; the colour is not part of a Qt
// font and keeps the value of `keep`.
FontSpec SpecFromFont(const QFont &font, const FontSpec &keep);

// A file name the user chose outside the core, as the core's cp1252 name. A
// name with characters cp1252 lacks is refused with a warning over parent,
// since the name with "?" in their place would open or overwrite another file.
std::optional<std::string> CoreFileName(const QString &chosen, QWidget *parent);

class QtDialogs : public Dialogs {
public:
    // Runs before every box or dialog, so that the window behind it shows
    // what the running handler has done so far.
    void SetBeforeShow(std::function<void()> beforeShow) { beforeShow_ = std::move(beforeShow); }

    void ShowMessage(const std::string &text) override;
    bool AskYesNo(const std::string &text, QuestionKind kind) override;
    bool InputQuery(const std::string &caption, const std::string &prompt, std::string &value) override;
    bool ExecuteOpen(FileDialog &dialog) override;
    bool ExecuteSave(FileDialog &dialog) override;
    bool ExecuteFont(FontDialog &dialog) override;
    void ShowError(const std::string &text) override;

private:
    void BeforeShow() const;
    bool ExecuteFile(FileDialog &dialog, bool save);

    std::function<void()> beforeShow_;
};

class QtLauncher : public ProgramLauncher {
public:
    void Start(const std::string &commandLine) override;
};

// The preview window's player: it keeps the file it was given to play, for
// the preview window to show.
class QtMediaPlayer : public MediaPlayer {
public:
    void SetUrl(const std::string &url) override { url_ = url; }
    const std::string &Url() const { return url_; }

private:
    std::string url_;
};
