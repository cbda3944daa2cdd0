#pragma once

#include "shell/Controls.h"

#include <QRect>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QProgressBar;
class QStatusBar;
class QToolButton;
class QWidget;
class TextLinesView;
class TextListModel;

// What the control views share with their window: the way to run a handler
// for a user event, and whether the window is showing the models right now
// (signals that arrive then come from code, not from the user).
struct ViewContext {
    std::function<void(Handler)> userEvent;
    bool refreshing = false;
    // Layouts place the widgets; the controls' bounds then give only their sizes.
    bool laidOut = false;
};

// Tells whether a list has changed since it was last shown. The revision
// alone misses a list assigned from another, which brings that list's
// revision along.
struct ListSignature {
    std::uint64_t revision = 0;
    std::size_t count = 0;
    const void *first = nullptr;
    static ListSignature Of(const TextList &list);
    friend bool operator==(const ListSignature &, const ListSignature &) = default;
};

// One widget showing one control model. Show copies the model onto the
// widget, setting only what differs; Collect writes what the user typed or
// chose back into the model.
class ControlView {
public:
    ControlView(Control &model, QWidget *widget, ViewContext &context);
    virtual ~ControlView() = default;
    ControlView(const ControlView &) = delete;
    ControlView &operator=(const ControlView &) = delete;

    Control &Model() const { return model_; }
    QWidget *Widget() const { return widget_; }

    virtual void Show();
    virtual void Collect() {}

protected:
    // The bounds of the model on the parent's client area.
    virtual QRect Geometry() const;
    ViewContext &context_;

private:
    Control &model_;
    QWidget *widget_;
    FontSpec shownFont_;
    bool fontShown_ = false;
};

class PanelView : public ControlView {
public:
    PanelView(Panel &model, QWidget *parent, ViewContext &context);
};

class BevelView : public ControlView {
public:
    BevelView(Bevel &model, QWidget *parent, ViewContext &context);
};

class LabelView : public ControlView {
public:
    LabelView(Label &model, QWidget *parent, ViewContext &context);
    void Show() override;

protected:
    QRect Geometry() const override;

private:
    Label &label_;
    QLabel *widget_;
};

class ButtonView : public ControlView {
public:
    ButtonView(Button &model, QWidget *parent, ViewContext &context);
    void Show() override;

private:
    Button &button_;
    QToolButton *widget_;
    ControlKind shownKind_;
    std::string shownName_;
    bool styled_ = false;
};

class EditView : public ControlView {
public:
    EditView(Edit &model, QWidget *parent, ViewContext &context);
    void Show() override;
    void Collect() override;

private:
    Edit &edit_;
    QLineEdit *widget_;
};

class ComboBoxView : public ControlView {
public:
    ComboBoxView(ComboBox &model, QWidget *parent, ViewContext &context);
    void Show() override;
    void Collect() override;

private:
    void ShowEditable();

    ComboBox &combo_;
    QComboBox *widget_;
    ListSignature shownItems_;
    bool itemsShown_ = false;
};

class ListBoxView : public ControlView {
public:
    ListBoxView(ListBox &model, QWidget *parent, ViewContext &context);
    void Show() override;
    void Collect() override;
    QListView *List() const { return widget_; }

private:
    int CurrentRow() const;
    int TopRow() const;

    ListBox &list_;
    QListView *widget_;
    TextListModel *items_;
    ListSignature shownItems_;
    int shownTop_ = 0;
};

class MemoView : public ControlView {
public:
    MemoView(Memo &model, QWidget *parent, ViewContext &context);
    void Show() override;

private:
    Memo &memo_;
    TextLinesView *widget_;
    ListSignature shownLines_;
    bool linesShown_ = false;
};

class UpDownView : public ControlView {
public:
    UpDownView(UpDown &model, QWidget *parent, ViewContext &context);
};

class ProgressBarView : public ControlView {
public:
    ProgressBarView(ProgressBar &model, QWidget *parent, ViewContext &context);
    void Show() override;

private:
    ProgressBar &bar_;
    QProgressBar *widget_;
};

// The status bar belongs to the main window's frame, which places it; the
// view keeps its height and its panels.
class StatusBarView : public ControlView {
public:
    StatusBarView(StatusBar &model, QStatusBar *widget, ViewContext &context);
    void Show() override;

protected:
    QRect Geometry() const override;

private:
    StatusBar &bar_;
    QStatusBar *widget_;
    std::vector<QLabel *> panels_;
};

// A menu item as a Qt action; an item with items of its own is a submenu.
class MenuItemView {
public:
    MenuItemView(MenuItem &model, QAction *action) : model_(model), action_(action) {}
    MenuItem &Model() const { return model_; }
    QAction *Action() const { return action_; }
    void Show();

private:
    MenuItem &model_;
    QAction *action_;
    QString shownCaption_;
    std::string shownShortCut_;
    bool shown_ = false;
};

// The text of a tooltip for a hint: plain text stays plain, and a hint that
// Qt would take for markup is shown escaped.
QString ToolTipText(const std::string &hint);
