// Measures how the main window copes with a large subtitle file: the real
// TForm1 and its Qt views, with every box answered at once. It prints how long
// opening, converting, fitting and "Load again" take until the window has
// painted their result, the longest time the event loop was blocked while the
// user scrolls, selects and types, and how often the progress bar moved and
// the window painted while long work ran. A measurement, not a test.
//
//   window-bench FILE        (run it under xvfb-run, or with QT_QPA_PLATFORM=offscreen)

#include "app/MainWindow.h"
#include "app/QtPlatform.h"
#include "app/QtSettingsStore.h"
#include "shell/Unit1.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <string>

namespace {

QElapsedTimer gClock;

double Now() {
    return static_cast<double>(gClock.nsecsElapsed()) / 1e6;
}

// Processor time of the whole program: on a busy machine it tells more than the wall time.
double CpuNow() {
    timespec time{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &time);
    return static_cast<double>(time.tv_sec) * 1e3 + static_cast<double>(time.tv_nsec) / 1e6;
}

// Every box is answered at once as the user most likely would: file dialogs
// choose the benchmark's file (saving is cancelled), questions are answered No.
class AnsweringDialogs : public QtDialogs {
public:
    explicit AnsweringDialogs(std::string file) : file_(std::move(file)) {}

    double openAnswered = -1; // when the open dialog returned the file name
    int progressMoves = 0;
    int boxes = 0;

    void ShowMessage(const std::string &text) override { Note("message", text); }
    void ShowError(const std::string &text) override { Note("error", text); }
    bool AskYesNo(const std::string &text, QuestionKind) override {
        Note("question (No)", text);
        return false;
    }
    bool InputQuery(const std::string &caption, const std::string &, std::string &) override {
        Note("input (Cancel)", caption);
        return false;
    }
    bool ExecuteOpen(FileDialog &dialog) override {
        dialog.FileName = file_;
        openAnswered = Now();
        return true;
    }
    bool ExecuteSave(FileDialog &dialog) override {
        Note("save dialog (Cancel)", dialog.Title);
        return false;
    }
    bool ExecuteFont(FontDialog &) override { return false; }
    void ShowPreview(TForm2 &) override {}
    // Runs before the window is told that the bar moved.
    std::function<void()> beforeProgress;

    void ProgressMoved() override {
        ++progressMoves;
        if (beforeProgress)
            beforeProgress();
        QtDialogs::ProgressMoved();
    }

private:
    void Note(const char *kind, const std::string &text) {
        ++boxes;
        std::printf("  (%s: %.60s)\n", kind, text.c_str());
    }
    std::string file_;
};

class NoPlayer : public MediaPlayer {
public:
    void SetUrl(const std::string &) override {}
};

// Counts the paints of the progress bar and of the rest of the window, and
// tells when one watched widget has finished painting.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget *window) : window_(window) { qApp->installEventFilter(this); }

    int barPaints = 0;
    int otherPaints = 0;
    QWidget *bar = nullptr;
    // The bar of long work, in a box of its own: when it was first painted
    // and how many values it has shown since the counts were reset.
    double workBarShownAt = -1;
    int workBarMoves = 0;

    // Arms the watch for the next paint of `widget`; Painted() then tells when it ended.
    void Arm(QWidget *widget) {
        armed_ = widget;
        paintedAt_ = -1;
    }
    double PaintedAt() const { return paintedAt_; }
    void ResetCounts() {
        barPaints = otherPaints = workBarMoves = 0;
        workBarShownAt = -1;
        workBarValue_ = -1;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::Paint)
            return false;
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget->window()->objectName() == QLatin1String("LongWork"))
            WorkBarPainted(qobject_cast<QProgressBar *>(widget));
        if (!widget || widget->window() != window_)
            return false;
        // The bar's parents paint their background under it; those paints are the bar's.
        if (widget == bar || widget->isAncestorOf(bar))
            ++barPaints;
        else
            ++otherPaints;
        if (widget == armed_) {
            armed_ = nullptr;
            // The paint event is delivered after this filter returns; the zero
            // timer fires once it, and the layout it triggers, are done.
            QTimer::singleShot(0, this, [this] { paintedAt_ = Now(); });
        }
        return false;
    }

