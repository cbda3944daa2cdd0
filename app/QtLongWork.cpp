#include "app/QtLongWork.h"
#include "app/QtPlatform.h"
#include "app/QtText.h"
#include "document/MessageTable.h"

#include <QApplication>
#include <QEventLoop>
#include <QPointer>
#include <QProgressDialog>
#include <QTimer>

#include <atomic>
#include <exception>
#include <thread>

namespace {

// CHOICE: the bar is read from the work's last report ten times a second;
// the work never waits for the window.
constexpr int kShowEveryMs = 100;

// The language of a desktop that was not told the interface's.
constexpr std::uint8_t kEnglish = 2;

// The questions of the work, asked on the window's thread: the work waits
// for each answer.
class QuestionsFromWork : public Questions {
public:
    QuestionsFromWork(QObject &windowSide, Questions &questions)
        : windowSide_(windowSide), questions_(questions) {}
    void ShowMessage(const std::string &text) override {
        QMetaObject::invokeMethod(
            &windowSide_, [&] { questions_.ShowMessage(text); }, Qt::BlockingQueuedConnection);
    }
    bool AskYesNo(const std::string &text, QuestionKind kind) override {
        bool answer = false;
        QMetaObject::invokeMethod(
            &windowSide_, [&] { answer = questions_.AskYesNo(text, kind); }, Qt::BlockingQueuedConnection);
        return answer;
    }
    std::size_t ChooseItem(const std::string &text, const std::vector<std::string> &items) override {
        std::size_t picked = 0;
        QMetaObject::invokeMethod(
            &windowSide_, [&] { picked = questions_.ChooseItem(text, items); }, Qt::BlockingQueuedConnection);
        return picked;
    }

private:
    QObject &windowSide_;
    Questions &questions_;
};

} // namespace

void QtDialogs::RunLongWork(const std::string &caption, const LongWork &work) {
    BeforeShow();
    RunOffThread(caption, work, *this, language_ ? language_() : kEnglish);
}

void RunOffThread(const std::string &caption, const LongWork &work, Questions &questions,
                  std::uint8_t language) {
    // The window the bar covers has the focus back once the work has ended.
    const QPointer<QWidget> window = QApplication::activeWindow();
    QProgressDialog dialog(DisplayText(caption),
                           DisplayText(ProgressDialogText(ProgressText::Cancel, language)), 0, 100, window);
    dialog.setObjectName(QStringLiteral("LongWork"));
    dialog.setWindowTitle(QApplication::applicationDisplayName());
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    dialog.setMinimumDuration(0);

    std::atomic<int> percent{0};
    std::atomic<bool> cancelled{false};
    std::exception_ptr failure;
    QEventLoop loop;
    QObject::connect(&dialog, &QProgressDialog::canceled, &dialog, [&] {
        cancelled = true;
        dialog.setLabelText(DisplayText(ProgressDialogText(ProgressText::Cancelling, language)));
    });
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, &dialog, [&] {
        if (!cancelled)
            dialog.setValue(percent);
    });
    timer.start(kShowEveryMs);
    dialog.show();

    QuestionsFromWork questionsFromWork(dialog, questions);
    std::thread worker([&] {
        try {
            work(
                [&](int reached) {
                    percent = reached;
                    return !cancelled;
                },
                questionsFromWork);
        } catch (...) {
            failure = std::current_exception();
        }
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();
    dialog.hide();
    if (window)
        window->activateWindow();
    if (failure)
        std::rethrow_exception(failure);
}
