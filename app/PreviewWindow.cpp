#include "app/PreviewWindow.h"

#include "app/QtFonts.h"
#include "app/QtMediaPlayer.h"
#include "app/QtText.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QToolButton>

namespace {

QRect BoundsOf(const Control &control) {
    const Rect &b = control.Bounds;
    return QRect(b.Left, b.Top, b.Width, b.Height);
}

QColor ColourOf(std::uint32_t colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

} // namespace

PreviewWindow::PreviewWindow(TForm2 &form, QtMediaPlayer &player, QWidget *parent)
    : QWidget(parent), form_(form), player_(player) {
    // A fixed single border with the close box only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(ToQString(form_.Caption));
    setFixedSize(form_.ClientWidth, form_.ClientHeight);
    setFont(FontFromSpec(FontSpec{}));
    // The preview's buttons run TForm2's handlers, bound below; the main
    // window's way of running handlers has nothing to do here.
    context_.userEvent = [](Handler) {};

    auto *area = new QWidget(this);
    area->setObjectName(QString::fromStdString(form_.WindowsMediaPlayer1.Name));
    area->setGeometry(BoundsOf(form_.WindowsMediaPlayer1));
    player.ShowIn(area);
    player.SetSubtitleSource([this](double seconds) { return ToQString(form_.SubtitleAt(seconds)); });

    auto *box = new QFrame(this);
    box->setObjectName(QString::fromStdString(form_.ScrollBox1.Name));
    box->setGeometry(BoundsOf(form_.ScrollBox1));
    box->setFrameStyle(QFrame::Box | QFrame::Plain);
    box->setAutoFillBackground(true);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, ColourOf(form_.ScrollBox1.Color));
    box->setPalette(palette);

    for (const TForm2::ClickBinding &click : form_.Clicks) {
        auto view = std::make_unique<ButtonView>(*click.button, box, context_);
        QObject::connect(static_cast<QToolButton *>(view->Widget()), &QToolButton::clicked, this,
                         [this, handler = click.handler] {
                             if (!context_.refreshing)
                                 UserEvent(handler);
                         });
        views_.push_back(std::move(view));
    }
    for (Label *label : {&form_.Label1, &form_.Label2, &form_.Label3, &form_.Label4})
        views_.push_back(std::make_unique<LabelView>(*label, box, context_));
    Refresh();
}

PreviewWindow::~PreviewWindow() = default;

void PreviewWindow::Refresh() {
    context_.refreshing = true;
    for (const auto &view : views_)
        view->Show();
    context_.refreshing = false;
}

void PreviewWindow::ShowBeside() {
    Refresh();
    show();
    raise();
    activateWindow();
}

void PreviewWindow::FollowMainWindow() {
    UserEvent(&TForm2::ListSelectionChanged);
    player_.ShowSubtitle();
}

void PreviewWindow::UserEvent(Form2Handler handler) {
    // One handler at a time; a handler's own dialogs block the window anyway.
    if (busy_)
        return;
    busy_ = true;
    form_.Run(handler);
    busy_ = false;
    Refresh();
    player_.ShowSubtitle();
}

void PreviewWindow::closeEvent(QCloseEvent *event) {
    if (busy_) {
        event->ignore();
        return;
    }
    UserEvent(&TForm2::FormClose);
    event->accept();
    // As on Windows, the window that opened this one is active again when it
    // closes, whatever the window manager does; its activation re-reads the settings.
    if (QWidget *owner = parentWidget())
        owner->activateWindow();
}

void PreviewWindow::keyPressEvent(QKeyEvent *event) {
    if (event->modifiers() == Qt::AltModifier &&
        (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right)) {
        UserEvent(event->key() == Qt::Key_Left ? &TForm2::btPreviousClick : &TForm2::btNextClick);
        event->accept();
        return;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || !form_.DefaultButton) {
        QWidget::keyPressEvent(event);
        return;
    }
    // Enter presses the default button, when it can be pressed.
    for (const TForm2::ClickBinding &click : form_.Clicks)
        if (click.button == form_.DefaultButton && click.button->Enabled && click.button->Visible)
            UserEvent(click.handler);
    event->accept();
}
