#include "app/UpDownWidget.h"

#include "shell/Controls.h"

#include <QEvent>
#include <QToolButton>

int SteppedPosition(const UpDown &upDown, int step) {
    const long long next = static_cast<long long>(upDown.Position) + step;
    if (next > upDown.Max)
        return upDown.Wrap ? upDown.Min : upDown.Max;
    if (next < upDown.Min)
        return upDown.Wrap ? upDown.Max : upDown.Min;
    return static_cast<int>(next);
}

namespace {

QToolButton *ArrowButton(Qt::ArrowType arrow, QWidget *parent) {
    auto *button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

UpDownWidget::UpDownWidget(QWidget *parent)
    : QWidget(parent), up_(ArrowButton(Qt::UpArrow, this)), down_(ArrowButton(Qt::DownArrow, this)) {
    up_->setObjectName(QStringLiteral("up"));
    down_->setObjectName(QStringLiteral("down"));
    connect(up_, &QToolButton::clicked, this, [this] { emit stepped(1); });
    connect(down_, &QToolButton::clicked, this, [this] { emit stepped(-1); });
}

void UpDownWidget::resizeEvent(QResizeEvent *) {
    const int upHeight = height() / 2;
    up_->setGeometry(0, 0, width(), upHeight);
    down_->setGeometry(0, upHeight, width(), height() - upHeight);
}

void UpDownWidget::changeEvent(QEvent *event) {
    // The arrows follow the control's tooltip, so hovering either shows it.
    if (event->type() == QEvent::ToolTipChange) {
        up_->setToolTip(toolTip());
        down_->setToolTip(toolTip());
    }
    QWidget::changeEvent(event);
}
