#pragma once

#include <QObject>

#include <functional>

class QAction;
class QActionGroup;
class QMenu;
class TForm1;

// The encoding choices of the File and Options menus: reopening the file in
// a named encoding, and the encoding saves use. Each runs a handler of the
// form through `run`, as every user event does.
class EncodingMenus {
public:
    EncodingMenus(TForm1 &form, QMenu *fileMenu, QMenu *optionsMenu,
                  std::function<void(std::function<void()>)> run);
    // Titles in the interface language and the save encoding's check mark.
    void Show();

private:
    TForm1 &form_;
    QMenu *reopen_;
    QMenu *saveIn_;
    QAction *asRead_ = nullptr;
    QActionGroup *saveChoices_;
};