private:
    void WorkBarPainted(const QProgressBar *workBar) {
        if (!workBar)
            return;
        if (workBarShownAt < 0)
            workBarShownAt = Now();
        if (workBar->value() != workBarValue_) {
            if (workBarValue_ >= 0)
                ++workBarMoves;
            workBarValue_ = workBar->value();
        }
    }

    QWidget *window_;
    QWidget *armed_ = nullptr;
    double paintedAt_ = -1;
    int workBarValue_ = -1;
};

// A 10 ms timer whose longest gap is the longest time the event loop was blocked.
class Heartbeat : public QObject {
public:
    Heartbeat() {
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] {
            const double now = Now();
            longest_ = std::max(longest_, now - last_);
            last_ = now;
        });
        timer_.start(10);
    }
    void Reset() {
        QTest::qWait(30);
        last_ = Now();
        longest_ = 0;
    }
    double Longest() {
        QTest::qWait(30);
        return longest_;
    }
    // The longest gap so far, the one still open included, without turning the event loop.
    double LongestUntilNow() const { return std::max(longest_, Now() - last_); }

private:
    QTimer timer_;
    double last_ = 0;
    double longest_ = 0;
};

struct Row {
    std::string what;
    double figure;
    double target;
    std::string unit;
};

std::vector<Row> gRows;

void Report(const std::string &what, double figure, double target, const std::string &unit = "ms") {
    gRows.push_back({what, figure, target, unit});
    std::printf("%-52s %7.0f %s\n", what.c_str(), figure, unit.c_str());
    std::fflush(stdout);
}

class Bench {
public:
    Bench(MainWindow &window, TForm1 &form, AnsweringDialogs &dialogs)
        : window_(window), form_(form), dialogs_(dialogs), paints_(&window) {
        paints_.bar = Widget(form.ProgressBar1);
        list_ = static_cast<QListView *>(Widget(form.ListBox1));
        memo_ = static_cast<QAbstractScrollArea *>(Widget(form.Memo1));
        // Every tenth step of long work the whole window is uncovered, as when
        // another window moves away: it shows whether the window paints anew.
        dialogs_.beforeProgress = [this] {
            if (dialogs_.progressMoves % 10 == 1)
                window_.update();
        };
    }

    void Run() {
        Open();
        ScrollList();
        SelectEntries();
        TypeInEditFields();
        LongWork("convert", form_.btConvert, memo_->viewport());
        ScrollMemo();
        Fit("2");
        LongWork("Load again", form_.btOriginal, list_->viewport());
        Fit("3");
        UndoAndRedo("fit to 3 lines");
        LongWork("Load again (after 3 lines)", form_.btOriginal, list_->viewport());
        EditEntries(100);
        UndoAndRedo("one entry edited");
    }

private:
    QWidget *Widget(const Control &control) const { return window_.WidgetOf(control); }

    // Clicks a button of the window; its handler runs before the click returns.
    void Click(Button &button) {
        auto *widget = qobject_cast<QToolButton *>(Widget(button));
        if (!widget->isEnabled())
            std::printf("  (%s is disabled)\n", button.Name.c_str());
        widget->click();
    }

    // Runs the event loop until the watched widget has painted; the time it ended, or -1.
    double WaitForPaint() {
        (void)QTest::qWaitFor([this] { return paints_.PaintedAt() >= 0; }, 30000);
        return paints_.PaintedAt();
    }

    // When a click started, its handler ended and `shows` finished painting
    // the result (-1 when no paint came), the processor time until then, the
    // longest freeze of the event loop while the handler ran, and what moved
    // and painted meanwhile.
    struct Timing {
        double start, handlerEnd, painted, cpu, freeze;
        int progressMoves, barPaints, otherPaints;
        double workBarShown;
        int workBarMoves;
    };
    Timing ClickAndWait(Button &button, QWidget *shows) {
        heartbeat_.Reset();
        paints_.ResetCounts();
        const int moves = dialogs_.progressMoves;
        const double cpu = CpuNow();
        const double start = Now();
        Click(button);
        const double handlerEnd = Now();
        Timing timing{start,
                      handlerEnd,
                      -1,
                      0,
                      heartbeat_.LongestUntilNow(),
                      dialogs_.progressMoves - moves,
                      paints_.barPaints,
                      paints_.otherPaints,
                      paints_.workBarShownAt < 0 ? -1 : paints_.workBarShownAt - start,
                      paints_.workBarMoves};
        paints_.Arm(shows);
        shows->update();
        timing.painted = WaitForPaint();
        timing.cpu = CpuNow() - cpu;
        return timing;
    }

