#pragma once

#include <cstddef>
#include <exception>
#include <functional>
#include <string>
#include <vector>

// What long work of the core may ask or tell the user while it runs, and
// how it hears of Cancel. The window answers with its boxes, the command
// line from its options, the tests from a script. Every text is UTF-8.

enum class QuestionKind { Warning, Confirmation };

// Long work tells its progress (0 to 100) to this; false means Cancel was pressed.
using WorkProgress = std::function<bool(int percent)>;

// Ends long work whose Cancel was pressed; the event it ran in then ends
// without a word, and what the work made is dropped.
class WorkCancelled : public std::exception {
public:
    const char *what() const noexcept override { return "Cancelled"; }
};

// The progress of work that cannot stop by itself: Cancel throws WorkCancelled.
inline std::function<void(int)> CancellingProgress(const WorkProgress &progress) {
    return [&progress](int percent) {
        if (!progress(percent))
            throw WorkCancelled();
    };
}

// What the work of the core may ask the user while it runs: it tells
// something, or asks Yes or No. The window answers with its boxes, the
// command line from its options.
class Questions {
public:
    virtual ~Questions() = default;
    // A plain message box with an OK button.
    virtual void ShowMessage(const std::string &text) = 0;
    // A Yes/No box; true only for Yes.
    virtual bool AskYesNo(const std::string &text, QuestionKind kind) = 0;
    // A list to pick one item from, the first preselected; the index of the
    // item picked, 0 when nobody is there to ask.
    virtual std::size_t ChooseItem(const std::string &text, const std::vector<std::string> &items) {
        (void)text;
        (void)items;
        return 0;
    }
};

// Long work is given its progress and the questions it may ask, which
// reach the user on the window's thread while the work waits for the answer.
using LongWork = std::function<void(const WorkProgress &progress, Questions &questions)>;
