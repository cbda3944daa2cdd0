#pragma once

#include <QWidget>

class QToolButton;
struct UpDown;

// The position an up-down control takes after one step (+1 up, -1 down):
// it stays within Min and Max, or wraps round to the other end when Wrap is set.
int SteppedPosition(const UpDown &upDown, int step);

// A pair of small arrow buttons, one above the other, that repeat while held.
class UpDownWidget : public QWidget {
    Q_OBJECT
public:
    explicit UpDownWidget(QWidget *parent = nullptr);

signals:
    void stepped(int step);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QToolButton *up_;
    QToolButton *down_;
};
