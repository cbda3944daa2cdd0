#pragma once

#include "document/TextList.h"

#include <cstdint>
#include <string>
#include <vector>

// The controls of the windows as plain models: what a widget shows and what
// the user set in it. Views copy them onto widgets and write user input back;
// nothing here reacts to a change. All texts are UTF-8.

class TForm1;

// A handler of the main window, run through TForm1::Run.
using Handler = void (TForm1::*)();
// A key handler of the main window; it receives the key's virtual-key code.
using KeyHandler = void (TForm1::*)(int key);

struct Menu;

enum class ControlKind {
    Panel,
    Button,      // a push button with a picture above its caption
    SpeedButton, // a flat tool button with a picture
    Label,
    Edit,
    ComboBox,
    ListBox,
    Memo,
    UpDown,
    ProgressBar,
    StatusBar,
    Bevel,
};

struct Rect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    friend bool operator==(const Rect &, const Rect &) = default;
};

struct FontSpec {
    std::string Name = "MS Sans Serif";
    int Size = 8;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    std::uint32_t Color = 0; // 0x00BBGGRR
    friend bool operator==(const FontSpec &, const FontSpec &) = default;
};

struct Control {
    std::string Name;
    ControlKind Kind = ControlKind::Label;
    Rect Bounds;
    std::string Caption;
    std::string Hint;
    bool ShowHint = true; // false: the hint is kept but never pops up
    bool Enabled = true;
    bool Visible = true;
    bool Flat = false;
    FontSpec Font;
    Handler OnClick = nullptr;
    Handler OnDblClick = nullptr;
    Handler OnExit = nullptr;
    Handler OnChange = nullptr;
};

struct Panel : Control {};
struct Label : Control {
    bool AutoSize = true; // the label takes the size of its caption whenever the caption changes
};
struct Bevel : Control {};

struct Button : Control {};

struct Edit : Control {
    std::string Text;
    bool ReadOnly = false;
};

struct ComboBox : Control {
    TextList Items;
    int ItemIndex = -1;
    std::string Text;
    bool Editable = false; // false: a drop-down list whose text is its selected item
};

struct ListBox : Control {
    TextList Items;
    int ItemIndex = -1;
    int TopIndex = 0;
    int ItemHeight = 13;
    Menu *PopupMenu = nullptr; // shown on a right click
    KeyHandler OnKeyDown = nullptr;
};

struct Memo : Control {
    TextList Lines;
    bool VerticalScrollBar = false;
};

struct UpDown : Control {
    int Min = 0;
    int Max = 100;
    int Position = 0;
    bool Wrap = false;
};

struct ProgressBar : Control {
    int Min = 0;
    int Max = 100;
    int Position = 0;
};

struct StatusPanel {
    std::string Text;
    int Width = 50;
    bool Centered = false;
};

struct StatusBar : Control {
    std::vector<StatusPanel> Panels;
    Handler OnMouseDown = nullptr;
    Handler OnMouseMove = nullptr;
    // Set by the view before OnMouseDown and OnMouseMove: the pointer's x in
    // the bar and whether the event is a press of the left button.
    int MouseX = 0;
    bool LeftButton = false;
    bool HandPoint = false; // the bar shows the hand-point cursor
};

struct MenuItem {
    std::string Name;
    std::string Caption;  // "-" is a separator
    std::string ShortCut; // as Qt's key sequence text, e.g. "Ctrl+N"; alternatives apart by "; "
    bool Enabled = true;
    bool Visible = true;
    bool Checked = false;
    Handler OnClick = nullptr;
    std::vector<MenuItem *> Items; // a submenu when not empty
    bool IsSeparator() const { return Caption == "-"; }
};

struct Menu {
    std::string Name;
    std::vector<MenuItem *> Items;
};

struct FileDialog {
    std::string Name;
    std::string Title;
    std::string Filter; // "description|pattern|description|pattern..."
    int FilterIndex = 1;
    std::string DefaultExt;
    std::string FileName;
    bool OverwritePrompt = false;
    bool HideReadOnly = false;
};

struct FontDialog {
    std::string Name;
    FontSpec Font;
};
