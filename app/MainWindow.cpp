#include "app/MainWindow.h"

#include "app/EncodingMenus.h"
#include "app/FileDrop.h"
#include "app/KeyCodes.h"
#include "app/QtFonts.h"
#include "app/QtPlatform.h"
#include "app/QtText.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

#include <utility>

namespace {

// The client area of the form below its menu bar; the status bar lies inside it.
constexpr int kClientWidth = 464;
constexpr int kClientHeight = 442;

// The widget class that shows each kind of control model.
template <class Model> struct ViewOf;
template <> struct ViewOf<Panel> { using Type = PanelView; };
template <> struct ViewOf<Bevel> { using Type = BevelView; };
template <> struct ViewOf<Label> { using Type = LabelView; };
template <> struct ViewOf<Button> { using Type = ButtonView; };
template <> struct ViewOf<Edit> { using Type = EditView; };
template <> struct ViewOf<ComboBox> { using Type = ComboBoxView; };
template <> struct ViewOf<ListBox> { using Type = ListBoxView; };
template <> struct ViewOf<Memo> { using Type = MemoView; };
template <> struct ViewOf<UpDown> { using Type = UpDownView; };
template <> struct ViewOf<ProgressBar> { using Type = ProgressBarView; };

template <class Model>
std::unique_ptr<ControlView> MakeView(Model &model, QWidget *parent, ViewContext &context) {
    return std::make_unique<typename ViewOf<Model>::Type>(model, parent, context);
}

// Sees every press and key of the application before its widget does, so
// that an Exit handler still waiting runs before the input that follows the
// focus change: a click into the list must not move the selection before
// the edit that lost the focus has written its entry.
class InputGate : public QObject {
public:
    InputGate(QWidget *window, std::function<bool()> runPendingExits)
        : QObject(window), window_(window), runPendingExits_(std::move(runPendingExits)) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        const auto type = event->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
            type != QEvent::KeyPress)
            return false;
        auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget || widget->window() != window_)
            return false;
        // A box shown by the Exit handler swallows the input, as it does on Windows.
        return !runPendingExits_();
    }

private:
    QWidget *window_;
    std::function<bool()> runPendingExits_;
};

} // namespace

MainWindow::MainWindow(TForm1 &form, QWidget *parent) : QMainWindow(parent), form_(form) {
    context_.userEvent = [this](Handler handler) { UserEvent(handler); };

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFont(FontFromSpec(FontSpec{}));
    setCentralWidget(client);

    BuildMenus();
    encodingMenus_ = std::make_unique<EncodingMenus>(
        form_, findChild<QMenu *>(QString::fromStdString(form_.Ficheiro1.Name)),
        findChild<QMenu *>(QString::fromStdString(form_.Opes1.Name)),
        [this](const std::function<void()> &action) { UserAction(action); });
    BuildControls();
    FollowTypedBoxes();
    Refresh();
    LayOutControls();

    // The window grows from the form's designed size: the area below the
    // menu bar, controls and status bar together, is 464 x 442 at the least.
    client->setMinimumSize(kClientWidth, kClientHeight - statusBar()->height());
    setMinimumSize(kClientWidth, menuBar()->sizeHint().height() + kClientHeight);
    resize(minimumSize());

    qApp->installEventFilter(new InputGate(this, [this] { return RunPendingExits(); }));
    setAcceptDrops(true);
    qApp->installEventFilter(new FileDropGate(this, [this](const QString &path) { OpenDropped(path); }));
    RequestFocus(form_.ActiveControl);
}

MainWindow::~MainWindow() = default;

void MainWindow::Adopt(std::unique_ptr<ControlView> view) {
    view->Widget()->installEventFilter(this);
    if (auto *list = dynamic_cast<ListBoxView *>(view.get())) {
        list->List()->viewport()->installEventFilter(this);
        QObject::connect(list->List(), &QListView::customContextMenuRequested, this,
                         [this, list](const QPoint &position) { ShowPopup(*list, position); });
    }
    views_.push_back(std::move(view));
}

template <class... Models> void MainWindow::Add(QWidget *parent, Models &...models) {
    (Adopt(MakeView(models, parent, context_)), ...);
}

