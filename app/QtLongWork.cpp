#include "app/QtLongWork.h"
#include "app/QtPlatform.h"
#include "app/QtText.h"

#include <QApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>

#include <atomic>
#include <exception>
#include <thread>

namespace {

// CHOICE: the bar is read from the work's last report ten times a second;
// the work never waits for the window.
constexpr int kShowEveryMs = 100;

} // namespace

void QtDialogs::RunLongWork(const std::string &caption, const LongWork &work) {
    BeforeShow();
    RunOffThread(caption, work);
}

void RunOffThread(const std::string &caption, const LongWork &work) {
    QProgressDialog dialog(DisplayText(caption), QStringLiteral("Cancel"), 0, 100,
                           QApplication::activeWindow());
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
        dialog.setLabelText(QStringLiteral("Cancelling..."));
    });
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, &dialog, [&] {
        if (!cancelled)
            dialog.setValue(percent);
    });
    timer.start(kShowEveryMs);
    dialog.show();

    std::thread worker([&] {
        try {
            work([&](int reached) {
                percent = reached;
                return !cancelled;
            });
        } catch (...) {
            failure = std::current_exception();
        }
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();
    if (failure)
        std::rethrow_exception(failure);
}
