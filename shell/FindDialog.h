#pragma once

#include <string>

// The find and replace dialog: its texts in the window's language, what the
// user typed and ticked, and the button that closed it.
struct FindDialog {
    enum class Action { FindNext, Replace, ReplaceAll };

    // Replacing shows the replacement box and the two replace buttons.
    bool Replacing = false;
    struct Texts {
        std::string title, findWhat, replaceWith, matchCase, wholeWords, regularExpression, findNext, replace,
            replaceAll;
    } Labels;

    std::string FindText;
    std::string ReplaceText;
    bool MatchCase = false;
    bool WholeWords = false;
    bool RegularExpression = false;
    Action Pressed = Action::FindNext;
};
