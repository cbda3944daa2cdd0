#pragma once

#include "shell/Platform.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class QWidget;

// The desktop of the Qt view: message boxes, the input, file and font
// dialogs, the preview window and starting programs.

class PreviewWindow;

// A Windows filter "description|pattern|description|pattern" as the name
// filters of a Qt file dialog, "description (pattern)" each, with the
// patterns of one entry separated by blanks instead of ";".
QStringList FileDialogFilters(const std::string &filter);

// The suffix a file dialog adds to a name typed without one: "*.sub" -> "sub".
QString DefaultSuffix(const std::string &defaultExt);

// A file name the user chose outside the core, as the core names it: the
// bytes the file system knows it by (UTF-8 on a UTF-8 desktop).
std::string CoreFileName(const QString &chosen);

class QtDialogs : public Dialogs {
public:
    // Runs before every box or dialog, so that the window behind it shows
    // what the running handler has done so far.
    void SetBeforeShow(std::function<void()> beforeShow) { beforeShow_ = std::move(beforeShow); }
    // Runs when the progress bar moves inside a handler.
    void SetOnProgress(std::function<void()> onProgress) { onProgress_ = std::move(onProgress); }
    // Tells the interface language, which the progress bar of long work follows.
    void SetLanguage(std::function<std::uint8_t()> language) { language_ = std::move(language); }
    // The window that shows the preview model.
    void SetPreviewWindow(PreviewWindow *window) { preview_ = window; }

    void ShowMessage(const std::string &text) override;
    bool AskYesNo(const std::string &text, QuestionKind kind) override;
    bool InputQuery(const std::string &caption, const std::string &prompt, std::string &value) override;
    std::size_t ChooseItem(const std::string &text, const std::vector<std::string> &items) override;
    bool ExecuteOpen(FileDialog &dialog) override;
    bool ExecuteSave(FileDialog &dialog) override;
    bool ExecuteFont(FontDialog &dialog) override;
    bool ExecuteFind(FindDialog &dialog) override;
    void ExecuteSpelling(SpellDialog &dialog) override;
    void ShowError(const std::string &text) override;
    void ProgressMoved() override;
    // On a thread of its own (app/QtLongWork.h).
    void RunLongWork(const std::string &caption, const LongWork &work) override;
    void ShowPreview(TForm2 &window) override;

private:
    void BeforeShow() const;
    bool ExecuteFile(FileDialog &dialog, bool save);

    std::function<void()> beforeShow_;
    std::function<void()> onProgress_;
    std::function<std::uint8_t()> language_;
    PreviewWindow *preview_ = nullptr;
};

class QtLauncher : public ProgramLauncher {
public:
    void Start(const std::string &commandLine) override;
    void OpenUrl(const std::string &url) override;
};
