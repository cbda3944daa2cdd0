#pragma once

#include "app/ControlViews.h"
#include "app/QtTranslations.h"
#include "shell/Unit1.h"

#include <QMainWindow>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QMenu;

// The main window: every control of TForm1 as a widget in Qt layouts, named
// after the control. A user event writes what the user typed or chose into
// the models, runs the handler through TForm1::Run and shows the models
// again; setting widgets from code never runs a handler.
class EncodingMenus;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(TForm1 &form, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Shows every model again, setting only what changed.
    void Refresh();
    // Runs after every refresh, and as the rate or delay box is typed in with
    // that box's model brought up to date, so that the preview follows them.
    void SetFollower(std::function<void()> follower) { follower_ = std::move(follower); }
    // Draws the progress bar anew at once, while a handler is still running.
    void ShowProgress();
    // Places the window in the middle of its screen.
    void CentreOnScreen();
    // Places the window where it stood when last closed, on a screen that
    // still exists, else in the middle of its screen.
    void RestorePlacement();
    // Opens the file named on the command line as if chosen in the open
    // dialog, once the first activation has read the settings.
    void OpenAtStart(const std::string &fileName);

    // The widget of a control, or nullptr for a control the window does not show.
    QWidget *WidgetOf(const Control &control) const;
    // The Qt menu of a pop-up menu model.
    QMenu *PopupOf(const Menu &menu) const;

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Adopt(std::unique_ptr<ControlView> view);
    template <class... Models> void Add(QWidget *parent, Models &...models);
    void BuildControls();
    // Puts the controls into Qt layouts (app/MainWindowLayout.cpp).
    void LayOutControls();
    // The control's widget held at its designed size.
    QWidget *Sized(const Control &control) const;
    void BuildMenus();
    void AddMenuItems(const std::vector<MenuItem *> &items, const std::function<void(QAction *)> &place);

    ControlView *ViewOf(const QObject *object) const;

    void UserEvent(Handler handler);
    void UserAction(const std::function<void()> &action);
    // Runs one handler: input into the models, the handler, the models back
    // onto the widgets; then the focus, closing and a waiting activation.
    void Execute(const std::function<void()> &action);
    void Activate();
    void Collect();
    // Runs the Exit handlers still waiting; false when one of them showed a
    // box, which takes the place of the input that was to follow.
    bool RunPendingExits();
    void ExitEvent(QWidget *watched, ControlView &view, QEvent *event);
    void RequestFocus(Control *control);
    void ApplyFocus();
    void ShowPopup(ListBoxView &view, const QPoint &position);
    bool ListBoxEvent(ListBoxView &view, QObject *watched, QEvent *event);
    void StatusBarEvent(QEvent *event);
    void OpenDropped(const QString &path);
    void FollowTypedBoxes();

    TForm1 &form_;
    ViewContext context_;
    std::vector<std::unique_ptr<ControlView>> views_;
    std::vector<std::unique_ptr<MenuItemView>> menuItems_;
    std::unique_ptr<EncodingMenus> encodingMenus_;
    std::vector<std::pair<const Menu *, QMenu *>> popups_;
    StatusBarView *statusBar_ = nullptr;
    QtTranslations translations_;

    bool busy_ = false;
    bool activating_ = false;
    bool activationWaiting_ = false;
    std::deque<Handler> pendingExits_;
    Control *pendingFocus_ = nullptr;
    bool focusFromCode_ = false;
    int deactivations_ = 0;
    std::optional<std::string> startFile_;
    std::function<void()> follower_;
};