void MainWindow::BuildControls() {
    TForm1 &f = form_;
    QWidget *client = centralWidget();
    // Creation order is stacking and tab order: the bevel lies under the row it frames.
    Add(client, f.Bevel3, f.Panel1);
    Add(WidgetOf(f.Panel1), f.btNovo, f.btAbrir, f.btAVIInfo, f.btMax, f.btConvert, f.btGravar, f.btMulti);
    Add(client, f.FicheiroOrigem, f.Edit1, f.Label1, f.Combobox2, f.SpeedButton2, f.Label2, f.AtrasoEdit,
        f.SpeedButton1);
    Add(client, f.Label3, f.ComboBox3, f.Label4, f.Edit3, f.Label5, f.Edit4, f.Label6, f.ComboBox1);
    Add(client, f.Label7, f.Formato, f.SpeedButton4, f.SpeedButton5, f.bt_ID, f.btAuto);
    Add(client, f.ListBox1, f.Memo1);
    Add(client, f.btOriginal, f.btEdit, f.btInsert, f.btErase, f.btCopy, f.btPast, f.btAnalisar, f.btSup,
        f.btFont, f.SaveFormato, f.btFormato);
    Add(client, f.txtInicio, f.Edit5, f.UpDown1, f.txtFim, f.Edit6, f.UpDown2, f.Label16, f.Edit7, f.Label17,
        f.Edit12);
    Add(client, f.Progresso, f.ProgressBar1);

    auto statusBar = std::make_unique<StatusBarView>(f.StatusBar1, this->statusBar(), context_);
    statusBar_ = statusBar.get();
    statusBar_->Widget()->installEventFilter(this);
    views_.push_back(std::move(statusBar));
}

void MainWindow::AddMenuItems(const std::vector<MenuItem *> &items,
                              const std::function<void(QAction *)> &place) {
    for (MenuItem *item : items) {
        QAction *action = nullptr;
        if (!item->Items.empty()) {
            auto *submenu = new QMenu(this);
            submenu->setObjectName(QString::fromStdString(item->Name));
            AddMenuItems(item->Items, [submenu](QAction *a) { submenu->addAction(a); });
            action = submenu->menuAction();
        } else {
            action = new QAction(this);
            QObject::connect(action, &QAction::triggered, this, [this, item] {
                if (!context_.refreshing)
                    UserEvent(item->OnClick);
            });
        }
        place(action);
        menuItems_.push_back(std::make_unique<MenuItemView>(*item, action));
    }
}

void MainWindow::BuildMenus() {
    AddMenuItems(form_.MainMenu1.Items, [this](QAction *action) { menuBar()->addAction(action); });
    auto *popup = new QMenu(this);
    popup->setObjectName(QString::fromStdString(form_.PopupMenu1.Name));
    AddMenuItems(form_.PopupMenu1.Items, [popup](QAction *action) { popup->addAction(action); });
    popups_.emplace_back(&form_.PopupMenu1, popup);
}

QWidget *MainWindow::WidgetOf(const Control &control) const {
    for (const auto &view : views_)
        if (&view->Model() == &control)
            return view->Widget();
    return nullptr;
}

QMenu *MainWindow::PopupOf(const Menu &menu) const {
    for (const auto &[model, popup] : popups_)
        if (model == &menu)
            return popup;
    return nullptr;
}

ControlView *MainWindow::ViewOf(const QObject *object) const {
    for (; object; object = object->parent())
        for (const auto &view : views_)
            if (view->Widget() == object)
                return view.get();
    return nullptr;
}

void MainWindow::CentreOnScreen() {
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
}