    static void PrintWork(const Timing &t) {
        std::printf("  handler %.0f ms, processor %.0f ms until shown; while it ran: longest freeze %.0f ms, "
                    "progress moved %d times, %d bar paints, %d paints of the rest of the window\n",
                    t.handlerEnd - t.start, t.cpu, t.freeze, t.progressMoves, t.barPaints, t.otherPaints);
        if (t.workBarShown >= 0)
            std::printf("  the long work's bar: painted %.0f ms after the click, moved %d times\n",
                        t.workBarShown, t.workBarMoves);
    }

    void Open() {
        std::printf("open\n");
        const Timing t = ClickAndWait(form_.btAbrir, list_->viewport());
        Report("open: dialog closed to list shown", t.painted < 0 ? -1 : t.painted - dialogs_.openAnswered,
               2000);
        PrintWork(t);
        std::printf("  %d rows\n", list_->model()->rowCount());
    }

    void LongWork(const std::string &name, Button &button, QWidget *shows) {
        std::printf("%s\n", name.c_str());
        const Timing t = ClickAndWait(button, shows);
        Report(name + ": click to result shown", t.painted < 0 ? -1 : t.painted - t.start, 3000);
        PrintWork(t);
    }

    void Fit(const char *lines) {
        auto *combo = qobject_cast<QComboBox *>(Widget(form_.ComboBox3));
        if (combo->isEditable())
            combo->setEditText(QString::fromLatin1(lines));
        else
            combo->setCurrentIndex(combo->findText(QString::fromLatin1(lines)));
        LongWork(std::string("fit to ") + lines + " lines", form_.btMax, list_->viewport());
    }

    template <class Action> void Blocked(const std::string &what, int repeat, Action action) {
        heartbeat_.Reset();
        for (int i = 0; i < repeat; ++i) {
            action(i);
            QTest::qWait(15);
        }
        Report("longest freeze: " + what, heartbeat_.Longest(), 100);
    }

    static void Slide(QAbstractScrollArea *area, QAbstractSlider::SliderAction step) {
        area->verticalScrollBar()->triggerAction(step);
    }

    void ScrollArea(const std::string &name, QAbstractScrollArea *area) {
        Blocked(name + " by page", 30, [area](int) { Slide(area, QAbstractSlider::SliderPageStepAdd); });
        Blocked(name + " to the end and back", 6, [area](int i) {
            Slide(area, i % 2 == 0 ? QAbstractSlider::SliderToMaximum : QAbstractSlider::SliderToMinimum);
        });
    }

    void ScrollList() { ScrollArea("scroll list", list_); }

    void ScrollMemo() {
        ScrollArea("scroll memo", memo_);
        memo_->setFocus();
        Blocked("memo keys PageDown, Ctrl+End, Ctrl+Home", 12, [this](int i) {
            if (i % 4 == 3)
                QTest::keyClick(memo_, i % 8 == 3 ? Qt::Key_End : Qt::Key_Home, Qt::ControlModifier);
            else
                QTest::keyClick(memo_, Qt::Key_PageDown);
        });
    }

