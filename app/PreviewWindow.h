#pragma once

#include "app/ControlViews.h"
#include "shell/Unit2.h"

#include <QWidget>

#include <memory>
#include <vector>

class QtMediaPlayer;

// The preview window: the controls of TForm2 at their bounds, the player in
// the area of its player control. Like the main window it writes nothing
// back but runs the handlers through TForm2::Run and shows the models again.
// It stands beside the main window, whose list and boxes it follows.
class PreviewWindow : public QWidget {
    Q_OBJECT
public:
    PreviewWindow(TForm2 &form, QtMediaPlayer &player, QWidget *parent = nullptr);
    ~PreviewWindow() override;

    // Shows the window over the others; it stays until the user closes it.
    void ShowBeside();
    void Refresh();
    // After each event of the main window: the subtitle on screen and the
    // film's position follow what the event changed.
    void FollowMainWindow();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void UserEvent(Form2Handler handler);

    TForm2 &form_;
    QtMediaPlayer &player_;
    ViewContext context_;
    std::vector<std::unique_ptr<ControlView>> views_;
    bool busy_ = false;
};