void MainWindow::RestorePlacement() {
    form_.Run(&TForm1::ReadWindowPlacement);
    std::vector<Rect> screens;
    for (const QScreen *screen : QGuiApplication::screens()) {
        const QRect area = screen->availableGeometry();
        screens.push_back({area.x(), area.y(), area.width(), area.height()});
    }
    const std::optional<Rect> bounds =
        BoundsOnScreens(form_.Placement.Bounds, screens, minimumWidth(), minimumHeight());
    if (!bounds) {
        CentreOnScreen();
        return;
    }
    setGeometry(bounds->Left, bounds->Top, bounds->Width, bounds->Height);
    if (form_.Placement.Maximized)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void MainWindow::Refresh() {
    context_.refreshing = true;
    translations_.Follow(form_.CurrentLanguage);
    const QString caption = ToQString(form_.Caption);
    if (windowTitle() != caption)
        setWindowTitle(caption);
    for (const auto &view : views_)
        view->Show();
    for (const auto &item : menuItems_)
        item->Show();
    if (encodingMenus_)
        encodingMenus_->Show();
    const bool hand = form_.StatusBar1.HandPoint;
    if (statusBar()->testAttribute(Qt::WA_SetCursor) != hand) {
        if (hand)
            statusBar()->setCursor(Qt::PointingHandCursor);
        else
            statusBar()->unsetCursor();
    }
    context_.refreshing = false;
    if (follower_)
        follower_();
}

void MainWindow::FollowTypedBoxes() {
    // The boxes run no handler while typed in; only their models follow.
    const auto follow = [this](const Control &box) {
        QWidget *widget = WidgetOf(box);
        return [this, widget] {
            if (context_.refreshing || !follower_)
                return;
            ViewOf(widget)->Collect();
            follower_();
        };
    };
    auto *rate = static_cast<QComboBox *>(WidgetOf(form_.Combobox2));
    connect(rate, &QComboBox::currentTextChanged, this, follow(form_.Combobox2));
    auto *delay = static_cast<QLineEdit *>(WidgetOf(form_.AtrasoEdit));
    connect(delay, &QLineEdit::textChanged, this, follow(form_.AtrasoEdit));
}

void MainWindow::ShowProgress() {
    QWidget *bar = WidgetOf(form_.ProgressBar1);
    if (!bar)
        return;
    ViewOf(bar)->Show();
    bar->repaint();
    // CHOICE: the window paints what was uncovered and answers the desktop
    // between the steps of long work, but takes no input until the handler
    // has ended; every user event is turned away while busy_ anyway, and a
    // close request is refused until then.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void MainWindow::Collect() {
    for (const auto &view : views_)
        view->Collect();
    // The control with the focus is part of what the user chose, unless the
    // window is about to move the focus itself.
    if (!pendingFocus_) {
        QWidget *focus = QApplication::focusWidget();
        if (focus && focus->window() == this)
            if (ControlView *view = ViewOf(focus))
                form_.ActiveControl = &view->Model();
    }
}

void MainWindow::UserEvent(Handler handler) {
    if (handler)
        UserAction([this, handler] { form_.Run(handler); });
}

void MainWindow::UserAction(const std::function<void()> &action) {
    // One handler at a time; a handler's own boxes block the window anyway.
    if (busy_ || !RunPendingExits())
        return;
    Execute(action);
}

void MainWindow::Execute(const std::function<void()> &action) {
    busy_ = true;
    Collect();
    Control *focusBefore = form_.ActiveControl;
    action();
    busy_ = false;
    Refresh();
    if (form_.ActiveControl != focusBefore)
        RequestFocus(form_.ActiveControl);
    if (form_.CloseRequested) {
        close();
        return;
    }
    if (activationWaiting_) {
        activationWaiting_ = false;
        Activate();
    }
}

void MainWindow::Activate() {
    activating_ = true;
    Execute([this] { form_.Run(&TForm1::FormActivate); });
    activating_ = false;
    if (startFile_) {
        const std::string fileName = *std::exchange(startFile_, std::nullopt);
        Execute([this, &fileName] { form_.Run(&TForm1::OpenNamedFile, fileName); });
    }
}

void MainWindow::OpenAtStart(const std::string &fileName) {
    startFile_ = fileName;
}

void MainWindow::OpenDropped(const QString &path) {
    const std::string fileName = CoreFileName(path);
    UserAction([this, &fileName] { form_.Run(&TForm1::FormDragDrop, fileName); });
}

bool MainWindow::RunPendingExits() {
    if (busy_)
        return pendingExits_.empty();
    bool uninterrupted = true;
    while (!pendingExits_.empty()) {
        const Handler exit = pendingExits_.front();
        pendingExits_.pop_front();
        const int deactivationsBefore = deactivations_;
        Execute([this, exit] { form_.Run(exit); });
        if (deactivations_ != deactivationsBefore)
            uninterrupted = false;
    }
    return uninterrupted;
}

void MainWindow::ExitEvent(QWidget *watched, ControlView &view, QEvent *event) {
    const Handler exit = view.Model().OnExit;
    if (!exit || context_.refreshing || focusFromCode_)
        return;
    // Opening a box or a dialog, leaving the program and opening a drop-down
    // list or menu move the focus without leaving the control.
    const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return;
    QWidget *next = QApplication::focusWidget();
    if (!next || next->window() != this || watched->isAncestorOf(next))
        return;
    // The handler runs once the focus has settled, before any further input.
    pendingExits_.push_back(exit);
    QTimer::singleShot(0, this, [this] { RunPendingExits(); });
}

void MainWindow::RequestFocus(Control *control) {
    if (!control)
        return;
    // Focus is moved on the next turn of the event loop, never in the middle
    // of the focus change that ran the handler.
    pendingFocus_ = control;
    QTimer::singleShot(0, this, &MainWindow::ApplyFocus);
}

void MainWindow::ApplyFocus() {
    Control *control = std::exchange(pendingFocus_, nullptr);
    if (!control)
        return;
    QWidget *widget = WidgetOf(*control);
    if (!widget || !widget->isEnabled() || !widget->isVisible())
        return;
    // Leaving a control because the program moved the focus is no Exit.
    focusFromCode_ = true;
    widget->setFocus(Qt::OtherFocusReason);
    focusFromCode_ = false;
}

void MainWindow::ShowPopup(ListBoxView &view, const QPoint &position) {
    const auto &list = static_cast<const ListBox &>(view.Model());
    if (!list.PopupMenu)
        return;
    if (QMenu *popup = PopupOf(*list.PopupMenu))
        popup->popup(view.List()->viewport()->mapToGlobal(position));
}

bool MainWindow::ListBoxEvent(ListBoxView &view, QObject *watched, QEvent *event) {
    auto &list = static_cast<ListBox &>(view.Model());
    QWidget *viewport = view.List()->viewport();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        // A right click opens the pop-up menu and leaves the selection as it is.
        return watched == viewport && static_cast<QMouseEvent *>(event)->button() == Qt::RightButton;
    case QEvent::MouseButtonDblClick:
        if (watched != viewport || static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
            return false;
        UserEvent(list.OnDblClick);
        return true;
    case QEvent::KeyPress: {
        const int key = VirtualKeyOf(static_cast<QKeyEvent *>(event)->key());
        const KeyHandler handler = list.OnKeyDown;
        // The key handler runs first; the list then moves its selection as usual.
        if (watched == view.List() && handler && key != 0)
            UserAction([this, handler, key] { form_.Run(handler, key); });
        return false;
    }
    default:
        return false;
    }
}

void MainWindow::StatusBarEvent(QEvent *event) {
    const auto type = event->type();
    if (type != QEvent::MouseMove && type != QEvent::MouseButtonPress)
        return;
    const auto *mouse = static_cast<QMouseEvent *>(event);
    StatusBar &bar = form_.StatusBar1;
    bar.MouseX = mouse->position().toPoint().x();
    bar.LeftButton = type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton;
    UserEvent(type == QEvent::MouseMove ? bar.OnMouseMove : bar.OnMouseDown);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event) {
    const auto type = event->type();
    if (type != QEvent::FocusOut && type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
        type != QEvent::KeyPress && type != QEvent::MouseMove)
        return QMainWindow::eventFilter(watched, event);
    if (statusBar_ && watched == statusBar_->Widget()) {
        StatusBarEvent(event);
        return false;
    }
    ControlView *view = ViewOf(watched);
    if (!view)
        return false;
    if (type == QEvent::FocusOut) {
        if (watched == view->Widget())
            ExitEvent(view->Widget(), *view, event);
        return false;
    }
    if (auto *list = dynamic_cast<ListBoxView *>(view))
        return ListBoxEvent(*list, watched, event);
    return false;
}

bool MainWindow::event(QEvent *event) {
    switch (event->type()) {
    case QEvent::WindowActivate:
        // NOTE: every activation re-reads the settings, the return from a box
        // included. CHOICE: the boxes of the activation itself (a settings
        // store that fails) do not start another one, which would repeat
        // the failing read for ever.
        if (activating_)
            break;
        if (busy_)
            activationWaiting_ = true;
        else
            Activate();
        break;
    case QEvent::WindowDeactivate:
        ++deactivations_;
        break;
    case QEvent::Close:
        if (busy_) {
            event->ignore();
            return true;
        }
        break;
    default:
        break;
    }
    return QMainWindow::event(event);
}

void MainWindow::closeEvent(QCloseEvent *event) {
    QMainWindow::closeEvent(event);
    const QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
    form_.Placement = {{normal.x(), normal.y(), normal.width(), normal.height()}, isMaximized()};
    form_.Run(&TForm1::FormClose);
}

void MainWindow::resizeEvent(QResizeEvent *event) {
    QMainWindow::resizeEvent(event);
    // The last panel of the status bar reaches to the bar's end.
    if (statusBar_)
        statusBar_->Show();
}

void MainWindow::keyPressEvent(QKeyEvent *event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const Control *button = form_.DefaultButton;
    if (!enter || !button) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    // Enter that no control wants presses the default button.
    const QWidget *widget = WidgetOf(*button);
    if (widget && widget->isEnabled() && widget->isVisible())
        UserEvent(button->OnClick);
    event->accept();
}