    void SelectEntries() {
        QWidget *viewport = list_->viewport();
        const int rowHeight = std::max(1, list_->sizeHintForRow(0));
        Blocked("select by click", 8, [viewport, rowHeight](int i) {
            QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(10, rowHeight * (i % 6) + rowHeight / 2));
        });
        list_->setFocus();
        Blocked("select by Down, PageDown, End, Home", 16, [this](int i) {
            static const Qt::Key keys[] = {Qt::Key_Down, Qt::Key_Down, Qt::Key_PageDown, Qt::Key_PageDown,
                                           Qt::Key_End,  Qt::Key_Up,   Qt::Key_Home,     Qt::Key_Down};
            QTest::keyClick(list_, keys[i % 8]);
        });
    }

    void TypeInEditFields() {
        QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, QPoint(10, 5));
        QTest::qWait(20);
        for (Edit *field : {&form_.Edit5, &form_.Edit6}) {
            auto *edit = qobject_cast<QLineEdit *>(Widget(*field));
            QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(4, 4));
            QTest::qWait(15);
            edit->selectAll();
            const QString text = edit->text();
            Blocked("type into " + field->Name, static_cast<int>(text.size()),
                    [edit, &text](int i) { QTest::keyClick(edit, text.at(i).toLatin1()); });
            // Leaving the field writes the entry.
            Blocked("leave " + field->Name + " (the entry is written)", 1,
                    [edit](int) { QTest::keyClick(edit, Qt::Key_Tab); });
        }
    }

    // Heap in use, large blocks included.
    static double HeapBytes() {
        const struct mallinfo2 info = mallinfo2();
        return static_cast<double>(info.uordblks + info.hblkhd);
    }

    // Undo and redo through the menu, each until the list has painted its result.
    void UndoAndRedo(const std::string &what) {
        for (const char *item : {"Desfazer1", "Refazer1"}) {
            auto *action = window_.findChild<QAction *>(QString::fromLatin1(item));
            const double start = Now();
            action->trigger();
            paints_.Arm(list_->viewport());
            list_->viewport()->update();
            const double painted = WaitForPaint();
            Report(std::string(item == std::string("Desfazer1") ? "undo: " : "redo: ") + what +
                       ", to list shown",
                   painted < 0 ? -1 : painted - start, 100);
        }
    }

    // Edits the end frame of entries spread over the list, each an undo step;
    // reports what the history holds per step.
    void EditEntries(int count) {
        const std::size_t entries = form_.SubtitleList().Count();
        // The first edit gives the list storage of its own, no longer shared
        // with the file as opened; the steps of the long work before go.
        const auto edit = [this](std::size_t index) {
            form_.ListBox1.ItemIndex = static_cast<int>(index);
            form_.Run(&TForm1::ListBox1Click);
            form_.Edit6.Text = std::to_string(form_.SelectedEnd + 1);
            form_.Run(&TForm1::Edit6Exit);
        };
        edit(0);
        form_.History.Clear();
        const double heapBefore = HeapBytes();
        for (int i = 0; i < count; ++i)
            edit(entries / static_cast<std::size_t>(count) * static_cast<std::size_t>(i) + 1);
        window_.Refresh();
        Report("history: heap per step of one entry", (HeapBytes() - heapBefore) / count, 10000, "bytes");
    }

    MainWindow &window_;
    TForm1 &form_;
    AnsweringDialogs &dialogs_;
    PaintWatch paints_;
    Heartbeat heartbeat_;
    QListView *list_;
    QAbstractScrollArea *memo_;
};

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: window-bench FILE\n", stderr);
        return 2;
    }
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    gClock.start();

    QTemporaryDir settingsFolder;
    AnsweringDialogs dialogs(argv[1]);
    QtSettingsStore settings(settingsFolder.filePath(QStringLiteral("settings.ini")));
    QtLauncher launcher;
    NoPlayer player;
    Platform platform{dialogs, settings, launcher, player};

    TForm1 form(platform);
    MainWindow window(form);
    dialogs.SetBeforeShow([&window] { window.Refresh(); });
    dialogs.SetOnProgress([&window] { window.ShowProgress(); });
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        std::puts("(the window never became active)");

    Bench bench(window, form, dialogs);
    bench.Run();

    std::printf("\n%-52s %10s %8s %s\n", "case", "figure", "target", "met");
    for (const Row &row : gRows)
        std::printf("%-52s %7.0f %s %5.0f %s %s\n", row.what.c_str(), row.figure, row.unit.c_str(),
                    row.target, row.unit.c_str(), row.figure >= 0 && row.figure <= row.target ? "yes" : "NO");
    return 0;
}
